#include "engine/image_size.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace morvane;

namespace {
const QString kImages = QStringLiteral(MORVANE_FIXTURES "/images/");

QByteArray read(const QString &fixture)
{
    QFile f(kImages + fixture);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(fixture));
    return f.readAll();
}

quint32 crc32(const QByteArray &data)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : data) {
        crc ^= quint8(byte);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A PNG whose IDAT data starts with a byte that is no zlib header, its CRC
// mended: only inflating the image data can tell it is damaged.
QByteArray pngWithBadImageData()
{
    QByteArray png = read("photo.png");
    const qsizetype type = png.indexOf("IDAT");
    const quint32 length = quint32(quint8(png[type - 4])) << 24 | quint8(png[type - 3]) << 16
        | quint8(png[type - 2]) << 8 | quint8(png[type - 1]);
    png[type + 4] = char(0xFF);
    const quint32 crc = crc32(png.mid(type, 4 + length));
    for (int k = 0; k < 4; ++k)
        png[type + 4 + length + k] = char(crc >> (24 - 8 * k));
    return png;
}

QByteArray patched(QByteArray data, qsizetype at, const QByteArray &bytes)
{
    data.replace(at, bytes.size(), bytes);
    return data;
}
} // namespace

class TestImageSize : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString write(const QString &name, const QByteArray &data)
    {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void readable_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        // clang-format off
        QTest::newRow("jpg") << "photo.jpg" << "a.jpg" << 7 << 5;
        QTest::newRow("JPEG upper case") << "photo.jpg" << "a.JPEG" << 7 << 5;
        QTest::newRow("png") << "photo.png" << "a.png" << 7 << 5;
        QTest::newRow("interlaced png") << "interlaced.png" << "a.Png" << 9 << 6;
        QTest::newRow("tif") << "photo.tif" << "a.tif" << 7 << 5;
        QTest::newRow("tiff") << "photo.tif" << "a.TIFF" << 7 << 5;
        QTest::newRow("bmp") << "photo.bmp" << "a.bmp" << 7 << 5;
        QTest::newRow("top-down bmp") << "topdown.bmp" << "a.bmp" << 6 << 4;
        QTest::newRow("OS/2 bmp") << "core.bmp" << "a.BMP" << 3 << 2;
        QTest::newRow("ico: the largest image") << "icon.ico" << "a.ico" << 48 << 40;
        QTest::newRow("emf: frame at 96 dpi") << "picture.emf" << "a.emf" << 96 << 48;
        QTest::newRow("placeable wmf") << "picture.wmf" << "a.wmf" << 120 << 60;
        // clang-format on
    }

    void readable()
    {
        QFETCH(QString, fixture);
        QFETCH(QString, name);
        QFETCH(int, width);
        QFETCH(int, height);
        int w = -1, h = -1;
        QVERIFY(readImageSize(write(name, read(fixture)), &w, &h));
        QCOMPARE(w, width);
        QCOMPARE(h, height);
    }

    void unreadable_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("data");
        const QByteArray png = read("photo.png"), jpg = read("photo.jpg"), bmp = read("photo.bmp");
        // clang-format off
        QTest::newRow("PNG named jpg") << "a.jpg" << png;
        QTest::newRow("JPEG named png") << "a.png" << jpg;
        QTest::newRow("text named bmp") << "a.bmp" << QByteArray("hello");
        QTest::newRow("other extension") << "a.gif" << png;
        QTest::newRow("no extension") << "png" << png;
        QTest::newRow("empty png") << "a.png" << QByteArray();
        QTest::newRow("png bad chunk CRC") << "a.png" << patched(png, png.indexOf("IDAT") + 6, "\x01");
        QTest::newRow("png bad image data") << "a.png" << pngWithBadImageData();
        QTest::newRow("png cut in image data") << "a.png" << png.left(png.indexOf("IDAT") + 10);
        QTest::newRow("png without IEND") << "a.png" << png.left(png.size() - 12);
        QTest::newRow("jpeg cut in header") << "a.jpg" << jpg.left(100);
        QTest::newRow("tiff cut short") << "a.tif" << read("photo.tif").left(16);
        QTest::newRow("bmp pixels missing") << "a.bmp" << bmp.left(100);
        QTest::newRow("bmp zero width") << "a.bmp" << patched(bmp, 18, QByteArray(4, '\0'));
        QTest::newRow("bmp two planes") << "a.bmp" << patched(bmp, 26, "\x02");
        QTest::newRow("ico entry beyond the end") << "a.ico" << read("icon.ico").left(500);
        QTest::newRow("ico no images") << "a.ico" << QByteArray("\0\0\1\0\0\0", 6);
        QTest::newRow("emf bad signature") << "a.emf" << patched(read("picture.emf"), 40, "XXXX");
        QTest::newRow("wmf without placeable header") << "a.wmf" << read("picture.wmf").mid(22);
        QTest::newRow("wmf zero units per inch") << "a.wmf" << patched(read("picture.wmf"), 14, QByteArray(2, '\0'));
        // clang-format on
    }

    void unreadable()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, data);
        int w = -1, h = -1;
        QVERIFY(!readImageSize(write(name, data), &w, &h));
        QCOMPARE(w, 0);
        QCOMPARE(h, 0);
    }

    void notAFile()
    {
        int w = -1, h = -1;
        QVERIFY(!readImageSize(m_dir.filePath("missing.png"), &w, &h));
        QVERIFY(QDir(m_dir.path()).mkdir("folder.png"));
        QVERIFY(!readImageSize(m_dir.filePath("folder.png"), &w, &h));
        // A pipe named like a picture must not block the preview.
        const QString fifo = m_dir.filePath("pipe.png");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(!readImageSize(fifo, &w, &h));
        QCOMPARE(w, 0);
    }
};

QTEST_GUILESS_MAIN(TestImageSize)
#include "test_image_size.moc"
