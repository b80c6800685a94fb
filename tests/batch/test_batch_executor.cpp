#include "batch_world.h"
#include "batch/batch_executor.h"
#include "engine/morvane_error.h"
#include "engine/paths.h"
#include "batch/undo.h"
#include "batch/undo_journal.h"

#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace morvane;

namespace {

using World = BatchWorld;

QByteArray entryLine(const QString &from, const QString &to)
{
    return "\"" + from.toUtf8() + "\",\"" + to.toUtf8() + "\"\r\n";
}

const QByteArray kHeader = "\xEF\xBB\xBF"
                           "Original,New\r\n";

} // namespace

class TestBatchExecutor : public QObject {
    Q_OBJECT

private slots:
    // Every batch mode against every conflict mode, then undo. Item x.txt
    // meets an existing t.txt in the target folder; y.txt meets nothing.
    void modesAndConflicts_data()
    {
        QTest::addColumn<BatchMode>("mode");
        QTest::addColumn<ConflictMode>("conflict");
        QTest::addColumn<QString>("src"); // after the batch
        QTest::addColumn<QString>("dst");
        QTest::addColumn<QString>("srcUndone");
        QTest::addColumn<QString>("dstUndone");
        // clang-format off
        QTest::newRow("rename, skip") << BatchMode::RenameInPlace << ConflictMode::Skip << "t.txt=old;u.txt=y;x.txt=x" << "" << "t.txt=old;x.txt=x;y.txt=y" << "";
        QTest::newRow("rename, overwrite") << BatchMode::RenameInPlace << ConflictMode::Overwrite << "t.txt=x;u.txt=y" << "" << "x.txt=x;y.txt=y" << "";
        QTest::newRow("rename, auto-number") << BatchMode::RenameInPlace << ConflictMode::AutoNumber << "t (1).txt=x;t.txt=old;u.txt=y" << "" << "t.txt=old;x.txt=x;y.txt=y" << "";
        QTest::newRow("copy, skip") << BatchMode::CopyToFolder << ConflictMode::Skip << "x.txt=x;y.txt=y" << "t.txt=old;u.txt=y" << "x.txt=x;y.txt=y" << "t.txt=old";
        QTest::newRow("copy, overwrite") << BatchMode::CopyToFolder << ConflictMode::Overwrite << "x.txt=x;y.txt=y" << "t.txt=x;u.txt=y" << "x.txt=x;y.txt=y" << "";
        QTest::newRow("copy, auto-number") << BatchMode::CopyToFolder << ConflictMode::AutoNumber << "x.txt=x;y.txt=y" << "t (1).txt=x;t.txt=old;u.txt=y" << "x.txt=x;y.txt=y" << "t.txt=old";
        QTest::newRow("move, skip") << BatchMode::MoveToFolder << ConflictMode::Skip << "x.txt=x" << "t.txt=old;u.txt=y" << "x.txt=x;y.txt=y" << "t.txt=old";
        QTest::newRow("move, overwrite") << BatchMode::MoveToFolder << ConflictMode::Overwrite << "" << "t.txt=x;u.txt=y" << "x.txt=x;y.txt=y" << "";
        QTest::newRow("move, auto-number") << BatchMode::MoveToFolder << ConflictMode::AutoNumber << "" << "t (1).txt=x;t.txt=old;u.txt=y" << "x.txt=x;y.txt=y" << "t.txt=old";
        // clang-format on
    }
    void modesAndConflicts()
    {
        QFETCH(BatchMode, mode);
        QFETCH(ConflictMode, conflict);
        World w;
        const QString target = mode == BatchMode::RenameInPlace ? w.src : w.dst;
        writeFile(target + "/t.txt", "old");
        w.add("x.txt", "t.txt", "x");
        w.add("y.txt", "u.txt", "y");
        w.options.batchMode = mode;
        w.options.conflict = conflict;
        w.options.destination = " \t" + w.dst + "  "; // read trimmed
        QCOMPARE(w.run(), QString());
        QCOMPARE(w.reporter.calls, QStringList{kBatchCompleted});
        QTEST(snapshot(w.src), "src");
        if (mode != BatchMode::RenameInPlace)
            QTEST(snapshot(w.dst), "dst");
        w.undo();
        QTEST(snapshot(w.src), "srcUndone");
        if (mode != BatchMode::RenameInPlace)
            QTEST(snapshot(w.dst), "dstUndone");
        QVERIFY(!QFile::exists(w.logPath()));
        QVERIFY(w.items.isEmpty());
    }

