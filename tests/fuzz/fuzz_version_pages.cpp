// The readers of the two update pages on any bodies (split at the first NUL
// byte: version page, then changes page): strict UTF-8, lines without line
// breaks, a version line read exactly when it is "number/number", and a
// decision that announces exactly the newer or required versions and leaves
// the state alone otherwise.
#include "fuzz_support.h"
#include "update/version_check.h"

#include <QStringDecoder>

#include <cstdint>
#include <cstring>

using namespace morvane;

namespace {

bool isVersionNumber(const QString &text, int *value)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    qsizetype digits = i;
    if (digits < text.size() && (text[digits] == u'+' || text[digits] == u'-'))
        ++digits;
    if (digits == text.size())
        return false;
    for (qsizetype k = digits; k < text.size(); ++k) {
        if (text[k] < u'0' || text[k] > u'9')
            return false;
    }
    bool ok = false;
    *value = text.mid(i).toInt(&ok);
    return ok;
}

void checkPage(const QByteArray &body)
{
    const std::optional<QStringList> lines = decodePageLines(body);
    const bool wellFormed = isWellFormedUtf8(reinterpret_cast<const uint8_t *>(body.constData()), size_t(body.size()));
    FUZZ_REQUIRE(lines.has_value() == wellFormed);
    if (!lines)
        return;
    // One byte-order mark is skipped; a second one is text.
    QString text = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom)(body);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QString joined;
    for (const QString &line : *lines) {
        FUZZ_REQUIRE(!line.contains(u'\r') && !line.contains(u'\n'));
        joined += line;
    }
    QString unbroken = text;
    unbroken.remove(u'\r').remove(u'\n');
    FUZZ_REQUIRE(joined == unbroken);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype nul = bytes.indexOf('\0');
    const QByteArray versionBody = nul < 0 ? bytes : bytes.left(nul);
    const QByteArray changesBody = nul < 0 ? QByteArray() : bytes.mid(nul + 1);
    checkPage(versionBody);
    checkPage(changesBody);

    const QStringList versionLines = decodePageLines(versionBody).value_or(QStringList());
    const QStringList changesLines = decodePageLines(changesBody).value_or(QStringList());
    const QString first = versionLines.value(0);

    // The version line: exactly "number/number", split at the first slash.
    const std::optional<VersionLine> version = parseVersionLine(first);
    const qsizetype slash = first.indexOf(u'/');
    int latest = 0, required = 0;
    const bool wellFormed =
        slash >= 0 && isVersionNumber(first.left(slash), &latest) && isVersionNumber(first.mid(slash + 1), &required);
    FUZZ_REQUIRE(version.has_value() == wellFormed);
    if (version) {
        FUZZ_REQUIRE(version->latest == latest && version->required == required);
        QString text = version->versionText;
        FUZZ_REQUIRE(text.size() == slash + 1 && text[slash - 1] == u'.'
                     && text.remove(slash - 1, 1) == first.left(slash));
    }

    UpdateState state;
    state.updateMessage = QStringLiteral("untouched");
    const bool offer = evaluateVersionPages(state, versionLines, changesLines);
    FUZZ_REQUIRE(offer == (version && (version->required > kBuiltInVersion || version->latest > kBuiltInVersion)));
    FUZZ_REQUIRE(state.mustExit == (version && version->required > kBuiltInVersion));
    if (!offer) {
        FUZZ_REQUIRE(state.updateMessage == u"untouched");
    } else {
        const QString &message = state.updateMessage;
        FUZZ_REQUIRE(message.contains(version->versionText) && message.endsWith(u"\r\n"));
        const qsizetype list = message.indexOf(u"\r\n\r\nWhat's new:\r\n");
        FUZZ_REQUIRE(list > 0);
        const QString rest = message.mid(list + 17);
        QStringList shown;
        for (const QString &line : changesLines) {
            if (!line.isEmpty())
                shown << line + QStringLiteral("\r\n");
        }
        FUZZ_REQUIRE(rest == shown.join(QString()));
    }

    // Any pair of numbers written as a version line reads back.
    if (size >= 8) {
        int32_t a, b;
        std::memcpy(&a, data, 4);
        std::memcpy(&b, data + 4, 4);
        const std::optional<VersionLine> back = parseVersionLine(QStringLiteral("%1/%2").arg(a).arg(b));
        FUZZ_REQUIRE(back && back->latest == a && back->required == b);
    }
    return 0;
}
