#pragma once

#include "batch/system_calls.h"

#include <QByteArray>

#include <cerrno>
#include <utility>

namespace morvane {

// An open file descriptor with one owner: closed through the seam when the
// owner goes, so no failure path can leak it.
//
//   FileDescriptor in(sys, sys.open(path, O_RDONLY, 0));
//   if (!in.isOpen()) throw MorvaneError(systemErrorText(errno));
class FileDescriptor {
public:
    FileDescriptor() noexcept = default;
    FileDescriptor(SystemCalls &sys, int fd) noexcept : m_sys(&sys), m_fd(fd) {}
    ~FileDescriptor() { reset(); }
    FileDescriptor(FileDescriptor &&other) noexcept : m_sys(other.m_sys), m_fd(std::exchange(other.m_fd, -1)) {}
    FileDescriptor &operator=(FileDescriptor &&other) noexcept
    {
        if (this != &other) {
            reset();
            m_sys = other.m_sys;
            m_fd = std::exchange(other.m_fd, -1);
        }
        return *this;
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    int get() const noexcept { return m_fd; }
    bool isOpen() const noexcept { return m_fd >= 0; }

    // Closes now and says how it went: 0, or -1 with errno (a write-back error).
    int close() noexcept
    {
        if (m_fd < 0)
            return 0;
        return m_sys->close(std::exchange(m_fd, -1));
    }
    // Closes, for a path where the result no longer matters; errno is kept.
    void reset() noexcept
    {
        if (m_fd < 0)
            return;
        const int saved = errno;
        m_sys->close(std::exchange(m_fd, -1));
        errno = saved;
    }

private:
    SystemCalls *m_sys = nullptr;
    int m_fd = -1;
};

// Repeats a call that an arriving signal interrupted: -1 (or a negative
// count) with errno EINTR. Any other result is returned as it is.
//
//   const ssize_t n = retryOnInterrupt([&] { return sys.read(fd, buffer, size); });
template <typename Call>
auto retryOnInterrupt(Call call)
{
    for (;;) {
        const auto result = call();
        if (!(result < 0 && errno == EINTR))
            return result;
    }
}

// Writes all size bytes; false with errno set when a write fails.
bool writeAll(SystemCalls &sys, int fd, const char *data, qsizetype size);

// Appends everything up to the end of the file to out; false with errno set
// when a read fails (out then holds what was read before).
bool readAll(SystemCalls &sys, int fd, QByteArray &out);

} // namespace morvane
