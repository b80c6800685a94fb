#pragma once

#include <QString>

class QApplication;

namespace morvane {

// Applies a named visual theme from the resources (":/themes/<name>.qss")
// to every window: the Fusion style, the theme's palette and style sheet.
// Returns false and says why in errorMessage when the theme cannot be
// applied; the application then keeps its default look.
bool applyTheme(QApplication &app, const QString &name, QString *errorMessage);

// Registers the window's icons and themes; safe to call more than once.
void initUiResources();

// The desktop's own UI font, at 9 points, for every window.
void applyDesktopFont(QApplication &app);

// The theme of this program.
inline QString defaultThemeName() { return QStringLiteral("Allports"); }

} // namespace morvane