    // A move rewrites the item; a copy leaves it.
    void itemsFollowMovesOnly()
    {
        for (const BatchMode mode : {BatchMode::RenameInPlace, BatchMode::CopyToFolder, BatchMode::MoveToFolder}) {
            World w;
            w.add("photo.jpg", "holiday.tar.gz");
            w.options.batchMode = mode;
            w.options.destination = w.dst;
            QList<int> updated;
            w.env.itemUpdated = [&](int i) { updated << i; };
            QCOMPARE(w.run(), QString());
            const RenameItem &item = w.items.at(0);
            const QString expected = mode == BatchMode::CopyToFolder
                ? w.src + "/photo.jpg"
                : (mode == BatchMode::RenameInPlace ? w.src : w.dst) + "/holiday.tar.gz";
            QCOMPARE(item.originalPath(), expected);
            QCOMPARE(item.originalName().toString(), mode == BatchMode::CopyToFolder ? "photo" : "holiday.tar");
            QCOMPARE(item.ext().toString(), mode == BatchMode::CopyToFolder ? ".jpg" : ".gz");
            QCOMPARE(item.newName, "holiday.tar.gz");
            QCOMPARE(updated, mode == BatchMode::CopyToFolder ? QList<int>() : QList<int>{0});
        }
    }

    void makeUniqueName_data()
    {
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("first number") << QStringList{"report.txt"} << "report.txt" << "report (1).txt";
        QTest::newRow("next number") << QStringList{"report.txt", "report (1).txt"} << "report.txt" << "report (2).txt";
        QTest::newRow("last dot only") << QStringList() << "archive.tar.gz" << "archive.tar (1).gz";
        QTest::newRow("no extension") << QStringList() << "notes" << "notes (1)";
        QTest::newRow("dot file") << QStringList() << ".profile" << " (1).profile";
        QTest::newRow("folders do not count") << QStringList{"a (1).txt/"} << "a.txt" << "a (1).txt";
        QTest::newRow("percent signs stay") << QStringList() << "%1 %2.txt" << "%1 %2 (1).txt";
        // clang-format on
    }
    void makeUniqueName()
    {
        QFETCH(QStringList, taken);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QTemporaryDir tmp;
        for (const QString &t : taken) {
            if (t.endsWith(u'/'))
                QDir().mkpath(tmp.path() + u'/' + t);
            else
                writeFile(tmp.path() + u'/' + t, "");
        }
        QCOMPARE(morvane::makeUniqueName(tmp.path(), name), tmp.path() + u'/' + expected);
    }

    // A swap lands at the previewed names through a temporary one, in every
    // conflict mode: the two rows clash with nothing outside the batch.
    void swapLandsAsPreviewed()
    {
        for (const ConflictMode conflict : {ConflictMode::Skip, ConflictMode::Overwrite, ConflictMode::AutoNumber}) {
            World w;
            w.options.conflict = conflict;
            w.add("a.txt", "b.txt", "A");
            w.add("b.txt", "a.txt", "B");
            QCOMPARE(w.run(), QString());
            QCOMPARE(snapshot(w.src), "a.txt=B;b.txt=A");
            w.undo();
            QCOMPARE(snapshot(w.src), "a.txt=A;b.txt=B");
        }
    }

    // Overwrite never destroys a file of the batch: not the source of a later
    // item, not the result of an earlier one.
    void overwriteKeepsFilesOfTheBatch()
    {
        World w;
        w.options.conflict = ConflictMode::Overwrite;
        w.add("03", "02");
        w.add("02", "01");
        w.add("01", "00");
        w.add("p", "same");
        w.add("q", "same");
        writeFile(w.src + "/stranger", "S");
        w.add("r", "stranger"); // a file outside the batch is replaced as asked
        QCOMPARE(w.run(), QString());
        // The chain 03 -> 02 -> 01 -> 00 lands from its end; only "same" clashes.
        QCOMPARE(snapshot(w.src), "00=01;01=02;02=03;same=p;same (1)=q;stranger=r");
        w.undo();
        QCOMPARE(snapshot(w.src), "01=01;02=02;03=03;p=p;q=q;r=r");
    }

