#include "engine/paths.h"

#include "engine/morvane_error.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

namespace morvane {

QString fileNamePart(const QString &path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

QString folderPart(const QString &path)
{
    return path.left(path.lastIndexOf(u'/') + 1);
}

QString joinFolderPath(const QString &folder, const QString &name)
{
    if (folder.endsWith(u'/'))
        return folder + name;
    return folder + u'/' + name;
}

bool hasInvalidPathCharacters(const QString &path)
{
    const QChar *p = path.constData();
    for (qsizetype i = 0, n = path.size(); i < n; ++i) {
        const char16_t c = p[i].unicode();
        if (c == 0)
            return true;
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(p[i + 1].unicode()))
            ++i;
        else if (QChar::isSurrogate(c))
            return true;
    }
    return false;
}

QString invalidPathCharactersText()
{
    return QCoreApplication::translate("Engine", "Invalid characters in path");
}

QString pathJoin(const QString &folder, const QString &name)
{
    if (hasInvalidPathCharacters(folder) || hasInvalidPathCharacters(name))
        throw MorvaneError(invalidPathCharactersText());
    if (folder.isEmpty() || name.startsWith(u'/'))
        return name;
    return joinFolderPath(folder, name);
}

QString absolutePathIn(const QString &path, const QString &folder)
{
    if (path.startsWith(u'/'))
        return path;
    return joinFolderPath(folder, path);
}

QString absolutePath(const QString &path)
{
    // An absolute path needs no look at the working folder (a system call).
    if (path.startsWith(u'/'))
        return path;
    if (path.isEmpty())
        return QDir::currentPath();
    return absolutePathIn(path, QDir::currentPath());
}

QString absoluteCleanPath(const QString &path)
{
    QStringList kept;
    for (const QString &segment : absolutePathIn(path, QDir::currentPath()).split(u'/', Qt::SkipEmptyParts))
        if (segment != QLatin1String("."))
            kept.append(segment);
    return u'/' + kept.join(u'/');
}

} // namespace morvane
