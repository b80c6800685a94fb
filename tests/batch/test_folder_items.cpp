// Folders as rename items, on real folders: deepest first, undo in reverse,
// names with dots, refused copies and moves, and clashes with files and folders.

#include "batch_test_support.h"
#include "batch/undo.h"
#include "engine/file_collection.h"
#include "engine/morvane_error.h"
#include "engine/preview.h"

#include <QTemporaryDir>
#include <QTest>

using namespace morvane;

namespace {

// "path=content" of every file below root and "path/" of every folder, paths relative to root.
QStringList tree(const QString &root)
{
    QStringList entries;
    const QDir dir(root);
    for (const QFileInfo &fi : dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name)) {
        if (fi.isDir()) {
            entries << fi.fileName() + u'/';
            for (const QString &inner : tree(fi.filePath()))
                entries << fi.fileName() + u'/' + inner;
        } else {
            entries << fi.fileName() + u'=' + QString::fromUtf8(readFile(fi.filePath()));
        }
    }
    return entries;
}

QList<UndoLogEntry> logEntries(const QString &logPath)
{
    QList<UndoLogEntry> entries;
    const QStringList lines = splitUndoLogLines(readFile(logPath));
    for (qsizetype k = 1; k < lines.size(); ++k) {
        if (const auto entry = parseUndoLogLine(lines.at(k)))
            entries.append(*entry);
    }
    return entries;
}

struct World {
    QTemporaryDir tmp;
    QString root = tmp.path() + "/root";
    BatchEnvironment env;
    RenameItemList items;
    RecordingReporter reporter;
    OptionPanel options;

    World()
    {
        QDir().mkpath(root);
        env.appDataFolder = tmp.path() + "/app";
    }
    QString logPath() const { return undoLogPath(env.appDataFolder); }
    void addFolders(const QString &folder, bool subfolders)
    {
        FolderListing listing(subfolders);
        listing.folderItems = true;
        QVERIFY(addFolder(items, folder, listing, nullptr) > 0);
    }
    void preview(const QString &pattern)
    {
        options.pattern = pattern;
        NameContext context;
        RecordingReporter r;
        QVERIFY(buildPreview(items, options, context, {}, r));
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
    void undo()
    {
        RecordingReporter r;
        undoLastBatch(items, r, env);
        QCOMPARE(r.calls.value(0), "information: Undo completed for the last rename operation.");
    }
};

} // namespace

class TestFolderItems : public QObject {
    Q_OBJECT

private slots:
    // A tree renamed as a whole, with a file of it in the batch too: every
    // rename happens before the folder above it, the log says so in that
    // order, the list follows the new paths, and undo restores the tree.
    void nestedTreeDeepestFirstAndUndo()
    {
        World w;
        for (const char *file :
             {"Album/cover.jpg", "Album/Disc 1/01.flac", "Album/Disc 1/Bonus/x.flac", "Album/Disc 2/01.flac"})
            writeFile(w.root + u'/' + QLatin1String(file), file);
        const QStringList before = tree(w.root);
        w.addFolders(w.root + "/Album", true);
        QCOMPARE(w.items.count(), 4);
        QVERIFY(w.items.addFileItem(w.root + "/Album/Disc 1/01.flac"));
        w.preview("{name}-{counter}");
        QCOMPARE(w.items.at(0).newName, "Album-001");
        QCOMPARE(w.items.at(4).newName, "01-005.flac");

        QCOMPARE(w.run(), QString());
        QCOMPARE(
            tree(w.root),
            QStringList({"Album-001/", "Album-001/Disc 1-002/", "Album-001/Disc 1-002/01-005.flac=Album/Disc 1/01.flac",
                         "Album-001/Disc 1-002/Bonus-003/",
                         "Album-001/Disc 1-002/Bonus-003/x.flac=Album/Disc 1/Bonus/x.flac", "Album-001/Disc 2-004/",
                         "Album-001/Disc 2-004/01.flac=Album/Disc 2/01.flac", "Album-001/cover.jpg=Album/cover.jpg"}));
        // Each line names paths that were valid when it was carried out: deepest first.
        QStringList logged;
        for (const UndoLogEntry &e : logEntries(w.logPath()))
            logged << QString(e.original).remove(w.root) + QStringLiteral(" -> ") + QString(e.renamed).remove(w.root);
        QCOMPARE(
            logged,
            QStringList({"/Album/Disc 1/Bonus -> /Album/Disc 1/Bonus-003",
                         "/Album/Disc 1/01.flac -> /Album/Disc 1/01-005.flac", "/Album/Disc 1 -> /Album/Disc 1-002",
                         "/Album/Disc 2 -> /Album/Disc 2-004", "/Album -> /Album-001"}));
        // The list holds the new paths, the file's below its renamed folders too.
        for (const RenameItem &item : w.items.items())
            QVERIFY2(QFileInfo::exists(item.originalPath()), qPrintable(item.originalPath()));
        QCOMPARE(w.items.at(4).originalPath(), w.root + "/Album-001/Disc 1-002/01-005.flac");
        QCOMPARE(w.items.at(1).originalName().toString(), "Disc 1-002");

        w.undo();
        QCOMPARE(tree(w.root), before);
    }

