// What a batch and its undo do around links, a second run, hard links,
// failures to go on past, and older batches: on real folders.

#include "batch_test_support.h"
#include "batch/batch_lock.h"
#include "batch/undo.h"
#include "batch/undo_history.h"
#include "engine/morvane_error.h"

#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/wait.h>

#include <csignal>
#include <unistd.h>

using namespace morvane;

namespace {

struct World {
    QTemporaryDir tmp;
    QString src = tmp.path() + "/src";
    QString dst = tmp.path() + "/dst";
    BatchEnvironment env;
    RenameItemList items;
    RecordingReporter reporter;
    OptionPanel options;

    World()
    {
        QDir().mkpath(src);
        env.appDataFolder = tmp.path() + "/app";
    }
    QString logPath() const { return undoLogPath(env.appDataFolder); }
    void add(const QString &path, const QString &newName)
    {
        QVERIFY(items.addFileItem(path));
        items.setNewName(items.count() - 1, newName);
    }
    QString run()
    {
        try {
            executeBatch(items, options, reporter, env);
        } catch (const MorvaneError &e) {
            return e.message();
        }
        return QString();
    }
    QString undo()
    {
        RenameItemList list;
        try {
            undoLastBatch(list, reporter, env);
        } catch (const MorvaneError &e) {
            return e.message();
        }
        return QString();
    }
};

bool isLink(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path), &st) == 0 && S_ISLNK(st.st_mode);
}

QByteArray rawLinkText(const QString &path)
{
    char buffer[4096];
    const ssize_t n = ::readlink(QFile::encodeName(path), buffer, sizeof buffer);
    return n < 0 ? QByteArray() : QByteArray(buffer, n);
}

// A folder on another file system than the temporary folder, or empty.
QString otherFileSystem(const QString &than)
{
    struct stat a, b;
    if (::stat(QFile::encodeName(than), &a) != 0 || ::stat("/dev/shm", &b) != 0 || a.st_dev == b.st_dev
        || !QFileInfo(QStringLiteral("/dev/shm")).isWritable())
        return QString();
    return QStringLiteral("/dev/shm");
}

} // namespace

class TestBatchSafety : public QObject {
    Q_OBJECT

private slots:
    // A link is renamed and moved as a link, on one file system and across two,
    // with a relative target text kept as written, also when its target has
    // vanished since it was added; undo brings the link back as a link.
    void linksMoveAsLinks_data()
    {
        QTest::addColumn<bool>("across");
        QTest::addColumn<bool>("dangling");
        QTest::addColumn<BatchMode>("mode");
        for (bool across : {false, true})
            for (bool dangling : {false, true})
                for (const BatchMode mode : {BatchMode::RenameInPlace, BatchMode::MoveToFolder})
                    if (!across || mode == BatchMode::MoveToFolder) // a rename in place stays on its file system
                                                                    // clang-format off
                        QTest::addRow("%s%s mode %d", across ? "across file systems" : "one file system",
                                  dangling ? ", dangling" : "", int(mode)) << across << dangling << mode;
                                                                    // clang-format on
    }
    void linksMoveAsLinks()
    {
        QFETCH(bool, across);
        QFETCH(bool, dangling);
        QFETCH(BatchMode, mode);
        World w;
        std::unique_ptr<QTemporaryDir> far;
        QString dst = w.dst;
        if (across) {
            const QString other = otherFileSystem(w.tmp.path());
            if (other.isEmpty())
                QSKIP("no second file system here");
            far = std::make_unique<QTemporaryDir>(other + "/morvane-links-XXXXXX");
            dst = far->path() + "/dst";
        }
        writeFile(w.src + "/target.txt", "the target");
        QVERIFY(QFile::link("target.txt", w.src + "/link"));
        w.add(w.src + "/link", "renamed");
        if (dangling)
            QVERIFY(QFile::remove(w.src + "/target.txt"));
        w.options.batchMode = mode;
        w.options.destination = dst;
        QCOMPARE(w.run(), QString());
        const QString moved = (mode == BatchMode::RenameInPlace ? w.src : dst) + "/renamed";
        QVERIFY(isLink(moved));
        QCOMPARE(rawLinkText(moved), QByteArray("target.txt"));
        QVERIFY(!isLink(w.src + "/link"));
        QCOMPARE(w.undo(), QString());
        QCOMPARE(w.reporter.calls.last(), "information: Undo completed for the last rename operation.");
        QVERIFY(isLink(w.src + "/link"));
        QCOMPARE(rawLinkText(w.src + "/link"), QByteArray("target.txt"));
        QVERIFY(!isLink(moved));
    }

