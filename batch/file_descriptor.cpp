#include "batch/file_descriptor.h"

namespace morvane {

bool writeAll(SystemCalls &sys, int fd, const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t n = retryOnInterrupt([&] { return sys.write(fd, data, size_t(size)); });
        if (n < 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

bool readAll(SystemCalls &sys, int fd, QByteArray &out)
{
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = retryOnInterrupt([&] { return sys.read(fd, buffer, sizeof buffer); });
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        out.append(buffer, n);
    }
}

} // namespace morvane