    // In copy and move mode a target that is the item's own file is passed over.
    void targetIsTheSourceItself()
    {
        for (const BatchMode mode : {BatchMode::CopyToFolder, BatchMode::MoveToFolder}) {
            for (const ConflictMode conflict :
                 {ConflictMode::Skip, ConflictMode::Overwrite, ConflictMode::AutoNumber}) {
                World w;
                w.add("a.txt", "a.txt");
                w.options.batchMode = mode;
                w.options.conflict = conflict;
                w.options.destination = w.src;
                QCOMPARE(w.run(), QString());
                QCOMPARE(snapshot(w.src), "a.txt=a.txt");
                QCOMPARE(w.log(), kHeader);
            }
        }
        // Another name of the same file (a hard link) is no clash either.
        World w;
        w.add("a.txt", "b.txt");
        QVERIFY(::link(QFile::encodeName(w.src + "/a.txt"), QFile::encodeName(w.src + "/b.txt")) == 0);
        w.options.conflict = ConflictMode::Overwrite;
        QCOMPARE(w.run(), QString());
        QCOMPARE(readFile(w.src + "/b.txt"), "a.txt");
        w.undo();
        QCOMPARE(readFile(w.src + "/a.txt"), "a.txt");
    }

    // Every name Linux allows, in the folders too, goes through the batch, the
    // log and undo: the log reads back to exactly the pairs carried out.
    void messyNames_data()
    {
        QTest::addColumn<BatchMode>("mode");
        // clang-format off
        QTest::newRow("rename") << BatchMode::RenameInPlace;
        QTest::newRow("copy") << BatchMode::CopyToFolder;
        QTest::newRow("move") << BatchMode::MoveToFolder;
        // clang-format on
    }
    void messyNames()
    {
        QFETCH(BatchMode, mode);
        World w;
        const QString src = w.tmp.path() + "/src \"q\" <|>\t";
        const QString dst = w.tmp.path() + "/dst\n\"x\",\r\"y\"";
        const QStringList names = {
            "What is \"love\"?.mp3", "a<b>|c.txt",      "tab\there", "new\nline", "x\",\"y", "\"\"", "cr\r\n.txt",
            "back\\slash:*",         " spaced \x01\x7F"};
        QList<UndoLogEntry> expected;
        for (int i = 0; i < names.size(); ++i) {
            writeFile(src + u'/' + names[i], names[i].toUtf8());
            QVERIFY(w.items.addFileItem(src + u'/' + names[i]));
            // Every other new name keeps a quote: the journal takes any name it is given.
            const QString newName = i % 2 ? names[i] + "!" : "n" + QString::number(i);
            w.items.setNewName(i, newName);
            expected.append({src + u'/' + names[i], (mode == BatchMode::RenameInPlace ? src : dst) + u'/' + newName});
        }
        w.options.batchMode = mode;
        w.options.destination = dst;
        const QString before = snapshot(src);

        QCOMPARE(w.run(), QString());
        QList<UndoLogEntry> logged;
        const QStringList lines = splitUndoLogLines(w.log());
        for (qsizetype k = 1; k < lines.size(); ++k) {
            if (const auto entry = parseUndoLogLine(lines[k]))
                logged.append(*entry);
        }
        QCOMPARE(logged, expected);
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(readFile(expected[i].renamed), names[i].toUtf8());

        w.undo();
        QCOMPARE(snapshot(src), before);
        QCOMPARE(snapshot(dst), QString());
    }

    // Names are case-sensitive here: only the very same name is passed over.
    void unchangedNamesAndHeaderOnlyLog()
    {
        World w;
        writeFile(w.logPath(), "previous");
        w.add("a.txt", "a.txt");
        QCOMPARE(w.run(), QString());
        QCOMPARE(w.log(), kHeader); // replaces the previous log

        World v;
        v.add("a.txt", "A.TXT");
        QCOMPARE(v.run(), QString());
        QCOMPARE(snapshot(v.src), "A.TXT=a.txt");
    }

    void logBytes()
    {
        World w;
        w.add("a.txt", "b.txt");
        w.add("c d.txt", "é f.txt");
        QCOMPARE(w.run(), QString());
        QCOMPARE(w.log(),
                 kHeader + entryLine(w.src + "/a.txt", w.src + "/b.txt")
                     + entryLine(w.src + "/c d.txt", w.src + "/é f.txt"));
    }

