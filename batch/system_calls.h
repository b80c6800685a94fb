#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <ctime>

namespace morvane {

// Every system call the batch and undo make goes through this interface, so a
// test can make call k fail with a chosen errno. Each method behaves like the
// libc call of the same name: -1 (or a negative count) and errno on failure.
class SystemCalls {
public:
    virtual ~SystemCalls() = default;
    virtual int open(const char *path, int flags, mode_t mode);
    virtual int close(int fd);
    virtual ssize_t read(int fd, void *buffer, size_t count);
    virtual ssize_t write(int fd, const void *buffer, size_t count);
    virtual int fstat(int fd, struct stat *st);
    virtual int stat(const char *path, struct stat *st);
    virtual int lstat(const char *path, struct stat *st);
    virtual int mkdir(const char *path, mode_t mode);
    virtual int rename(const char *from, const char *to);
    virtual int renameat2(const char *from, const char *to, unsigned flags);
    // Names relative to open folders: the kernel skips walking the folder path on every call.
    virtual int renameat2At(int fromDir, const char *from, int toDir, const char *to, unsigned flags);
    virtual int unlink(const char *path);
    virtual int fsync(int fd);
    virtual int ftruncate(int fd, off_t length);
    virtual ssize_t copy_file_range(int in, int out, size_t count);
    virtual ssize_t sendfile(int out, int in, size_t count);
    virtual int fchmod(int fd, mode_t mode);
    virtual int futimens(int fd, const struct timespec times[2]);
    virtual int utimensat(const char *path, const struct timespec times[2], int flags);
    virtual ssize_t readlink(const char *path, char *buffer, size_t size);
    virtual int symlink(const char *target, const char *path);
    virtual int flock(int fd, int operation);
};

// The process-wide real implementation.
SystemCalls &realSystemCalls();

} // namespace morvane
