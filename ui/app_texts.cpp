#include "ui/app_texts.h"

#include <QStringList>

namespace morvane {

QString applicationTitle()
{
    return QStringLiteral("Morvane");
}

QString versionText()
{
    return QStringLiteral("1.0");
}

QString websiteHost()
{
    return QStringLiteral("www.quenzel.example");
}

QString homepageUrl()
{
    return QStringLiteral("https://") + websiteHost() + QStringLiteral("/");
}

QString aboutText(const QDate &today)
{
    const QStringList lines = {
        applicationTitle(),
        QStringLiteral("Version: ") + versionText(),
        QString(),
        QString(),
        QStringLiteral("Website: ") + websiteHost(),
        QString(),
        QStringLiteral("This software is protected by copyright law and international treaties. "),
        QStringLiteral("Unauthorised reproduction or distribution of this program, or any portion of it, "),
        QStringLiteral("may result in severe civil and criminal penalties, and will be prosecuted "),
        QStringLiteral("to the maximum extent possible under the law."),
        QString(),
        QStringLiteral("Copyright (c) %1 Quenzel. All rights reserved.").arg(today.year()),
    };
    return lines.join(QStringLiteral("\r\n"));
}

QString patternHelpText()
{
    static const QStringList lines = {
        QStringLiteral("Pattern defines how the new file name will be built."),
        QString(),
        QStringLiteral("You can combine plain text with keywords in braces."),
        QStringLiteral("Examples:"),
        QStringLiteral("{counter}_{name}"),
        QStringLiteral("yourprefix_{name}"),
        QStringLiteral("{name}_{imgw}x{imgh}"),
        QString(),
        QStringLiteral("Supported keywords:"),
        QStringLiteral("{name} - file name after string replacement"),
        QStringLiteral("{ext} - original file extension without dot"),
        QStringLiteral("{counter} - auto-increment number"),
        QStringLiteral("{date} - current date"),
        QStringLiteral("{time} - current time"),
        QStringLiteral("{created} - file creation date"),
        QStringLiteral("{modified} - file modification date"),
        QStringLiteral("{parent}/{folder} - parent folder name"),
        QStringLiteral("{size} - file size in bytes"),
        QStringLiteral("{list} - imported name list entry"),
        QStringLiteral("{imgw}/{imgh} - image width/height when available"),
        QString(),
        QStringLiteral("Formatting examples:"),
        QStringLiteral("{date:yyyy-MM-dd}"),
        QStringLiteral("{created:yyyyMMdd}"),
        QStringLiteral("{modified:yyyy-MM-dd_HH-mm-ss}"),
        QStringLiteral("{name:1:8} - substring of the original name"),
    };
    return lines.join(QStringLiteral("\r\n"));
}

QString withFullStop(const QString &message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

} // namespace morvane
