// Faults provoked in every system call of a batch and of its undo, one call
// at a time, with each errno a full disk, a missing or refused path, another
// file system or a failing device gives. A batch of 50 files, with clashes,
// in every batch mode and conflict mode:
//  - a fault either stops the batch with a clear error, or is one the batch
//    may ignore and then changes nothing in what the files end up as;
//  - the undo log lists exactly the operations carried out (or, after a
//    stop before the first one, is the previous log, byte for byte);
//  - undo brings back every name with its own contents, and nothing else;
//  - a fault during undo stops it with an error, and undo run again finishes.

#include "batch_test_support.h"
#include "engine/file_collection.h"
#include "engine/morvane_error.h"
#include "batch/undo.h"
#include "batch/undo_journal.h"

#include <QTemporaryDir>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <QTimeZone>

#include <algorithm>
#include <optional>

#include <unistd.h>

using namespace morvane;

namespace {

constexpr int kFiles = 50;
constexpr int kLinkItem = 7;

// What item i's file holds, as the tree lists it (a link: its target text).
QByteArray contentOf(int i, BatchMode mode, bool copied)
{
    if (i == kLinkItem && !(mode == BatchMode::CopyToFolder && copied))
        return "link:../targets/t07";
    return "file " + QByteArray::number(i);
}

// Call number `failAt` (1-based, counting every call) fails with `error`;
// the failing call has no effect, except that close still releases its file
// descriptor, as on Linux.
class FaultPlan : public SystemCallStub {
public:
    int failAt = 0;
    int error = 0;
    int calls = 0;
    QByteArray failed; // the name of the call that failed

    int intercept(const char *name) override
    {
        if (++calls != failAt)
            return 0;
        failed = name;
        return error;
    }
    bool closeOnFailure() const override { return true; }
};

struct Errno {
    int value;
    const char *name;
};
const Errno kErrors[] = {{EACCES, "EACCES"}, {ENOSPC, "ENOSPC"}, {EXDEV, "EXDEV"}, {ENOENT, "ENOENT"}, {EIO, "EIO"}};

// Path -> contents of every file below the folders, and the folders themselves as "name/".
using Tree = QMap<QString, QByteArray>;

// A link is listed as its own target text, so a link that became a copy shows.
void scan(const QString &folder, Tree &tree)
{
    const QDir dir(folder);
    for (const QFileInfo &fi :
         dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (fi.isSymLink()) {
            char text[4096];
            const ssize_t n = ::readlink(QFile::encodeName(fi.filePath()), text, sizeof text);
            tree.insert(fi.filePath(), "link:" + QByteArray(text, n < 0 ? 0 : int(n)));
        } else if (fi.isDir()) {
            tree.insert(fi.filePath() + u'/', QByteArray());
            scan(fi.filePath(), tree);
        } else {
            tree.insert(fi.filePath(), readFile(fi.filePath()));
        }
    }
}

// What differs between two trees, as "- path=contents" and "+ path=contents" lines.
QString difference(const Tree &expected, const Tree &actual, const QString &root)
{
    QStringList lines;
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        if (actual.value(it.key(), "<none>") != it.value())
            lines << QStringLiteral("- ") + QString(it.key()).remove(root) + u'=' + QString::fromUtf8(it.value());
    }
    for (auto it = actual.cbegin(); it != actual.cend(); ++it) {
        if (expected.value(it.key(), "<none>") != it.value())
            lines << QStringLiteral("+ ") + QString(it.key()).remove(root) + u'=' + QString::fromUtf8(it.value());
    }
    return lines.join(QStringLiteral("; "));
}

// One batch set-up in a fresh folder: 50 files in src/ with unique contents,
// strangers (files of no item) standing at some of the new names, an item
// renamed onto the file of a later item, two items given the same new name,
// one unchanged name, and a previous undo log.
struct Scene {
    QTemporaryDir tmp{QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                          ? QStringLiteral("/dev/shm/morvane-faults-XXXXXX")
                          : QDir::tempPath() + QStringLiteral("/morvane-faults-XXXXXX")};
    QString src = tmp.path() + "/src";
    QString dst = tmp.path() + "/dst";
    QString app = tmp.path() + "/app";
    RenameItemList items;
    OptionPanel options;
    QByteArray previousLog =
        UndoJournal::header() + UndoJournal::entryLine("/nonexistent/before", "/nonexistent/after");

