#include "batch/file_operations.h"

#include "batch/batch_texts.h"
#include "batch/file_descriptor.h"
#include "engine/morvane_error.h"
#include "engine/paths.h"

#include <QDir>

#include <linux/fs.h>
#include <unistd.h>

#include <cerrno>

namespace morvane {

namespace {

QByteArray parentFolder(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    if (slash == 0)
        return QByteArrayLiteral("/");
    return path.left(slash);
}

QByteArray encode(const QString &path)
{
    return path.toUtf8();
}

} // namespace

bool FileOperations::fileExists(const QString &path)
{
    struct stat st;
    return !path.isEmpty() && m_sys.stat(encode(path).constData(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool FileOperations::folderExists(const QString &path)
{
    struct stat st;
    return !path.isEmpty() && m_sys.stat(encode(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool FileOperations::nameTaken(const QString &path)
{
    struct stat st;
    if (path.isEmpty() || m_sys.lstat(encode(path).constData(), &st) != 0 || S_ISDIR(st.st_mode))
        return false;
    return !S_ISLNK(st.st_mode) || !folderExists(path);
}

void FileOperations::forceDirectories(const QString &path)
{
    QByteArray p = encode(path);
    while (p.size() > 1 && p.endsWith('/'))
        p.chop(1);
    if (p.isEmpty() || p == "/")
        return;
    if (m_sys.mkdir(p.constData(), 0777) == 0 || errno != ENOENT)
        return; // made, present, or failing for a reason later operations report
    const QByteArray parent = parentFolder(p);
    if (parent == p)
        return;
    forceDirectories(QString::fromUtf8(parent));
    m_sys.mkdir(p.constData(), 0777);
}

int FileOperations::renameNoReplace(const char *from, const char *to)
{
    if (m_sys.renameat2(from, to, RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return -1;
    // The file system cannot refuse a replacement by itself: check, then rename.
    struct stat st;
    if (m_sys.lstat(to, &st) == 0) {
        errno = EEXIST;
        return -1;
    }
    return m_sys.rename(from, to);
}

void FileOperations::throwMoveError(const QByteArray &from, const QByteArray &to, int error)
{
    struct stat st;
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        if (m_sys.lstat(from.constData(), &st) != 0)
            throw MorvaneError(batchText::fileNotFound());
        if (m_sys.stat(parentFolder(to).constData(), &st) != 0 || !S_ISDIR(st.st_mode))
            throw MorvaneError(batchText::pathNotFound());
        break;
    case EEXIST:
        if (m_sys.stat(to.constData(), &st) == 0 && S_ISDIR(st.st_mode))
            throw MorvaneError(systemErrorText(EISDIR));
        throw MorvaneError(batchText::fileExists());
    default:
        break;
    }
    throw MorvaneError(systemErrorText(error));
}

void FileOperations::moveFile(const QString &from, const QString &to, Replace replace)
{
    moveFileNative(encode(absolutePath(from)), encode(absolutePath(to)), replace);
}

void FileOperations::copyFile(const QString &from, const QString &to, Replace replace)
{
    copyFileNative(encode(absolutePath(from)), encode(absolutePath(to)), replace);
}

void FileOperations::moveFileNative(const QByteArray &from, const QByteArray &to, Replace replace)
{
    const int result = replace == Replace::Yes ? m_sys.rename(from.constData(), to.constData())
                                               : renameNoReplace(from.constData(), to.constData());
    if (result == 0)
        return;
    const int error = errno;
    if (error != EXDEV)
        throwMoveError(from, to, error);

    // Another file system: the copy is synced before the source goes, so a
    // crash cannot leave the file only in an unwritten page cache.
    struct stat st;
    if (m_sys.lstat(from.constData(), &st) == 0 && S_ISLNK(st.st_mode))
        linkAcross(from, to, replace);
    else
        copyAcross(from, to, replace, true);
    if (m_sys.unlink(from.constData()) != 0) {
        const int unlinkError = errno;
        // A move that cannot finish leaves things as they were: the source
        // stays, the fresh copy goes. A replaced target keeps the copy.
        if (replace == Replace::No)
            m_sys.unlink(to.constData());
        throw MorvaneError(systemErrorText(unlinkError));
    }
}

void FileOperations::copyFileNative(const QByteArray &from, const QByteArray &to, Replace replace)
{
    if (replace == Replace::Yes) {
        // A copy onto the file itself has nothing to do, and must not replace it.
        struct stat a, b;
        if (m_sys.stat(from.constData(), &a) == 0 && m_sys.stat(to.constData(), &b) == 0 && a.st_dev == b.st_dev
            && a.st_ino == b.st_ino)
            return;
    }
    copyAcross(from, to, replace, false);
}

// The file at to once the copy is done: a failure before that removes it.
class FileOperations::TemporaryCopy {
public:
    TemporaryCopy(SystemCalls &sys, const QByteArray &path) : m_sys(sys), m_path(path) {}
    ~TemporaryCopy()
    {
        if (!m_placed)
            m_sys.unlink(m_path.constData());
    }
    TemporaryCopy(const TemporaryCopy &) = delete;
    TemporaryCopy &operator=(const TemporaryCopy &) = delete;
    void placed() { m_placed = true; }

private:
    SystemCalls &m_sys;
    const QByteArray &m_path;
    bool m_placed = false;
};

void FileOperations::copyAcross(const QByteArray &from, const QByteArray &to, Replace replace, bool sync)
{
    const FileDescriptor in(m_sys, m_sys.open(from.constData(), O_RDONLY, 0));
    if (!in.isOpen()) {
        const int error = errno;
        throw MorvaneError(error == ENOENT || error == ENOTDIR ? batchText::fileNotFound() : systemErrorText(error));
    }
    struct stat st;
    const int statError = m_sys.fstat(in.get(), &st) != 0 ? errno : S_ISDIR(st.st_mode) ? EISDIR : 0;
    if (statError != 0)
        throw MorvaneError(systemErrorText(statError));

    QByteArray temp;
    FileDescriptor out = createTemporary(to, &temp);
    TemporaryCopy copy(m_sys, temp);
    const qint64 copied = copyBytes(in.get(), out.get());
    // The check: every byte the source held at the start has arrived.
    struct stat now;
    if (copied != qint64(st.st_size) || m_sys.fstat(in.get(), &now) != 0 || now.st_size != st.st_size)
        throw MorvaneError(batchText::fileChangedWhileCopied());

    // Permissions and times follow the bytes; file systems that cannot keep them do not stop the copy.
    m_sys.fchmod(out.get(), st.st_mode & 07777);
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    m_sys.futimens(out.get(), times);
    if ((sync && m_sys.fsync(out.get()) != 0) || out.close() != 0)
        throw MorvaneError(systemErrorText(errno));

    placeTemporary(temp, to, replace);
    copy.placed();
}

void FileOperations::placeTemporary(const QByteArray &temp, const QByteArray &to, Replace replace)
{
    const int placed = replace == Replace::Yes ? m_sys.rename(temp.constData(), to.constData())
                                               : renameNoReplace(temp.constData(), to.constData());
    if (placed != 0) {
        const int error = errno;
        struct stat target;
        if (error == EEXIST)
            throw MorvaneError(m_sys.stat(to.constData(), &target) == 0 && S_ISDIR(target.st_mode)
                                   ? systemErrorText(EISDIR)
                                   : batchText::fileExists());
        throw MorvaneError(error == ENOENT ? batchText::pathNotFound() : systemErrorText(error));
    }
}

// The link made again beside the target under a temporary name, then put in
// place: its target text is kept as it is, relative or dangling.
void FileOperations::linkAcross(const QByteArray &from, const QByteArray &to, Replace replace)
{
    QByteArray text(4096, Qt::Uninitialized);
    for (;;) {
        const ssize_t n = m_sys.readlink(from.constData(), text.data(), size_t(text.size()));
        if (n < 0) {
            const int error = errno;
            throw MorvaneError(error == ENOENT || error == ENOTDIR ? batchText::fileNotFound()
                                                                   : systemErrorText(error));
        }
        if (n < text.size()) {
            text.truncate(n);
            break;
        }
        text.resize(text.size() * 2);
    }
    const QByteArray folder = parentFolder(to);
    const QByteArray prefix =
        folder + (folder.endsWith('/') ? "" : "/") + ".morvane-" + QByteArray::number(qint64(::getpid())) + '-';
    QByteArray temp;
    int made = -1;
    for (int attempt = 0; attempt < 100 && made != 0; ++attempt) {
        temp = prefix + QByteArray::number(++m_tempCounter) + ".tmp";
        made = m_sys.symlink(text.constData(), temp.constData());
        if (made != 0 && errno != EEXIST)
            break;
    }
    if (made != 0) {
        const int error = errno;
        throw MorvaneError(error == ENOENT || error == ENOTDIR ? batchText::pathNotFound() : systemErrorText(error));
    }
    TemporaryCopy link(m_sys, temp);
    placeTemporary(temp, to, replace);
    link.placed();
}

// A short, fixed name in the target's folder: the target's own name may already be at the length limit.
FileDescriptor FileOperations::createTemporary(const QByteArray &to, QByteArray *temp)
{
    const QByteArray folder = parentFolder(to);
    const QByteArray prefix =
        folder + (folder.endsWith('/') ? "" : "/") + ".morvane-" + QByteArray::number(qint64(::getpid())) + '-';
    int out = -1;
    for (int attempt = 0; attempt < 100 && out < 0; ++attempt) {
        *temp = prefix + QByteArray::number(++m_tempCounter) + ".tmp";
        out = m_sys.open(temp->constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (out < 0 && errno != EEXIST)
            break;
    }
    if (out < 0) {
        const int error = errno;
        throw MorvaneError(error == ENOENT || error == ENOTDIR ? batchText::pathNotFound() : systemErrorText(error));
    }
    return FileDescriptor(m_sys, out);
}

// copy_file_range first (reflinks, in-kernel copy), sendfile next, plain
// read/write last. Returns the bytes copied; throws when a call fails.
qint64 FileOperations::copyBytes(int in, int out)
{
    qint64 copied = 0;
    int method = 0;
    for (;;) {
        ssize_t n = -1;
        if (method == 0) {
            n = retryOnInterrupt([&] { return m_sys.copy_file_range(in, out, size_t(1) << 30); });
            if (n < 0 && copied == 0
                && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP || errno == EBADF
                    || errno == EPERM)) {
                method = 1;
                continue;
            }
        } else if (method == 1) {
            n = retryOnInterrupt([&] { return m_sys.sendfile(out, in, size_t(1) << 30); });
            if (n < 0 && copied == 0 && (errno == EINVAL || errno == ENOSYS)) {
                method = 2;
                continue;
            }
        } else {
            char buffer[1 << 16];
            n = retryOnInterrupt([&] { return m_sys.read(in, buffer, sizeof buffer); });
            if (n > 0 && !writeAll(m_sys, out, buffer, n))
                n = -1;
        }
        if (n < 0)
            throw MorvaneError(systemErrorText(errno));
        if (n == 0)
            return copied;
        copied += n;
    }
}

void FileOperations::deleteFile(const QString &path)
{
    const QByteArray p = encode(absolutePath(path));
    if (m_sys.unlink(p.constData()) == 0)
        return;
    const int error = errno;
    struct stat st;
    if ((error == ENOENT || error == ENOTDIR)
        && (m_sys.stat(parentFolder(p).constData(), &st) != 0 || !S_ISDIR(st.st_mode)))
        throw MorvaneError(batchText::pathNotFound());
    throw MorvaneError(systemErrorText(error));
}

} // namespace morvane
