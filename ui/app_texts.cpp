#include "ui/app_texts.h"

#include "build_config.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeySequence>
#include <QStringList>
#include <QUrl>

namespace morvane {

namespace {

// The translation context of these texts.
struct AppTexts {
    Q_DECLARE_TR_FUNCTIONS(morvane::AppTexts)
};

// The keyboard's way to each command, as the tool tips name them.
QStringList shortcutHelpLines()
{
    const std::pair<QKeySequence, QString> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_O), AppTexts::tr("add files")},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), AppTexts::tr("add a folder")},
        {QKeySequence(Qt::Key_F5), AppTexts::tr("preview the new names")},
        {QKeySequence(Qt::CTRL | Qt::Key_R), AppTexts::tr("rename the files")},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), AppTexts::tr("undo the last rename")},
        {QKeySequence(Qt::CTRL | Qt::Key_Comma), AppTexts::tr("settings")},
        {QKeySequence(Qt::Key_F1), AppTexts::tr("this help")},
        {QKeySequence(Qt::Key_Delete), AppTexts::tr("remove the selected files from the list")},
    };
    // Key names as the desktop writes them need a GUI application; tools without one get Qt's portable names.
    const auto format = qobject_cast<QGuiApplication *>(QCoreApplication::instance()) ? QKeySequence::NativeText
                                                                                      : QKeySequence::PortableText;
    QStringList lines = {QString(), AppTexts::tr("Keyboard shortcuts:")};
    for (const auto &[key, what] : keys)
        lines.append(AppTexts::tr("%1 - %2").arg(key.toString(format), what));
    return lines;
}

} // namespace

QString applicationTitle()
{
    return QStringLiteral("Morvane");
}

QString versionText()
{
    return QStringLiteral(MORVANE_VERSION_TEXT);
}

QString websiteHost()
{
    return QUrl(QStringLiteral(MORVANE_HOME_PAGE)).host();
}

QString homepageUrl()
{
    return QStringLiteral(MORVANE_HOME_PAGE);
}

QString aboutText(const QDate &today)
{
    const QStringList lines = {
        applicationTitle(),
        AppTexts::tr("Version: %1").arg(versionText()),
        QString(),
        QString(),
        AppTexts::tr("Website: %1").arg(websiteHost()),
        QString(),
        AppTexts::tr("This software is protected by copyright law and international treaties. "),
        AppTexts::tr("Unauthorised reproduction or distribution of this program, or any portion of it, "),
        AppTexts::tr("may result in severe civil and criminal penalties, and will be prosecuted "),
        AppTexts::tr("to the maximum extent possible under the law."),
        QString(),
        AppTexts::tr("Copyright (c) %1 Quenzel. All rights reserved.").arg(today.year()),
    };
    return lines.join(QStringLiteral("\r\n"));
}

QString patternHelpText()
{
    const QStringList lines = {
        AppTexts::tr("Pattern defines how the new file name will be built."),
        QString(),
        AppTexts::tr("You can combine plain text with keywords in braces."),
        AppTexts::tr("Examples:"),
        QStringLiteral("{counter}_{name}"),
        QStringLiteral("yourprefix_{name}"),
        QStringLiteral("{name}_{imgw}x{imgh}"),
        QString(),
        AppTexts::tr("Supported keywords:"),
        AppTexts::tr("{name} - file name after string replacement"),
        AppTexts::tr("{ext} - original file extension without dot"),
        AppTexts::tr("{counter} - auto-increment number"),
        AppTexts::tr("{date} - current date"),
        AppTexts::tr("{time} - current time"),
        AppTexts::tr("{created} - file creation date"),
        AppTexts::tr("{modified} - file modification date"),
        AppTexts::tr("{parent}/{folder} - parent folder name"),
        AppTexts::tr("{size} - file size in bytes"),
        AppTexts::tr("{list} - imported name list entry"),
        AppTexts::tr("{imgw}/{imgh} - image width/height when available"),
        QString(),
        AppTexts::tr("Formatting examples:"),
        QStringLiteral("{date:yyyy-MM-dd}"),
        QStringLiteral("{created:yyyyMMdd}"),
        QStringLiteral("{modified:yyyy-MM-dd_HH-mm-ss}"),
        AppTexts::tr("{name:1:8} - substring of the original name"),
        // Keywords read from the file itself, after the text above.
        QString(),
        AppTexts::tr("Photo metadata (JPEG, TIFF, PNG, raw; empty when absent):"),
        AppTexts::tr("{taken} - date taken, yyyymmdd; {taken:yyyy-MM-dd_hh-nn-ss.zzz} formatted"),
        AppTexts::tr("{camera} - make and model; {make}, {model}, {lens}, {iso}"),
        AppTexts::tr("{exif:Exif.Photo.FNumber} - any Exif, IPTC or XMP key"),
        AppTexts::tr("Audio tags (MP3, FLAC, Ogg, M4A, WMA, WAV, ...):"),
        AppTexts::tr("{artist}, {album}, {albumartist}, {title}, {track}, {disc}, {year}, {genre}"),
    };
    return (lines + shortcutHelpLines()).join(QStringLiteral("\r\n"));
}

QString withFullStop(const QString &message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

} // namespace morvane
