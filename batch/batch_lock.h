#pragma once

#include "batch/file_descriptor.h"
#include "batch/system_calls.h"

#include <QString>

namespace morvane {

// One batch or undo at a time per user: an exclusive flock on a file beside
// the undo log, held while the object lives. The kernel lets go of it when
// the process ends, so a killed run leaves no lock behind.
//
//   const BatchLock lock(sys, appDataFolder);  // throws "Another batch is running"
class BatchLock {
public:
    // Throws MorvaneError when another process holds the lock, or when the
    // lock file cannot be made (the undo log could not be written either).
    BatchLock(SystemCalls &sys, const QString &appDataFolder);
    BatchLock(const BatchLock &) = delete;
    BatchLock &operator=(const BatchLock &) = delete;

    static QString lockPath(const QString &appDataFolder); // "<data folder>/batch.lock"

private:
    FileDescriptor m_fd;
};

} // namespace morvane
