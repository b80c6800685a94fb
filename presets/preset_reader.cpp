#include "presets/preset_reader.h"

#include "engine/morvane_error.h"
#include "engine/option_fields.h"
#include "engine/text_file.h"

#include <QCoreApplication>
#include <QFile>

namespace morvane {

namespace {

bool isSpaceOrControl(QChar c)
{
    return c.unicode() <= 0x20;
}

// "true" with the ASCII letters in any case; no other letters fold to it.
bool isTrue(const QString &value)
{
    static const char word[] = "true";
    if (value.size() != 4)
        return false;
    for (int i = 0; i < 4; ++i) {
        char16_t c = value[i].unicode();
        if (c >= u'A' && c <= u'Z')
            c += u'a' - u'A';
        if (c != char16_t(word[i]))
            return false;
    }
    return true;
}

} // namespace

QString decodePresetBytes(const QByteArray &bytes, const QString &fileName)
{
    const qsizetype start = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    // UTF-16 without a byte-order mark is valid UTF-8 when it holds only ASCII,
    // but a preset never begins with a NUL byte; refuse it instead of reading no key.
    const bool looksUtf16 = bytes.size() - start >= 2 && (bytes[start] == '\0' || bytes[start + 1] == '\0');
    const std::optional<QString> text = looksUtf16 ? std::nullopt : decodeTextFile(bytes);
    if (!text)
        throw MorvaneError(QCoreApplication::translate("Presets", "The file \"%1\" is not UTF-8 text").arg(fileName));
    return *text;
}

QString readPresetValue(const QString &fileText, const QString &key, const QString &defaultValue)
{
    const QString needle = QLatin1Char('"') + key + QLatin1String("\":");
    const qsizetype found = fileText.indexOf(needle);
    if (found < 0)
        return defaultValue;
    qsizetype begin = found + needle.size();
    qsizetype end = fileText.size();
    while (begin < end && isSpaceOrControl(fileText[begin]))
        ++begin;
    while (end > begin && isSpaceOrControl(fileText[end - 1]))
        --end;

    if (begin < end && fileText[begin] == QLatin1Char('"')) {
        QString value;
        for (qsizetype i = begin + 1; i < end; ++i) {
            const QChar c = fileText[i];
            if (c == QLatin1Char('"'))
                return value;
            if (c == QLatin1Char('\\') && i + 1 < end) {
                const QChar next = fileText[++i];
                if (next != QLatin1Char('\\') && next != QLatin1Char('"'))
                    value += c;
                value += next;
            } else {
                value += c;
            }
        }
        return defaultValue; // no ending quote
    }

    qsizetype stop = begin;
    while (stop < end) {
        const QChar c = fileText[stop];
        if (c == QLatin1Char(',') || c == QLatin1Char('}') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            break;
        ++stop;
    }
    while (stop > begin && isSpaceOrControl(fileText[stop - 1]))
        --stop;
    return fileText.mid(begin, stop - begin);
}

void applyPresetText(const QString &fileText, OptionPanel &o)
{
    for (const OptionField &f : optionFields()) {
        switch (f.kind) {
        case OptionKind::Text:
        case OptionKind::Number:
            o.*f.text = readPresetValue(fileText, f.key, o.*f.text);
            break;
        case OptionKind::Check:
            o.*f.check =
                isTrue(readPresetValue(fileText, f.key, f.checkWhenAbsent ? QStringLiteral("true") : QString()));
            break;
        case OptionKind::Choice: {
            // An index outside the list (-1 is "nothing selected") picks the default choice.
            const int current = f.choiceIndex(o);
            f.setChoiceIndex(o, intOrDefault(readPresetValue(fileText, f.key, QString::number(current)), current));
            break;
        }
        }
    }
}

void loadPreset(const QString &fileName, OptionPanel &options)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw MorvaneError(
            QCoreApplication::translate("Presets", "Cannot open file \"%1\". %2").arg(fileName, file.errorString()));
    // A preset is a few hundred bytes; a cap keeps a device or a wrong pick from eating memory.
    constexpr qint64 MaxPresetBytes = 16 << 20;
    const QByteArray bytes = file.read(MaxPresetBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw MorvaneError(
            QCoreApplication::translate("Presets", "Cannot read file \"%1\". %2").arg(fileName, file.errorString()));
    if (bytes.size() > MaxPresetBytes)
        throw MorvaneError(
            QCoreApplication::translate("Presets", "The file \"%1\" is too large for a preset").arg(fileName));
    // Apply to a copy first: a failure leaves every value as it was.
    OptionPanel loaded = options;
    applyPresetText(decodePresetBytes(bytes, fileName), loaded);
    options = loaded;
}

} // namespace morvane
