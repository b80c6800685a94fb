#include "batch/batch_executor.h"

#include "batch/batch_lock.h"
#include "batch/batch_run.h"
#include "engine/paths.h"

#include <QDir>

namespace morvane {

void setModifiedTime(SystemCalls &sys, const char *encodedPath, const QDateTime &now)
{
    const qint64 ms = now.toMSecsSinceEpoch();
    qint64 seconds = ms / 1000;
    qint64 rest = ms % 1000;
    if (rest < 0) {
        rest += 1000;
        --seconds;
    }
    // Last-write time only: the access time is left alone, and the birth time cannot be set.
    const struct timespec times[2] = {{0, UTIME_OMIT}, {time_t(seconds), long(rest * 1000000)}};
    sys.utimensat(encodedPath, times, 0); // never reported
}

QString appDataFolder()
{
    const QString appData = qEnvironmentVariable("APPDATA");
    if (!appData.isEmpty())
        return appData;
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    if (xdg.startsWith(u'/')) // a relative value is invalid and ignored
        return xdg;
    return QDir::homePath() + QStringLiteral("/.local/share");
}

QString programDataFolder(const QString &appDataFolder)
{
    return pathJoin(pathJoin(appDataFolder, QStringLiteral("Quenzel")), QStringLiteral("Morvane"));
}

QString undoLogPath(const QString &appDataFolder)
{
    return pathJoin(programDataFolder(appDataFolder), QStringLiteral("last_rename.csv"));
}

QString failureListPath(const QString &appDataFolder)
{
    return pathJoin(programDataFolder(appDataFolder), QStringLiteral("last_rename_failures.txt"));
}

QString makeUniqueName(FileOperations &ops, const QString &folder, const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    const qsizetype slash = fileName.lastIndexOf(u'/');
    QString base = fileName;
    QString ext;
    if (dot > slash) {
        base = fileName.left(dot);
        ext = fileName.mid(dot);
    }
    for (qint64 n = 1;; ++n) {
        const QString candidate = pathJoin(folder, QStringLiteral("%1 (%2)%3").arg(base, QString::number(n), ext));
        if (!ops.nameTaken(candidate))
            return candidate;
    }
}

QString makeUniqueFolderName(FileOperations &ops, const QString &folder, const QString &folderName)
{
    for (qint64 n = 1;; ++n) {
        const QString candidate = pathJoin(folder, QStringLiteral("%1 (%2)").arg(folderName, QString::number(n)));
        struct stat st;
        if (ops.sys().lstat(absolutePath(candidate).toUtf8().constData(), &st) != 0)
            return candidate;
    }
}

QString makeUniqueName(const QString &folder, const QString &fileName)
{
    FileOperations ops;
    return makeUniqueName(ops, folder, fileName);
}

void touchModifiedNow(SystemCalls &sys, const QString &path, const QDateTime &now)
{
    setModifiedTime(sys, absolutePath(path).toUtf8().constData(), now);
}

void executeBatch(RenameItemList &items, const OptionPanel &options, Reporter &reporter, const BatchEnvironment &env)
{
    // Held until the log's last sync: a second run waits for none of it.
    const BatchLock lock(env.sys ? *env.sys : realSystemCalls(),
                         env.appDataFolder.isEmpty() ? appDataFolder() : env.appDataFolder);
    BatchRun(items, options, reporter, env).run();
}

} // namespace morvane
