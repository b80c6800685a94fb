#include "batch/undo.h"

#include "batch/batch_lock.h"
#include "batch/batch_texts.h"
#include "batch/file_descriptor.h"
#include "batch/undo_journal.h"
#include "engine/morvane_error.h"
#include "engine/name_store.h"
#include "engine/paths.h"
#include "engine/text_file.h"

#include <QHash>

#include <algorithm>

#include <cerrno>
#include <cstring>

namespace morvane {

namespace {

constexpr int kProgressStep = 4096;
constexpr int kShownKept = 10;

QByteArray readWholeFile(SystemCalls &sys, const QByteArray &path)
{
    const FileDescriptor fd(sys, sys.open(path.constData(), O_RDONLY, 0));
    if (!fd.isOpen())
        throw MorvaneError(systemErrorText(errno));
    QByteArray bytes;
    if (!readAll(sys, fd.get(), bytes))
        throw MorvaneError(systemErrorText(errno));
    return bytes;
}

// True when a file (not a folder) stands at path, false when nothing does.
// A link counts as itself, dangling or not. Throws when the system cannot
// tell: a guess either way can lose a file.
bool fileIsThere(SystemCalls &sys, const QByteArray &path, struct stat *found = nullptr)
{
    struct stat st;
    if (sys.lstat(path.constData(), &st) == 0) {
        if (found)
            *found = st;
        return !S_ISDIR(st.st_mode);
    }
    if (errno == ENOENT || errno == ENOTDIR)
        return false;
    throw MorvaneError(systemErrorText(errno));
}

// True when anything stands at path, a folder included; false when nothing
// does. Throws, as fileIsThere, when the system cannot tell.
bool entryIsThere(SystemCalls &sys, const QByteArray &path, struct stat *found)
{
    if (sys.lstat(path.constData(), found) == 0)
        return true;
    if (errno == ENOENT || errno == ENOTDIR)
        return false;
    throw MorvaneError(systemErrorText(errno));
}

// True when both files hold the same bytes; false when either is missing.
// Throws when one cannot be read: "not the same" would keep a file from its
// place without a word of the real cause.
bool sameContents(SystemCalls &sys, const QByteArray &a, const QByteArray &b)
{
    auto failed = [](bool missingIsAnswer = false) {
        if (!missingIsAnswer || (errno != ENOENT && errno != ENOTDIR))
            throw MorvaneError(systemErrorText(errno));
        return false;
    };
    const FileDescriptor fa(sys, sys.open(a.constData(), O_RDONLY, 0));
    if (!fa.isOpen())
        return failed(true);
    const FileDescriptor fb(sys, sys.open(b.constData(), O_RDONLY, 0));
    if (!fb.isOpen())
        return failed(true);
    struct stat sa, sb;
    if (sys.fstat(fa.get(), &sa) != 0 || sys.fstat(fb.get(), &sb) != 0)
        return failed();
    if (sa.st_size != sb.st_size)
        return false;
    QByteArray bufferA(1 << 16, Qt::Uninitialized), bufferB(1 << 16, Qt::Uninitialized);
    for (;;) {
        const ssize_t na = sys.read(fa.get(), bufferA.data(), size_t(bufferA.size()));
        if (na < 0)
            return failed();
        if (na == 0)
            return true;
        ssize_t nb = 0;
        while (nb < na) {
            const ssize_t n = sys.read(fb.get(), bufferB.data() + nb, size_t(na - nb));
            if (n < 0)
                return failed();
            if (n == 0)
                return false;
            nb += n;
        }
        if (std::memcmp(bufferA.constData(), bufferB.constData(), size_t(na)) != 0)
            return false;
    }
}

enum class Reverted { Yes, PassedOver, Blocked };

// The old name is held: by another name of the file itself (a hard link, a
// case-insensitive twin), by the source of a copy (same bytes), or by a file
// that undo did not put there, which it never replaces.
Reverted revertOntoHeldName(FileOperations &ops, const QByteArray &renamed, const QByteArray &original,
                            const struct stat &moved)
{
    SystemCalls &sys = ops.sys();
    struct stat held;
    if (!entryIsThere(sys, original, &held))
        return Reverted::Blocked; // gone since: the next undo tries again
    if (held.st_dev == moved.st_dev && held.st_ino == moved.st_ino) {
        // The same file or folder: a plain rename changes a twin's case and leaves hard links alone.
        if (sys.rename(renamed.constData(), original.constData()) != 0)
            ops.throwMoveError(renamed, original, errno);
        return Reverted::Yes;
    }
    // A folder is never put in the place of anything, nor replaced.
    if (S_ISDIR(held.st_mode) || S_ISDIR(moved.st_mode))
        return Reverted::Blocked;
    if (!S_ISREG(moved.st_mode) || !sameContents(sys, original, renamed))
        return Reverted::Blocked;
    if (S_ISLNK(held.st_mode)) {
        // A copy of a link's target: the link stays, the copy goes.
        if (sys.unlink(renamed.constData()) != 0)
            throw MorvaneError(systemErrorText(errno));
        return Reverted::Yes;
    }
    // A copy over its own source: the same bytes, so nothing is lost.
    ops.moveFileNative(renamed, original, FileOperations::Replace::Yes);
    return Reverted::Yes;
}

// Puts the file at renamed back at original without replacing anything.
Reverted revert(FileOperations &ops, const UndoLogEntry &entry)
{
    SystemCalls &sys = ops.sys();
    const QByteArray renamed = absolutePath(entry.renamed).toUtf8();
    const QByteArray original = absolutePath(entry.original).toUtf8();
    struct stat moved;
    // A renamed folder of the batch comes back like a file.
    if (!entryIsThere(sys, renamed, &moved) || renamed == original)
        return Reverted::PassedOver; // nothing there any more: already reverted, or removed by the user
    if (ops.renameNoReplace(renamed.constData(), original.constData()) == 0)
        return Reverted::Yes;
    int error = errno;
    if (error == ENOENT) {
        // The former folder may have been removed since the batch.
        ops.forceDirectories(folderPart(QString::fromUtf8(original)));
        if (!entryIsThere(sys, renamed, &moved))
            return Reverted::PassedOver;
        if (ops.renameNoReplace(renamed.constData(), original.constData()) == 0)
            return Reverted::Yes;
        error = errno;
    }
    if (error == EEXIST || error == ENOTEMPTY)
        return revertOntoHeldName(ops, renamed, original, moved);
    if (error == EXDEV) {
        struct stat held;
        if (entryIsThere(sys, original, &held))
            return revertOntoHeldName(ops, renamed, original, moved);
        ops.moveFileNative(renamed, original, FileOperations::Replace::No);
        return Reverted::Yes;
    }
    ops.throwMoveError(renamed, original, error);
}

bool isLineBreak(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// Reads a quoted field from its opening quote at text[i]: "" inside stands
// for one quote. Returns the position after the closing quote, or -1. A line
// break inside is taken only while *budget lasts, which every code unit read
// past one spends: a file of unclosed quotes then costs linear time, not
// quadratic.
qsizetype readQuotedField(QStringView text, qsizetype i, QString *out, qsizetype *budget)
{
    const qsizetype n = text.size();
    if (i >= n || text[i] != u'"')
        return -1;
    out->clear();
    bool crossed = false;
    qsizetype chunk = ++i;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (crossed && --*budget < 0)
            return -1;
        if (isLineBreak(c)) {
            if (*budget <= 0)
                return -1;
            crossed = true;
        } else if (c == u'"') {
            out->append(text.mid(chunk, i - chunk));
            if (i + 1 < n && text[i + 1] == u'"') {
                out->append(u'"');
                chunk = ++i + 1;
                continue;
            }
            return i + 1;
        }
    }
    return -1;
}

// A record as the journal writes it from text[pos]: two quoted fields with a
// comma between, nothing else up to the line's end but code units <= U+0020.
// Returns the position of the line break (or the text's end) after it, or -1.
qsizetype readQuotedRecord(QStringView text, qsizetype pos, UndoLogEntry *entry, qsizetype *budget)
{
    const qsizetype n = text.size();
    auto skipBlank = [&](qsizetype i) {
        while (i < n && text[i].unicode() <= 0x20 && !isLineBreak(text[i]))
            ++i;
        return i;
    };
    qsizetype i = readQuotedField(text, skipBlank(pos), &entry->original, budget);
    if (i < 0 || i >= n || text[i] != u',')
        return -1;
    i = readQuotedField(text, i + 1, &entry->renamed, budget);
    if (i < 0)
        return -1;
    i = skipBlank(i);
    return i == n || isLineBreak(text[i]) ? i : -1;
}

// The log with only the lines still to undo, put in place whole.
void rewriteLog(SystemCalls &sys, const QByteArray &path, const QByteArray &content)
{
    const QByteArray temp = path + ".undo.tmp";
    FileDescriptor fd(sys, sys.open(temp.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600));
    bool ok = fd.isOpen() && writeAll(sys, fd.get(), content.constData(), content.size()) && sys.fsync(fd.get()) == 0
        && fd.close() == 0 && sys.rename(temp.constData(), path.constData()) == 0;
    if (!ok) {
        const int error = errno;
        fd.reset();
        sys.unlink(temp.constData());
        throw MorvaneError(systemErrorText(error));
    }
}

// The header, the lines 1..upTo not reached yet and those kept (given last line first).
QByteArray logContent(const QStringList &lines, qsizetype upTo, const QStringList &kept)
{
    QByteArray content = UndoJournal::header();
    for (qsizetype k = 1; k <= upTo && k < lines.size(); ++k)
        content += lines.at(k).toUtf8() + "\r\n";
    for (qsizetype i = kept.size() - 1; i >= 0; --i)
        content += kept.at(i).toUtf8() + "\r\n";
    return content;
}

} // namespace

std::optional<UndoLogEntry> parseUndoLogLine(const QString &line)
{
    UndoLogEntry entry;
    qsizetype unlimited = line.size() + 1;
    if (readQuotedRecord(line, 0, &entry, &unlimited) == line.size())
        return entry;
    // Anything else is read as logs always were: no unquoting inside.
    QString text = trimControl(line);
    if (text.isEmpty())
        return std::nullopt;
    if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"'))
        text = text.mid(1, text.size() - 2);
    const qsizetype separator = text.indexOf(QLatin1StringView("\",\""));
    if (separator < 0)
        return std::nullopt;
    return UndoLogEntry{text.left(separator), text.mid(separator + 3)};
}

QStringList splitUndoLogLines(QByteArray bytes)
{
    const std::optional<QString> text = decodeTextFile(bytes);
    if (!text)
        throw MorvaneError(batchText::logNotUtf8());
    bytes = QByteArray(); // a log of a million lines: its bytes, its text and its lines are not held at once
    const QStringView all(*text);
    const qsizetype n = all.size();
    QStringList lines;
    NameStore packed; // the lines packed together, not one heap block each
    qsizetype budget = 4 * n + 65536;
    UndoLogEntry ignored;
    for (qsizetype start = 0; start < n;) {
        // The header line is taken as it stands, whatever it holds.
        qsizetype end = lines.isEmpty() ? -1 : readQuotedRecord(all, start, &ignored, &budget);
        if (end < 0) {
            end = start;
            while (end < n && !isLineBreak(all[end]))
                ++end;
        }
        lines.append(packed.store(all.mid(start, end - start)));
        if (end + 1 < n && all[end] == u'\r' && all[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

namespace {

// The new paths of the lines not put back yet, each with its number of lines:
// a file there belongs to the batch, and a later line (earlier in the log)
// whose old name it is waits for it to move on, even where that file holds
// the same bytes.
QHash<QString, int> waitingTargets(const QStringList &lines)
{
    QHash<QString, int> waiting;
    waiting.reserve(lines.size());
    NameStore packed; // the paths packed together, as the lines are
    for (qsizetype j = 1; j < lines.size(); ++j) {
        if (const std::optional<UndoLogEntry> entry = parseUndoLogLine(lines.at(j))) {
            const QString path = absolutePath(entry->renamed);
            if (const auto it = waiting.find(path); it != waiting.end())
                ++it.value();
            else
                waiting.insert(packed.store(path), 1);
        }
    }
    return waiting;
}

// The line's new path waits no more for this line.
void releaseTarget(QHash<QString, int> &waiting, const UndoLogEntry &entry)
{
    const auto it = waiting.find(absolutePath(entry.renamed));
    if (it != waiting.end() && --it.value() == 0)
        waiting.erase(it);
}

// For a line the log may hold ahead of its operation: its source still in
// place means the operation did not happen, and the file at the new path is
// not this batch's. Unless that file holds the same bytes: then it is the
// line's copy, whose source stays.
bool sourceStillInPlace(SystemCalls &sys, const UndoLogEntry &entry)
{
    const QByteArray original = absolutePath(entry.original).toUtf8();
    const QByteArray renamed = absolutePath(entry.renamed).toUtf8();
    struct stat held;
    return entryIsThere(sys, original, &held) && (S_ISDIR(held.st_mode) || !sameContents(sys, original, renamed));
}

// After a walk to the end: the log goes when every line was put back, or
// keeps just the blocked ones, so that undo can be run again once the way is clear.
void keepOnlyBlocked(FileOperations &ops, const QString &logPath, const QStringList &lines, const QStringList &kept)
{
    SystemCalls &sys = ops.sys();
    const QByteArray encodedLog = logPath.toUtf8();
    if (!kept.isEmpty()) {
        rewriteLog(sys, encodedLog, logContent(lines, 0, kept));
        return;
    }
    try {
        ops.deleteFile(logPath);
    } catch (...) {
        try {
            rewriteLog(sys, encodedLog, UndoJournal::header()); // every line is put back
        } catch (...) {
        }
        throw;
    }
}

} // namespace

UndoOutcome revertUndoLog(SystemCalls &sys, const QString &logPath, Reporter &reporter)
{
    FileOperations ops(sys);
    const QByteArray encodedLog = logPath.toUtf8();
    const QStringList lines = splitUndoLogLines(readWholeFile(sys, encodedLog));
    // A batch that did not end (killed, or its log could not be cut back) may
    // have left its last lines before carrying their operations out.
    const QString marker = UndoJournal::markerPath(logPath);
    const qsizetype distrustFrom = fileIsThere(sys, marker.toUtf8())
        ? std::max<qsizetype>(1, lines.size() - UndoJournal::kPendingLines)
        : lines.size();

    UndoOutcome outcome;
    QStringList kept; // lines left for the next undo, last line first
    // Backwards, so chains within the batch (a to b, then c to a) come apart in order.
    const qsizetype total = lines.size() - 1;
    qsizetype k = lines.size() - 1;
    QHash<QString, int> waiting = waitingTargets(lines);
    try {
        for (qsizetype done = 0; k >= 1; --k, ++done) {
            if (done % kProgressStep == 0)
                reporter.progress(done, total);
            const std::optional<UndoLogEntry> entry = parseUndoLogLine(lines.at(k));
            // A line without both paths names no file to put back.
            if (!entry || entry->original.isEmpty() || entry->renamed.isEmpty())
                continue;
            if (k >= distrustFrom) {
                // Lines later in the log were put back first, so a chain's source
                // is free again by now where its step was made.
                if (sourceStillInPlace(sys, *entry)) {
                    releaseTarget(waiting, *entry);
                    continue;
                }
            }
            const QString originalPath = absolutePath(entry->original);
            const int ownLine = originalPath == absolutePath(entry->renamed) ? 1 : 0; // a line naming one file twice
            Reverted result = Reverted::Blocked;
            if (waiting.value(originalPath) <= ownLine || !fileIsThere(sys, originalPath.toUtf8())) {
                try {
                    result = revert(ops, *entry);
                } catch (const MorvaneError &e) {
                    throw MorvaneError(
                        batchText::withStep(e.message(), batchText::movingBackStep(entry->renamed, entry->original)));
                }
            }
            if (result == Reverted::Yes) {
                ++outcome.reverted;
                releaseTarget(waiting, *entry);
            }
            if (result == Reverted::Blocked) {
                kept.append(lines.at(k));
                if (outcome.firstKept.size() < kShownKept)
                    outcome.firstKept.append(entry->renamed + QStringLiteral(" -> ") + entry->original);
            }
        }
    } catch (...) {
        // Walked again in full, a chain (a -> b, then c -> a) would find the file
        // it already put back at a and take it for the next: the log keeps only
        // the lines not put back. Best effort: a log that cannot be rewritten stays whole.
        try {
            rewriteLog(sys, encodedLog, logContent(lines, k, kept));
        } catch (...) {
        }
        throw;
    }
    if (total > 0)
        reporter.progress(total, total);

    outcome.kept = int(kept.size());
    keepOnlyBlocked(ops, logPath, lines, kept);
    sys.unlink(marker.toUtf8().constData());
    return outcome;
}

void undoLastBatch(RenameItemList &items, Reporter &reporter, const BatchEnvironment &env)
{
    SystemCalls &sys = env.sys ? *env.sys : realSystemCalls();
    const QString appData = env.appDataFolder.isEmpty() ? appDataFolder() : env.appDataFolder;
    const BatchLock lock(sys, appData);
    const QString logPath = undoLogPath(appData);
    if (!fileIsThere(sys, logPath.toUtf8())) {
        reporter.information(batchText::noUndoLog());
        return;
    }
    const UndoOutcome outcome = revertUndoLog(sys, logPath, reporter);
    if (env.clearList)
        env.clearList();
    else
        items.clear();
    if (outcome.kept > 0)
        reporter.warning(batchText::undoPartly(outcome.kept, outcome.firstKept));
    else
        reporter.information(batchText::undoCompleted());
}

} // namespace morvane
