#include "batch/undo_journal.h"

#include "batch/file_operations.h"
#include "engine/morvane_error.h"
#include "engine/rename_item.h"

#include <unistd.h>

#include <cerrno>

namespace morvane {

namespace {

QString logErrorText(int error)
{
    return error == ENOENT || error == ENOTDIR ? QStringLiteral("The specified path was not found")
                                               : systemErrorText(error);
}

bool writeAll(SystemCalls &sys, int fd, const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t n = sys.write(fd, data, size_t(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

} // namespace

QByteArray UndoJournal::header()
{
    return QByteArrayLiteral("\xEF\xBB\xBF" "Original,New\r\n");
}

QByteArray UndoJournal::entryLine(const QByteArray &from, const QByteArray &to)
{
    QByteArray line;
    line.reserve(from.size() + to.size() + 7);
    line += '"';
    line += from;
    line += "\",\"";
    line += to;
    line += "\"\r\n";
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
int UndoJournal::createTemporary(QByteArray *tempPath)
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
        throw MorvaneError(logErrorText(errno));
    return fd;
}

void UndoJournal::replaceLog(const QByteArray &content, bool keepOpen)
{
    QByteArray temp;
    const int fd = createTemporary(&temp);
    bool ok = writeAll(m_sys, fd, content.constData(), content.size());
    // A log that stays open is synced when the batch ends; one written whole is synced now.
    if (ok && !keepOpen)
        ok = m_sys.fsync(fd) == 0;
    // Before the log it speaks for is in place; without it undo could not tell
    // a line whose operation never happened, so the batch does not start.
    if (ok && keepOpen)
        ok = setMarker(true);
    if (ok)
        ok = m_sys.rename(temp.constData(), m_path.constData()) == 0;
    if (!ok) {
        const int error = errno;
        m_sys.close(fd);
        m_sys.unlink(temp.constData());
        if (keepOpen)
            setMarker(m_markerBefore);
        throw MorvaneError(logErrorText(error));
    }
    if (keepOpen) {
        m_fd = fd;
        m_length = content.size();
    } else {
        m_sys.close(fd);
    }
}

bool UndoJournal::setMarker(bool present) noexcept
{
    if (present) {
        const int fd = m_sys.open(m_marker.constData(), O_WRONLY | O_CREAT, 0600);
        if (fd < 0)
            return false;
        m_sys.close(fd);
        return true;
    }
    return m_sys.unlink(m_marker.constData()) == 0 || errno == ENOENT;
}

void UndoJournal::append(const QByteArray &line)
{
    if (m_fd < 0) {
        // First line of the batch: keep the previous log (and whether it was
        // finished) so that it can be put back if this first operation does not happen.
        struct stat st;
        m_markerBefore = m_sys.lstat(m_marker.constData(), &st) == 0;
        m_hadPrevious = false;
        m_previous.clear();
        const int old = m_sys.open(m_path.constData(), O_RDONLY, 0);
        if (old >= 0) {
            m_hadPrevious = true;
            char buffer[1 << 16];
            for (;;) {
                const ssize_t n = m_sys.read(old, buffer, sizeof buffer);
                if (n < 0 && errno == EINTR)
                    continue;
                if (n <= 0) {
                    if (n < 0)
                        m_hadPrevious = false;  // unreadable: it cannot be put back
                    break;
                }
                m_previous.append(buffer, n);
            }
            m_sys.close(old);
        }
        replaceLog(header() + line, true);
        m_committed = header().size();
        return;
    }
    // One write per line, so a reader sees every line whole as soon as it is there.
    if (!writeAll(m_sys, m_fd, line.constData(), line.size())) {
        const int error = errno;
        cutBack();
        throw MorvaneError(logErrorText(error));
    }
    m_length += line.size();
}

bool UndoJournal::cutBack() noexcept
{
    if (m_sys.ftruncate(m_fd, m_committed) != 0) {
        m_exact = false;  // the marker stays: undo distrusts the last line
        return false;
    }
    m_length = m_committed;
    return true;
}

void UndoJournal::intend(const QByteArray &from, const QByteArray &to)
{
    // The same bytes as Line(), in a buffer that keeps its memory from line to line.
    m_line.resize(0);
    m_line.reserve(from.size() + to.size() + 7);
    m_line += '"';
    m_line += from;
    m_line += "\",\"";
    m_line += to;
    m_line += "\"\r\n";
    append(m_line);
    m_pending = true;
}

void UndoJournal::confirm()
{
    m_committed = m_length;
    m_pending = false;
    ++m_confirmed;
}

void UndoJournal::cancel()
{
    if (!m_pending)
        return;
    m_pending = false;
    const bool cut = cutBack();
    const int error = errno;
    if (cut && m_confirmed == 0) {
        // Nothing of this batch was done: the previous log is the one to undo.
        m_sys.close(m_fd);
        m_fd = -1;
        restorePrevious();
    }
    if (!cut)
        throw MorvaneError(logErrorText(error));
}

void UndoJournal::restorePrevious() noexcept
{
    try {
        if (m_hadPrevious)
            replaceLog(m_previous, false);
        else
            m_sys.unlink(m_path.constData());
    } catch (const MorvaneError &) {
        // The log then holds the header alone, which undoes nothing.
    }
    setMarker(m_markerBefore);
    m_previous.clear();
}

void UndoJournal::record(const QByteArray &from, const QByteArray &to)
{
    append(entryLine(from, to));
    confirm();
}

void UndoJournal::finish()
{
    if (m_fd < 0) {
        replaceLog(header(), false);
        setMarker(false);
        syncFolder();
        return;
    }
    const int fd = m_fd;
    m_fd = -1;
    const bool synced = m_sys.fsync(fd) == 0;
    const int error = errno;
    m_sys.close(fd);
    // Every line is confirmed: the marker goes even when the sync fails, or
    // undo would pass over the last operation (a copy's source is still in place).
    if (m_exact)
        setMarker(false);
    if (!synced)
        throw MorvaneError(logErrorText(error));
    syncFolder();
}

void UndoJournal::syncFolder() noexcept
{
    // The rename that put the log in place lives in the folder's own data.
    const QByteArray folder = folderPart(m_logPath).toUtf8();
    const int fd = m_sys.open(folder.isEmpty() ? "." : folder.constData(), O_RDONLY | O_DIRECTORY, 0);
    if (fd >= 0) {
        m_sys.fsync(fd);
        m_sys.close(fd);
    }
}

void UndoJournal::close() noexcept
{
    if (m_pending) {
        m_pending = false;
        if (cutBack() && m_confirmed == 0) {
            m_sys.close(m_fd);
            m_fd = -1;
            restorePrevious();
        }
    }
    if (m_fd >= 0) {
        m_sys.fsync(m_fd);
        m_sys.close(m_fd);
        m_fd = -1;
        if (m_exact)
            setMarker(false);
    }
}

} // namespace morvane
