#include "batch/undo_history.h"

#include "batch/batch_lock.h"
#include "batch/batch_texts.h"
#include "batch/file_descriptor.h"
#include "batch/file_operations.h"
#include "batch/undo_journal.h"
#include "engine/morvane_error.h"
#include "engine/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTimeZone>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace morvane {

namespace {

const char *const kTimeFormat = "yyyyMMdd-HHmmss-zzz";

// "20240701-090503-000_12.csv" -> time and count.
bool parseHistoryName(const QString &name, QDateTime *time, int *count)
{
    if (!name.endsWith(QLatin1String(".csv")))
        return false;
    const qsizetype underscore = name.indexOf(u'_');
    if (underscore < 0)
        return false;
    QDateTime t = QDateTime::fromString(name.left(underscore), QLatin1String(kTimeFormat));
    if (!t.isValid())
        return false;
    t.setTimeZone(QTimeZone::utc());
    bool ok = false;
    *count = name.mid(underscore + 1, name.size() - underscore - 5).toInt(&ok);
    *time = t;
    return ok;
}

void describe(UndoHistoryEntry &entry)
{
    QFile file(entry.logPath);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QStringList lines;
    try {
        lines = splitUndoLogLines(file.readAll());
    } catch (const MorvaneError &) {
        return;
    }
    QSet<QString> seen;
    int count = 0;
    for (qsizetype k = 1; k < lines.size(); ++k) {
        const auto pair = parseUndoLogLine(lines.at(k));
        if (!pair)
            continue;
        ++count;
        const QString folder = folderPart(pair->renamed);
        if (folder != folderPart(pair->original))
            entry.inPlace = false;
        if (!seen.contains(folder)) {
            seen.insert(folder);
            entry.folders.append(folder);
        }
    }
    entry.count = count;
}

QStringList historyFiles(const QString &folder)
{
    QStringList names = QDir(folder).entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
    QDateTime time;
    int count = 0;
    names.removeIf([&](const QString &name) { return !parseHistoryName(name, &time, &count); });
    return names; // oldest first: the names begin with the time
}

} // namespace

QString undoHistoryFolder(const QString &logPath)
{
    return folderPart(logPath) + QStringLiteral("history");
}

// A line names an operation when it holds "," between two quotes; the
// search carries the last two characters of a piece over to the next.
void UndoLogEntryCounter::add(const char *data, qsizetype size)
{
    const char *p = data;
    const char *const end = data + size;
    while (p < end) {
        const char *lineBreak = static_cast<const char *>(std::memchr(p, '\n', size_t(end - p)));
        const char *lineEnd = lineBreak ? lineBreak : end;
        if (!m_found)
            m_found = holdsSeparator(p, lineEnd);
        if (!lineBreak)
            return;
        m_count += m_found ? 1 : 0;
        m_found = false;
        m_tailLength = 0;
        p = lineBreak + 1;
    }
}

bool UndoLogEntryCounter::holdsSeparator(const char *begin, const char *end)
{
    static constexpr char kSeparator[] = {'"', ',', '"'};
    const qsizetype length = end - begin;
    // Across the cut: the tail of the line so far and the start of this piece.
    char joined[4];
    std::memcpy(joined, m_tail, size_t(m_tailLength));
    const qsizetype head = std::min<qsizetype>(length, 2);
    std::memcpy(joined + m_tailLength, begin, size_t(head));
    const qsizetype joinedLength = m_tailLength + head;
    if (memmem(joined, size_t(joinedLength), kSeparator, 3) || memmem(begin, size_t(length), kSeparator, 3))
        return true;
    // The line's last two characters so far: this piece's, or, for a piece
    // shorter than that, the end of the joined ones.
    const char *last = length >= 2 ? end - 2 : joined + joinedLength - std::min<qsizetype>(joinedLength, 2);
    m_tailLength = int(length >= 2 ? 2 : std::min<qsizetype>(joinedLength, 2));
    std::memmove(m_tail, last, size_t(m_tailLength));
    return false;
}

int UndoLogEntryCounter::count() const
{
    return m_count + (m_found ? 1 : 0);
}

int undoLogEntryCount(const QByteArray &content)
{
    UndoLogEntryCounter counter;
    counter.add(content.constData(), content.size());
    return counter.count();
}

QList<UndoHistoryEntry> listUndoHistory(const QString &appDataFolder)
{
    QList<UndoHistoryEntry> entries;
    const QString logPath = undoLogPath(appDataFolder);
    const QFileInfo newest(logPath);
    if (newest.exists()) {
        UndoHistoryEntry entry;
        entry.logPath = logPath;
        entry.time = newest.lastModified().toUTC();
        describe(entry);
        entries.append(entry);
    }
    const QString folder = undoHistoryFolder(logPath);
    QStringList names = historyFiles(folder);
    std::reverse(names.begin(), names.end());
    for (const QString &name : std::as_const(names)) {
        UndoHistoryEntry entry;
        entry.logPath = folder + u'/' + name;
        parseHistoryName(name, &entry.time, &entry.count);
        describe(entry);
        entries.append(entry);
    }
    return entries;
}

