#include "cli/command_line.h"
#include "presets/preset_writer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace morvane;

namespace {

struct RecordingReporter : Reporter {
    QStringList said;
    void information(const QString &t) override { said << "I:" + t; }
    void warning(const QString &t) override { said << "W:" + t; }
    void error(const QString &t) override { said << "E:" + t; }
    bool confirm(const QString &t) override
    {
        said << "C:" + t;
        return true;
    }
};

// A start that differs from every "when absent" value, so resets show.
OptionPanel started()
{
    OptionPanel o;
    o.pattern = QStringLiteral("old");
    o.caseChange = CaseChange::Lower;
    o.find = QStringLiteral("oldFind");
    o.replace = QStringLiteral("oldReplace");
    o.regex = true;
    o.changeExt = true;
    o.newExt = QStringLiteral("old");
    o.conflict = ConflictMode::Skip;
    return o;
}

void touch(const QString &path, const QByteArray &content = "x")
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

// Runs the check like the window does, with the undo log kept in dir.
struct Run {
    OptionPanel options = started();
    RenameItemList items;
    QStringList names;
    RecordingReporter reporter;
    NameContext nameContext;
    bool result = false;

    Run(const QStringList &arguments, const QString &appData)
    {
        BatchEnvironment env;
        env.appDataFolder = appData;
        CommandLineContext context{options, items, names, reporter, nameContext, env};
        result = processCommandLine(arguments, context);
    }
};

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
private slots:
    void optionsApplied_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<OptionPanel>("expected");
        using L = QStringList;
        OptionPanel reset = started(); // "/cli /dryrun" alone
        reset.find.clear();
        reset.replace.clear();
        reset.regex = false;
        reset.changeExt = false;
        reset.newExt.clear();
        reset.conflict = ConflictMode::AutoNumber;
        auto with = [&](auto change) {
            OptionPanel o = reset;
            change(o);
            return o;
        };
        // clang-format off
        QTest::newRow("absent options") << L{"/cli", "/dryrun"} << reset;
        QTest::newRow("example of the manual")
            << L{"/cli", "/pattern={counter}_{name}", "/start=10", "/digits=4", "/case=lower", "/find=IMG",
                 "/replace=photo", "/conflict=skip", "/dryrun"}
            << with([](OptionPanel &o) {
                   o.pattern = "{counter}_{name}";
                                                      // clang-format on
                                                      o.counterStart = "10";
                                                      o.digits = "4";
                                                      o.caseChange = CaseChange::Lower;
                                                      o.find = "IMG";
                                                      o.replace = "photo";
                                                      o.conflict = ConflictMode::Skip;
                                                  });
        // clang-format off
        QTest::newRow("name in upper case") << L{"/CLI", "/PATTERN=x", "/DRYRUN"} << with([](OptionPanel &o) { o.pattern = "x"; });
        QTest::newRow("empty pattern") << L{"/cli", "/pattern=", "/dryrun"} << with([](OptionPanel &o) { o.pattern = ""; });
        QTest::newRow("find with =") << L{"/cli", "/find=a=b", "/dryrun"} << with([](OptionPanel &o) { o.find = "a=b"; });
        QTest::newRow("quoted find") << L{"/cli", "/find=\"x y\"", "/dryrun"} << with([](OptionPanel &o) { o.find = "x y"; });
        QTest::newRow("first find counts") << L{"/cli", "/find=1", "/find=2", "/dryrun"} << with([](OptionPanel &o) { o.find = "1"; });
        QTest::newRow("conflict Overwrite") << L{"/cli", "/conflict=Overwrite", "/dryrun"} << with([](OptionPanel &o) { o.conflict = ConflictMode::Overwrite; });
        QTest::newRow("conflict ask") << L{"/cli", "/conflict=ask", "/dryrun"} << reset;
        QTest::newRow("case Title") << L{"/cli", "/case=Title", "/dryrun"} << with([](OptionPanel &o) { o.caseChange = CaseChange::Title; });
        QTest::newRow("case UPPER") << L{"/cli", "/case=UPPER", "/dryrun"} << with([](OptionPanel &o) { o.caseChange = CaseChange::Upper; });
        QTest::newRow("case none") << L{"/cli", "/case=none", "/dryrun"} << with([](OptionPanel &o) { o.caseChange = CaseChange::Unchanged; });
        QTest::newRow("empty case keeps") << L{"/cli", "/case=", "/dryrun"} << reset;
        QTest::newRow("regex") << L{"/cli", "/Regex", "/dryrun"} << with([](OptionPanel &o) { o.regex = true; });
        QTest::newRow("new extension") << L{"/cli", "/newext=png", "/dryrun"} << with([](OptionPanel &o) { o.changeExt = true; o.newExt = "png"; });
        QTest::newRow("empty new extension") << L{"/cli", "/newext=", "/dryrun"} << reset;
        QTest::newRow("start stays text") << L{"/cli", "/start=abc", "/dryrun"} << with([](OptionPanel &o) { o.counterStart = "abc"; });
        QTest::newRow("double dash spelling") << L{"--cli", "--pattern=y", "--dryrun"} << with([](OptionPanel &o) { o.pattern = "y"; });
        // Preset keys: every kind, any letter case; a choice by word or index.
        QTest::newRow("preset keys of each kind")
            << L{"/cli", "--insertText=x y", "--REMOVEFIRST=2", "--collapseDoubleSpaces=TRUE", "--batchMode=Move",
                 "--conflict=skip", "/dryrun"}
            << with([](OptionPanel &o) {
                   o.insertText = "x y";
                                                         // clang-format on
                                                         o.removeFirst = "2";
                                                         o.collapseDoubleSpaces = true;
                                                         o.batchMode = BatchMode::MoveToFolder;
                                                         o.conflict = ConflictMode::Skip;
                                                     });
        // clang-format off
        QTest::newRow("choice by index, check by 0")
            << L{"/cli", "--batchMode=1", "--includeSubfolders=0", "--destination=~/out", "/dryrun"}
            << with([](OptionPanel &o) {
                   o.batchMode = BatchMode::CopyToFolder;
                   // clang-format on
                   o.destination = "~/out";
               });
        // What a preset key set is not reset by its option's absence.
        // clang-format off
        QTest::newRow("preset keys keep what they set")
            << L{"/cli", "--regex=true", "--changeExt=true", "/dryrun"}
            << with([&](OptionPanel &o) {
                   o.regex = true;
                   // clang-format on
                   o.changeExt = true;
               });
        // clang-format off
        QTest::newRow("without cli nothing") << L{"/pattern=x", "/find=y", "/dryrun"} << started();
        // clang-format on
    }
    void optionsApplied()
    {
        QFETCH(QStringList, arguments);
        QFETCH(OptionPanel, expected);
        Run run(arguments, m_dir.path());
        QCOMPARE(run.options, expected);
        QCOMPARE(run.result, arguments.first().contains(QLatin1String("cli"), Qt::CaseInsensitive));
    }

    void presetBeforeOptions()
    {
        QTemporaryDir dir;
        OptionPanel preset;
        preset.find = QStringLiteral("pf");
        preset.replace = QStringLiteral("pr");
        preset.regex = true;
        preset.changeExt = true;
        preset.newExt = QStringLiteral("pe");
        preset.conflict = ConflictMode::Overwrite;
        preset.pattern = QStringLiteral("pp");
        preset.padNumbers = QStringLiteral("4");
        const QString presetPath = dir.filePath(QStringLiteral("p.json"));
        savePreset(presetPath, preset);

        Run run({"/cli", "/pattern=cmd", "/preset=" + presetPath, "/dryrun"}, dir.path());
        OptionPanel expected = preset;
        expected.pattern = QStringLiteral("cmd"); // the option wins over the preset
        QCOMPARE(run.options, expected);
    }

    void pathsAdded()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("folder/sub"));
        touch(dir.filePath(QStringLiteral("folder/a.txt")));
        touch(dir.filePath(QStringLiteral("folder/sub/deep.txt")));
        touch(dir.filePath(QStringLiteral("single.txt")));
        QDir::setCurrent(dir.path());
        Run run({"/cli", "/dryrun", "./single.txt", "folder/", "/pattern=n_{name}"}, dir.path());
        QVERIFY(run.result);
        QCOMPARE(run.items.count(), 2);
        QCOMPARE(run.items.at(0).originalPath(), dir.filePath(QStringLiteral("single.txt")));
        QCOMPARE(run.items.at(0).newName, QStringLiteral("n_single.txt"));
        QCOMPARE(run.items.at(1).originalPath(), dir.filePath(QStringLiteral("folder/a.txt")));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("single.txt")))); // dry run

        // A preset with subfolders walks them too.
        OptionPanel preset;
        preset.includeSubfolders = true;
        savePreset(dir.filePath(QStringLiteral("p.json")), preset);
        Run deep({"/cli", "/dryrun", "/preset=p.json", "folder"}, dir.path());
        QCOMPARE(deep.items.count(), 2);
        QCOMPARE(deep.reporter.said, QStringList{});
    }

    // A camera folder: masks take its files, /sort orders them before they are numbered.
    void maskAndSort()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("sub"));
        touch(dir.filePath(QStringLiteral("IMG_10.jpg")), "1234");
        touch(dir.filePath(QStringLiteral("img_9.JPG")), "12");
        touch(dir.filePath(QStringLiteral("IMG_100.png")), "123");
        touch(dir.filePath(QStringLiteral("notes.txt")), "1");
        touch(dir.filePath(QStringLiteral("sub/IMG_2.jpg")), "12");
        touch(dir.filePath(QStringLiteral("single.txt")));
        auto newNames = [](const Run &run) {
            QStringList names;
            for (const RenameItem &it : run.items.items())
                names << it.originalName().toString() + it.ext().toString() + u'>' + it.newName;
            return names;
        };
        const QString single = dir.filePath(QStringLiteral("single.txt"));
        Run masked({"/cli", "/dryrun", "/pattern={counter}", "/mask=*.jpg;*.PNG", "--includeSubfolders=true",
                    dir.path(), single},
                   dir.path());
        QCOMPARE(newNames(masked),
                 (QStringList{"img_9.JPG>001.JPG", "IMG_10.jpg>002.jpg", "IMG_100.png>003.png", "IMG_2.jpg>004.jpg",
                              "single.txt>005.txt"}));
        Run sorted({"/cli", "/dryrun", "/pattern={counter}", "/mask=*.jpg", "/sort=size", "/descending",
                    "--includeSubfolders=1", dir.path()},
                   dir.path());
        QCOMPARE(newNames(sorted), (QStringList{"IMG_10.jpg>001.jpg", "img_9.JPG>002.JPG", "IMG_2.jpg>003.jpg"}));
        Run byName({"/cli", "/dryrun", "/pattern={counter}", "/sort=NAME", single, dir.path()}, dir.path());
        QCOMPARE(newNames(byName),
                 (QStringList{"img_9.JPG>001.JPG", "IMG_10.jpg>002.jpg", "IMG_100.png>003.png", "notes.txt>004.txt",
                              "single.txt>005.txt"}));
    }

    void usageFaultsChangeNothing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        using L = QStringList;
        // clang-format off
        QTest::newRow("switch with value") << L{"/cli", "/dryrun=yes", "/pattern=x"} << "The switch /dryrun takes no value.";
        QTest::newRow("option without value") << L{"/cli", "/pattern"} << "The option /pattern needs a value: /pattern=VALUE.";
        QTest::newRow("missing path") << L{"/cli", "/pattern=x", "/no/such/file"} << "File or folder not found: /no/such/file";
        QTest::newRow("bad choice") << L{"/cli", "--batchMode=teleport", "/pattern=x"}
                                    << "--batchMode takes rename|copy|move (or 0 to 2), not \"teleport\".";
        QTest::newRow("bad number") << L{"/cli", "--padNumbers=wide"} << "--padNumbers takes a whole number, not \"wide\".";
        QTest::newRow("bad check") << L{"/cli", "--regex=on"} << "--regex takes true or false, not \"on\".";
        QTest::newRow("unknown sort key") << L{"/cli", "/sort=age"} << "Unknown sort key \"age\": use /sort=name, date, size or none.";
        QTest::newRow("descending alone") << L{"/cli", "/descending"} << "/descending needs /sort=name, date or size.";
        QTest::newRow("undo tried out") << L{"/cli", "/undo", "/dryrun"} << "/undo cannot be combined with /dryrun: an undo cannot be tried out.";
        // clang-format on
    }
    void usageFaultsChangeNothing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        Run run(arguments, m_dir.path());
        QVERIFY(!run.result);
        QCOMPARE(run.options, started());
        QCOMPARE(run.reporter.said, QStringList{"E:" + message});
    }

    void emptyListRunsNoBatch()
    {
        QTemporaryDir appData;
        Run run({"/cli", "/pattern=x"}, appData.path());
        QVERIFY(run.result);
        QCOMPARE(run.reporter.said, QStringList{"I:No files loaded. Add files first."});
        QVERIFY(QDir(appData.path()).isEmpty()); // no log, no "Batch completed"
    }

    void normalStartOpensPaths()
    {
        QTemporaryDir dir;
        touch(dir.filePath(QStringLiteral("a.txt")));
        Run run({"/pattern=x", dir.filePath(QStringLiteral("a.txt")), dir.filePath(QStringLiteral("gone.txt"))},
                dir.path());
        QVERIFY(!run.result);
        QCOMPARE(run.options, started());
        QCOMPARE(run.items.count(), 1);
        QVERIFY(run.items.at(0).newName.isEmpty()); // added like a drop: no preview
        QCOMPARE(run.reporter.said,
                 QStringList{"W:File or folder not found:\n" + dir.filePath(QStringLiteral("gone.txt"))});
    }

    void batchRunsAndUndoes()
    {
        QTemporaryDir dir;
        QTemporaryDir appData;
        touch(dir.filePath(QStringLiteral("a.txt")));
        Run run({"/cli", "/pattern=b", dir.path()}, appData.path());
        QVERIFY(run.result);
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("b.txt"))));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("a.txt"))));
        QCOMPARE(run.reporter.said.last(), QStringLiteral("I:Batch completed. A CSV log has been saved in AppData."));

        Run undo({"/cli", "/undo"}, appData.path());
        QVERIFY(undo.result);
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("a.txt"))));
        QCOMPARE(undo.reporter.said.last(), QStringLiteral("I:Undo completed for the last rename operation."));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
