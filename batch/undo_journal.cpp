#include "batch/undo_journal.h"

#include "batch/batch_texts.h"
#include "batch/file_operations.h"
#include "batch/undo_history.h"
#include "engine/morvane_error.h"
#include "engine/paths.h"

#include <QTimeZone>

#include <unistd.h>

#include <cerrno>

namespace morvane {

namespace {

QString logErrorText(int error)
{
    return error == ENOENT || error == ENOTDIR ? batchText::pathNotFound() : systemErrorText(error);
}

// A path as one field of the log: in quotes, a quote inside doubled (RFC
// 4180); line breaks need nothing more. Paths without a quote, nearly all,
// are written as they stand.
void appendField(QByteArray &line, const QByteArray &path)
{
    line += '"';
    if (path.contains('"')) {
        for (const char c : path) {
            if (c == '"')
                line += '"';
            line += c;
        }
    } else {
        line += path;
    }
    line += '"';
}

} // namespace

// The bytes of entryLine(from, to), appended to out.
void UndoJournal::appendEntryLine(QByteArray &out, const QByteArray &from, const QByteArray &to)
{
    out.reserve(out.size() + from.size() + to.size() + 7);
    appendField(out, from);
    out += ',';
    appendField(out, to);
    out += "\r\n";
}

QByteArray UndoJournal::header()
{
    return QByteArrayLiteral("\xEF\xBB\xBF"
                             "Original,New\r\n");
}

QByteArray UndoJournal::entryLine(const QByteArray &from, const QByteArray &to)
{
    QByteArray line;
    appendEntryLine(line, from, to);
    return line;
}

QString UndoJournal::markerPath(const QString &logPath)
{
    return logPath + QStringLiteral(".unfinished");
}

UndoJournal::UndoJournal(SystemCalls &sys, const QString &logPath)
    : m_sys(sys), m_logPath(logPath), m_path(logPath.toUtf8()), m_marker(markerPath(logPath).toUtf8())
{
}

UndoJournal::~UndoJournal()
{
    close();
}

// Opened for appending: lines after a cut-back land at the new end, not after a hole.
FileDescriptor UndoJournal::createTemporary(QByteArray *tempPath)
{
    FileOperations(m_sys).forceDirectories(folderPart(m_logPath));
    *tempPath = m_path + '.' + QByteArray::number(qint64(::getpid())) + ".tmp";
    int fd = m_sys.open(tempPath->constData(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL, 0600);
    if (fd < 0 && errno == EEXIST) {
        // Left by a killed process whose id has come round again.
        m_sys.unlink(tempPath->constData());
        fd = m_sys.open(tempPath->constData(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL, 0600);
    }
    if (fd < 0)
        throw UndoLogError(logErrorText(errno));
    return FileDescriptor(m_sys, fd);
}

void UndoJournal::replaceLog(const QByteArray &content, bool keepOpen)
{
    QByteArray temp;
    FileDescriptor fd = createTemporary(&temp);
    bool ok = writeAll(m_sys, fd.get(), content.constData(), content.size());
    // A log that stays open is synced when the batch ends; one written whole is synced now.
    if (ok && !keepOpen)
        ok = m_sys.fsync(fd.get()) == 0;
    // Before the log it speaks for is in place; without it undo could not tell
    // a line whose operation never happened, so the batch does not start.
    if (ok && keepOpen)
        ok = setMarker(true);
    if (ok)
        ok = m_sys.rename(temp.constData(), m_path.constData()) == 0;
    if (!ok) {
        const int error = errno;
        fd.reset();
        m_sys.unlink(temp.constData());
        if (keepOpen)
            setMarker(m_markerBefore);
        throw UndoLogError(logErrorText(error));
    }
    if (keepOpen) {
        m_fd = std::move(fd);
        m_length = content.size();
    }
}

bool UndoJournal::setMarker(bool present) noexcept
{
    if (present) {
        const FileDescriptor fd(m_sys, m_sys.open(m_marker.constData(), O_WRONLY | O_CREAT, 0600));
        return fd.isOpen();
    }
    return m_sys.unlink(m_marker.constData()) == 0 || errno == ENOENT;
}

void UndoJournal::append(const QByteArray &line)
{
    if (!m_fd.isOpen()) {
        keepPrevious();
        archivePrevious();
        try {
            replaceLog(header() + line, true);
        } catch (...) {
            dropArchive();
            throw;
        }
        m_committed = header().size();
        return;
    }
    // One write per line, so a reader sees every line whole as soon as it is there.
    if (!writeAll(m_sys, m_fd.get(), line.constData(), line.size())) {
        const int error = errno;
        cutBack();
        throw UndoLogError(logErrorText(error));
    }
    m_length += line.size();
}

// Before the first line of the batch: whether there is a previous log (and
// whether it was finished), so that it can be put back if this first
// operation does not happen.
void UndoJournal::keepPrevious()
{
    struct stat st;
    m_markerBefore = m_sys.lstat(m_marker.constData(), &st) == 0;
    m_previous.clear();
    m_hadPrevious = m_sys.stat(m_path.constData(), &st) == 0;
    if (m_hadPrevious)
        m_previousTime =
            QDateTime::fromSecsSinceEpoch(st.st_mtim.tv_sec, QTimeZone::utc()).addMSecs(st.st_mtim.tv_nsec / 1000000);
    else
        m_previousTime = QDateTime::currentDateTimeUtc();
}

// The previous batch stays undoable from the history: its log is copied
// there, file to file, before this batch's log takes its place. Only when
// there is no copy is it held in memory, to be put back from there.
void UndoJournal::archivePrevious()
{
    if (!m_hadPrevious)
        return;
    m_archived = archiveUndoLog(m_sys, m_logPath, m_path, m_previousTime, m_markerBefore);
    if (!m_archived.isEmpty())
        return;
    const FileDescriptor old(m_sys, m_sys.open(m_path.constData(), O_RDONLY, 0));
    // An unreadable log cannot be put back.
    m_hadPrevious = old.isOpen() && readAll(m_sys, old.get(), m_previous);
}

QByteArray UndoJournal::previousLog() const
{
    if (m_archived.isEmpty())
        return m_previous;
    QByteArray content;
    const FileDescriptor fd(m_sys, m_sys.open(m_archived.toUtf8().constData(), O_RDONLY, 0));
    if (!fd.isOpen() || !readAll(m_sys, fd.get(), content))
        throw MorvaneError(logErrorText(errno));
    return content;
}

void UndoJournal::dropArchive() noexcept
{
    if (m_archived.isEmpty())
        return;
    m_sys.unlink(m_archived.toUtf8().constData());
    m_sys.unlink(markerPath(m_archived).toUtf8().constData());
    m_archived.clear();
}

bool UndoJournal::cutBack() noexcept
{
    if (m_sys.ftruncate(m_fd.get(), m_committed) != 0) {
        m_exact = false; // the marker stays: undo distrusts the last line
        return false;
    }
    m_length = m_committed;
    return true;
}

void UndoJournal::intend(const QByteArray &from, const QByteArray &to)
{
    // A buffer that keeps its memory from line to line.
    m_line.resize(0);
    appendEntryLine(m_line, from, to);
    append(m_line);
    m_pending = true;
}

void UndoJournal::confirm()
{
    m_committed = m_length;
    m_pending = false;
    ++m_confirmed;
}

void UndoJournal::intendLines(const QByteArray &lines)
{
    append(lines);
    m_pending = true;
}

void UndoJournal::confirmLine(qsizetype length)
{
    m_committed += length;
    m_pending = m_committed < m_length;
    ++m_confirmed;
}

// Cuts the pending line off; false, with errno set, when the log cannot be cut back.
bool UndoJournal::takeBack() noexcept
{
    m_pending = false;
    if (!cutBack())
        return false;
    if (m_confirmed == 0) {
        // Nothing of this batch was done: the previous log is the one to undo.
        m_fd.reset();
        restorePrevious();
    }
    return true;
}

void UndoJournal::cancel()
{
    if (m_pending && !takeBack())
        throw UndoLogError(logErrorText(errno));
}

void UndoJournal::abandon() noexcept
{
    if (m_pending)
        takeBack();
}

void UndoJournal::restorePrevious() noexcept
{
    bool restored = true;
    try {
        if (m_hadPrevious)
            replaceLog(previousLog(), false);
        else
            m_sys.unlink(m_path.constData());
    } catch (const MorvaneError &) {
        // The log then holds the header alone, which undoes nothing; the
        // previous batch stays undoable from its copy in the history.
        restored = false;
    }
    setMarker(m_markerBefore);
    m_previous.clear();
    if (restored)
        dropArchive(); // the previous log is the newest again
    else
        m_archived.clear();
}

void UndoJournal::record(const QByteArray &from, const QByteArray &to)
{
    append(entryLine(from, to));
    confirm();
}

void UndoJournal::finish()
{
    if (!m_fd.isOpen()) {
        keepPrevious();
        archivePrevious();
        replaceLog(header(), false);
        setMarker(false);
        syncFolder();
        pruneUndoHistory(m_sys, m_logPath);
        return;
    }
    FileDescriptor fd = std::move(m_fd);
    const bool synced = m_sys.fsync(fd.get()) == 0;
    const int error = errno;
    fd.reset();
    // Every line is confirmed: the marker goes even when the sync fails, or
    // undo would pass over the last operation (a copy's source is still in place).
    if (m_exact)
        setMarker(false);
    if (!synced)
        throw UndoLogError(logErrorText(error));
    syncFolder();
    pruneUndoHistory(m_sys, m_logPath);
}

void UndoJournal::syncFolder() noexcept
{
    // The rename that put the log in place lives in the folder's own data.
    const QByteArray folder = folderPart(m_logPath).toUtf8();
    const FileDescriptor fd(m_sys, m_sys.open(folder.isEmpty() ? "." : folder.constData(), O_RDONLY | O_DIRECTORY, 0));
    if (fd.isOpen())
        m_sys.fsync(fd.get());
}

void UndoJournal::close() noexcept
{
    abandon();
    if (m_fd.isOpen()) {
        m_sys.fsync(m_fd.get());
        m_fd.reset();
        if (m_exact)
            setMarker(false);
    }
    if (m_confirmed > 0)
        pruneUndoHistory(m_sys, m_logPath);
}

} // namespace morvane
