#include "engine/text_file.h"

#include <QStringDecoder>

namespace morvane {

bool decodeUtf8Strict(QByteArrayView bytes, QString *text)
{
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString decoded = decoder(bytes);
    if (decoder.hasError())
        return false;
    *text = std::move(decoded);
    return true;
}

std::optional<QString> decodeTextFile(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    QString text;
    if (!decodeUtf8Strict(bytes, &text))
        return std::nullopt;
    return text;
}

QStringList splitTextLines(QStringView text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start).toString());
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start).toString());
    return lines;
}

} // namespace morvane