    Scene(BatchMode mode, ConflictMode conflict)
    {
        QDir().mkpath(src);
        for (int i = 0; i < kFiles; ++i) {
            if (i == kLinkItem)
                continue;
            writeFile(src + QStringLiteral("/f%1.dat").arg(i, 2, 10, QLatin1Char('0')),
                      "file " + QByteArray::number(i));
        }
        // One item is a link whose relative target lies outside both folders,
        // so that it resolves from src/ and dst/ alike.
        writeFile(tmp.path() + "/targets/t07", "file 7");
        QVERIFY(QFile::link(QStringLiteral("../targets/t07"), src + QStringLiteral("/f07.dat")));
        const QString targetFolder = mode == BatchMode::RenameInPlace ? src : dst;
        for (int i : {5, 10, 45})
            writeFile(targetFolder + QStringLiteral("/g%1.dat").arg(i, 2, 10, QLatin1Char('0')),
                      "stranger " + QByteArray::number(i));
        writeFile(undoLogPath(app), previousLog);
        for (int i = 0; i < kFiles; ++i) {
            QVERIFY(items.addFileItem(src + QStringLiteral("/f%1.dat").arg(i, 2, 10, QLatin1Char('0'))));
            int n = i;
            QString newName = QStringLiteral("g%1.dat").arg(n, 2, 10, QLatin1Char('0'));
            if (i == 20)
                newName = QStringLiteral("f21.dat"); // the file of the next item
            if (i == 31)
                newName = QStringLiteral("g30.dat"); // the name of the item before
            if (i == 40)
                newName = QStringLiteral("f40.dat"); // unchanged
            items.setNewName(i, newName);
        }
        options.batchMode = mode;
        options.conflict = conflict;
        options.destination = dst;
        options.touchModifiedNow = true;
    }

    BatchEnvironment env(SystemCalls *sys) const
    {
        BatchEnvironment e;
        e.appDataFolder = app;
        e.sys = sys;
        e.now = [] { return QDateTime(QDate(2024, 7, 1), QTime(9, 5, 3), QTimeZone::utc()); };
        return e;
    }

    Tree tree() const
    {
        Tree t;
        scan(src, t);
        scan(dst, t);
        return t;
    }

    QString logPath() const { return undoLogPath(app); }

    // Runs the batch; the error text, or empty when it ran to its end.
    QString run(SystemCalls *sys, RecordingReporter &reporter)
    {
        try {
            executeBatch(items, options, reporter, env(sys));
        } catch (const MorvaneError &e) {
            return e.message().isEmpty() ? QStringLiteral("<empty message>") : e.message();
        }
        return QString();
    }

    QString undo(SystemCalls *sys)
    {
        RecordingReporter reporter;
        return undo(sys, reporter);
    }
    QString undo(SystemCalls *sys, RecordingReporter &reporter)
    {
        RenameItemList list;
        try {
            undoLastBatch(list, reporter, env(sys));
        } catch (const MorvaneError &e) {
            return e.message().isEmpty() ? QStringLiteral("<empty message>") : e.message();
        }
        return QString();
    }
};

QList<UndoLogEntry> logPairs(const QByteArray &bytes)
{
    QList<UndoLogEntry> pairs;
    const QStringList lines = splitUndoLogLines(bytes);
    for (qsizetype k = 1; k < lines.size(); ++k) {
        if (const auto entry = parseUndoLogLine(lines.at(k)))
            pairs.append(*entry);
    }
    return pairs;
}

