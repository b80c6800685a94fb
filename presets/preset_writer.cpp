#include "presets/preset_writer.h"

#include "engine/morvane_error.h"
#include "engine/option_fields.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace morvane {

namespace {

QString quoted(const QString &text)
{
    return QLatin1Char('"') + escapePresetText(text) + QLatin1Char('"');
}

} // namespace

QString escapePresetText(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return escaped;
}

QByteArray presetBytes(const OptionPanel &o)
{
    // Numeric texts are escaped too: digits are unchanged by it, and a pasted
    // quote or backslash would otherwise cut the value or forge another key.
    QByteArray bytes("\xEF\xBB\xBF{\r\n");
    const auto fields = optionFields();
    for (size_t i = 0; i < fields.size(); ++i) {
        const OptionField &f = fields[i];
        const bool isText = f.kind == OptionKind::Text || f.kind == OptionKind::Number;
        const QString value = optionText(o, f);
        bytes += '"';
        bytes += QByteArrayView(f.key.data(), f.key.size());
        bytes += "\":";
        bytes += (isText ? quoted(value) : value).toUtf8();
        bytes += i + 1 < fields.size() ? ",\r\n" : "\r\n";
    }
    bytes += "}\r\n";
    return bytes;
}

void savePreset(const QString &fileName, const OptionPanel &options)
{
    const QByteArray bytes = presetBytes(options);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw MorvaneError(
            QCoreApplication::translate("Presets", "Cannot create file \"%1\". %2").arg(fileName, file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw MorvaneError(
            QCoreApplication::translate("Presets", "Cannot write file \"%1\". %2").arg(fileName, file.errorString()));
}

} // namespace morvane
