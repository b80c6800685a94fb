#pragma once

#include <QLocale>
#include <QStringList>

namespace morvane {

// Installs the program's translation and Qt's own (standard buttons and
// dialogs) for the first of the user's languages that the program speaks.
// English needs none. Call it once the application object exists and before
// any text is built. Returns the language chosen ("de", "fr") or "en".
QString installTranslations(const QStringList &uiLanguages = QLocale::system().uiLanguages());

// The languages the program has a translation for, besides English.
QStringList translatedLanguages();

} // namespace morvane
