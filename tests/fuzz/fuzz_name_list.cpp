// The name-list reader on any file: strict UTF-8 agrees with a decoder
// written from the UTF-8 rules; one entry per line, each without line
// breaks, commas, outer quotes or outer control characters; and a list of
// clean names written as a file reads back as the same list.
#include "fuzz_support.h"
#include "engine/name_list.h"

#include <QRegularExpression>

#include <cstdint>

using namespace morvane;

namespace {

qsizetype lineCount(QStringView text)
{
    qsizetype lines = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' || (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n')))
            ++lines;
    }
    const bool openLast = !text.isEmpty() && text.back() != u'\n' && text.back() != u'\r';
    return lines + (openLast ? 1 : 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    QString text;
    const bool valid = decodeUtf8Strict(bytes, &text);
    FUZZ_REQUIRE(valid == isWellFormedUtf8(data, size));
    if (valid) {
        FUZZ_REQUIRE(text.toUtf8() == bytes);

        QStringView body(text);
        if (body.startsWith(QChar(0xFEFF)))
            body = body.mid(1);
        const QStringList names = parseNameList(body);
        FUZZ_REQUIRE(names.size() == lineCount(body));
        for (const QString &name : names) {
            FUZZ_REQUIRE(!name.contains(u'\r') && !name.contains(u'\n') && !name.contains(u','));
            FUZZ_REQUIRE(!name.startsWith(u'"') && !name.endsWith(u'"'));
        }

        // Clean names, one per line with mixed line breaks, come back unchanged.
        QStringList clean;
        for (const QString &line : text.split(QRegularExpression(QStringLiteral("[\\r\\n,\"]+")))) {
            QString name = line.trimmed();
            while (!name.isEmpty() && name.front().unicode() <= 0x20)
                name.remove(0, 1);
            while (!name.isEmpty() && name.back().unicode() <= 0x20)
                name.chop(1);
            clean.append(name);
        }
        static const char *const breaks[] = {"\r\n", "\n", "\r"};
        QByteArray file("\xEF\xBB\xBF");
        for (qsizetype i = 0; i < clean.size(); ++i)
            file += clean[i].toUtf8() + breaks[i % 3];
        QString decoded;
        FUZZ_REQUIRE(decodeUtf8Strict(file, &decoded));
        FUZZ_REQUIRE(parseNameList(QStringView(decoded).mid(1)) == clean);
    }
    return 0;
}
