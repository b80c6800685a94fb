#include "engine/name_builder.h"
#include "engine/paths.h"
#include "engine/preview.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <climits>

using namespace morvane;

namespace {

RenameItem itemAt(const QString &path, qint64 size = 10)
{
    RenameItem item;
    item.setPath(path);
    item.size = size;
    return item;
}

NameContext pinnedContext(const QString &zone = QStringLiteral("Europe/Berlin"))
{
    NameContext c;
    c.locale = QLocale(QLocale::English, QLocale::UnitedStates);
    c.timeZone = QTimeZone(zone.toUtf8());
    c.now = [] { return QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9), Qt::UTC); };
    return c;
}

class RecordingReporter : public Reporter {
public:
    QStringList messages;
    QList<QPair<qint64, qint64>> progressCalls;
    void information(const QString &text) override { messages << "information: " + text; }
    void warning(const QString &text) override { messages << "warning: " + text; }
    void error(const QString &text) override { messages << "error: " + text; }
    bool confirm(const QString &text) override
    {
        messages << "confirm: " + text;
        return true;
    }
    void progress(qint64 done, qint64 total) override { progressCalls.append({done, total}); }
};

} // namespace

class TestNameBuilder : public QObject {
    Q_OBJECT
private slots:
    void formatCounter_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("digits");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("first") << 1 << 0 << 3 << "001";
        QTest::newRow("third") << 1 << 2 << 3 << "003";
        QTest::newRow("negative") << -5 << 0 << 3 << "-005";
        QTest::newRow("negative to zero") << -1 << 1 << 3 << "000";
        QTest::newRow("wider than digits") << 1234 << 0 << 3 << "1234";
        QTest::newRow("ten digits") << 5 << 0 << 10 << "0000000005";
        QTest::newRow("zero, no precision") << 0 << 0 << 0 << "0";
        QTest::newRow("past INT_MAX") << INT_MAX << 1 << 3 << "2147483648";
        QTest::newRow("INT_MIN") << INT_MIN << 0 << 3 << "-2147483648";
        QTest::newRow("below INT_MIN") << INT_MIN << -1 << 12 << "-002147483649";
        // clang-format on
    }

    void formatCounter()
    {
        QFETCH(int, start);
        QFETCH(int, index);
        QFETCH(int, digits);
        QFETCH(QString, expected);
        QCOMPARE(morvane::formatCounter(start, index, digits), expected);
    }

    void titleCase_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("words") << "hello WORLD" << "Hello World";
        QTest::newRow("digit starts word") << "3d model" << "3d Model";
        QTest::newRow("apostrophe") << "o'neil" << "O'Neil";
        QTest::newRow("non-ascii letter ends word") << QStringLiteral("\u00e9mile") << QStringLiteral("\u00e9Mile");
        QTest::newRow("separators") << "a_b-c.d  e" << "A_B-C.D  E";
        QTest::newRow("digits inside") << "a1b2 x9" << "A1b2 X9";
        QTest::newRow("empty") << "" << "";
        // clang-format on
    }

    void titleCase()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(morvane::titleCase(text, QLocale(QLocale::English)), expected);
    }

    void convertCase_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("caseIndex");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("tr lower") << "tr_TR" << 1 << QStringLiteral("ISTANBUL \u0130zmir")
                                  << QStringLiteral("\u0131stanbul izmir");
        QTest::newRow("tr upper") << "tr_TR" << 2 << "istanbul" << QStringLiteral("\u0130STANBUL");
        QTest::newRow("tr title") << "tr_TR" << 3 << "ISTANBUL" << QStringLiteral("\u0131Stanbul");
        QTest::newRow("en lower") << "en_US" << 1 << "ISTANBUL" << "istanbul";
        QTest::newRow("en upper") << "en_US" << 2 << "istanbul" << "ISTANBUL";
        QTest::newRow("en upper sharp s") << "en_US" << 2 << QStringLiteral("stra\u00dfe") << "STRASSE";
        QTest::newRow("en title") << "en_US" << 3 << "MY photo" << "My Photo";
        QTest::newRow("unchanged") << "en_US" << 0 << "MiXed" << "MiXed";
        // clang-format on
    }

    void convertCase()
    {
        QFETCH(QString, locale);
        QFETCH(int, caseIndex);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(morvane::convertCase(text, CaseChange(caseIndex), QLocale(locale)), expected);
    }

    void parentFolderName_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("level 1") << "/photos/2024/a.jpg" << 1 << "2024";
        QTest::newRow("level 2") << "/photos/2024/a.jpg" << 2 << "photos";
        QTest::newRow("level 2 past root") << "/photos/a.jpg" << 2 << "";
        QTest::newRow("in root") << "/a.jpg" << 1 << "";
        QTest::newRow("no folder") << "a.jpg" << 1 << "";
        QTest::newRow("relative") << "sub/a.jpg" << 1 << "sub";
        QTest::newRow("share") << "/srv/share/a.jpg" << 1 << "share";
        QTest::newRow("colon is a char") << "/x/C:b/a.jpg" << 1 << "C:b";
        QTest::newRow("backslash is a char") << "/x/a\\b/a.jpg" << 1 << "a\\b";
        QTest::newRow("level 0 as 1") << "/p/q/a.jpg" << 0 << "q";
        // clang-format on
    }

    void parentFolderName()
    {
        QFETCH(QString, path);
        QFETCH(int, level);
        QFETCH(QString, expected);
        QCOMPARE(morvane::parentFolderName(path, level), expected);
    }

    void buildNewName_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<int>("caseIndex");
        QTest::addColumn<bool>("keepExt");
        QTest::addColumn<QString>("newExt");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("ext after name") << "/d/x{ext}y.txt" << "{name}" << 0 << true << "" << "xtxty.txt";
        QTest::newRow("size inside name") << "/d/n{size}.txt" << "{name}" << 0 << true << "" << "n10.txt";
        QTest::newRow("name not re-read") << "/d/{name}.txt" << "{name}" << 0 << true << "" << "{name}.txt";
        QTest::newRow("counter inside name") << "/d/{counter}.txt" << "{name}" << 0 << true << "" << "007.txt";
        QTest::newRow("any case, every one") << "/d/photo.JPG" << "{NAME}-{Ext}-{eXt}" << 0 << true << ""
                                             << "photo-JPG-JPG.JPG";
        QTest::newRow("unknown keyword") << "/d/a.txt" << "{foo}" << 0 << true << "" << "{foo}.txt";
        QTest::newRow("empty pattern") << "/d/a.txt" << "" << 0 << true << "" << ".txt";
        QTest::newRow("empty new ext") << "/d/a.txt" << "" << 0 << false << "" << "";
        QTest::newRow("new ext") << "/d/a.txt" << "{name}" << 0 << false << "png" << "a.png";
        QTest::newRow("new ext with dot") << "/d/a.txt" << "{name}" << 0 << false << ".png" << "a.png";
        QTest::newRow("illegal in new ext") << "/d/a.txt" << "" << 0 << false << "x*y" << ".x_y";
        QTest::newRow("upper keeps ext") << "/d/photo.jpg" << "{name}" << 2 << true << "" << "PHOTO.jpg";
        QTest::newRow("title") << "/d/my photo.JPG" << "{name}" << 3 << true << "" << "My Photo.JPG";
        QTest::newRow("colon") << "/d/a.txt" << "a:b" << 0 << true << "" << "a_b.txt";
        QTest::newRow("all illegal") << "/d/a.txt" << "<>:\"/\\|?*" << 0 << true << "" << "_________.txt";
        QTest::newRow("nul") << "/d/a.txt" << QString("x") + QChar(0) + "y" << 0 << true << "" << "x_y.txt";
        QTest::newRow("control characters") << QString::fromUtf16(u"/d/a\tb\nc\x1F\x7F\x80.t\rx") << "{name}" << 0 << true
                                            << "" << QString::fromUtf16(u"a_b_c__\x80.t_x");
        QTest::newRow("control in new ext") << "/d/a.txt" << "{name}" << 0 << false << "x\ty" << "a.x_y";
        QTest::newRow("lone surrogate") << "/d/a.txt" << QString::fromUtf16(u"x\xD83Dy") << 0 << true << "" << "x_y.txt";
        QTest::newRow("surrogate pair kept") << "/d/a.txt" << QString::fromUtf16(u"x\U0001F600y") << 0 << true << ""
                                             << QString::fromUtf16(u"x\U0001F600y.txt");
        QTest::newRow("bare dot ext") << "/d/name." << "{name}{ext}" << 0 << true << "" << "name.";
        QTest::newRow("parent and folder") << "/p/2024/a.jpg" << "{parent}-{FOLDER}" << 0 << true << ""
                                           << "2024-2024.jpg";
        QTest::newRow("size") << "/d/a.txt" << "{size}" << 0 << true << "" << "10.txt";
        QTest::newRow("date time") << "/d/a.txt" << "{date}_{time}" << 0 << true << "" << "20240506_090809.txt";
        QTest::newRow("keyword split by brace") << "/d/a.txt" << "{{name}}" << 0 << true << "" << "{a}.txt";
        // clang-format on
    }

    void buildNewName()
    {
        QFETCH(QString, path);
        QFETCH(QString, pattern);
        QFETCH(int, caseIndex);
        QFETCH(bool, keepExt);
        QFETCH(QString, newExt);
        QFETCH(QString, expected);
        OptionPanel options;
        options.caseChange = CaseChange(caseIndex);
        const NameContext context = pinnedContext();
        const QStringList list;
        NameBuilder builder(options, context, list);
        QCOMPARE(builder.buildNewName(itemAt(path), pattern, "007", keepExt, newExt, 1), expected);
    }

    // One builder, patterns changing between names: what it knows of a pattern follows the pattern.
    void patternChangesBetweenNames()
    {
        OptionPanel options;
        const NameContext context = pinnedContext();
        const QStringList list;
        NameBuilder builder(options, context, list);
        const RenameItem item = itemAt("/d/photo.JPG");
        QCOMPARE(builder.buildNewName(item, "{name}", "1", true, "", 0), "photo.JPG");
        QCOMPARE(builder.buildNewName(item, "{name:1:3}-{counter}", 5, 3, true, "", 2), "pho-007.JPG");
        QCOMPARE(builder.buildNewName(item, "{name}", "1", true, "", 0), "photo.JPG");
    }

    void replacementCaseFollowsLocale()
    {
        OptionPanel options;
        options.find = QStringLiteral("(.+)");
        options.replace = QStringLiteral("\\U1");
        options.regex = true;
        NameContext context = pinnedContext();
        context.locale = QLocale(QLocale::Turkish, QLocale::Turkey);
        const QStringList list;
        NameBuilder builder(options, context, list);
        QCOMPARE(builder.buildNewName(itemAt("/d/istanbul.txt"), "{name}", "1", true, {}, 0),
                 QStringLiteral("İSTANBUL.txt"));
    }

    void listKeyword()
    {
        const OptionPanel options;
        const NameContext context = pinnedContext();
        const QStringList list{"L0", "L|1"};
        NameBuilder builder(options, context, list);
        QCOMPARE(builder.buildNewName(itemAt("/d/a.txt"), "[{LIST}]", "1", true, {}, 1), QStringLiteral("[L_1].txt"));
        QCOMPARE(builder.buildNewName(itemAt("/d/a.txt"), "[{list}]", "1", true, {}, 2), QStringLiteral("[].txt"));
        QCOMPARE(builder.buildNewName(itemAt("/d/a.txt"), "[{list}]", "1", true, {}, -1), QStringLiteral("[].txt"));
    }

    void fileDatesInLocalTime_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("expected");
        // 22:30 UTC on 30 June is 00:30 summer time in Berlin; 23:30 UTC on
        // 31 January is 00:30 winter time.
        // clang-format off
        QTest::newRow("Berlin") << "Europe/Berlin" << "20240701_20240201";
        QTest::newRow("UTC") << "UTC" << "20240630_20240131";
        QTest::newRow("New York") << "America/New_York" << "20240630_20240131";
        // clang-format on
    }

    void fileDatesInLocalTime()
    {
        QFETCH(QString, zone);
        QFETCH(QString, expected);
        RenameItem item = itemAt("/d/a.txt");
        item.createdUtc = dateTimeFromQt(QDateTime(QDate(2024, 6, 30), QTime(22, 30), Qt::UTC));
        item.modifiedUtc = dateTimeFromQt(QDateTime(QDate(2024, 1, 31), QTime(23, 30), Qt::UTC));
        const OptionPanel options;
        const NameContext context = pinnedContext(zone);
        const QStringList list;
        NameBuilder builder(options, context, list);
        QCOMPARE(builder.buildNewName(item, "{created}_{Modified}", "1", false, {}, 0), expected);
    }

    // An item added without its size and times has them read when a keyword
    // asks, also one that came in with the file's own name.
    void factsReadWhenAsked()
    {
        QTemporaryDir tmp;
        const QString path = tmp.path() + "/x{size}.txt";
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("abc") == 3 && f.flush());
        QVERIFY(f.setFileTime(QDateTime(QDate(2021, 3, 4), QTime(12, 0), Qt::UTC), QFileDevice::FileModificationTime));
        f.close();
        RenameItem item = itemAt(path);
        item.size = RenameItem::kFactsUnread;
        const OptionPanel options;
        const NameContext context = pinnedContext("UTC");
        const QStringList list;
        NameBuilder builder(options, context, list);
        QCOMPARE(builder.buildNewName(item, "{size}_{modified}_{modified:yyyy}", "1", false, {}, 0),
                 QStringLiteral("3_20210304_2021"));
        QCOMPARE(builder.buildNewName(item, "{name}", "1", false, {}, 0), QStringLiteral("x3"));
        QVERIFY(patternReadsFileFacts("a_{Size}"));
        QVERIFY(patternReadsFileFacts("{created:yyyy}"));
        QVERIFY(!patternReadsFileFacts("{name}_{counter}"));
    }

    void clockReadPerKeyword()
    {
        // The clock crosses midnight between {date} and {time}.
        NameContext context = pinnedContext("UTC");
        int reads = 0;
        context.now = [&reads] {
            ++reads;
            return QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59), Qt::UTC).addSecs(reads - 1);
        };
        const OptionPanel options;
        const QStringList list;
        NameBuilder builder(options, context, list);
        QCOMPARE(builder.buildNewName(itemAt("/d/a"), "{date}_{time}", "1", true, {}, 0),
                 QStringLiteral("20241231_000000"));
        QCOMPARE(builder.buildNewName(itemAt("/d/a"), "{date}", "1", true, {}, 0), QStringLiteral("20250101"));
        QCOMPARE(reads, 3);
    }

    void previewRun()
    {
        RenameItemList items;
        for (const char *p : {"/d/a.txt", "/d/b.txt", "/d/c.txt"})
            items.append(itemAt(p));
        OptionPanel options;
        options.pattern = "{counter}_{name}";
        const NameContext context = pinnedContext();
        RecordingReporter reporter;
        QVERIFY(buildPreview(items, options, context, {}, reporter));
        QCOMPARE(items.at(0).newName, QStringLiteral("001_a.txt"));
        QCOMPARE(items.at(2).newName, QStringLiteral("003_c.txt"));
        QVERIFY(reporter.messages.isEmpty());

        options.counterStart = "-5";
        options.digits = "abc";
        options.changeExt = true;
        options.newExt = "  png \t";
        QVERIFY(buildPreview(items, options, context, {}, reporter));
        QCOMPARE(items.at(0).newName, QStringLiteral("-005_a.png"));
        QCOMPARE(items.at(1).newName, QStringLiteral("-004_b.png"));

        options.counterStart = "0x10";
        options.digits = "25"; // at most 10
        QVERIFY(buildPreview(items, options, context, {}, reporter));
        QCOMPARE(items.at(0).newName, QStringLiteral("0000000016_a.png"));
    }

    void previewOfEmptyList()
    {
        RenameItemList items;
        RecordingReporter reporter;
        QVERIFY(!buildPreview(items, OptionPanel(), pinnedContext(), {}, reporter));
        QCOMPARE(reporter.messages, QStringList("information: No files loaded. Add files first."));
        QVERIFY(reporter.progressCalls.isEmpty());
    }

    void previewReportsProgress()
    {
        RenameItemList items;
        const int total = 2 * kPreviewProgressStep + 5;
        for (int i = 0; i < total; ++i)
            items.append(itemAt(QStringLiteral("/d/f%1.txt").arg(i)));
        RecordingReporter reporter;
        QVERIFY(buildPreview(items, OptionPanel(), pinnedContext(), {}, reporter));
        const QList<QPair<qint64, qint64>> expected{
            {kPreviewProgressStep, total}, {2 * kPreviewProgressStep, total}, {total, total}};
        QCOMPARE(reporter.progressCalls, expected);
        QCOMPARE(items.at(total - 1).newName, QStringLiteral("f%1.txt").arg(total - 1));
    }
};

QTEST_GUILESS_MAIN(TestNameBuilder)
#include "test_name_builder.moc"