// The operations the files show were carried out, in item order: where the
// contents of each item's file went. Empty text when all is consistent,
// else what is wrong.
QString observed(const Tree &before, const Tree &after, BatchMode mode, QList<UndoLogEntry> *ops)
{
    QHash<QByteArray, QStringList> where;
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (!it.key().endsWith(u'/'))
            where[it.value()].append(it.key());
    }
    for (int i = 0; i < kFiles; ++i) {
        const QByteArray content = contentOf(i, mode, false);
        const QString original = before.key(content);
        QStringList places = where.value(content);
        const bool inPlace = places.removeAll(original) > 0;
        if (mode == BatchMode::CopyToFolder) {
            places = where.value(contentOf(i, mode, true)); // a copy of a link holds what it points to
            places.removeAll(original);
        }
        if (mode == BatchMode::CopyToFolder && !inPlace)
            return QStringLiteral("the source of a copy is gone: ") + original;
        if (places.size() > 1 || (places.size() == 1 && inPlace && mode != BatchMode::CopyToFolder))
            return QStringLiteral("contents of %1 found twice: %2").arg(original, places.join(u' '));
        if (places.isEmpty() && !inPlace)
            return QStringLiteral("contents of %1 lost").arg(original);
        if (!places.isEmpty())
            ops->append({original, places.first()});
    }
    return QString();
}

bool isLeftover(const QString &path)
{
    return path.contains(QStringLiteral("/.morvane-")) || path.endsWith(QStringLiteral(".tmp"));
}

} // namespace

class TestFaultInjection : public QObject {
    Q_OBJECT

    int m_batchFaults = 0;
    int m_undoFaults = 0;

private slots:
    void batchFaults_data()
    {
        QTest::addColumn<BatchMode>("mode");
        QTest::addColumn<ConflictMode>("conflict");
        for (const BatchMode mode : {BatchMode::RenameInPlace, BatchMode::CopyToFolder, BatchMode::MoveToFolder}) {
            for (const ConflictMode conflict : {ConflictMode::Skip, ConflictMode::Overwrite, ConflictMode::AutoNumber})
                // clang-format off
                QTest::addRow("mode %d, conflict %d", int(mode), int(conflict)) << mode << conflict;
            // clang-format on
        }
    }

