#include "name_list.h"

#include "morvane_error.h"
#include "option_panel.h"
#include "rename_item.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

bool DecodeUtf8Strict(QByteArrayView bytes, QString *text)
{
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString decoded = decoder(bytes);
    if (decoder.hasError())
        return false;
    *text = std::move(decoded);
    return true;
}

QStringList ParseNameList(QStringView text)
{
    QStringList names;
    const qsizetype n = text.size();
    qsizetype lineStart = 0;
    while (lineStart < n) {
        qsizetype lineEnd = lineStart;
        while (lineEnd < n && text[lineEnd] != u'\r' && text[lineEnd] != u'\n')
            ++lineEnd;
        QStringView line = text.mid(lineStart, lineEnd - lineStart);
        const qsizetype comma = line.indexOf(u',');
        if (comma >= 0)
            line = line.left(comma);
        QString name = TrimControl(line.toString());
        qsizetype first = 0;
        qsizetype last = name.size();
        while (first < last && name.at(first) == u'"')
            ++first;
        while (last > first && name.at(last - 1) == u'"')
            --last;
        names.append(name.mid(first, last - first));
        // A break at the very end adds no empty last line.
        if (lineEnd < n && text[lineEnd] == u'\r' && lineEnd + 1 < n && text[lineEnd + 1] == u'\n')
            lineStart = lineEnd + 2;
        else
            lineStart = lineEnd + 1;
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
    QString text;
    if (!DecodeUtf8Strict(bytes, &text))
        throw MorvaneError(QStringLiteral("No mapping for the Unicode character exists in the target multi-byte code page"));
    QStringView body(text);
    if (body.startsWith(QChar(0xFEFF)))
        body = body.mid(1);
    list = ParseNameList(body);
}
