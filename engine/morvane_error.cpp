#include "engine/morvane_error.h"

#include <cstring>

namespace morvane {

QString systemErrorText(int error)
{
    // The GNU strerror_r returns the text, in the buffer or in static storage.
    char buffer[256];
    return QString::fromLocal8Bit(strerror_r(error, buffer, sizeof buffer));
}

} // namespace morvane
