#include "engine/extended_keywords.h"
#include "engine/metadata_keywords.h"
#include "engine/name_builder.h"
#include "engine/preview.h"
#include "tests/metadata_fixtures.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

using namespace morvane;
using namespace morvane::fixtures;

namespace {

// Where the fuzz target's seeds come from: with MORVANE_FUZZ_SEEDS set to a
// folder, each file made here is written there too, behind the byte that
// makes fuzz_metadata read it under the same extension.
void keepAsSeed(const QString &path)
{
    const QByteArray folder = qgetenv("MORVANE_FUZZ_SEEDS");
    if (folder.isEmpty())
        return;
    static const QStringList extensions = {"jpg", "tif", "png", "mp3", "flac", "ogg", "m4a", "wav"};
    const qsizetype selector = extensions.indexOf(QFileInfo(path).suffix().toLower());
    QFile in(path);
    if (selector < 0 || !in.open(QIODevice::ReadOnly))
        return;
    writeBytes(QDir(QString::fromLocal8Bit(folder)).filePath(QFileInfo(path).fileName()),
               QByteArray(1, char(selector)) + in.readAll());
}

// Everything written to stderr while `run` runs.
template <typename Fn>
QByteArray stderrOf(Fn run)
{
    std::fflush(stderr);
    char name[] = "/tmp/morvane-stderr-XXXXXX";
    const int capture = mkstemp(name);
    const int saved = dup(2);
    dup2(capture, 2);
    run();
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    QFile f(QString::fromLocal8Bit(name));
    f.open(QIODevice::ReadOnly);
    const QByteArray text = f.readAll();
    close(capture);
    unlink(name);
    return text;
}

class QuietReporter : public Reporter {
public:
    void information(const QString &) override {}
    void warning(const QString &) override {}
    void error(const QString &) override {}
    bool confirm(const QString &) override { return true; }
};

const QString kAllPhotoKeywords = "{taken}|{camera}|{make}|{model}|{lens}|{iso}|{exif:Exif.Photo.FNumber}";
const QString kAllAudioKeywords = "{artist}|{album}|{albumartist}|{title}|{track}|{disc}|{year}|{genre}";

} // namespace

