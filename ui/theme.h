#pragma once

#include <QObject>
#include <QString>

class QApplication;
class QIcon;
class QPalette;
class QWidget;

namespace morvane {

enum class ColorScheme { Light, Dark };

// Applies a named visual theme from the resources (":/themes/<name>.qss",
// its dark variant ":/themes/<name>-dark.qss") to every window: the Fusion
// style, the theme's palette and style sheet. Returns false and says why in
// errorMessage when the theme cannot be applied; the application then keeps
// its default look.
bool applyTheme(QApplication &app, const QString &name, QString *errorMessage);
bool applyTheme(QApplication &app, const QString &name, ColorScheme scheme, QString *errorMessage);

// The scheme last applied; icons take their colours from it.
ColorScheme appliedColorScheme();

// The style sheet of a theme in a scheme, empty when there is none.
QString themeStyleSheet(const QString &name, ColorScheme scheme);
// The theme's palette in a scheme.
QPalette themePalette(ColorScheme scheme);

// An icon from the resources (":/icons/<name>.svg") drawn from its SVG at
// every size, so it stays sharp at any scale, and in the colours of the
// applied scheme.
QIcon themedIcon(const QString &name);

// Registers the window's icons and themes; safe to call more than once.
void initUiResources();

// The desktop's own UI font, at 9 points, for every window.
void applyDesktopFont(QApplication &app);

// Shrinks a window larger than its screen's free area (frame included) to
// fit it, and centres the window there. Call once the window has its frame.
void fitOnScreen(QWidget *window);

// The theme of this program.
inline QString defaultThemeName()
{
    return QStringLiteral("Allports");
}

// Light or dark, as the user chose in the settings (remembered), where
// System follows the desktop at start and whenever it changes.
class ThemeController : public QObject {
    Q_OBJECT
public:
    enum class Choice { System, Light, Dark };

    // Reads the remembered choice and applies it. The one controller of the
    // program; instance() finds it.
    explicit ThemeController(QApplication &app, QObject *parent = nullptr);
    ~ThemeController() override;
    static ThemeController *instance();

    Choice choice() const { return m_choice; }
    // Applies and remembers a choice.
    void setChoice(Choice choice);
    ColorScheme scheme() const;
    // True when the last apply failed; errorMessage() says why.
    QString errorMessage() const { return m_error; }

    // The desktop's scheme: its colour-scheme hint where Qt has one, else
    // how light the desktop's window colour is.
    static ColorScheme desktopScheme();
    static ColorScheme schemeOfPalette(const QPalette &palette);

signals:
    void schemeChanged(morvane::ColorScheme scheme);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void apply();

    QApplication &m_app;
    Choice m_choice = Choice::System;
    ColorScheme m_applied = ColorScheme::Light;
    bool m_applying = false;
    bool m_pending = false;
    QString m_error;
};

} // namespace morvane
