// The built program maps Exiv2, TagLib and the picture libraries only for a
// keyword that reads them, and says plainly when their module is missing.
#include "tests/metadata_fixtures.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace morvane;

namespace {

struct Result {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    QList<QByteArray> loaded; // every object the dynamic loader mapped
};

const char *const kMetadataLibraries[] = {"morvane-metadata.so", "libexiv2", "libtag", "libjpeg", "libpng", "libtiff"};

} // namespace

class TestMetadataModule : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    int m_runs = 0;

    Result run(const QString &program, const QStringList &arguments)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en_US"));
        env.insert(QStringLiteral("APPDATA"), m_dir.filePath(QStringLiteral("appdata")));
        // The loader writes what it maps to LOG.<pid>.
        const QString log = m_dir.filePath(QStringLiteral("loader-%1").arg(++m_runs));
        env.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("files"));
        env.insert(QStringLiteral("LD_DEBUG_OUTPUT"), log);
        p.setProcessEnvironment(env);
        p.start(program, arguments);
        const qint64 pid = p.waitForStarted() ? p.processId() : 0;
        Result r;
        if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
            return r;
        r.exitCode = p.exitCode();
        r.out = p.readAllStandardOutput();
        r.err = p.readAllStandardError();
        QFile lines(log + u'.' + QString::number(pid));
        if (!lines.open(QIODevice::ReadOnly))
            return r;
        // "  PID:\tfile=NAME [0];  generating link map" for each object mapped.
        for (const QByteArray &line : lines.readAll().split('\n')) {
            const qsizetype file = line.indexOf("\tfile=");
            if (file >= 0 && line.contains("generating link map"))
                r.loaded.append(line.mid(file + 6, line.indexOf(' ', file) - file - 6));
        }
        return r;
    }

    static bool mapped(const Result &r, const char *library)
    {
        for (const QByteArray &object : r.loaded) {
            if (object.contains(library))
                return true;
        }
        return false;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(fixtures::writePhoto(m_dir.filePath(QStringLiteral("photo.jpg")), Exiv2::ImageType::jpeg,
                                     {{"Exif.Photo.DateTimeOriginal", QStringLiteral("2024:07:01 09:05:03")}}));
        QVERIFY(fixtures::writeAudio(m_dir.filePath(QStringLiteral("song.mp3")), fixtures::silentMp3(),
                                     {{"ARTIST", QStringLiteral("Nobody")}}));
        QVERIFY(QFile::copy(QStringLiteral(MORVANE_FIXTURES "/images/photo.png"),
                            m_dir.filePath(QStringLiteral("picture.png"))));
    }

    void librariesFollowTheKeywords_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("newName");
        QTest::addColumn<bool>("readsMetadata");
        // clang-format off
        QTest::newRow("plain")        << "x{name}"          << "photo.jpg"   << "xphoto.jpg"   << false;
        QTest::newRow("date taken")   << "{taken:yyyymmdd}" << "photo.jpg"   << "20240701.jpg" << true;
        QTest::newRow("audio tag")    << "{artist}"         << "song.mp3"    << "Nobody.mp3"   << true;
        QTest::newRow("picture size") << "{imgw}x{imgh}"    << "picture.png" << "7x5.png"      << true;
        // clang-format on
    }

    void librariesFollowTheKeywords()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, file);
        QFETCH(QString, newName);
        QFETCH(bool, readsMetadata);
        const QString path = m_dir.filePath(file);
        const Result r = run(QStringLiteral(MORVANE_BINARY),
                             {"/cli", "/quiet", "/dryrun", QStringLiteral("/pattern=") + pattern, path});
        QCOMPARE(r.err, QByteArray());
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(QString::fromUtf8(r.out), path + u'\t' + newName + u'\n');
        QVERIFY2(!r.loaded.isEmpty(), "LD_DEBUG=files printed nothing");
        if (readsMetadata) {
            QVERIFY(mapped(r, "morvane-metadata.so"));
        } else {
            for (const char *library : kMetadataLibraries)
                QVERIFY2(!mapped(r, library), library);
        }
    }

    // A program without its module still renames; a metadata keyword stops
    // the run before any file is touched, saying which module is missing.
    void missingModule()
    {
        if (QFile::exists(QStringLiteral(MORVANE_METADATA_MODULE)))
            QSKIP("an installed module would be found: " MORVANE_METADATA_MODULE);
        const QString alone = m_dir.filePath(QStringLiteral("alone"));
        QVERIFY(QDir().mkpath(alone + QStringLiteral("/files")));
        QVERIFY(QFile::copy(QStringLiteral(MORVANE_BINARY), alone + QStringLiteral("/morvane")));
        const QString song = alone + QStringLiteral("/files/song.mp3");
        QVERIFY(QFile::copy(m_dir.filePath(QStringLiteral("song.mp3")), song));

        const Result bad = run(alone + QStringLiteral("/morvane"), {"/cli", "/quiet", "/pattern={artist}", song});
        QCOMPARE(bad.exitCode, 1);
        QVERIFY2(bad.err.contains("Photo metadata, audio tags and picture sizes cannot be read: the module "
                                  "morvane-metadata.so could not be loaded ("),
                 bad.err.constData());
        QVERIFY(bad.err.contains(QFile::encodeName(alone) + "/morvane-metadata.so: cannot open"));
        QVERIFY(QFile::exists(song));

        const Result plain = run(alone + QStringLiteral("/morvane"), {"/cli", "/quiet", "/pattern=x{name}", song});
        QCOMPARE(plain.err, QByteArray());
        QCOMPARE(plain.exitCode, 0);
        QVERIFY(QFile::exists(alone + QStringLiteral("/files/xsong.mp3")));
    }
};

QTEST_GUILESS_MAIN(TestMetadataModule)
#include "test_metadata_module.moc"
