#include "presets/preset_writer.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace morvane;

namespace {

struct Result {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

void touch(const QString &path, const QByteArray &content = "x")
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QStringList names(const QString &folder)
{
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    return names;
}

} // namespace

class TestConsoleRun : public QObject {
    Q_OBJECT
    QTemporaryDir m_appData;
    QTemporaryDir m_files;

    // Runs the program without any display in the user's language given; the undo log goes to m_appData.
    Result Morvane(const QStringList &arguments, const QString &workingDir = {},
                   const QString &language = QStringLiteral("en_US"))
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_MESSAGES"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("LANGUAGE"), language);
        env.insert(QStringLiteral("LANG"), language + QStringLiteral(".UTF-8"));
        env.insert(QStringLiteral("APPDATA"), m_appData.path());
        p.setProcessEnvironment(env);
        if (!workingDir.isEmpty())
            p.setWorkingDirectory(workingDir);
        p.start(QStringLiteral(MORVANE_BINARY), arguments);
        Result r;
        if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
            return r;
        r.exitCode = p.exitCode();
        r.out = p.readAllStandardOutput();
        r.err = p.readAllStandardError();
        return r;
    }

    QString UndoLog() const { return m_appData.filePath(QStringLiteral("Quenzel/Morvane/last_rename.csv")); }

    QString fresh(const QString &name, const QStringList &files)
    {
        const QString folder = m_files.filePath(name);
        QDir().mkpath(folder);
        for (const QString &f : files)
            touch(folder + QLatin1Char('/') + f, f.toUtf8());
        return folder;
    }

private slots:
    void init() { QFile::remove(UndoLog()); }

