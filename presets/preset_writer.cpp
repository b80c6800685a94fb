#include "presets/preset_writer.h"

#include "engine/morvane_error.h"

#include <QSaveFile>

namespace morvane {

namespace {

QString quoted(const QString &text)
{
    return QLatin1Char('"') + escapePresetText(text) + QLatin1Char('"');
}

QString boolText(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

}  // namespace

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
    const QString lines[] = {
        QStringLiteral("{"),
        QStringLiteral("\"find\":%1,").arg(quoted(o.find)),
        QStringLiteral("\"replace\":%1,").arg(quoted(o.replace)),
        QStringLiteral("\"regex\":%1,").arg(boolText(o.regex)),
        QStringLiteral("\"pattern\":%1,").arg(quoted(o.pattern)),
        QStringLiteral("\"counterStart\":%1,").arg(quoted(o.counterStart)),
        QStringLiteral("\"digits\":%1,").arg(quoted(o.digits)),
        QStringLiteral("\"case\":%1,").arg(o.case_),
        QStringLiteral("\"changeExt\":%1,").arg(boolText(o.changeExt)),
        QStringLiteral("\"newExt\":%1,").arg(quoted(o.newExt)),
        QStringLiteral("\"conflict\":%1,").arg(o.conflict),
        QStringLiteral("\"insertText\":%1,").arg(quoted(o.insertText)),
        QStringLiteral("\"insertPos\":%1,").arg(quoted(o.insertPos)),
        QStringLiteral("\"removeFirst\":%1,").arg(quoted(o.removeFirst)),
        QStringLiteral("\"removeLast\":%1,").arg(quoted(o.removeLast)),
        QStringLiteral("\"removeFromPos\":%1,").arg(quoted(o.removeFromPos)),
        QStringLiteral("\"removeTillPos\":%1,").arg(quoted(o.removeTillPos)),
        QStringLiteral("\"charactersToRemove\":%1,").arg(quoted(o.charactersToRemove)),
        QStringLiteral("\"collapseDoubleSpaces\":%1,").arg(boolText(o.collapseDoubleSpaces)),
        QStringLiteral("\"cropBefore\":%1,").arg(quoted(o.cropBefore)),
        QStringLiteral("\"cropAfter\":%1,").arg(quoted(o.cropAfter)),
        QStringLiteral("\"padNumbers\":%1,").arg(quoted(o.padNumbers)),
        QStringLiteral("\"includeSubfolders\":%1,").arg(boolText(o.includeSubfolders)),
        QStringLiteral("\"batchMode\":%1,").arg(o.batchMode),
        QStringLiteral("\"destination\":%1,").arg(quoted(o.destination)),
        QStringLiteral("\"touchModifiedNow\":%1").arg(boolText(o.touchModifiedNow)),
        QStringLiteral("}"),
    };
    QByteArray bytes("\xEF\xBB\xBF");
    for (const QString &line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

void savePreset(const QString &fileName, const OptionPanel &options)
{
    const QByteArray bytes = presetBytes(options);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw MorvaneError(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw MorvaneError(QStringLiteral("Cannot write file \"%1\". %2").arg(fileName, file.errorString()));
}

} // namespace morvane