    void batchFaults()
    {
        QFETCH(BatchMode, mode);
        QFETCH(ConflictMode, conflict);

        // A run without faults: the calls to sweep, and what the files end up as.
        Scene clean(mode, conflict);
        FaultPlan counter;
        RecordingReporter cleanReporter;
        QCOMPARE(clean.run(&counter, cleanReporter), QString());
        const int calls = counter.calls;
        Tree cleanAfter;
        scan(clean.src, cleanAfter);
        scan(clean.dst, cleanAfter);
        QVERIFY(calls > kFiles);

        for (const Errno &e : kErrors) {
            for (int k = 1; k <= calls; ++k) {
                const QString where =
                    QStringLiteral("fault %1 at call %2 of %3").arg(QLatin1StringView(e.name)).arg(k).arg(calls);
                Scene scene(mode, conflict);
                const Tree before = scene.tree();
                FaultPlan plan;
                plan.failAt = k;
                plan.error = e.value;
                RecordingReporter reporter;
                const QString error = scene.run(&plan, reporter);
                ++m_batchFaults;
                const QString context = where + u' ' + QString::fromLatin1(plan.failed) + QStringLiteral(": ") + error;
                const Tree after = scene.tree();

                // Stopped with a clear error, or ended as if nothing had failed.
                if (error.isEmpty()) {
                    QVERIFY2(reporter.calls.contains(
                                 QStringLiteral("information: Batch completed. A CSV log has been saved in AppData.")),
                             qPrintable(context));
                    Tree relocated;
                    for (auto it = after.cbegin(); it != after.cend(); ++it)
                        relocated.insert(QString(it.key()).replace(scene.tmp.path(), clean.tmp.path()), it.value());
                    QVERIFY2(relocated == cleanAfter,
                             qPrintable(context + QStringLiteral(": ")
                                        + difference(cleanAfter, relocated, clean.tmp.path())));
                } else {
                    QVERIFY2(!reporter.calls.contains(
                                 QStringLiteral("information: Batch completed. A CSV log has been saved in AppData.")),
                             qPrintable(context));
                    QVERIFY2(!error.contains(QStringLiteral("Unknown error"))
                                 && !error.contains(QStringLiteral("Success")),
                             qPrintable(context));
                }
                for (auto it = after.cbegin(); it != after.cend(); ++it)
                    QVERIFY2(!isLeftover(it.key()), qPrintable(context + QStringLiteral(": left ") + it.key()));

                // The log lists exactly what was done.
                QList<UndoLogEntry> ops;
                const QString consistency = observed(before, after, mode, &ops);
                QVERIFY2(consistency.isEmpty(), qPrintable(context + QStringLiteral(": ") + consistency));
                const QByteArray log = readFile(scene.logPath());
                if (ops.isEmpty() && !error.isEmpty()) {
                    QVERIFY2(log == scene.previousLog,
                             qPrintable(context + QStringLiteral(": log ") + QString::fromUtf8(log)));
                } else {
                    QList<UndoLogEntry> logged = logPairs(log);
                    // A line whose operation may not have happened, marked as such, is passed over by undo.
                    // A copy overwritten by a later copy of the batch (Overwrite) leaves no trace but its line.
                    if (mode == BatchMode::CopyToFolder && conflict == ConflictMode::Overwrite) {
                        for (qsizetype x = logged.size() - 1; x >= 0; --x) {
                            for (qsizetype y = x + 1; y < logged.size(); ++y) {
                                if (logged.at(y).renamed == logged.at(x).renamed) {
                                    logged.removeAt(x);
                                    break;
                                }
                            }
                        }
                    }
                    // Last lines whose operations did not happen (at most the lines written ahead
                    // in one go) are allowed when marked: undo passes over each whose source is in place.
                    const bool marked = QFile::exists(UndoJournal::markerPath(scene.logPath()));
                    for (int pending = 0; marked && pending < UndoJournal::kPendingLines && logged.size() > ops.size()
                         && QFile::exists(logged.last().original);
                         ++pending)
                        logged.removeLast();
                    // A chain runs from its end, so the log is in the order of the operations, not of the items.
                    auto byOriginal = [](const UndoLogEntry &a, const UndoLogEntry &b) {
                        return a.original < b.original;
                    };
                    std::stable_sort(logged.begin(), logged.end(), byOriginal);
                    std::stable_sort(ops.begin(), ops.end(), byOriginal);
                    if (logged != ops) {
                        qsizetype at = 0;
                        while (at < logged.size() && at < ops.size() && logged.at(at) == ops.at(at))
                            ++at;
                        auto show = [&](const QList<UndoLogEntry> &list) {
                            return at < list.size()
                                ? QString(list.at(at).original + QStringLiteral(" -> ") + list.at(at).renamed)
                                      .remove(scene.tmp.path())
                                : QStringLiteral("nothing");
                        };
                        QFAIL(qPrintable(
                            context
                            + QStringLiteral(": %1 logged, %2 done; from #%3 the log has %4 where %5 was done%6")
                                  .arg(logged.size())
                                  .arg(ops.size())
                                  .arg(at)
                                  .arg(show(logged), show(ops), marked ? QStringLiteral(" (marked)") : QString())));
                    }
                }

                // A file saved at the first item's old name since the batch is
                // never replaced: that item stays where the batch put it, and
                // its line stays in the log.
                const auto first = std::find_if(ops.cbegin(), ops.cend(), [](const UndoLogEntry &op) {
                    return op.original.endsWith(QStringLiteral("/f00.dat"));
                });
                std::optional<UndoLogEntry> blocked;
                // (A marked log's last line may name nothing done: undo cannot tell new work there.)
                if (first != ops.cend() && !QFile::exists(UndoJournal::markerPath(scene.logPath()))) {
                    blocked = *first;
                    QFile::remove(blocked->original);
                    writeFile(blocked->original, "new work");
                }

                // Undo brings back every file of the batch, and every stranger not overwritten.
                RecordingReporter undoReporter;
                const QString undoError = scene.undo(nullptr, undoReporter);
                QVERIFY2(undoError.isEmpty(), qPrintable(context + QStringLiteral(": undo: ") + undoError));
                Tree expected = before;
                if (conflict == ConflictMode::Overwrite) {
                    // A stranger replaced under Overwrite is gone for good; the file of a
                    // row that moved away before the row after it in a chain is not.
                    QSet<QString> sources;
                    for (const UndoLogEntry &op : ops)
                        sources.insert(op.original);
                    for (const UndoLogEntry &op : ops) {
                        if (!sources.contains(op.renamed))
                            expected.remove(op.renamed);
                    }
                }
                if (blocked) {
                    expected.insert(blocked->original, "new work");
                    expected.insert(blocked->renamed, "file 0");
                    QCOMPARE(readFile(scene.logPath()),
                             UndoJournal::header()
                                 + UndoJournal::entryLine(blocked->original.toUtf8(), blocked->renamed.toUtf8()));
                    QVERIFY2(
                        undoReporter.calls.value(0).startsWith(QStringLiteral("warning: Undo finished, but 1 file(s)")),
                        qPrintable(context + undoReporter.calls.join(u' ')));
                } else {
                    QVERIFY2(!QFile::exists(scene.logPath()), qPrintable(context + QStringLiteral(": log kept")));
                }
                const Tree undone = scene.tree();
                QVERIFY2(undone == expected,
                         qPrintable(context + QStringLiteral(": after undo ")
                                    + difference(expected, undone, scene.tmp.path())));
            }
        }
    }

