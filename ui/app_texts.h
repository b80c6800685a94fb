#pragma once

#include <QDate>
#include <QString>

// Fixed texts of the application: title, version, home page, About and pattern help.
QString ApplicationTitle();   // "Morvane"
QString VersionText();        // "1.0"
QString HomepageUrl();        // the maker's home page, opened from the status bar link
QString WebsiteHost();        // its host name, shown in the About box

// The About text for a given local date (its year goes into the rights notice).
QString AboutText(const QDate &today);
// The pattern help shown by the "?" button beside the pattern.
QString PatternHelpText();

// The application's error box text: the message with a full stop appended
// when its last character's code is greater than that of ".".
QString WithFullStop(const QString &message);
