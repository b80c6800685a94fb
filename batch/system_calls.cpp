#include "batch/system_calls.h"

#include <sys/file.h>
#include <sys/sendfile.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace morvane {

// One line per call: each forwards to the system call of the same name.
// clang-format off
int SystemCalls::open(const char *path, int flags, mode_t mode) { return ::open(path, flags | O_CLOEXEC, mode); }
int SystemCalls::close(int fd) { return ::close(fd); }
ssize_t SystemCalls::read(int fd, void *buffer, size_t count) { return ::read(fd, buffer, count); }
ssize_t SystemCalls::write(int fd, const void *buffer, size_t count) { return ::write(fd, buffer, count); }
int SystemCalls::fstat(int fd, struct stat *st) { return ::fstat(fd, st); }
int SystemCalls::stat(const char *path, struct stat *st) { return ::stat(path, st); }
int SystemCalls::lstat(const char *path, struct stat *st) { return ::lstat(path, st); }
int SystemCalls::mkdir(const char *path, mode_t mode) { return ::mkdir(path, mode); }
int SystemCalls::rename(const char *from, const char *to) { return ::rename(from, to); }
int SystemCalls::unlink(const char *path) { return ::unlink(path); }
int SystemCalls::fsync(int fd) { return ::fsync(fd); }
int SystemCalls::ftruncate(int fd, off_t length) { return ::ftruncate(fd, length); }
int SystemCalls::fchmod(int fd, mode_t mode) { return ::fchmod(fd, mode); }
int SystemCalls::futimens(int fd, const struct timespec times[2]) { return ::futimens(fd, times); }
ssize_t SystemCalls::readlink(const char *path, char *buffer, size_t size) { return ::readlink(path, buffer, size); }
int SystemCalls::symlink(const char *target, const char *path) { return ::symlink(target, path); }
int SystemCalls::flock(int fd, int operation) { return ::flock(fd, operation); }
// clang-format on

int SystemCalls::renameat2(const char *from, const char *to, unsigned flags)
{
    return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, flags);
}

int SystemCalls::renameat2At(int fromDir, const char *from, int toDir, const char *to, unsigned flags)
{
    return ::renameat2(fromDir, from, toDir, to, flags);
}

ssize_t SystemCalls::copy_file_range(int in, int out, size_t count)
{
    return ::copy_file_range(in, nullptr, out, nullptr, count, 0);
}

ssize_t SystemCalls::sendfile(int out, int in, size_t count)
{
    return ::sendfile(out, in, nullptr, count);
}

int SystemCalls::utimensat(const char *path, const struct timespec times[2], int flags)
{
    return ::utimensat(AT_FDCWD, path, times, flags);
}

SystemCalls &realSystemCalls()
{
    static SystemCalls real;
    return real;
}

} // namespace morvane