    // Items of two folders in turn, one given by a relative path: each rename
    // is made relative to its open folder, or by absolute paths when the
    // folder cannot be opened; files and log come out the same either way.
    void inPlaceAcrossFolders_data()
    {
        QTest::addColumn<bool>("folderOpens");
        // clang-format off
        QTest::newRow("folder open") << true;
        QTest::newRow("folder cannot be opened") << false;
        // clang-format on
    }
    void inPlaceAcrossFolders()
    {
        QFETCH(bool, folderOpens);
        World w;
        FaultySystemCalls sys;
        w.env.sys = &sys;
        if (!folderOpens)
            sys.fail("open", 2, EACCES); // the first open is the lock's, the second the first item's folder
        const QString sub = w.src + "/sub";
        QDir().mkpath(sub);
        writeFile(sub + "/x.txt", "x");
        writeFile(sub + "/y", "y");
        w.add("a.txt", "b.txt");
        QVERIFY(w.items.addFileItem(sub + "/x.txt"));
        w.items.setNewName(1, QStringLiteral("ä x.txt"));
        w.add("c", "c"); // unchanged: no call, no line
        const QString cwd = QDir::currentPath();
        QVERIFY(QDir::setCurrent(sub));
        QVERIFY(w.items.addFileItem(QStringLiteral("y")));
        w.items.setNewName(3, QStringLiteral("z"));
        const QString error = w.run();
        QDir::setCurrent(cwd);
        QCOMPARE(error, QString());
        QCOMPARE(sys.callCount("renameat2"), 3);
        QCOMPARE(snapshot(w.src), "b.txt=a.txt;c=c;sub/");
        QCOMPARE(snapshot(sub), "z=y;ä x.txt=x");
        QCOMPARE(w.log(),
                 kHeader + entryLine(w.src + "/a.txt", w.src + "/b.txt") + entryLine(sub + "/x.txt", sub + "/ä x.txt")
                     + entryLine(sub + "/y", sub + "/z"));
        QCOMPARE(w.items.at(1).originalPath(), sub + "/ä x.txt");
        QCOMPARE(w.items.at(1).originalName().toString(), "ä x");
        QCOMPARE(w.items.at(1).ext().toString(), ".txt");
        QCOMPARE(w.items.at(3).originalPath(), "z");
        QVERIFY(w.items.itemExists("z") && !w.items.itemExists("y"));
    }

    void destination()
    {
        for (const BatchMode mode : {BatchMode::CopyToFolder, BatchMode::MoveToFolder}) {
            World w;
            w.add("a.txt", "b.txt");
            w.options.batchMode = mode;
            w.options.destination = " \t ";
            QCOMPARE(w.run(), QString());
            QCOMPARE(w.reporter.calls, QStringList{"warning: Please select a destination folder for Copy/Move mode."});
            QVERIFY(!QFile::exists(w.logPath()));

            World v;
            v.add("a.txt", "b.txt");
            v.options.batchMode = mode;
            v.options.destination = v.dst + "/deep/er";
            QCOMPARE(v.run(), QString());
            QCOMPARE(snapshot(v.dst + "/deep/er"), "b.txt=a.txt");

            // "~/" is the home folder; a relative folder is refused before anything is touched.
            World h;
            h.add("a.txt", "b.txt");
            h.options.batchMode = mode;
            const QByteArray home = qgetenv("HOME");
            qputenv("HOME", QFile::encodeName(h.tmp.path()));
            h.options.destination = "~/dst";
            const QString error = h.run();
            h.options.destination = "dst";
            const QString relativeError = h.run();
            qputenv("HOME", home);
            QCOMPARE(error, QString());
            QCOMPARE(snapshot(h.dst), "b.txt=a.txt");
            QCOMPARE(relativeError, QString());
            QCOMPARE(h.reporter.calls.last(),
                     "error: The destination folder \"dst\" is not a full path. Give it from the root, such as "
                     "/home/you/Photos, or from your home folder, such as ~/Photos.");
        }
    }