namespace {

// The entries of the log at path, read piece by piece; -1 when it cannot be read.
int countLogEntries(SystemCalls &sys, const QByteArray &path)
{
    const FileDescriptor fd(sys, sys.open(path.constData(), O_RDONLY, 0));
    if (!fd.isOpen())
        return -1;
    UndoLogEntryCounter counter;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = retryOnInterrupt([&] { return sys.read(fd.get(), buffer, sizeof buffer); });
        if (n < 0)
            return -1;
        if (n == 0)
            return counter.count();
        counter.add(buffer, n);
    }
}

} // namespace

QString archiveUndoLog(SystemCalls &sys, const QString &logPath, const QByteArray &sourcePath, const QDateTime &time,
                       bool unfinished)
{
    // Copied file to file: a log of a million lines is not held in memory for it.
    const int count = countLogEntries(sys, sourcePath);
    if (count <= 0)
        return QString(); // a log that undoes nothing is not worth keeping
    const QString folder = undoHistoryFolder(logPath);
    FileOperations(sys).forceDirectories(folder);
    QDateTime at = time.toUTC();
    for (int attempt = 0; attempt < 1000; ++attempt, at = at.addMSecs(1)) {
        const QString path = folder + u'/' + at.toString(QLatin1String(kTimeFormat)) + u'_' + QString::number(count)
            + QStringLiteral(".csv");
        const QByteArray encoded = path.toUtf8();
        FileDescriptor fd(sys, sys.open(encoded.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600));
        if (!fd.isOpen()) {
            if (errno == EEXIST)
                continue;
            return QString();
        }
        if (unfinished) {
            const FileDescriptor marker(
                sys, sys.open(UndoJournal::markerPath(path).toUtf8().constData(), O_WRONLY | O_CREAT, 0600));
        }
        bool ok = false;
        if (const FileDescriptor source(sys, sys.open(sourcePath.constData(), O_RDONLY, 0)); source.isOpen()) {
            try {
                FileOperations(sys).copyBytes(source.get(), fd.get());
                ok = true;
            } catch (const MorvaneError &) {
            }
        }
        if (!ok || sys.fsync(fd.get()) != 0 || fd.close() != 0) {
            fd.reset();
            sys.unlink(encoded.constData());
            sys.unlink(UndoJournal::markerPath(path).toUtf8().constData());
            return QString();
        }
        return path;
    }
    return QString();
}

void pruneUndoHistory(SystemCalls &sys, const QString &logPath)
{
    const QString folder = undoHistoryFolder(logPath);
    const QStringList names = historyFiles(folder);
    for (qsizetype i = 0; i + (kUndoHistoryBatches - 1) < names.size(); ++i) {
        const QString path = folder + u'/' + names.at(i);
        sys.unlink(path.toUtf8().constData());
        sys.unlink(UndoJournal::markerPath(path).toUtf8().constData());
    }
}

void undoHistoryThrough(int through, RenameItemList &items, Reporter &reporter, const BatchEnvironment &env)
{
    SystemCalls &sys = env.sys ? *env.sys : realSystemCalls();
    const QString appData = env.appDataFolder.isEmpty() ? appDataFolder() : env.appDataFolder;
    const BatchLock lock(sys, appData);
    // Listed again under the lock: what the dialog showed may have changed.
    const QList<UndoHistoryEntry> entries = listUndoHistory(appData);
    int reverted = 0;
    UndoOutcome outcome;
    for (int i = 0; i <= through && i < entries.size(); ++i) {
        outcome = revertUndoLog(sys, entries.at(i).logPath, reporter);
        if (outcome.kept > 0)
            break; // an older batch may build on the files that stayed
        ++reverted;
    }
    if (env.clearList)
        env.clearList();
    else
        items.clear();
    if (outcome.kept > 0)
        reporter.warning(batchText::undoPartly(outcome.kept, outcome.firstKept));
    else
        reporter.information(QCoreApplication::translate("Batch", "Undo completed for %1 batch(es).").arg(reverted));
}

QString undoHistoryListing(const QList<UndoHistoryEntry> &entries)
{
    if (entries.isEmpty())
        return batchText::noUndoLog();
    QStringList lines;
    for (const UndoHistoryEntry &entry : entries) {
        lines.append(entry.time.toLocalTime().toString(Qt::ISODate) + u'\t'
                     + QCoreApplication::translate("Batch", "%1 file(s)").arg(entry.count) + u'\t'
                     + (entry.inPlace ? QCoreApplication::translate("Batch", "renamed in place")
                                      : QCoreApplication::translate("Batch", "copied or moved"))
                     + u'\t' + entry.folders.join(QStringLiteral(", ")));
    }
    return lines.join(u'\n');
}

} // namespace morvane
