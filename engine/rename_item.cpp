#include "rename_item.h"

QString FileNamePart(const QString &path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

QString FolderPart(const QString &path)
{
    return path.left(path.lastIndexOf(u'/') + 1);
}

void SplitNameAndExt(const QString &path, QString *originalName, QString *ext)
{
    const QString name = FileNamePart(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    *originalName = dot < 0 ? name : name.left(dot);
    *ext = dot < 0 ? QString() : name.mid(dot);
}
