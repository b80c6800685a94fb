#include "cli/command_line_args.h"
#include "cli/console_run.h"
#include "engine/option_fields.h"

#include <QRegularExpression>
#include <QTest>

using namespace morvane;

class TestCommandLineArgs : public QObject {
    Q_OBJECT
private slots:
    void classify_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<int>("faults");
        QTest::addColumn<bool>("help");
        using L = QStringList;
        // clang-format off
        QTest::newRow("switches in any case") << L{"/CLI", "/DryRun"} << L{"/CLI", "/DryRun"} << L{} << 0 << false;
        QTest::newRow("double dash spelling") << L{"--cli", "--find=a=b"} << L{"/cli", "/find=a=b"} << L{} << 0 << false;
        QTest::newRow("absolute paths are paths") << L{"/home/u/x.jpg", "/tmp"} << L{} << L{"/home/u/x.jpg", "/tmp"} << 0 << false;
        QTest::newRow("unknown name is a path") << L{"/patterns=x", "-cli", "--cli2"} << L{} << L{"/patterns=x", "-cli", "--cli2"} << 0 << false;
        QTest::newRow("a path spelled around a name") << L{"/./pattern=x", "//pattern=x"} << L{} << L{"/./pattern=x", "//pattern=x"} << 0 << false;
        QTest::newRow("after -- only paths") << L{"/cli", "--", "/dryrun", "--help"} << L{"/cli"} << L{"/dryrun", "--help"} << 0 << false;
        QTest::newRow("switch with a value") << L{"/cli", "/dryrun=1"} << L{"/cli"} << L{} << 1 << false;
        QTest::newRow("option without a value") << L{"/cli", "/pattern", "--find"} << L{"/cli"} << L{} << 2 << false;
        QTest::newRow("empty value is a value") << L{"/pattern="} << L{"/pattern="} << L{} << 0 << false;
        QTest::newRow("help spellings") << L{"/?"} << L{} << L{} << 0 << true;
        QTest::newRow("help double dash") << L{"x", "--HELP"} << L{} << L{"x"} << 0 << true;
        QTest::newRow("preset keys with values, any case")
            << L{"--batchMode=copy", "/REMOVEFIRST=2", "--regex=true", "--destination=~/x"}
            << L{"/batchMode=copy", "/REMOVEFIRST=2", "/regex=true", "/destination=~/x"} << L{} << 0 << false;
        QTest::newRow("a preset key without a value is a path") << L{"--batchMode"} << L{} << L{"--batchMode"} << 0 << false;
        QTest::newRow("unusable preset key values")
            << L{"--batchMode=teleport", "--batchMode=3", "--removeFirst=two", "--removeFirst=", "--touchModifiedNow=yes"}
            << L{} << L{} << 5 << false;
        QTest::newRow("sort keys") << L{"/sort=Date", "/sort=\"size\"", "/descending"}
                                   << L{"/sort=Date", "/sort=\"size\"", "/descending"} << L{} << 0 << false;
        QTest::newRow("unknown sort key") << L{"/sort=age", "/sort="} << L{} << L{} << 2 << false;
        QTest::newRow("lone slash and dashes") << L{"/", "-", "---"} << L{} << L{"/", "-", "---"} << 0 << false;
        // clang-format on
    }
    void classify()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, options);
        QFETCH(QStringList, paths);
        QFETCH(int, faults);
        QFETCH(bool, help);
        const CommandLineArgs parsed = parseCommandLineArgs(arguments);
        QCOMPARE(parsed.switchesAndOptions, options);
        QCOMPARE(parsed.paths, paths);
        QCOMPARE(parsed.faults.size(), faults);
        QCOMPARE(parsed.help, help);
    }

    void optionValues_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected"); // "<absent>" when the default comes back
        using L = QStringList;
        // clang-format off
        QTest::newRow("name in upper case") << L{"/PATTERN=x"} << "pattern" << "x";
        QTest::newRow("empty value") << L{"/pattern="} << "pattern" << "";
        QTest::newRow("rest after first =") << L{"/find=a=b"} << "find" << "a=b";
        QTest::newRow("surrounding quotes removed") << L{"/find=\"x y\""} << "find" << "x y";
        QTest::newRow("every outer quote removed") << L{"/find=\"\"a\"b\"\""} << "find" << "a\"b";
        QTest::newRow("first one counts") << L{"/find=1", "/FIND=2"} << "find" << "1";
        QTest::newRow("prefix of a longer name") << L{"/finder=1"} << "find" << "<absent>";
        QTest::newRow("switch form is not an option") << L{"/find"} << "find" << "<absent>";
        QTest::newRow("non-ASCII letters are not folded") << L{"/F\u0130ND=1"} << "find" << "<absent>";
        // clang-format on
    }
    void optionValues()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        const QByteArray latin = name.toLatin1();
        QCOMPARE(optionValue(arguments, QLatin1StringView(latin), QStringLiteral("<absent>")), expected);
    }

    void switches()
    {
        const QStringList a{"/CLI", "/cli=1", "/regexx", "/Dryrun"};
        QVERIFY(hasSwitch(a, QLatin1StringView("cli")));
        QVERIFY(hasSwitch(a, QLatin1StringView("dryrun")));
        QVERIFY(!hasSwitch(a, QLatin1StringView("regex")));
        QVERIFY(!hasSwitch({"/cli=1", "-cli", "cli"}, QLatin1StringView("cli")));
    }

    void usageListsEverything()
    {
        const QString usage = usageText();
        for (const char *name :
             {"/cli", "/quiet", "/dryrun", "/regex", "/undo", "/help", "/?", "/pattern=", "/start=", "/digits=",
              "/case=", "/find=", "/replace=", "/newext=", "/conflict=", "/preset=", "/sort=", "/descending", "/mask="})
            QVERIFY2(usage.contains(QLatin1String(name)), name);
        // Every preset key, from the same table the presets use.
        const QString ownOptions = usage.section(QStringLiteral("The preset keys "), 1).section(u'\n', 0, 0);
        QVERIFY(!ownOptions.isEmpty());
        for (const OptionField &field : optionFields())
            QVERIFY2(usage.contains(QStringLiteral("--%1=").arg(field.key))
                         || ownOptions.split(QRegularExpression(QStringLiteral("[ ,]+"))).contains(field.key),
                     field.key.data());
        QVERIFY(usage.contains(QLatin1String("--batchMode=rename|copy|move (or 0-2)")));
        QVERIFY(usage.contains(QLatin1String("--removeFirst=N")));
    }

    void faultMessages()
    {
        QCOMPARE(parseCommandLineArgs({"--batchmode=teleport"}).faults,
                 QStringList{"--batchMode takes rename|copy|move (or 0 to 2), not \"teleport\"."});
        QCOMPARE(parseCommandLineArgs({"/sort=age"}).faults,
                 QStringList{"Unknown sort key \"age\": use /sort=name, date, size or none."});
    }

    void dryRunLineEscapes()
    {
        QCOMPARE(dryRunLine(QStringLiteral("/a\\b/c\td\r\ne.txt"), QStringLiteral("n_.txt")),
                 QStringLiteral("/a\\\\b/c\\td\\r\\ne.txt\tn_.txt"));
    }
};

QTEST_GUILESS_MAIN(TestCommandLineArgs)
#include "test_command_line_args.moc"
