#include "engine/name_list.h"

#include "engine/morvane_error.h"
#include "engine/option_panel.h"
#include "engine/rename_item.h"
#include "engine/text_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace morvane {

QStringList parseNameList(QStringView text)
{
    QStringList names;
    for (const QString &line : splitTextLines(text)) {
        const qsizetype comma = line.indexOf(u',');
        QString name = trimControl(comma >= 0 ? line.left(comma) : line);
        qsizetype first = 0;
        qsizetype last = name.size();
        while (first < last && name.at(first) == u'"')
            ++first;
        while (last > first && name.at(last - 1) == u'"')
            --last;
        names.append(name.mid(first, last - first));
    }
    return names;
}

void loadNameList(const QString &fileName, QStringList &list)
{
    list.clear();
    const QString fullPath = QFileInfo(fileName).absoluteFilePath();
    if (!isExactLocalPath(fileName))
        throw MorvaneError(inexactPathMessage(fullPath));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw MorvaneError(
            QCoreApplication::translate("Engine", "Cannot open file \"%1\". %2").arg(fullPath, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw MorvaneError(
            QCoreApplication::translate("Engine", "Cannot read file \"%1\". %2").arg(fullPath, file.errorString()));
    const std::optional<QString> text = decodeTextFile(bytes);
    if (!text)
        throw MorvaneError(QCoreApplication::translate(
            "Engine", "No mapping for the Unicode character exists in the target multi-byte code page"));
    list = parseNameList(*text);
}

} // namespace morvane
