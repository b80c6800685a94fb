#pragma once

#include <QDate>
#include <QString>

namespace morvane {

// Fixed texts of the application: title, version, home page, About and pattern help.
QString applicationTitle(); // "Morvane"
QString versionText();      // "1.0"
QString homepageUrl();      // the maker's home page, opened from the status bar link
QString websiteHost();      // its host name, shown in the About box

// The About text for a given local date (its year goes into the rights notice).
QString aboutText(const QDate &today);
// The pattern help shown by the "?" button beside the pattern.
QString patternHelpText();

// The application's error box text: the message with a full stop appended
// when its last character's code is greater than that of ".".
QString withFullStop(const QString &message);

} // namespace morvane
