#include "preset_writer.h"

#include "morvane_error.h"

#include <QSaveFile>

namespace {

QString Quoted(const QString &text)
{
    return QLatin1Char('"') + EscapePresetText(text) + QLatin1Char('"');
}

QString Bool(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

}  // namespace

QString EscapePresetText(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return escaped;
}

QByteArray PresetBytes(const OptionPanel &o)
{
    // Numeric texts are escaped too: digits are unchanged by it, and a pasted
    // quote or backslash would otherwise cut the value or forge another key.
    const QString lines[] = {
        QStringLiteral("{"),
        QStringLiteral("\"find\":%1,").arg(Quoted(o.find)),
        QStringLiteral("\"replace\":%1,").arg(Quoted(o.replace)),
        QStringLiteral("\"regex\":%1,").arg(Bool(o.regex)),
        QStringLiteral("\"pattern\":%1,").arg(Quoted(o.pattern)),
        QStringLiteral("\"counterStart\":%1,").arg(Quoted(o.counterStart)),
        QStringLiteral("\"digits\":%1,").arg(Quoted(o.digits)),
        QStringLiteral("\"case\":%1,").arg(o.case_),
        QStringLiteral("\"changeExt\":%1,").arg(Bool(o.changeExt)),
        QStringLiteral("\"newExt\":%1,").arg(Quoted(o.newExt)),
        QStringLiteral("\"conflict\":%1,").arg(o.conflict),
        QStringLiteral("\"insertText\":%1,").arg(Quoted(o.insertText)),
        QStringLiteral("\"insertPos\":%1,").arg(Quoted(o.insertPos)),
        QStringLiteral("\"removeFirst\":%1,").arg(Quoted(o.removeFirst)),
        QStringLiteral("\"removeLast\":%1,").arg(Quoted(o.removeLast)),
        QStringLiteral("\"removeFromPos\":%1,").arg(Quoted(o.removeFromPos)),
        QStringLiteral("\"removeTillPos\":%1,").arg(Quoted(o.removeTillPos)),
        QStringLiteral("\"charactersToRemove\":%1,").arg(Quoted(o.charactersToRemove)),
        QStringLiteral("\"collapseDoubleSpaces\":%1,").arg(Bool(o.collapseDoubleSpaces)),
        QStringLiteral("\"cropBefore\":%1,").arg(Quoted(o.cropBefore)),
        QStringLiteral("\"cropAfter\":%1,").arg(Quoted(o.cropAfter)),
        QStringLiteral("\"padNumbers\":%1,").arg(Quoted(o.padNumbers)),
        QStringLiteral("\"includeSubfolders\":%1,").arg(Bool(o.includeSubfolders)),
        QStringLiteral("\"batchMode\":%1,").arg(o.batchMode),
        QStringLiteral("\"destination\":%1,").arg(Quoted(o.destination)),
        QStringLiteral("\"touchModifiedNow\":%1").arg(Bool(o.touchModifiedNow)),
        QStringLiteral("}"),
    };
    QByteArray bytes("\xEF\xBB\xBF");
    for (const QString &line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

void SavePreset(const QString &fileName, const OptionPanel &options)
{
    const QByteArray bytes = PresetBytes(options);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw MorvaneError(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw MorvaneError(QStringLiteral("Cannot write file \"%1\". %2").arg(fileName, file.errorString()));
}