    void touchModifiedNow()
    {
        for (const BatchMode mode : {BatchMode::RenameInPlace, BatchMode::CopyToFolder}) {
            World w;
            w.add("a.txt", "b.txt");
            const QByteArray srcPath = QFile::encodeName(w.src + "/a.txt");
            const struct timespec old[2] = {{1000000000, 0}, {1000000500, 0}};
            QVERIFY(::utimensat(AT_FDCWD, srcPath, old, 0) == 0);
            const QDateTime now = QDateTime::fromMSecsSinceEpoch(1700000000123, QTimeZone::utc());
            w.env.now = [&] { return now; };
            w.options.touchModifiedNow = true;
            w.options.batchMode = mode;
            w.options.destination = w.dst;
            QCOMPARE(w.run(), QString());
            struct stat st;
            QVERIFY(::stat(QFile::encodeName((mode == BatchMode::RenameInPlace ? w.src : w.dst) + "/b.txt"), &st) == 0);
            QCOMPARE(st.st_mtim.tv_sec, time_t(1700000000));
            QCOMPARE(st.st_mtim.tv_nsec, 123000000L);
            QCOMPARE(st.st_atim.tv_sec, time_t(1000000000));
            if (mode == BatchMode::CopyToFolder) { // the source keeps its time
                QVERIFY(::stat(srcPath, &st) == 0);
                QCOMPARE(st.st_mtim.tv_sec, time_t(1000000500));
            }
        }
    }

