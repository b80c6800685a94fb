#include "batch/undo.h"

#include "batch/batch_texts.h"
#include "batch/file_descriptor.h"
#include "batch/undo_journal.h"
#include "engine/morvane_error.h"
#include "engine/paths.h"
#include "engine/text_file.h"

#include <QHash>

#include <cerrno>
#include <cstring>

namespace morvane {

namespace {

constexpr int kProgressStep = 4096;

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
// Throws when the system cannot tell: a guess either way can lose a file.
bool fileIsThere(SystemCalls &sys, const QByteArray &path)
{
    struct stat st;
    if (sys.stat(path.constData(), &st) == 0)
        return !S_ISDIR(st.st_mode);
    if (errno == ENOENT || errno == ENOTDIR)
        return false;
    throw MorvaneError(systemErrorText(errno));
}

// True when both files hold the same bytes; false also when either cannot be read.
bool sameContents(SystemCalls &sys, const QByteArray &a, const QByteArray &b)
{
    const FileDescriptor fa(sys, sys.open(a.constData(), O_RDONLY, 0));
    const FileDescriptor fb(sys, fa.isOpen() ? sys.open(b.constData(), O_RDONLY, 0) : -1);
    bool same = fb.isOpen();
    struct stat sa, sb;
    if (same)
        same = sys.fstat(fa.get(), &sa) == 0 && sys.fstat(fb.get(), &sb) == 0 && sa.st_size == sb.st_size;
    QByteArray bufferA(1 << 16, Qt::Uninitialized), bufferB(1 << 16, Qt::Uninitialized);
    while (same) {
        const ssize_t na = sys.read(fa.get(), bufferA.data(), size_t(bufferA.size()));
        if (na <= 0) {
            same = na == 0;
            break;
        }
        ssize_t nb = 0;
        while (nb < na) {
            const ssize_t n = sys.read(fb.get(), bufferB.data() + nb, size_t(na - nb));
            if (n <= 0)
                break;
            nb += n;
        }
        same = nb == na && std::memcmp(bufferA.constData(), bufferB.constData(), size_t(na)) == 0;
    }
    return same;
}

// Puts the file at renamed back at original. The rename replaces a file that
// stands at original in one step, so no moment exists in which neither is there,
// and a file that is original itself (another name of it) is never deleted.
// True when the file was put back, false when none stood at the new path.
bool revert(FileOperations &ops, const UndoLogEntry &entry)
{
    SystemCalls &sys = ops.sys();
    const QByteArray renamed = absolutePath(entry.renamed).toUtf8();
    const QByteArray original = absolutePath(entry.original).toUtf8();
    if (!fileIsThere(sys, renamed))
        return false;  // no file there any more: already reverted, or removed by the user
    if (sys.rename(renamed.constData(), original.constData()) == 0)
        return true;
    int error = errno;
    if (error == ENOENT) {
        // The former folder may have been removed since the batch.
        ops.forceDirectories(folderPart(QString::fromUtf8(original)));
        if (!fileIsThere(sys, renamed))
            return false;
        if (sys.rename(renamed.constData(), original.constData()) == 0)
            return true;
        error = errno;
    }
    if (error == EXDEV) {
        ops.moveFileNative(renamed, original, FileOperations::Replace::Yes);
        return true;
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

// After undo stopped at line `upTo`: the log keeps only the lines not yet
// reverted. Walked again in full, a chain (a -> b, then c -> a) would find
// the file it already put back at a and move it once more, over another.
// Best effort: a log that cannot be rewritten stays whole.
void keepUnrevertedLines(SystemCalls &sys, const QByteArray &logPath, const QStringList &lines, qsizetype upTo,
                         const QList<qsizetype> &keptAfter) noexcept
{
    try {
        QByteArray content = QByteArrayLiteral("\xEF\xBB\xBF");
        for (qsizetype k = 0; k <= upTo && k < lines.size(); ++k)
            content += lines.at(k).toUtf8() + "\r\n";
        for (const qsizetype k : keptAfter)
            content += lines.at(k).toUtf8() + "\r\n";
        const QByteArray temp = logPath + ".undo.tmp";
        {
            const FileDescriptor fd(sys, sys.open(temp.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600));
            if (!fd.isOpen() || !writeAll(sys, fd.get(), content.constData(), content.size()) || sys.fsync(fd.get()) != 0) {
                sys.unlink(temp.constData());
                return;
            }
        }
        if (sys.rename(temp.constData(), logPath.constData()) != 0)
            sys.unlink(temp.constData());
    } catch (...) {
    }
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

QStringList splitUndoLogLines(const QByteArray &bytes)
{
    const std::optional<QString> text = decodeTextFile(bytes);
    if (!text)
        throw MorvaneError(batchText::logNotUtf8());
    const QStringView all(*text);
    const qsizetype n = all.size();
    QStringList lines;
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
        lines.append(all.mid(start, end - start).toString());
        if (end + 1 < n && all[end] == u'\r' && all[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

void undoLastBatch(RenameItemList &items, Reporter &reporter, const BatchEnvironment &env)
{
    SystemCalls &sys = env.sys ? *env.sys : realSystemCalls();
    FileOperations ops(sys);
    const QString appData = env.appDataFolder.isEmpty() ? appDataFolder() : env.appDataFolder;
    const QString logPath = undoLogPath(appData);
    if (!fileIsThere(sys, logPath.toUtf8())) {
        reporter.information(batchText::noUndoLog());
        return;
    }
    const QStringList lines = splitUndoLogLines(readWholeFile(sys, logPath.toUtf8()));
    // A batch that did not end (killed, or its log could not be cut back) may
    // have left its last line before carrying the operation out.
    const QString marker = UndoJournal::markerPath(logPath);
    bool distrustLastLine = fileIsThere(sys, marker.toUtf8());

    // Backwards, so chains within the batch (a to b, then c to a) come apart in order.
    const qsizetype total = lines.size() - 1;
    qsizetype k = lines.size() - 1;
    // The new paths of the lines not put back yet: a file there belongs to the
    // batch, and a later line (earlier in the log) whose old name it is must not
    // replace it (a chain whose look-up said "no such file" wrongly).
    QHash<QString, int> waiting;
    for (qsizetype j = 1; j < lines.size(); ++j) {
        if (const std::optional<UndoLogEntry> entry = parseUndoLogLine(lines.at(j)))
            ++waiting[absolutePath(entry->renamed)];
    }
    QList<qsizetype> kept;  // lines left for the next undo, in log order
    int blocked = 0;        // of them, lines whose old name held a file of the batch
    try {
    for (qsizetype done = 0; k >= 1; --k, ++done) {
        if (done % kProgressStep == 0)
            reporter.progress(done, total);
        const std::optional<UndoLogEntry> entry = parseUndoLogLine(lines.at(k));
        // A line without both paths names no file to put back.
        if (!entry || entry->original.isEmpty() || entry->renamed.isEmpty())
            continue;
        if (distrustLastLine) {
            distrustLastLine = false;
            // Its source still in place: the operation did not happen, and the
            // file at the new path is not this batch's. Unless that file holds
            // the same bytes: then it is the line's copy, whose source stays.
            const QByteArray original = absolutePath(entry->original).toUtf8();
            const QByteArray renamed = absolutePath(entry->renamed).toUtf8();
            if (fileIsThere(sys, original) && !sameContents(sys, original, renamed))
                continue;
        }
        const QString originalPath = absolutePath(entry->original);
        const int ownLine = originalPath == absolutePath(entry->renamed) ? 1 : 0;  // a line naming one file twice
        if (waiting.value(originalPath) > ownLine && fileIsThere(sys, originalPath.toUtf8())) {
            kept.prepend(k);
            ++blocked;
            continue;
        }
        if (revert(ops, *entry)) {
            const auto it = waiting.find(absolutePath(entry->renamed));
            if (it != waiting.end() && --it.value() == 0)
                waiting.erase(it);
        } else {
            kept.prepend(k);  // nothing there now; should the log stay, the next undo looks again
        }
    }
    } catch (...) {
        keepUnrevertedLines(sys, logPath.toUtf8(), lines, k, kept);
        throw;
    }
    if (blocked > 0) {
        keepUnrevertedLines(sys, logPath.toUtf8(), lines, 0, kept);
        QString first;
        for (const qsizetype line : std::as_const(kept)) {
            const UndoLogEntry entry = *parseUndoLogLine(lines.at(line));
            if (waiting.value(absolutePath(entry.original)) > 0) {
                first = entry.original;
                break;
            }
        }
        throw MorvaneError(batchText::undoLinesKept(blocked, first));
    }
    if (total > 0)
        reporter.progress(total, total);

    try {
        ops.deleteFile(logPath);
    } catch (...) {
        keepUnrevertedLines(sys, logPath.toUtf8(), lines, 0, {});  // every line is reverted
        throw;
    }
    sys.unlink(marker.toUtf8().constData());
    if (env.clearList)
        env.clearList();
    else
        items.clear();
    reporter.information(batchText::undoCompleted());
}

} // namespace morvane
