#pragma once

#include "batch/file_descriptor.h"
#include "batch/system_calls.h"
#include "engine/morvane_error.h"

#include <QByteArray>
#include <QString>

namespace morvane {

// The file operations of the batch and of undo. All failures throw
// MorvaneError: "The specified file was not found" (no source file), "The
// specified path was not found" (the target's folder is missing), "The
// specified file already exists" (a file stands where none may), otherwise the
// system's own description of the error.
class FileOperations {
public:
    explicit FileOperations(SystemCalls &sys = realSystemCalls()) : m_sys(sys) {}
    SystemCalls &sys() const { return m_sys; }

    bool fileExists(const QString &path); // a file (not a folder); links followed
    bool folderExists(const QString &path);
    // The name is held by anything but a folder: a link counts as itself, dangling or not.
    bool nameTaken(const QString &path);
    // Creates every missing folder along the path; failures are left to later operations.
    void forceDirectories(const QString &path);

    enum class Replace { No, Yes };
    // One rename on the same file system; across file systems a copy into a
    // temporary file, checked and synced, put in place, then the source removed.
    // A symbolic link moves as a link: across file systems it is made again
    // with the same target text, dangling or not.
    // Replace::No refuses a target that exists, atomically where the kernel can.
    void moveFile(const QString &from, const QString &to, Replace replace);
    // A copy of the bytes, permissions and times through a temporary file in the
    // target's folder; Replace::Yes swaps it in over an existing target atomically.
    void copyFile(const QString &from, const QString &to, Replace replace);
    void deleteFile(const QString &path);

    // The same on encoded (UTF-8) paths, for the hot loop of a batch.
    void moveFileNative(const QByteArray &from, const QByteArray &to, Replace replace);
    void copyFileNative(const QByteArray &from, const QByteArray &to, Replace replace);

    // Raw errno-style calls with the fallback for kernels or file systems
    // without RENAME_NOREPLACE; return 0 or -1 with errno set.
    int renameNoReplace(const char *from, const char *to);

    // Throws the error of a failed rename of from to to, with the texts above.
    [[noreturn]] void throwMoveError(const QByteArray &from, const QByteArray &to, int error);

    // Every byte from the current position of in to its end, appended to out
    // (in-kernel where the file systems allow); the count, or throws.
    qint64 copyBytes(int in, int out);

private:
    class TemporaryCopy;
    void copyAcross(const QByteArray &from, const QByteArray &to, Replace replace, bool sync);
    void linkAcross(const QByteArray &from, const QByteArray &to, Replace replace);
    void placeTemporary(const QByteArray &temp, const QByteArray &to, Replace replace);
    FileDescriptor createTemporary(const QByteArray &to, QByteArray *temp);

    SystemCalls &m_sys;
    bool m_noReplaceUnsupported = false;
    unsigned m_tempCounter = 0;
};

} // namespace morvane
