#pragma once

// System calls that pass through one hook first: the base of the stubs that
// fail calls on demand (tests) or count them (benchmarks).

#include "batch/system_calls.h"

#include <cerrno>

namespace morvane {

class SystemCallStub : public SystemCalls {
public:
    // Called before each call with its name ("open", "renameat2At", ...).
    // A non-zero errno makes the call fail with it, -1, without being made;
    // a failing close still releases its descriptor when closeOnFailure().
    virtual int intercept(const char *call) = 0;
    virtual bool closeOnFailure() const { return false; }

#define MORVANE_STUB(name, ...)           \
    if (const int e = intercept(#name)) { \
        errno = e;                        \
        return -1;                        \
    }                                     \
    return SystemCalls::name(__VA_ARGS__);

    // clang-format off
    int open(const char *p, int f, mode_t m) override { MORVANE_STUB(open, p, f, m) }
    int close(int fd) override
    {
        if (const int e = intercept("close")) {
            if (closeOnFailure())
                SystemCalls::close(fd);
            errno = e;
            return -1;
        }
        return SystemCalls::close(fd);
    }
    ssize_t read(int fd, void *b, size_t n) override { MORVANE_STUB(read, fd, b, n) }
    ssize_t write(int fd, const void *b, size_t n) override { MORVANE_STUB(write, fd, b, n) }
    int fstat(int fd, struct stat *st) override { MORVANE_STUB(fstat, fd, st) }
    int stat(const char *p, struct stat *st) override { MORVANE_STUB(stat, p, st) }
    int lstat(const char *p, struct stat *st) override { MORVANE_STUB(lstat, p, st) }
    int mkdir(const char *p, mode_t m) override { MORVANE_STUB(mkdir, p, m) }
    int rename(const char *a, const char *b) override { MORVANE_STUB(rename, a, b) }
    int renameat2(const char *a, const char *b, unsigned f) override { MORVANE_STUB(renameat2, a, b, f) }
    int renameat2At(int fd, const char *a, int td, const char *b, unsigned f) override
    {
        MORVANE_STUB(renameat2At, fd, a, td, b, f)
    }
    int unlink(const char *p) override { MORVANE_STUB(unlink, p) }
    int fsync(int fd) override { MORVANE_STUB(fsync, fd) }
    int ftruncate(int fd, off_t n) override { MORVANE_STUB(ftruncate, fd, n) }
    ssize_t copy_file_range(int i, int o, size_t n) override { MORVANE_STUB(copy_file_range, i, o, n) }
    ssize_t sendfile(int o, int i, size_t n) override { MORVANE_STUB(sendfile, o, i, n) }
    int fchmod(int fd, mode_t m) override { MORVANE_STUB(fchmod, fd, m) }
    int futimens(int fd, const struct timespec t[2]) override { MORVANE_STUB(futimens, fd, t) }
    int utimensat(const char *p, const struct timespec t[2], int f) override { MORVANE_STUB(utimensat, p, t, f) }
    ssize_t readlink(const char *p, char *b, size_t n) override { MORVANE_STUB(readlink, p, b, n) }
    int symlink(const char *t, const char *p) override { MORVANE_STUB(symlink, t, p) }
    int flock(int fd, int op) override { MORVANE_STUB(flock, fd, op) }
    // clang-format on
#undef MORVANE_STUB
};

} // namespace morvane