    // A folder's whole name is {name}: its dot stays, no new extension is
    // added, and keywords of file contents give nothing.
    void folderNameKeepsItsDots()
    {
        World w;
        QDir().mkpath(w.root + "/Trip.2024");
        writeFile(w.root + "/Trip.2024/a.jpg", "a");
        writeFile(w.root + "/notes.txt", "n");
        w.addFolders(w.root + "/Trip.2024", false);
        QVERIFY(w.items.addFileItem(w.root + "/notes.txt"));
        QCOMPARE(w.items.at(0).size, -1);
        QVERIFY(w.items.at(0).isFolder);
        w.options.changeExt = true;
        w.options.newExt = QStringLiteral("bak");
        w.preview("{name}[{ext}{size}{imgw}{artist}]");
        QCOMPARE(w.items.at(0).newName, "Trip.2024[]");
        QCOMPARE(w.items.at(1).newName, "notes[txt1].bak");
        QCOMPARE(w.run(), QString());
        QCOMPARE(tree(w.root), QStringList({"Trip.2024[]/", "Trip.2024[]/a.jpg=a", "notes[txt1].bak=n"}));
        QCOMPARE(w.items.at(0).originalName().toString(), "Trip.2024[]");
        QCOMPARE(w.items.at(0).ext().toString(), QString());
    }

    // Copying or moving a folder is refused before anything happens, files of the list included.
    void copyAndMoveRefuseFolders_data()
    {
        QTest::addColumn<BatchMode>("mode");
        // clang-format off
        QTest::newRow("copy") << BatchMode::CopyToFolder;
        QTest::newRow("move") << BatchMode::MoveToFolder;
        // clang-format on
    }
    void copyAndMoveRefuseFolders()
    {
        QFETCH(BatchMode, mode);
        World w;
        writeFile(w.root + "/a.txt", "a");
        QDir().mkpath(w.root + "/Photos");
        QVERIFY(w.items.addFileItem(w.root + "/a.txt"));
        w.addFolders(w.root + "/Photos", false);
        w.preview("new {name}");
        w.options.batchMode = mode;
        w.options.destination = w.tmp.path() + "/dst";
        const QStringList before = tree(w.root);
        QCOMPARE(w.run(), QString());
        QCOMPARE(w.reporter.calls.size(), 1);
        QVERIFY2(
            w.reporter.calls.at(0).startsWith("error: The list holds 1 folder(s). Folders are renamed in place only"),
            qPrintable(w.reporter.calls.at(0)));
        QCOMPARE(tree(w.root), before);
        QVERIFY(!QFileInfo::exists(w.options.destination));
        QVERIFY(!QFileInfo::exists(w.logPath()));
    }

    // A folder renamed onto a name that a file or a folder holds: Skip leaves
    // it, Overwrite and Auto-number number it after its whole name; nothing in
    // the way is replaced. Undo brings the old name back.
    void clashWithFileOrFolder_data()
    {
        QTest::addColumn<bool>("folderInTheWay");
        QTest::addColumn<ConflictMode>("conflict");
        QTest::addColumn<QString>("landsAt");
        for (const bool folder : {false, true}) {
            const char *kind = folder ? "folder" : "file";
            // clang-format off
            QTest::addRow("%s, skip", kind) << folder << ConflictMode::Skip << "Old.1";
            QTest::addRow("%s, overwrite", kind) << folder << ConflictMode::Overwrite << "New.1 (1)";
            QTest::addRow("%s, number", kind) << folder << ConflictMode::AutoNumber << "New.1 (1)";
            // clang-format on
        }
    }
    void clashWithFileOrFolder()
    {
        QFETCH(bool, folderInTheWay);
        QFETCH(ConflictMode, conflict);
        QFETCH(QString, landsAt);
        World w;
        writeFile(w.root + "/Old.1/inside.txt", "inside");
        if (folderInTheWay)
            writeFile(w.root + "/New.1/theirs.txt", "theirs");
        else
            writeFile(w.root + "/New.1", "theirs");
        const QStringList before = tree(w.root);
        w.addFolders(w.root + "/Old.1", false);
        w.items.setNewName(0, QStringLiteral("New.1"));
        w.options.conflict = conflict;
        QCOMPARE(w.run(), QString());
        QCOMPARE(readFile(w.root + u'/' + landsAt + "/inside.txt"), "inside");
        QCOMPARE(readFile(w.root + (folderInTheWay ? "/New.1/theirs.txt" : "/New.1")), "theirs");
        if (landsAt != u"Old.1") {
            QVERIFY(!QFileInfo::exists(w.root + "/Old.1"));
            w.undo();
        }
        QCOMPARE(tree(w.root), before);
    }

    // Folders swapping names go through a temporary name and back in undo.
    void foldersSwapNames()
    {
        World w;
        writeFile(w.root + "/a/1.txt", "1");
        writeFile(w.root + "/b/2.txt", "2");
        w.addFolders(w.root + "/a", false);
        w.addFolders(w.root + "/b", false);
        w.items.setNewName(0, QStringLiteral("b"));
        w.items.setNewName(1, QStringLiteral("a"));
        QCOMPARE(w.run(), QString());
        QCOMPARE(tree(w.root), QStringList({"a/", "a/2.txt=2", "b/", "b/1.txt=1"}));
        w.undo();
        QCOMPARE(tree(w.root), QStringList({"a/", "a/1.txt=1", "b/", "b/2.txt=2"}));
    }
};

QTEST_GUILESS_MAIN(TestFolderItems)
#include "test_folder_items.moc"