class TestMetadataKeywords : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    NameContext m_context;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    QString expand(const QString &pattern, const QString &file)
    {
        RenameItem item;
        item.setPath(file);
        return expandExtendedKeywords(item, pattern, m_context);
    }

    QString photo(const QString &name, const Fields &exif, int type = Exiv2::ImageType::jpeg)
    {
        const QString p = path(name);
        if (!writePhoto(p, type, exif))
            qFatal("cannot write %s", qPrintable(p));
        keepAsSeed(p);
        return p;
    }

    QString audio(const QString &name, const QByteArray &bytes, const Fields &tags)
    {
        const QString p = path(name);
        if (!writeAudio(p, bytes, tags))
            qFatal("cannot write %s", qPrintable(p));
        keepAsSeed(p);
        return p;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_context.locale = QLocale(QLocale::English, QLocale::UnitedStates);
        m_context.timeZone = QTimeZone(2 * 3600); // the camera's time is never converted
    }

    void photoKeywords_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        auto row = [](const char *tag, const char *p, const char *e) {
            QTest::newRow(tag) << QString(p) << QString(e);
        };
        row("taken", "{taken}", "20240701");
        row("taken with a format, sub-seconds", "{TAKEN:yyyy-mm-dd hh.nn.ss.zzz}", "2024-07-01 09.05.03.250");
        row("12-hour format", "{Taken:h am/pm}", "9 am");
        row("camera, model begins with the make", "{camera}", "Canon EOS R5");
        row("make and model", "{Make}/{MODEL}", "Canon/Canon EOS R5");
        row("lens", "{lens}", "RF24-105mm F4 L IS USM");
        row("iso", "{iso}", "400");
        row("interpreted value", "{exif:Exif.Photo.FNumber}", "F2.8");
        row("key in any case", "{exif:exif.photo.exposuretime}", "1/250 s");
        row("unknown key", "[{exif:Exif.Photo.NoSuchTag}][{exif:Nonsense}]", "[][]");
        row("empty key is no keyword", "{exif:}", "{exif:}");
        row("unclosed", "{taken:yyyy", "{taken:yyyy");
        row("audio keywords on a photo", "[{artist}{track}]", "[]");
        row("with other keywords", "{name:1:3}_{taken:yy}_{imgw}", "IMG_24_1");
    }

    void photoKeywords()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        static const QString file = photo("IMG_0001.jpg",
                                          {
                                              {"Exif.Image.Make", "Canon"},
                                              {"Exif.Image.Model", "Canon EOS R5"},
                                              {"Exif.Image.DateTime", "2025:01:01 00:00:00"},
                                              {"Exif.Photo.DateTimeOriginal", "2024:07:01 09:05:03"},
                                              {"Exif.Photo.SubSecTimeOriginal", "25"},
                                              {"Exif.Photo.DateTimeDigitized", "2024:07:02 10:00:00"},
                                              {"Exif.Photo.LensModel", "RF24-105mm F4 L IS USM"},
                                              {"Exif.Photo.ISOSpeedRatings", "400"},
                                              {"Exif.Photo.FNumber", "28/10"},
                                              {"Exif.Photo.ExposureTime", "1/250"},
                                          });
        RenameItem item;
        item.setPath(file);
        QCOMPARE(expandExtendedKeywords(item, pattern, m_context), expected);
    }

    // The date falls back from the original to the digitized to the file's
    // date, each with its own sub-seconds; a blank date counts as none.
    void takenFallsBack_data()
    {
        QTest::addColumn<Fields>("exif");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("digitized") << Fields{{"Exif.Image.DateTime", "2003:03:03 03:03:03"},
                                             {"Exif.Photo.DateTimeDigitized", "2002:02:02 02:02:02"},
                                             {"Exif.Photo.SubSecTimeDigitized", "5"}}
                                   << "20020202 020202.500";
        QTest::newRow("image date") << Fields{{"Exif.Image.DateTime", "2003:03:03 03:03:03"},
                                              {"Exif.Photo.SubSecTimeOriginal", "9"}}
                                    << "20030303 030303.000";
        QTest::newRow("blank original") << Fields{{"Exif.Photo.DateTimeOriginal", "    :  :     :  :  "},
                                                  {"Exif.Photo.DateTimeDigitized", "2002:02:02 02:02:02"}}
                                        << "20020202 020202.000";
        QTest::newRow("impossible date") << Fields{{"Exif.Photo.DateTimeOriginal", "2024:02:30 25:00:00"}} << "";
        QTest::newRow("long sub-seconds") << Fields{{"Exif.Photo.DateTimeOriginal", "2001:01:01 01:01:01"},
                                                    {"Exif.Photo.SubSecTimeOriginal", "0456789"}}
                                          << "20010101 010101.045";
        QTest::newRow("none") << Fields{{"Exif.Image.Make", "Canon"}} << "";
        // clang-format on
    }

    void takenFallsBack()
    {
        QFETCH(Fields, exif);
        QFETCH(QString, expected);
        const QString file = photo(QStringLiteral("dates-%1.jpg").arg(QTest::currentDataTag()), exif);
        QCOMPARE(expand("{taken:yyyymmdd hhnnss.zzz}", file), expected);
    }

    void cameraJoinsMakeAndModel_data()
    {
        QTest::addColumn<QString>("make");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("model begins with the make") << "Canon" << "Canon EOS R5" << "Canon EOS R5";
        QTest::newRow("with the make's first word") << "NIKON CORPORATION" << "NIKON D750" << "NIKON D750";
        QTest::newRow("other case") << "SONY" << "Sony ILCE-7M3" << "Sony ILCE-7M3";
        QTest::newRow("joined, trimmed") << "  FUJIFILM " << "X-T3  " << "FUJIFILM X-T3";
        QTest::newRow("first word alone is not enough") << "Leica Camera AG" << "LeicaQ2" << "Leica Camera AG LeicaQ2";
        QTest::newRow("make alone") << "Apple" << "" << "Apple";
        QTest::newRow("model alone") << "" << "iPhone 12" << "iPhone 12";
        // clang-format on
    }

    void cameraJoinsMakeAndModel()
    {
        QFETCH(QString, make);
        QFETCH(QString, model);
        QFETCH(QString, expected);
        Fields exif;
        if (!make.isEmpty())
            exif.append({"Exif.Image.Make", make});
        if (!model.isEmpty())
            exif.append({"Exif.Image.Model", model});
        const QString file = photo(QStringLiteral("camera-%1.jpg").arg(QTest::currentDataTag()), exif);
        QCOMPARE(expand("{camera}", file), expected);
    }

    // IPTC and XMP sit in segments of their own beside the Exif block.
    void iptcAndXmpInAJpeg()
    {
        const QString file = photo("tagged.jpg", {{"Exif.Image.Make", "Canon"}});
        try {
            auto image = Exiv2::ImageFactory::open(QFile::encodeName(file).toStdString());
            image->readMetadata();
            image->iptcData()["Iptc.Application2.City"] = "Paris";
            image->xmpData()["Xmp.photoshop.City"] = "Lyon";
            image->writeMetadata();
        } catch (const std::exception &e) {
            QFAIL(e.what());
        }
        QCOMPARE(expand("{exif:Iptc.Application2.City}|{EXIF:xmp.photoshop.city}|{make}|{exif:Xmp.dc.title}", file),
                 QString("Paris|Lyon|Canon|"));
    }

    void otherPictureFormats()
    {
        const Fields exif = {{"Exif.Photo.DateTimeOriginal", "2022:12:31 23:59:58"}, {"Exif.Image.Model", "X100V"}};
        for (int type : {Exiv2::ImageType::png, Exiv2::ImageType::tiff}) {
            const QString file = photo(type == Exiv2::ImageType::png ? "shot.png" : "shot.tif", exif, type);
            QCOMPARE(expand("{taken:yyyy-mm-dd_hh-nn-ss} {model}", file), QString("2022-12-31_23-59-58 X100V"));
        }
    }

    void audioKeywords_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        // clang-format off
        QTest::newRow("mp3") << "song.mp3" << silentMp3();
        QTest::newRow("flac") << "song.FLAC" << minimalFlac();
        QTest::newRow("ogg") << "song.ogg" << minimalOggVorbis();
        // clang-format on
    }

    void audioKeywords()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        const QString file = audio(name, bytes,
                                   {
                                       {"ARTIST", "Nina Simone"},
                                       {"ALBUM", "Pastel Blues"},
                                       {"ALBUMARTIST", "Various: Artists"},
                                       {"TITLE", "Sinnerman"},
                                       {"TRACKNUMBER", "7/12"},
                                       {"DISCNUMBER", "2/3"},
                                       {"DATE", "1965"},
                                       {"GENRE", "Jazz"},
                                   });
        QCOMPARE(expand(kAllAudioKeywords, file),
                 QString("Nina Simone|Pastel Blues|Various: Artists|Sinnerman|7|2|1965|Jazz"));
        QCOMPARE(expand("{ARTIST} - {Title}", file), QString("Nina Simone - Sinnerman"));
        QCOMPARE(expand("[{taken}{camera}]", file), QString("[]"));

        // Untagged: every keyword is empty.
        const QString bare = audio("bare-" + name, bytes, {});
        QCOMPARE(expand(kAllAudioKeywords, bare), QString("|||||||"));
    }

    // Characters a name cannot hold, and control characters in a tag, become "_".
    void valuesInTheName()
    {
        const QString file = audio("odd.mp3", silentMp3(), {{"ARTIST", "AC/DC"}, {"TITLE", "What?\nNow"}});
        // The builder keeps references: its options and name list outlive it.
        const OptionPanel options;
        const QStringList noList;
        NameBuilder builder(options, m_context, noList);
        RenameItem item;
        item.setPath(file);
        QCOMPARE(builder.buildNewName(item, "{artist} - {title}", 1, 3, true, QString(), 0),
                 QString("AC_DC - What_ Now.mp3"));
    }

    // Damaged, truncated and foreign files give empty text, quietly.
    void damagedFiles()
    {
        const QString good =
            photo("good.jpg", {{"Exif.Photo.DateTimeOriginal", "2024:07:01 09:05:03"}, {"Exif.Image.Make", "Canon"}});
        QFile in(good);
        QVERIFY(in.open(QIODevice::ReadOnly));
        const QByteArray jpeg = in.readAll();
        const qsizetype app1 = jpeg.indexOf("Exif");
        QVERIFY(app1 > 0);
        QByteArray lying = jpeg; // APP1 claims more than the file holds
        lying[app1 - 2] = char(0xFF);
        lying[app1 - 1] = char(0xF0);
        QByteArray outOfBounds = minimalTiff(); // a tag whose data lies far past the end
        outOfBounds[10] = char(0x0f);           // Make, ASCII, 0x7fffffff characters
        outOfBounds[12] = char(2);
        outOfBounds[14] = outOfBounds[15] = outOfBounds[16] = char(0xff);
        outOfBounds[17] = char(0x7f);
        QByteArray scrambled = jpeg; // the Exif block overwritten
        for (qsizetype i = app1 + 6; i < jpeg.size() - 20; ++i)
            scrambled[i] = char(i * 37);
        const QList<QPair<QString, QByteArray>> files = {
            {"cut-in-exif.jpg", jpeg.left(app1 + 20)},
            {"cut-after-soi.jpg", jpeg.left(3)},
            {"lying-length.jpg", lying},
            {"scrambled.jpg", scrambled},
            {"empty.jpg", {}},
            {"text.tif", "II*\0 not a tiff at all"},
            {"out-of-bounds.tif", outOfBounds},
            {"cut.mp3", silentMp3().left(5)},
            {"cut.flac", minimalFlac().left(10)},
            {"cut.ogg", minimalOggVorbis().left(40)},
            {"noise.ogg", QByteArray(3000, 'O')},
            {"notes.txt", "just text"},
        };
        for (const auto &[name, bytes] : files) {
            QVERIFY(writeBytes(path(name), bytes));
            keepAsSeed(path(name));
            QString out;
            const QByteArray printed =
                stderrOf([&] { out = expand(kAllPhotoKeywords + kAllAudioKeywords, path(name)); });
            QVERIFY2(!out.contains(u'{'), qPrintable(name + ": " + out));
            QVERIFY2(printed.isEmpty(), qPrintable(name + ": " + QString::fromLocal8Bit(printed)));
        }
        QCOMPARE(expand(kAllPhotoKeywords, path("scrambled.jpg")).remove(u'|'), QString());
        QCOMPARE(expand("{taken}", path("no-such-file.jpg")), QString());
    }

    // A preview reads its photos ahead on other threads; the names are those
    // a reading in place gives, whatever the list holds between the photos.
    void readAheadGivesTheNamesOfAReadingInPlace()
    {
        QTemporaryDir dir;
        RenameItemList items;
        for (int i = 0; i < 90; ++i) {
            const QString p = dir.filePath(QStringLiteral("f%1.jpg").arg(i, 2, 10, QChar(u'0')));
            switch (i % 6) {
            case 3:
                QVERIFY(writeBytes(p, "no picture"));
                break;
            case 4: // a folder: never read
                QVERIFY(QDir().mkpath(p));
                QVERIFY(items.addFolderItem(p));
                continue;
            default:
                QVERIFY(writePhoto(p, Exiv2::ImageType::jpeg,
                                   {{"Exif.Photo.DateTimeOriginal", QStringLiteral("2024:07:01 09:%1:00").arg(i % 60)},
                                    {"Exif.Image.Model", QStringLiteral("M%1").arg(i)}}));
            }
            QVERIFY(items.addFileItem(p));
            if (i % 6 == 5)
                QVERIFY(QFile::remove(p)); // gone before the preview
        }
        OptionPanel options;
        options.pattern = "{taken:nn}_{model}_{exif:Exif.Image.Model}";
        QuietReporter reporter;
        QVERIFY(buildPreview(items, options, m_context, {}, reporter));

        const QStringList noList;
        NameBuilder inPlace(options, m_context, noList);
        int dated = 0;
        for (int i = 0; i < items.count(); ++i) {
            const QString expected = inPlace.buildNewName(items.at(i), options.pattern, 1, 3, true, QString(), i);
            QCOMPARE(items.at(i).newName, expected);
            dated += expected.contains("_M");
        }
        QCOMPARE(dated, 45);
    }

    // The read-ahead hands out a file only in list order, within reach, and
    // drops the files passed over; a name asking out of turn reads in place.
    void readAheadHandsOutInListOrder()
    {
        QTemporaryDir dir;
        QStringList paths;
        for (int i = 0; i < 200; ++i) {
            paths.append(dir.filePath(QStringLiteral("p%1.jpg").arg(i)));
            QVERIFY(writePhoto(paths.last(), Exiv2::ImageType::jpeg, {{"Exif.Image.Make", QString::number(i)}}));
        }
        if (QThread::idealThreadCount() < 2)
            QSKIP("one core: nothing is read ahead");
        QVERIFY(!MetadataReadAhead::start("{artist}", paths)); // audio is read in place
        QVERIFY(!MetadataReadAhead::start("{make}", paths.mid(0, 3)));
        const auto readAhead = MetadataReadAhead::start("{make}", paths);
        QVERIFY(readAhead);
        auto makeOf = [&](int i) {
            const auto reading = readAhead->take(paths.at(i));
            return reading && reading->photo ? reading->photo->make() : QString("none");
        };
        QCOMPARE(makeOf(0), QString("0"));
        QCOMPARE(makeOf(5), QString("5"));      // 1-4 passed over
        QCOMPARE(makeOf(3), QString("none"));   // behind
        QCOMPARE(makeOf(150), QString("none")); // beyond reach
        QCOMPARE(makeOf(6), QString("6"));
        QVERIFY(!readAhead->take(dir.filePath("elsewhere.jpg")));
        QCOMPARE(makeOf(60), QString("60"));
        QCOMPARE(makeOf(199), QString("none"));
        QCOMPARE(makeOf(61), QString("61"));
    } // the threads still reading stop here

    void patternsWithoutMetadataKeywords()
    {
        for (const char *p : {"{name}_{counter}", "{artist", "{ title}", "{exif:}", "{taken:}", "{albumartists}"})
            QVERIFY2(!hasExtendedKeywords(p), p);
        for (const char *p : {"{YEAR}", "x{exif:a}", "{taken:d}"})
            QVERIFY2(hasExtendedKeywords(p), p);
    }
};

QTEST_GUILESS_MAIN(TestMetadataKeywords)
#include "test_metadata_keywords.moc"
