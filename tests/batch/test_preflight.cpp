// The preview's status per row, the checks that run before the first file
// moves, and swaps, chains and rotations landing at their previewed names.

#include "batch_world.h"
#include "batch/move_plan.h"
#include "batch/preflight.h"
#include "batch/undo.h"
#include "engine/morvane_error.h"

#include <QTemporaryDir>
#include <QTest>

using namespace morvane;

namespace {

// tmpfs when there is one: the 1,000-file rows make and move thousands of files.
QString scratchTemplate()
{
    return QFileInfo(QStringLiteral("/dev/shm")).isWritable()
        ? QStringLiteral("/dev/shm/morvane-preflight-XXXXXX")
        : QDir::tempPath() + QStringLiteral("/morvane-preflight-XXXXXX");
}

// The batch tests' world on tmpfs, its copies and moves going to dst/.
struct World : BatchWorld {
    World() : BatchWorld(scratchTemplate()) { options.destination = dst; }
    QStringList statuses(ExistenceTest existence = ExistenceTest::Yes)
    {
        QStringList out;
        for (const RowCheck &row : checkPreview(items, options, existence).rows)
            out << rowStatusText(row);
        return out;
    }
};

} // namespace

class TestPreflight : public QObject {
    Q_OBJECT

private slots:
    // Every status, in the modes where it differs.
    void statuses_data()
    {
        QTest::addColumn<BatchMode>("mode");
        QTest::addColumn<bool>("ownFolder");      // copy or move with the files' own folder as destination
        QTest::addColumn<QStringList>("rows");    // "name>newName"; "name>" leaves the new name empty
        QTest::addColumn<QStringList>("outside"); // files of the target folder outside the batch
        QTest::addColumn<QStringList>("expected");
        const QString tooLong(256, u'x');
        // clang-format off
        QTest::newRow("ready and unchanged")
            << BatchMode::RenameInPlace << false << QStringList{"a>b", "c>c"} << QStringList() << QStringList{"Ready", "Unchanged"};
        QTest::newRow("duplicates name each other")
            << BatchMode::RenameInPlace << false << QStringList{"a>same", "b>other", "c>same"} << QStringList()
            << QStringList{"Same new name as row 3", "Ready", "Same new name as row 1"};
        QTest::newRow("a row kept as it is is named by the other")
            << BatchMode::RenameInPlace << false << QStringList{"a>a", "b>a"} << QStringList() << QStringList{"Unchanged", "Same new name as row 1"};
        QTest::newRow("file outside the batch")
            << BatchMode::RenameInPlace << false << QStringList{"a>t"} << QStringList{"t"} << QStringList{"A file of this name is already there"};
        QTest::newRow("swap and chain are free")
            << BatchMode::RenameInPlace << false << QStringList{"a>b", "b>a", "1>2", "2>3"} << QStringList()
            << QStringList{"Ready", "Ready", "Ready", "Ready"};
        QTest::newRow("a copy keeps its sources: swap targets are taken")
            << BatchMode::CopyToFolder << true << QStringList{"a>b", "b>a"} << QStringList()
            << QStringList{"A file of this name is already there", "A file of this name is already there"};
        QTest::newRow("move into the own folder swaps")
            << BatchMode::MoveToFolder << true << QStringList{"a>b", "b>a"} << QStringList() << QStringList{"Ready", "Ready"};
        QTest::newRow("too long and empty")
            << BatchMode::RenameInPlace << false << QStringList{"a>" + tooLong, "b>", "c>" + QString(127, u'é')}
            << QStringList() << QStringList{"Name too long for the file system", "Empty name", "Ready"};
        QTest::newRow("multi-byte names count bytes")
            << BatchMode::RenameInPlace << false << QStringList{"a>" + QString(128, u'é')} << QStringList()
            << QStringList{"Name too long for the file system"};
        QTest::newRow("copy into another folder")
            << BatchMode::CopyToFolder << false << QStringList{"a>b", "b>a", "c>t"} << QStringList{"t"}
            << QStringList{"Ready", "Ready", "A file of this name is already there"};
        // clang-format on
    }
    void statuses()
    {
        QFETCH(BatchMode, mode);
        QFETCH(bool, ownFolder);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, outside);
        World w;
        w.options.batchMode = mode;
        if (ownFolder)
            w.options.destination = w.src;
        const QString target = mode == BatchMode::RenameInPlace || ownFolder ? w.src : w.dst;
        for (const QString &name : outside)
            writeFile(target + u'/' + name, "outside");
        for (const QString &row : rows) {
            const QStringList parts = row.split(u'>');
            w.add(parts.at(0), parts.at(1));
        }
        QTEST(w.statuses(), "expected");
    }

    // Many targets in one folder are tested against its listing, not one by one.
    void manyTargetsAgainstTheListing()
    {
        World w;
        for (int i = 0; i < 200; ++i)
            w.add(QStringLiteral("f%1").arg(i), QStringLiteral("g%1").arg(i));
        writeFile(w.src + "/g7", "outside");
        writeFile(w.src + QStringLiteral("/gr\u00FC\u00DFe"), "outside"); // found by its UTF-8 bytes
        w.add("h", "f0");                                                 // f0 moves away first
        w.add("i", QStringLiteral("gr\u00FC\u00DFe"));
        const PreviewCheck check = checkPreview(w.items, w.options);
        QCOMPARE(check.count(RowStatus::Exists), 2);
        QCOMPARE(check.rows.at(7).status, RowStatus::Exists);
        QCOMPARE(check.rows.at(201).status, RowStatus::Exists);
        QCOMPARE(check.count(RowStatus::Ready), 200);
        QCOMPARE(rowStatusCountText(check), "2 clash(es), 200 ready");

        // A listing read again from memory while the folder is unchanged, and
        // not once a file came: the folder's change is older than a second
        // only after the wait, so the second look keeps the listing.
        QTest::qSleep(1100);
        QCOMPARE(checkPreview(w.items, w.options).count(RowStatus::Exists), 2);
        QCOMPARE(checkPreview(w.items, w.options).count(RowStatus::Exists), 2);
        writeFile(w.src + "/g9", "outside");
        const PreviewCheck after = checkPreview(w.items, w.options);
        QCOMPARE(after.count(RowStatus::Exists), 3);
        QCOMPARE(after.rows.at(9).status, RowStatus::Exists);
    }

    // Rows spread over many folders, one of them a clash with a file outside
    // the batch and one with a folder: each row is checked against its own folder.
    void rowsInManyFolders()
    {
        World w;
        for (int i = 0; i < 300; ++i)
            w.add(QStringLiteral("d%1/f").arg(i), QStringLiteral("g"));
        writeFile(w.src + "/d17/g", "outside");
        QDir().mkpath(w.src + "/d42/g");
        const PreviewCheck check = checkPreview(w.items, w.options);
        QCOMPARE(check.count(RowStatus::Ready), 298);
        QCOMPARE(check.rows.at(17).status, RowStatus::Exists);
        QCOMPARE(check.rows.at(42).status, RowStatus::Exists);
    }

    // A failing check stops the batch before anything moved or was logged.
    void checksBeforeTheFirstFile_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        // clang-format off
        QTest::newRow("no preview for the last row")
            << "notbuilt" << "warning: Please build preview first (click \"Preview Result\" button).";
        QTest::newRow("name too long") << "toolong" << "1 new name(s) are too long";
        QTest::newRow("destination cannot be made") << "destination" << "The destination folder";
        // clang-format on
    }
    void checksBeforeTheFirstFile()
    {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        World w;
        writeFile(undoLogPath(w.env.appDataFolder), "previous");
        for (int i = 0; i < 9; ++i)
            w.add(QStringLiteral("f%1").arg(i), QStringLiteral("g%1").arg(i));
        if (fault == u"notbuilt") {
            w.add("late", "");
        } else if (fault == u"toolong") {
            w.add("long", QString(300, u'x'));
        } else {
            writeFile(w.tmp.path() + "/file", "in the way");
            w.options.batchMode = BatchMode::MoveToFolder;
            w.options.destination = w.tmp.path() + "/file/dst";
        }
        const QString before = snapshot(w.src);
        const QString error = w.run();
        if (message.startsWith(u"warning: ")) {
            QCOMPARE(error, QString());
            QCOMPARE(w.reporter.calls, QStringList{message});
        } else {
            QVERIFY2(error.startsWith(message), qPrintable(error));
            if (fault == u"toolong")
                QVERIFY(error.contains("row 10: " + w.src + "/long (300 bytes)"));
        }
        QCOMPARE(snapshot(w.src), before);
        QCOMPARE(readFile(undoLogPath(w.env.appDataFolder)), "previous");
    }

    void plan_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("steps"); // "p" parks, then the row
        // clang-format off
        QTest::newRow("independent rows keep list order") << QStringList{"a>x", "b>y"} << "0 1";
        QTest::newRow("chain goes from its end") << QStringList{"1>2", "2>3"} << "1 0";
        QTest::newRow("swap parks the first") << QStringList{"a>b", "b>a"} << "p0 1 0";
        QTest::newRow("rotation of three") << QStringList{"a>b", "b>c", "c>a"} << "p0 2 1 0";
        QTest::newRow("tail into a cycle") << QStringList{"x>a", "a>b", "b>a"} << "p1 2 1 0";
        QTest::newRow("unchanged row blocks nothing") << QStringList{"a>b", "b>b"} << "0 1";
        // The same names in two folders: only a row of the same folder stands in the way.
        QTest::newRow("names repeat in another folder") << QStringList{"s/1>2", "t/2>3", "t/1>2", "s/2>1"} << "p0 3 0 1 2";
        // clang-format on
    }
    void plan()
    {
        QFETCH(QStringList, rows);
        World w;
        for (const QString &row : rows) {
            const QStringList parts = row.split(u'>');
            w.add(parts.at(0), parts.at(1));
        }
        QStringList steps;
        for (const MoveStep &step : planMoves(w.items, BatchMode::RenameInPlace, QString()))
            steps << (step.kind == MoveStep::Kind::Park ? "p" : "") + QString::number(step.row);
        QTEST(steps.join(u' '), "steps");
        for (const MoveStep &step : planMoves(w.items, BatchMode::CopyToFolder, w.dst))
            QCOMPARE(step.kind, MoveStep::Kind::Place);
    }

    // Swaps (pairs), chains and rotations of 2, 3 and 1,000 files in every
    // batch mode land where the preview says, in every conflict mode, with
    // no number and no temporary name left; undo brings every file back.
    void cyclesLand_data()
    {
        QTest::addColumn<BatchMode>("mode");
        QTest::addColumn<QString>("shape");
        QTest::addColumn<int>("count");
        for (const BatchMode mode : {BatchMode::RenameInPlace, BatchMode::CopyToFolder, BatchMode::MoveToFolder}) {
            for (const char *shape : {"swap", "chain", "rotate"}) {
                for (const int count : {2, 3, 1000})
                    // clang-format off
                    QTest::addRow("mode %d, %s of %d", int(mode), shape, count) << mode << QString::fromLatin1(shape) << count;
                // clang-format on
            }
        }
    }
    void cyclesLand()
    {
        QFETCH(BatchMode, mode);
        QFETCH(QString, shape);
        QFETCH(int, count);
        for (const ConflictMode conflict : {ConflictMode::Skip, ConflictMode::Overwrite, ConflictMode::AutoNumber}) {
            World w;
            w.options.batchMode = mode;
            w.options.conflict = conflict;
            // Copying into the own folder would keep every source: that is a clash, not a swap.
            const QString folder = mode == BatchMode::CopyToFolder ? w.dst : w.src;
            w.options.destination = folder;
            auto fileName = [](int i) { return QStringLiteral("n%1.txt").arg(i); };
            QMap<QString, QByteArray> expected;
            for (int i = 0; i < count; ++i) {
                int to = i;
                if (shape == u"swap")
                    to = i % 2 == 0 ? qMin(i + 1, count - 1) : i - 1;
                else if (shape == u"chain")
                    to = i + 1; // the last goes to a free name
                else
                    to = (i + 1) % count;
                w.add(fileName(i), fileName(to), "content " + QByteArray::number(i));
                expected[fileName(to)] = "content " + QByteArray::number(i);
            }
            QCOMPARE(w.run(), QString());
            QCOMPARE(w.reporter.calls, QStringList{kBatchCompleted});
            QStringList landed;
            for (auto it = expected.cbegin(); it != expected.cend(); ++it)
                landed << it.key() + u'=' + QString::fromUtf8(it.value());
            QCOMPARE(snapshot(folder), landed.join(u';'));
            for (int i = 0; mode != BatchMode::CopyToFolder && i < count; ++i)
                QCOMPARE(w.items.at(i).originalPath(), folder + u'/' + w.items.at(i).newName);
            w.undo();
            QStringList back;
            for (int i = 0; i < count; ++i)
                back << fileName(i) + "=content " + QString::number(i);
            back.sort();
            QCOMPARE(snapshot(w.src), back.join(u';'));
        }
    }

    // A true clash still goes to the conflict mode, also inside a swap.
    void twoRowsToOneNameStillClash()
    {
        World w;
        w.add("a", "b", "A");
        w.add("b", "a", "B");
        w.add("c", "a", "C");
        QCOMPARE(w.run(), QString());
        QCOMPARE(snapshot(w.src), "a=B;a (1)=C;b=A");
        w.undo();
        QCOMPARE(snapshot(w.src), "a=A;b=B;c=C");
    }

    // The journal holds the temporary step: the log reads park, place, place.
    void journalKnowsTheTemporaryName()
    {
        World w;
        w.add("a", "b", "A");
        w.add("b", "a", "B");
        QCOMPARE(w.run(), QString());
        const QStringList lines =
            QString::fromUtf8(readFile(undoLogPath(w.env.appDataFolder))).split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        const QString temp = lines.at(1).section("\",\"", 1).chopped(1);
        QVERIFY2(temp.startsWith(w.src + "/.morvane-") && temp.endsWith(".swap"), qPrintable(temp));
        QCOMPARE(lines.at(2), "\"" + w.src + "/b\",\"" + w.src + "/a\"");
        QCOMPARE(lines.at(3), "\"" + temp + "\",\"" + w.src + "/b\"");
    }

    // A batch that fails after parking a file puts it back under its own name.
    void failureAfterParkingGivesTheFileBack()
    {
        World w;
        FaultySystemCalls sys;
        w.env.sys = &sys;
        w.add("a", "b", "A");
        w.add("b", "a", "B");
        sys.fail("renameat2", 2, EIO); // the park works, b -> a fails
        QVERIFY(!w.run().isEmpty());
        QCOMPARE(snapshot(w.src), "a=A;b=B");
        w.undo();
        QCOMPARE(snapshot(w.src), "a=A;b=B");
    }

    void confirmation()
    {
        World w;
        writeFile(w.src + "/t", "outside");
        w.add("a", "b");
        w.add("b", "a");
        w.add("c", "t");
        w.add("d", "d");
        w.options.conflict = ConflictMode::AutoNumber;
        QCOMPARE(batchConfirmationText(checkPreview(w.items, w.options), w.options),
                 "Proceed to rename files as shown in the preview?\n\n3 file(s) will be renamed.\n"
                 "1 file(s) keep their name.\n1 clash(es) will get a number.");
    }
};

QTEST_GUILESS_MAIN(TestPreflight)
#include "test_preflight.moc"