    // Copy to folder copies what the link points to, as cp does; undo takes
    // the copy away and leaves the link alone.
    void copyFollowsLinks()
    {
        World w;
        writeFile(w.src + "/target.txt", "the target");
        QVERIFY(QFile::link(w.src + "/target.txt", w.src + "/link"));
        w.add(w.src + "/link", "copy.txt");
        w.options.batchMode = BatchMode::CopyToFolder;
        w.options.destination = w.dst;
        QCOMPARE(w.run(), QString());
        QVERIFY(!isLink(w.dst + "/copy.txt"));
        QCOMPARE(readFile(w.dst + "/copy.txt"), "the target");
        QCOMPARE(w.undo(), QString());
        QCOMPARE(w.reporter.calls.last(), "information: Undo completed for the last rename operation.");
        QVERIFY(isLink(w.src + "/link"));
        QVERIFY(!QFile::exists(w.dst + "/copy.txt"));
    }

    // A second batch or undo while one runs says so and touches nothing; the
    // lock of a process that is gone is no lock.
    void oneBatchAtATime()
    {
        World w;
        writeFile(w.src + "/a", "A");
        w.add(w.src + "/a", "b");
        {
            // Another process's lock: flock locks belong to the open file, so a
            // second open in this process stands for it.
            const BatchLock other(realSystemCalls(), w.env.appDataFolder);
            QCOMPARE(w.run(), "Another batch is running");
            QCOMPARE(w.undo(), "Another batch is running");
            QCOMPARE(snapshot(w.src), "a=A");
            QVERIFY(!QFile::exists(w.logPath()));
            QVERIFY(w.reporter.calls.isEmpty());
        }
        // A child that takes the lock and is killed holding it.
        const pid_t child = ::fork();
        if (child == 0) {
            const BatchLock held(realSystemCalls(), w.env.appDataFolder);
            ::kill(::getpid(), SIGKILL);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));
        QCOMPARE(w.run(), QString());
        QCOMPARE(snapshot(w.src), "b=A");
    }

    // Overwrite onto a hard link of the source: the source name goes, the
    // target name keeps the file. Other modes treat it as any clash.
    void hardLinks_data()
    {
        QTest::addColumn<ConflictMode>("conflict");
        QTest::addColumn<QString>("after");
        // clang-format off
        QTest::newRow("skip") << ConflictMode::Skip << "a=same;b=same";
        QTest::newRow("overwrite") << ConflictMode::Overwrite << "b=same";
        QTest::newRow("auto-number") << ConflictMode::AutoNumber << "b=same;b (1)=same";
        // clang-format on
    }
    void hardLinks()
    {
        QFETCH(ConflictMode, conflict);
        QFETCH(QString, after);
        World w;
        writeFile(w.src + "/a", "same");
        QVERIFY(::link(QFile::encodeName(w.src + "/a"), QFile::encodeName(w.src + "/b")) == 0);
        w.add(w.src + "/a", "b");
        w.options.conflict = conflict;
        QCOMPARE(w.run(), QString());
        QCOMPARE(snapshot(w.src), after);
        QCOMPARE(w.undo(), QString());
        QVERIFY(QFile::exists(w.src + "/a"));
        QCOMPARE(readFile(w.src + "/a"), "same");
    }

    // With skip, the batch goes past files it cannot rename and ends with a
    // summary; the journal holds what was done, the full list lies beside it.
    void skipAndGoOn()
    {
        World w;
        for (const char *name : {"1", "2", "3", "4"})
            writeFile(w.src + u'/' + QLatin1String(name), name);
        writeFile(w.src + "/taken", "stranger");
        w.add(w.src + "/1", "one");
        w.add(w.src + "/2", "two");
        w.add(w.src + "/3", "taken");
        w.add(w.src + "/4", "four");
        QVERIFY(QFile::remove(w.src + "/2"));
        w.options.conflict = ConflictMode::Skip;

        // Stop, as before: the error names the file and the step.
        World stop;
        writeFile(stop.src + "/x", "x");
        stop.add(stop.src + "/x", "y");
        QVERIFY(QFile::remove(stop.src + "/x"));
        QCOMPARE(stop.run(), "The specified file was not found.\nRenaming " + stop.src + "/x to y");

        w.env.onError = OnError::Skip;
        QCOMPARE(w.run(), QString());
        QCOMPARE(snapshot(w.src), "3=3;four=4;one=1;taken=stranger");
        QCOMPARE(w.reporter.calls.size(), 1);
        const QString summary = w.reporter.calls.first();
        QVERIFY2(summary.startsWith("warning: Batch finished with errors."), qPrintable(summary));
        QVERIFY(summary.contains("Renamed: 2\nSkipped as clashes: 1\nFailed: 1\n\n" + w.src
                                 + "/2: The specified file was not found"));
        const QString list = failureListPath(w.env.appDataFolder);
        QVERIFY(summary.endsWith(list));
        QCOMPARE(readFile(list), "\xEF\xBB\xBF" + (w.src + "/2\tThe specified file was not found\r\n").toUtf8());
        QCOMPARE(w.undo(), QString());
        QCOMPARE(snapshot(w.src), "1=1;3=3;4=4;taken=stranger");
    }

    // The count in a history file's name is the same however the log is cut
    // into the pieces it is read in: a "," between quotes may span two pieces.
    void entryCountInPieces_data()
    {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<int>("count");
        // clang-format off
        QTest::newRow("plain")          << QByteArray("\xEF\xBB\xBFOriginal,New\r\n\"/a\",\"/b\"\r\n\"/c\",\"/d\"\r\n") << 2;
        QTest::newRow("quotes inside")  << QByteArray("h\r\n\"/a\"\"x\",\"/b,\"\"\"\r\n") << 1;
        QTest::newRow("no last break")  << QByteArray("h\r\n\"/a\",\"/b\"") << 1;
        QTest::newRow("split by break") << QByteArray("h\r\n\"/a\",\n\"/b\"\r\n") << 0;
        QTest::newRow("quote comma")    << QByteArray("h\r\n\"\",,\",\"\r\n") << 1;
        // clang-format on
    }
    void entryCountInPieces()
    {
        QFETCH(QByteArray, log);
        QFETCH(int, count);
        QCOMPARE(undoLogEntryCount(log), count);
        for (qsizetype cut = 1; cut < log.size(); ++cut) {
            UndoLogEntryCounter counter;
            counter.add(log.constData(), cut);
            counter.add(log.constData() + cut, log.size() - cut);
            QCOMPARE(counter.count(), count);
        }
        UndoLogEntryCounter byteByByte;
        for (const char c : log)
            byteByByte.add(&c, 1);
        QCOMPARE(byteByByte.count(), count);
    }

    // The last 20 batches stay undoable: the newest as last_rename.csv, the
    // others in history/; older ones are undone only on request, newest first.
    void undoHistory()
    {
        World w;
        writeFile(w.src + "/f", "F");
        QString current = w.src + "/f";
        for (int i = 1; i <= 22; ++i) {
            RenameItemList items;
            QVERIFY(items.addFileItem(current));
            items.setNewName(0, QStringLiteral("f%1").arg(i));
            executeBatch(items, w.options, w.reporter, w.env);
            current = w.src + QStringLiteral("/f%1").arg(i);
        }
        const QByteArray newest = readFile(w.logPath());
        QCOMPARE(newest,
                 "\xEF\xBB\xBF"
                 "Original,New\r\n\""
                     + (w.src + "/f21\",\"" + w.src + "/f22").toUtf8() + "\"\r\n");
        QList<UndoHistoryEntry> entries = listUndoHistory(w.env.appDataFolder);
        QCOMPARE(entries.size(), kUndoHistoryBatches);
        QCOMPARE(entries.first().logPath, w.logPath());
        QCOMPARE(entries.at(1).count, 1);
        QCOMPARE(entries.at(1).folders, QStringList{w.src + u'/'});
        QVERIFY(entries.at(1).inPlace);
        QVERIFY(entries.at(1).time >= entries.at(2).time);
        QCOMPARE(readFile(entries.last().logPath),
                 "\xEF\xBB\xBF"
                 "Original,New\r\n\""
                     + (w.src + "/f2\",\"" + w.src + "/f3").toUtf8() + "\"\r\n");

        // The newest as ever; a second plain undo finds nothing, the history stays.
        QCOMPARE(w.undo(), QString());
        QCOMPARE(w.undo(), QString());
        QCOMPARE(w.reporter.calls.last(), "information: No undo log found in AppData.");
        QCOMPARE(snapshot(w.src), "f21=F");
        entries = listUndoHistory(w.env.appDataFolder);
        QCOMPARE(entries.size(), kUndoHistoryBatches - 1);
        QVERIFY(
            undoHistoryListing(entries).split(u'\n').first().endsWith("1 file(s)\trenamed in place\t" + w.src + u'/'));

        // Three more, newest first.
        RenameItemList list;
        undoHistoryThrough(2, list, w.reporter, w.env);
        QCOMPARE(w.reporter.calls.last(), "information: Undo completed for 3 batch(es).");
        QCOMPARE(snapshot(w.src), "f18=F");
        QCOMPARE(listUndoHistory(w.env.appDataFolder).size(), kUndoHistoryBatches - 4);
    }
};

QTEST_GUILESS_MAIN(TestBatchSafety)
#include "test_batch_safety.moc"