    void dryRunListsAndTouchesNothing()
    {
        const QString dir = fresh(QStringLiteral("dry"), {"a.txt"});
        const Result r = Morvane({"/cli", "/quiet", "/dryrun", "/pattern={counter}_{name}", dir});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, (dir + "/a.txt\t001_a.txt\n").toUtf8());
        QCOMPARE(r.err, QByteArray());
        QCOMPARE(names(dir), QStringList{"a.txt"});
        QVERIFY(!QFile::exists(UndoLog()));
    }

    // Problems go to stderr, one line each; the listing and the exit status stay.
    void dryRunReportsProblems()
    {
        const QString dir = fresh(QStringLiteral("clash"), {"a.txt", "b.txt", "c.txt", "same.txt"});
        const QStringList files{dir + "/a.txt", dir + "/b.txt", dir + "/c.txt", dir + "/same.txt"};
        const Result r = Morvane(QStringList{"/cli", "/quiet", "/dryrun", "/pattern=same"} + files);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out,
                 (dir + "/a.txt\tsame.txt\n" + dir + "/b.txt\tsame.txt\n" + dir + "/c.txt\tsame.txt\n" + dir
                  + "/same.txt\tsame.txt\n")
                     .toUtf8());
        QCOMPARE(r.err,
                 ("row 1\t" + dir
                  + "/a.txt\tsame.txt\tSame new name as row 2\n"
                    "row 2\t"
                  + dir
                  + "/b.txt\tsame.txt\tSame new name as row 1\n"
                    "row 3\t"
                  + dir + "/c.txt\tsame.txt\tSame new name as row 1\n")
                     .toUtf8());

        // The real run warns with the same lines before it starts, and still runs.
        const Result run = Morvane(QStringList{"/cli", "/quiet", "/pattern=same"} + files);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.startsWith(("Warning: row 1\t" + dir + "/a.txt\tsame.txt\tSame new name as row 2\n").toUtf8()));
        QCOMPARE(names(dir), (QStringList{"same (1).txt", "same (2).txt", "same (3).txt", "same.txt"}));
    }

    // A name too long for the file system stops the run before any file moves.
    void tooLongNameStopsTheRun()
    {
        const QString dir = fresh(QStringLiteral("long"), {"a.txt", "b.txt"});
        const Result r =
            Morvane({"/cli", "/quiet", "/pattern={name}" + QString(260, u'x'), dir + "/a.txt", dir + "/b.txt"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("2 new name(s) are too long"), r.err.constData());
        QVERIFY(r.err.contains(("row 1: " + dir + "/a.txt").toUtf8()));
        QCOMPARE(names(dir), (QStringList{"a.txt", "b.txt"}));
        QVERIFY(!QFile::exists(UndoLog()));
    }

    void dryRunEscapesAwkwardNames()
    {
        const QString dir = fresh(QStringLiteral("awk"), {"t\tb\\s\nl.txt"});
        const Result r = Morvane({"/cli", "/quiet", "/dryrun", "/pattern={name}", dir});
        QCOMPARE(r.exitCode, 0);
        // The path keeps TAB, "\" and LF, escaped; the new name has all three replaced.
        QCOMPARE(r.out, (dir + "/t\\tb\\\\s\\nl.txt\tt_b_s_l.txt\n").toUtf8());
    }

    // The user's language changes the messages, never what scripts read: the listing and the status.
    void languageLeavesListingAndStatusAlone()
    {
        const QString dir = fresh(QStringLiteral("lang"), {"a.txt", "b c.txt"});
        const QStringList dryRun = {"/cli", "/quiet", "/dryrun", "/pattern={counter}_{name}", dir};
        const QStringList missing = {"/cli", "/quiet", "/pattern=x", "/no/such"};
        const Result english = Morvane(dryRun);
        QCOMPARE(english.exitCode, 0);
        for (const QString language : {"de_DE", "fr_FR"}) {
            const Result listed = Morvane(dryRun, {}, language);
            QCOMPARE(listed.exitCode, 0);
            QCOMPARE(listed.out, english.out);
            QCOMPARE(listed.err, QByteArray());
            const Result fault = Morvane(missing, dir, language);
            QCOMPARE(fault.exitCode, 2);
            QCOMPARE(fault.out, QByteArray());
        }
        QCOMPARE(names(dir), (QStringList{"a.txt", "b c.txt"}));

        // Its messages do follow the language.
        const Result renamed = Morvane({"/cli", "/quiet", "/pattern=x_{name}", dir}, {}, QStringLiteral("de_DE"));
        QCOMPARE(renamed.exitCode, 0);
        QCOMPARE(renamed.out, QByteArray("Stapel abgeschlossen. Ein CSV-Protokoll wurde in AppData gespeichert.\n"));
        QCOMPARE(names(dir), (QStringList{"x_a.txt", "x_b c.txt"}));
    }

    void renameThenUndo()
    {
        const QString dir = fresh(QStringLiteral("run"), {"one.txt", "two.txt"});
        const Result r = Morvane({"--cli", "--quiet", "/pattern=x_{name}", "/case=upper", "run"}, m_files.path());
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QByteArray("Batch completed. A CSV log has been saved in AppData.\n"));
        QCOMPARE(names(dir), (QStringList{"X_ONE.txt", "X_TWO.txt"}));
        QFile log(UndoLog());
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray bytes = log.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBFOriginal,New\r\n"));
        QVERIFY2(bytes.contains(("\"" + dir + "/one.txt\",\"" + dir + "/X_ONE.txt\"\r\n").toUtf8()), bytes);
        QCOMPARE(bytes.count("\r\n"), 3);

        const Result undo = Morvane({"/cli", "/quiet", "/undo"});
        QCOMPARE(undo.exitCode, 0);
        QCOMPARE(undo.out, QByteArray("Undo completed for the last rename operation.\n"));
        QCOMPARE(names(dir), (QStringList{"one.txt", "two.txt"}));
        QVERIFY(!QFile::exists(UndoLog()));

        const Result again = Morvane({"/cli", "/quiet", "/undo"});
        QCOMPARE(again.exitCode, 0);
        QCOMPARE(again.out, QByteArray("No undo log found in AppData.\n"));
    }

    // /folders: the folders given and those below them are renamed, deepest
    // first, their files left alone; a move of folders is refused with status 1.
    void foldersAsItems()
    {
        fresh(QStringLiteral("albums/Blue.Train/disc 1"), {"a.flac"});
        const QString albums = m_files.filePath(QStringLiteral("albums"));
        const Result move =
            Morvane({"/cli", "/quiet", "/folders", "--batchMode=move",
                     "--destination=" + m_files.filePath(QStringLiteral("elsewhere")), "albums/Blue.Train"},
                    m_files.path());
        QCOMPARE(move.exitCode, 1);
        QVERIFY2(move.err.contains("The list holds 1 folder(s). Folders are renamed in place only"), move.err);
        QVERIFY(QFile::exists(albums + "/Blue.Train/disc 1/a.flac"));

        const Result r = Morvane({"/cli", "/quiet", "/folders", "--includeSubfolders=true", "/pattern={counter} {name}",
                                  "/newext=x", "albums/Blue.Train"},
                                 m_files.path());
        QCOMPARE(r.exitCode, 0);
        QVERIFY(QFile::exists(albums + "/001 Blue.Train/002 disc 1/a.flac"));
        const Result undo = Morvane({"/cli", "/quiet", "/undo"});
        QCOMPARE(undo.exitCode, 0);
        QVERIFY(QFile::exists(albums + "/Blue.Train/disc 1/a.flac"));
    }

    // Undo never replaces a file saved at an old name since: that file stays
    // at its new name, the run says so on stderr and ends with 1. Older
    // batches are listed, and undone only on request.
    void undoKeepsNewWorkAndListsHistory()
    {
        const QString dir = fresh(QStringLiteral("hist"), {"a.txt"});
        QCOMPARE(Morvane({"/cli", "/quiet", "/pattern=b", dir}).exitCode, 0);
        QCOMPARE(Morvane({"/cli", "/quiet", "/pattern=c", dir}).exitCode, 0);
        const Result listed = Morvane({"/cli", "/quiet", "--undo-history"});
        QCOMPARE(listed.exitCode, 0);
        QCOMPARE(listed.out.count('\n'), 2);
        QVERIFY2(listed.out.contains("1 file(s)\trenamed in place\t" + dir.toUtf8() + "/\n"), listed.out);

        touch(dir + QStringLiteral("/b.txt"), "new work");
        const Result undo = Morvane({"/cli", "/quiet", "/undo"});
        QCOMPARE(undo.exitCode, 1);
        QVERIFY2(undo.err.startsWith("Warning: Undo finished, but 1 file(s) stayed at their new names"), undo.err);
        QVERIFY(undo.err.contains((dir + "/c.txt -> " + dir + "/b.txt").toUtf8()));
        QCOMPARE(names(dir), (QStringList{"b.txt", "c.txt"}));
        QVERIFY(QFile::exists(UndoLog()));
    }

    // While another run holds the lock, a second touches nothing; --onError takes stop or skip.
    void anotherBatchRunning()
    {
        const QString dir = fresh(QStringLiteral("locked"), {"a.txt"});
        const QString lockPath = m_appData.filePath(QStringLiteral("Quenzel/Morvane/batch.lock"));
        QDir().mkpath(QFileInfo(lockPath).path());
        const int fd = ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        QVERIFY(fd >= 0 && ::flock(fd, LOCK_EX) == 0);
        const Result r = Morvane({"/cli", "/quiet", "/pattern=b", "/onError=skip", dir});
        ::close(fd);
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err, QByteArray("Error: Another batch is running.\n"));
        QCOMPARE(names(dir), QStringList{"a.txt"});
        QVERIFY(!QFile::exists(UndoLog()));
        const Result bad = Morvane({"/cli", "/quiet", "/onError=maybe", dir});
        QCOMPARE(bad.exitCode, 2);
        QVERIFY(bad.err.startsWith("morvane: /onError takes stop or skip, not \"maybe\"."));
    }

    // A folder that cannot be read is named in a warning; the rest is renamed, exit 1.
    void unreadableFolder()
    {
        if (::geteuid() == 0)
            QSKIP("permission bits do not stop root");
        const QString dir = fresh(QStringLiteral("unreadable"), {"a.txt"});
        const QString closed = fresh(QStringLiteral("closed"), {"x.txt"});
        QVERIFY(::chmod(QFile::encodeName(closed).constData(), 0) == 0);
        const Result r = Morvane({"/cli", "/quiet", "/pattern=b", closed, dir});
        ::chmod(QFile::encodeName(closed).constData(), 0755);
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(closed.toUtf8() + ": "), r.err);
        QCOMPARE(names(dir), QStringList{"b.txt"});
    }

    void usageFaults_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("message");
        using L = QStringList;
        // clang-format off
        QTest::newRow("quiet without cli") << L{"/quiet", "x"} << QByteArray("morvane: /quiet runs a batch only together with /cli.\n");
        QTest::newRow("no files") << L{"/cli", "/quiet", "/pattern=x"} << QByteArray("morvane: No files or folders given.\n");
        QTest::newRow("missing path") << L{"/cli", "/quiet", "/pattern=x", "/no/such"} << QByteArray("morvane: File or folder not found: /no/such\n");
        QTest::newRow("switch with value") << L{"/cli", "/quiet", "/dryrun=1", "."} << QByteArray("morvane: The switch /dryrun takes no value.\n");
        QTest::newRow("unknown sort key") << L{"/cli", "/quiet", "/sort=age", "."}
                                          << QByteArray("morvane: Unknown sort key \"age\": use /sort=name, date, size or none.\n");
        QTest::newRow("bad preset key value") << L{"/cli", "/quiet", "--batchMode=4", "."}
                                              << QByteArray("morvane: --batchMode takes rename|copy|move (or 0 to 2), not \"4\".\n");
        // clang-format on
    }
    void usageFaults()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, message);
        const QString dir = fresh(QStringLiteral("usage"), {"keep.txt"});
        const Result r = Morvane(arguments, dir);
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.out, QByteArray());
        QCOMPARE(r.err, message + "Try 'morvane --help' for more information.\n");
        QCOMPARE(names(dir), QStringList{"keep.txt"});
        QVERIFY(!QFile::exists(UndoLog()));
    }

    void help()
    {
        for (const char *spelling : {"--help", "/?", "/HELP"}) {
            const Result r = Morvane({QString::fromLatin1(spelling)});
            QCOMPARE(r.exitCode, 0);
            QVERIFY(r.out.startsWith("Usage: morvane"));
            QVERIFY(r.out.contains("/conflict="));
        }
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("stderrStart");
        using L = QStringList;
        // clang-format off
        QTest::newRow("invalid regular expression") << L{"/find=(", "/regex"} << QByteArray("Error: ");
        QTest::newRow("unreadable preset") << L{"/preset=/no/such.json"} << QByteArray("Error: ");
        // A preset can choose Copy with no destination: the batch stops with its warning.
        QTest::newRow("copy without destination")
            << L{"/preset=copy.json"} << QByteArray("Warning: Please select a destination folder for Copy/Move mode.\n");
        QTest::newRow("destination inside a file") << L{"/preset=blocked.json"} << QByteArray("Error: ");
        // clang-format on
    }
    void failures()
    {
        QFETCH(QStringList, options);
        QFETCH(QByteArray, stderrStart);
        const QString dir = fresh(QStringLiteral("fail"), {"keep.txt"});
        OptionPanel copy;
        copy.batchMode = BatchMode::CopyToFolder;
        savePreset(m_files.filePath(QStringLiteral("copy.json")), copy);
        copy.destination = dir + QStringLiteral("/keep.txt/out");
        savePreset(m_files.filePath(QStringLiteral("blocked.json")), copy);
        const Result r = Morvane(QStringList{"/cli", "/quiet"} + options + QStringList{dir}, m_files.path());
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.startsWith(stderrStart), r.err);
        QVERIFY2(r.err.endsWith(".\n"), r.err);
        QCOMPARE(names(dir), QStringList{"keep.txt"});
        QVERIFY(!QFile::exists(UndoLog()));
    }
};

QTEST_GUILESS_MAIN(TestConsoleRun)
#include "test_console_run.moc"