    // A batch that stops after carrying out operations leaves the log of
    // exactly those, and undo reverts them.
    void stopsMidBatch_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        // clang-format off
        QTest::newRow("source vanished") << "vanished" << "The specified file was not found";
        QTest::newRow("path through a file") << "notdir" << "The specified path was not found";
        QTest::newRow("nul in a new name") << "nul" << "Invalid characters in path";
        QTest::newRow("read-only folder") << "readonly" << systemErrorText(EACCES);
        // clang-format on
    }
    void stopsMidBatch()
    {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        if (fault == u"readonly" && ::geteuid() == 0)
            QSKIP("permission bits do not stop root");
        World w;
        writeFile(w.logPath(), "previous");
        w.add("1", "one");
        w.add("2", "two");
        const QString third = fault == u"empty" ? QString()
            : fault == u"notdir"                ? QString("blocker/x")
            : fault == u"nul"                   ? QString("th") + QChar(0) + "ree"
                                                : QString("three");
        w.add("3", third);
        w.add("4", "four");
        if (fault == u"vanished")
            QFile::remove(w.src + "/3");
        if (fault == u"notdir")
            writeFile(w.src + "/blocker", "in the way");
        if (fault == u"readonly") {
            QDir().mkdir(w.src + "/ro");
            QVERIFY(QFile::rename(w.src + "/3", w.src + "/ro/3"));
            w.items.removeIndexes({2, 3});
            w.add("ro/3", "three");
            w.add("4", "four");
            QVERIFY(::chmod(QFile::encodeName(w.src + "/ro"), 0555) == 0);
        }
        const QString error = w.run();
        if (fault == u"readonly")
            ::chmod(QFile::encodeName(w.src + "/ro"), 0755);
        if (message.startsWith(u"warning: ")) {
            QCOMPARE(error, QString());
            QCOMPARE(w.reporter.calls, QStringList{message});
        } else {
            // The system's text first, then the step and the file it failed on.
            const QString source = fault == u"readonly" ? w.src + "/ro/3" : w.src + "/3";
            const QString newName = fault == u"readonly" ? QStringLiteral("three") : third;
            QCOMPARE(error, message + ".\nRenaming " + source + " to " + newName);
            QVERIFY(w.reporter.calls.isEmpty());
        }
        QCOMPARE(w.log(), kHeader + entryLine(w.src + "/1", w.src + "/one") + entryLine(w.src + "/2", w.src + "/two"));
        QCOMPARE(w.items.at(1).originalPath(), w.src + "/two");
        QVERIFY(QFile::exists(w.src + "/4"));
        w.undo();
        QVERIFY(QFile::exists(w.src + "/2") && !QFile::exists(w.src + "/two") && !QFile::exists(w.src + "/one"));
        QCOMPARE(readFile(w.src + "/2"), "2");
    }

    // A batch that stops before any operation leaves the previous log as it was,
    // also when its first operation was already in the journal; a previous log
    // that undoes something comes back from its copy in the history, which goes.
    void stopsBeforeAnyOperation()
    {
        const QByteArray undoable = kHeader + "\"/gone/a\",\"/gone/b\"\r\n";
        for (const QByteArray &previous : {QByteArray("previous"), undoable}) {
            for (const char *fault : {"empty", "vanished", "journal"}) {
                World w;
                writeFile(w.logPath(), previous);
                w.add("1", QByteArray(fault) == "empty" ? "" : "one");
                w.add("2", "two");
                FaultySystemCalls sys;
                w.env.sys = &sys;
                if (QByteArray(fault) == "vanished")
                    QFile::remove(w.src + "/1");
                if (QByteArray(fault) == "journal") // the copy into the history, if any, is made in-kernel
                    sys.fail("write", 1, ENOSPC);
                w.run();
                QCOMPARE(w.log(), previous);
                QCOMPARE(QDir(folderPart(w.logPath())).entryList(QDir::Files | QDir::Hidden),
                         (QStringList{"batch.lock", "last_rename.csv"}));
                QVERIFY(QDir(folderPart(w.logPath()) + "history").isEmpty());
                QVERIFY(QFile::exists(w.src + "/2"));
            }
        }
        // Without a previous log there is none afterwards.
        World w;
        w.add("1", "one");
        QFile::remove(w.src + "/1");
        QVERIFY(w.run().startsWith("The specified file was not found.\nRenaming "));
        QVERIFY(!QFile::exists(w.logPath()));
    }

    // A journal that cannot take the next line stops the batch before the operation.
    void journalWriteFails()
    {
        // Renames in place write their lines in runs: the second run's write fails.
        World w;
        FaultySystemCalls sys;
        w.env.sys = &sys;
        sys.fail("write", 2, ENOSPC);
        QByteArray done;
        for (int i = 0; i <= UndoJournal::kPendingLines; ++i) {
            const QString name = QStringLiteral("f%1").arg(i, 3, 10, QLatin1Char('0'));
            w.add(name, "g" + name);
            if (i < UndoJournal::kPendingLines)
                done += entryLine(w.src + "/" + name, w.src + "/g" + name);
        }
        QCOMPARE(w.run(), systemErrorText(ENOSPC));
        QVERIFY(QFile::exists(w.src + "/gf063"));
        QVERIFY(QFile::exists(w.src + "/f064"));
        QCOMPARE(w.log(), kHeader + done);
    }

    // While the batch runs, a marker says the log may end in a line not yet
    // carried out; it goes when the batch ends, also on an error.
    void unfinishedMarker()
    {
        World w;
        const QString marker = w.logPath() + ".unfinished";
        w.add("1", "one");
        w.add("2", "two");
        QList<bool> during;
        w.env.itemUpdated = [&](int) { during << QFile::exists(marker); };
        QCOMPARE(w.run(), QString());
        QCOMPARE(during, (QList<bool>{true, true}));
        QVERIFY(!QFile::exists(marker));

        World v;
        v.add("1", "one");
        v.add("2", "two");
        QFile::remove(v.src + "/2");
        QVERIFY(v.run().startsWith("The specified file was not found.\n"));
        QVERIFY(!QFile::exists(v.logPath() + ".unfinished"));
    }

    // A log that cannot be cut back stops the batch; the marker stays, and undo
    // leaves the line that was never carried out alone.
    void logCannotBeCutBack()
    {
        World w;
        FaultySystemCalls sys;
        w.env.sys = &sys;
        sys.fail("ftruncate", 1, EIO);
        writeFile(w.src + "/two", "stranger");
        w.add("1", "one");
        w.add("2", "two");
        QCOMPARE(w.run(), systemErrorText(EIO)); // the log's own failure: no file to name
        QCOMPARE(w.log(), kHeader + entryLine(w.src + "/1", w.src + "/one") + entryLine(w.src + "/2", w.src + "/two"));
        QVERIFY(QFile::exists(w.logPath() + ".unfinished"));
        w.env.sys = nullptr;
        w.undo();
        QCOMPARE(snapshot(w.src), "1=1;2=2;two=stranger");
        QVERIFY(!QFile::exists(w.logPath() + ".unfinished"));
    }

    void dataFolder_data()
    {
        QTest::addColumn<QByteArray>("appData");
        QTest::addColumn<QByteArray>("xdg");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("APPDATA") << QByteArray("/roam") << QByteArray("/xdg") << "/roam";
        QTest::newRow("empty APPDATA") << QByteArray("") << QByteArray("/xdg") << "/xdg";
        QTest::newRow("relative XDG_DATA_HOME") << QByteArray() << QByteArray("xdg") << QDir::homePath() + "/.local/share";
        QTest::newRow("neither") << QByteArray() << QByteArray() << QDir::homePath() + "/.local/share";
        // clang-format on
    }
    void dataFolder()
    {
        QFETCH(QByteArray, appData);
        QFETCH(QByteArray, xdg);
        QFETCH(QString, expected);
        const QByteArray oldAppData = qgetenv("APPDATA"), oldXdg = qgetenv("XDG_DATA_HOME");
        const bool hadAppData = qEnvironmentVariableIsSet("APPDATA"),
                   hadXdg = qEnvironmentVariableIsSet("XDG_DATA_HOME");
        auto set = [](const char *name, const QByteArray &value, bool present) {
            if (present)
                qputenv(name, value);
            else
                qunsetenv(name);
        };
        set("APPDATA", appData, !appData.isNull());
        set("XDG_DATA_HOME", xdg, !xdg.isNull());
        const QString folder = appDataFolder();
        set("APPDATA", oldAppData, hadAppData);
        set("XDG_DATA_HOME", oldXdg, hadXdg);
        QCOMPARE(folder, expected);
        QCOMPARE(undoLogPath(expected), expected + "/Quenzel/Morvane/last_rename.csv");
    }

    // A move to another file system copies, keeps the bytes, numbers a clash,
    // and comes back on undo.
    void moveAcrossFileSystems()
    {
        World w;
        QTemporaryDir shm(QStringLiteral("/dev/shm/morvane-test-XXXXXX"));
        struct stat a, b;
        if (!shm.isValid() || ::stat(QFile::encodeName(shm.path()), &a) != 0
            || ::stat(QFile::encodeName(w.tmp.path()), &b) != 0 || a.st_dev == b.st_dev)
            QSKIP("/dev/shm and the temporary folder are one file system here");
        QByteArray bytes(100000, 'z');
        bytes[5] = 0;
        writeFile(shm.path() + "/a.bin", bytes);
        writeFile(shm.path() + "/c.bin", "C");
        writeFile(w.dst + "/b.bin", "old");
        QVERIFY(w.items.addFileItem(shm.path() + "/a.bin"));
        w.items.setNewName(0, "b.bin");
        QVERIFY(w.items.addFileItem(shm.path() + "/c.bin"));
        w.items.setNewName(1, "c.bin");
        w.options.batchMode = BatchMode::MoveToFolder;
        w.options.destination = w.dst;
        QCOMPARE(w.run(), QString());
        QCOMPARE(snapshot(shm.path()), "");
        QCOMPARE(readFile(w.dst + "/b (1).bin"), bytes);
        QCOMPARE(snapshot(w.dst).section(u';', 1), "b.bin=old;c.bin=C");
        w.undo();
        QCOMPARE(readFile(shm.path() + "/a.bin"), bytes);
        QCOMPARE(snapshot(w.dst), "b.bin=old");
    }

    // A copy looks for a clash before it starts; a file that appears at the
    // target after that look (another program) is refused, not overwritten,
    // and the finished copy is thrown away.
    void clashAfterTheCheck()
    {
        World w;
        FaultySystemCalls sys;
        w.env.sys = &sys;
        w.options.batchMode = BatchMode::CopyToFolder;
        w.options.destination = w.dst;
        w.add("1", "one");
        w.add("2", "two");
        writeFile(w.dst + "/two", "other");
        // lstat 1 looks at one, 2 at the journal's marker, 3 at two.
        sys.fail("lstat", 3, ENOENT);
        QCOMPARE(w.run(), "The specified file already exists.\nCopying " + w.src + "/2 to " + w.dst + "/two");
        QCOMPARE(snapshot(w.dst), "one=1;two=other");
        QCOMPARE(w.log(), kHeader + entryLine(w.src + "/1", w.dst + "/one"));
    }
};

QTEST_GUILESS_MAIN(TestBatchExecutor)
#include "test_batch_executor.moc"
