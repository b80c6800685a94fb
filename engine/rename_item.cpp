#include "engine/rename_item.h"

#include <QCoreApplication>

namespace morvane {

void RenameItem::setPath(const QString &path)
{
    const qsizetype nameStart = path.lastIndexOf(u'/') + 1;
    setPath(path.left(nameStart), path.mid(nameStart));
}

void RenameItem::setPath(const QString &folder, QString name)
{
    m_folder = folder;
    m_fileName = std::move(name);
    // The extension starts at the last "." of the name; a folder has none.
    const qsizetype dot = isFolder ? -1 : m_fileName.lastIndexOf(u'.');
    m_nameLength = qint32(dot < 0 ? m_fileName.size() : dot);
}

bool isExactLocalPath(const QString &path)
{
    const qsizetype n = path.size();
    const QChar *p = path.constData();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i].unicode();
        if (c == 0 || c == 0xFFFD)
            return false;
        if (QChar::isHighSurrogate(c)) {
            if (i + 1 >= n || !QChar::isLowSurrogate(p[i + 1].unicode()))
                return false;
            ++i;
        } else if (QChar::isLowSurrogate(c)) {
            return false;
        }
    }
    return true;
}

QString inexactPathMessage(const QString &path)
{
    // Shown text only: lone surrogates and U+0000 become visible U+FFFD.
    QString shown = QString::fromUtf8(path.toUtf8());
    shown.replace(QChar(0), QChar(0xFFFD));
    return QCoreApplication::translate("Engine", "\"%1\" cannot be named exactly: its name is not valid UTF-8 text")
        .arg(shown);
}

} // namespace morvane
