#include "name_list.h"

#include "morvane_error.h"
#include "option_panel.h"
#include "rename_item.h"
#include "text_file.h"

#include <QFile>
#include <QFileInfo>

QStringList ParseNameList(QStringView text)
{
    QStringList names;
    for (const QString &line : SplitTextLines(text)) {
        const qsizetype comma = line.indexOf(u',');
        QString name = TrimControl(comma >= 0 ? line.left(comma) : line);
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

void LoadNameList(const QString &fileName, QStringList &list)
{
    list.clear();
    const QString fullPath = QFileInfo(fileName).absoluteFilePath();
    if (!IsExactLocalPath(fileName))
        throw MorvaneError(InexactPathMessage(fullPath));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw MorvaneError(QStringLiteral("Cannot open file \"%1\". %2").arg(fullPath, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw MorvaneError(QStringLiteral("Cannot read file \"%1\". %2").arg(fullPath, file.errorString()));
    const std::optional<QString> text = DecodeTextFile(bytes);
    if (!text)
        throw MorvaneError(QStringLiteral("No mapping for the Unicode character exists in the target multi-byte code page"));
    list = ParseNameList(*text);
}