    void undoFaults_data() { batchFaults_data(); }

    void undoFaults()
    {
        QFETCH(BatchMode, mode);
        QFETCH(ConflictMode, conflict);

        Scene clean(mode, conflict);
        RecordingReporter reporter;
        QCOMPARE(clean.run(nullptr, reporter), QString());
        FaultPlan counter;
        QCOMPARE(clean.undo(&counter), QString());
        const int calls = counter.calls;

        for (const Errno &e : kErrors) {
            for (int k = 1; k <= calls; ++k) {
                Scene scene(mode, conflict);
                const Tree before = scene.tree();
                RecordingReporter batchReporter;
                QCOMPARE(scene.run(nullptr, batchReporter), QString());
                QList<UndoLogEntry> ops = logPairs(readFile(scene.logPath()));
                FaultPlan plan;
                plan.failAt = k;
                plan.error = e.value;
                RecordingReporter undoReporter;
                const QString error = scene.undo(&plan, undoReporter);
                ++m_undoFaults;
                const QString context = QStringLiteral("undo: fault %1 at call %2 of %3 %4: %5")
                                            .arg(QLatin1StringView(e.name))
                                            .arg(k)
                                            .arg(calls)
                                            .arg(QString::fromLatin1(plan.failed), error);
                if (!error.isEmpty()) {
                    QVERIFY2(QFile::exists(scene.logPath()), qPrintable(context + QStringLiteral(": the log is gone")));
                    QVERIFY2(!undoReporter.calls.contains(
                                 QStringLiteral("information: Undo completed for the last rename operation.")),
                             qPrintable(context));
                } else if (undoReporter.calls.contains(QStringLiteral("information: No undo log found in AppData."))) {
                    // Only a look-up that said "no such file" may make the log look absent.
                    QVERIFY2(e.value == ENOENT && (plan.failed == "lstat" || plan.failed == "stat"),
                             qPrintable(context + QStringLiteral(": no log found")));
                } else if (undoReporter.calls.value(0).startsWith(QStringLiteral("warning: Undo finished, but"))) {
                    // A file said to be missing is not compared: its line is kept for the next undo.
                    QVERIFY2(e.value == ENOENT && QFile::exists(scene.logPath()),
                             qPrintable(context + QStringLiteral(": lines kept")));
                } else {
                    QVERIFY2(!QFile::exists(scene.logPath()),
                             qPrintable(context + QStringLiteral(": completed, log kept")));
                }
                // Run again until it reports success (once is enough after one fault).
                if (QFile::exists(scene.logPath())) {
                    const QString again = scene.undo(nullptr);
                    QVERIFY2(again.isEmpty(), qPrintable(context + QStringLiteral(": again: ") + again));
                }
                Tree expected = before;
                if (conflict == ConflictMode::Overwrite) {
                    QSet<QString> sources;
                    for (const UndoLogEntry &op : ops)
                        sources.insert(op.original);
                    for (const UndoLogEntry &op : ops) {
                        if (!sources.contains(op.renamed))
                            expected.remove(op.renamed);
                    }
                }
                const Tree undone = scene.tree();
                if (e.value == ENOENT && (plan.failed == "stat" || plan.failed == "lstat")) {
                    // A look-up that says "no such file" of a file that is there is no fault
                    // a kernel makes; undo then passes that file over. It must still be
                    // somewhere, except after copies overwriting each other: there the
                    // earlier line then puts the later copy over its source, as undo of a
                    // copy does with whatever stands at its new path.
                    if (mode == BatchMode::CopyToFolder && conflict == ConflictMode::Overwrite)
                        continue;
                    QMultiMap<QByteArray, QString> contents;
                    for (auto it = undone.cbegin(); it != undone.cend(); ++it)
                        contents.insert(it.value(), it.key());
                    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
                        QVERIFY2(contents.contains(it.value()),
                                 qPrintable(context + QStringLiteral(": lost ") + it.key()));
                    continue;
                }
                QVERIFY2(undone == expected,
                         qPrintable(context + QStringLiteral(": after undo ")
                                    + difference(expected, undone, scene.tmp.path())));
            }
        }
    }

