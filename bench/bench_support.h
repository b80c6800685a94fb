#pragma once

// Small pieces every benchmark needs: a reporter that answers nothing, the
// median of timed runs and the peak memory of the process.
#include "engine/reporter.h"

#include <sys/resource.h>

#include <algorithm>
#include <vector>

namespace morvane {

class SilentReporter : public Reporter {
public:
    void information(const QString &) override {}
    void warning(const QString &) override {}
    void error(const QString &) override {}
    bool confirm(const QString &) override { return true; }
};

inline double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

inline long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024; // kilobytes on Linux
}

} // namespace morvane
