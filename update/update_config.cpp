#include "update/update_config.h"

#include <QDir>

namespace morvane {

QUrl UpdateEndpoint::urlFor(const char *path) const
{
    return baseUrl.resolved(QUrl(QString::fromLatin1(path)));
}

QString UpdateEndpoint::installerFilePath() const
{
    const QString folder = tempFolder.isEmpty() ? QDir::tempPath() : tempFolder;
    return QDir(folder).filePath(QString::fromLatin1(kInstallerFileName));
}

} // namespace morvane
