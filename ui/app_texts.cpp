#include "app_texts.h"

#include <QStringList>

QString ApplicationTitle()
{
    return QStringLiteral("Morvane");
}

QString VersionText()
{
    return QStringLiteral("1.0");
}

QString WebsiteHost()
{
    return QStringLiteral("www.quenzel.example");
}

QString HomepageUrl()
{
    return QStringLiteral("https://") + WebsiteHost() + QStringLiteral("/");
}

QString AboutText(const QDate &today)
{
    const QStringList lines = {
        ApplicationTitle(),
        QStringLiteral("Version: ") + VersionText(),
        QString(),
        QString(),
        QStringLiteral("Website: ") + WebsiteHost(),
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

QString PatternHelpText()
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

QString WithFullStop(const QString &message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}