    // Folders renamed with a file inside one of them and a folder in the way:
    // a fault anywhere in the batch stops it or changes nothing in the end,
    // no file is lost or left twice, and undo brings back the tree; a fault in
    // undo stops it, and undo run again finishes.
    void folderFaults()
    {
        struct FolderScene {
            QTemporaryDir tmp{QDir::tempPath() + QStringLiteral("/morvane-faults-XXXXXX")};
            QString src = tmp.path() + "/src";
            RenameItemList items;
            OptionPanel options;
            BatchEnvironment env;
            FolderScene()
            {
                for (const char *file : {"A/a1", "A/a2", "A/B/b1", "A/B/C/c1", "D/d1", "E/stranger"})
                    writeFile(src + u'/' + QLatin1String(file), file);
                FolderListing listing(true);
                listing.folderItems = true;
                addFolder(items, src + "/A", listing, nullptr); // A, A/B, A/B/C
                addFolder(items, src + "/D", listing, nullptr);
                items.addFileItem(src + "/A/B/b1");
                const char *names[] = {"X.1", "Y", "Z", "E", "b2"}; // D meets the folder E: numbered
                for (int i = 0; i < items.count(); ++i)
                    items.setNewName(i, QLatin1String(names[i]));
                env.appDataFolder = tmp.path() + "/app";
            }
            Tree tree() const
            {
                Tree t;
                scan(src, t);
                return t;
            }
            QString run(SystemCalls *sys)
            {
                RecordingReporter reporter;
                env.sys = sys;
                try {
                    executeBatch(items, options, reporter, env);
                } catch (const MorvaneError &e) {
                    return e.message().isEmpty() ? QStringLiteral("<empty message>") : e.message();
                }
                return QString();
            }
            QString undo(SystemCalls *sys)
            {
                RecordingReporter reporter;
                RenameItemList list;
                env.sys = sys;
                try {
                    undoLastBatch(list, reporter, env);
                } catch (const MorvaneError &e) {
                    return e.message().isEmpty() ? QStringLiteral("<empty message>") : e.message();
                }
                return QString();
            }
        };
        // Where every file's contents are, whatever the folders are called.
        auto contents = [](const Tree &t) {
            QStringList all;
            for (auto it = t.cbegin(); it != t.cend(); ++it) {
                if (!it.key().endsWith(u'/'))
                    all.append(QString::fromUtf8(it.value()));
            }
            all.sort();
            return all;
        };
        auto relative = [](const Tree &t, const QString &root) {
            Tree r;
            for (auto it = t.cbegin(); it != t.cend(); ++it)
                r.insert(QString(it.key()).remove(root), it.value());
            return r;
        };

        FolderScene clean;
        const Tree before = relative(clean.tree(), clean.src);
        FaultPlan counter;
        QCOMPARE(clean.run(&counter), QString());
        const Tree cleanAfter = relative(clean.tree(), clean.src);
        QVERIFY(cleanAfter.contains("/X.1/Y/Z/"));
        QVERIFY(cleanAfter.contains("/E (1)/"));
        QCOMPARE(cleanAfter.value("/X.1/Y/b2"), "A/B/b1");
        const int calls = counter.calls;
        FaultPlan undoCounter;
        QCOMPARE(clean.undo(&undoCounter), QString());
        QCOMPARE(relative(clean.tree(), clean.src), before);
        const int undoCalls = undoCounter.calls;

        for (const Errno &e : kErrors) {
            for (int k = 1; k <= calls; ++k) {
                FolderScene scene;
                FaultPlan plan;
                plan.failAt = k;
                plan.error = e.value;
                const QString error = scene.run(&plan);
                ++m_batchFaults;
                const QString context = QStringLiteral("batch: fault %1 at call %2 of %3 %4: %5")
                                            .arg(QLatin1StringView(e.name))
                                            .arg(k)
                                            .arg(calls)
                                            .arg(QString::fromLatin1(plan.failed), error);
                const Tree after = relative(scene.tree(), scene.src);
                if (error.isEmpty())
                    QVERIFY2(after == cleanAfter,
                             qPrintable(context + QStringLiteral(": ") + difference(cleanAfter, after, QString())));
                QVERIFY2(contents(after) == contents(before),
                         qPrintable(context + QStringLiteral(": ") + difference(before, after, QString())));
                const QString undoError = scene.undo(nullptr);
                QVERIFY2(undoError.isEmpty(), qPrintable(context + QStringLiteral(": undo: ") + undoError));
                const Tree undone = relative(scene.tree(), scene.src);
                QVERIFY2(undone == before,
                         qPrintable(context + QStringLiteral(": after undo ") + difference(before, undone, QString())));
            }
            for (int k = 1; k <= undoCalls; ++k) {
                FolderScene scene;
                QCOMPARE(scene.run(nullptr), QString());
                FaultPlan plan;
                plan.failAt = k;
                plan.error = e.value;
                const QString error = scene.undo(&plan);
                ++m_undoFaults;
                const QString context = QStringLiteral("undo: fault %1 at call %2 of %3 %4: %5")
                                            .arg(QLatin1StringView(e.name))
                                            .arg(k)
                                            .arg(undoCalls)
                                            .arg(QString::fromLatin1(plan.failed), error);
                QVERIFY2(contents(relative(scene.tree(), scene.src)) == contents(before), qPrintable(context));
                if (QFile::exists(undoLogPath(scene.env.appDataFolder)))
                    QVERIFY2(scene.undo(nullptr).isEmpty(), qPrintable(context + QStringLiteral(": again")));
                // A look-up that says "no such file" of one that is there makes undo pass it over.
                if (e.value == ENOENT && (plan.failed == "stat" || plan.failed == "lstat"))
                    continue;
                const Tree undone = relative(scene.tree(), scene.src);
                QVERIFY2(undone == before,
                         qPrintable(context + QStringLiteral(": after undo ") + difference(before, undone, QString())));
            }
        }
    }

    void cleanupTestCase()
    {
        qInfo("%d batches and %d undos run with one provoked fault each", m_batchFaults, m_undoFaults);
    }
};

QTEST_GUILESS_MAIN(TestFaultInjection)
#include "test_fault_injection.moc"
