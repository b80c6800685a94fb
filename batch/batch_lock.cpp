#include "batch/batch_lock.h"

#include "batch/batch_executor.h"
#include "batch/batch_texts.h"
#include "engine/morvane_error.h"
#include "engine/paths.h"

#include <sys/file.h>

#include <cerrno>

namespace morvane {

QString BatchLock::lockPath(const QString &appDataFolder)
{
    return pathJoin(programDataFolder(appDataFolder), QStringLiteral("batch.lock"));
}

BatchLock::BatchLock(SystemCalls &sys, const QString &appDataFolder)
{
    const QString path = lockPath(appDataFolder);
    FileOperations(sys).forceDirectories(programDataFolder(appDataFolder));
    const QByteArray encoded = path.toUtf8();
    m_fd = FileDescriptor(sys, retryOnInterrupt([&] { return sys.open(encoded.constData(), O_RDWR | O_CREAT, 0600); }));
    if (!m_fd.isOpen())
        throw MorvaneError(batchText::withStep(systemErrorText(errno), batchText::lockingStep(path)));
    if (retryOnInterrupt([&] { return sys.flock(m_fd.get(), LOCK_EX | LOCK_NB); }) == 0)
        return;
    const int error = errno;
    if (error == EWOULDBLOCK)
        throw MorvaneError(batchText::anotherBatchRunning());
    // A file system without locks (some network mounts) cannot keep two runs
    // apart; refusing every batch there would help no one.
    if (error == ENOLCK || error == EOPNOTSUPP)
        return;
    throw MorvaneError(batchText::withStep(systemErrorText(error), batchText::lockingStep(path)));
}

} // namespace morvane
