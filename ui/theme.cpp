#include "ui/theme.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

// Q_INIT_RESOURCE must stand outside any namespace.
static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace morvane {

namespace {

// Calm teal and blue on a light, cool grey; one palette for every window.
QPalette allportsPalette()
{
    const QColor window(0xEE, 0xF3, 0xF5);
    const QColor base(0xFF, 0xFF, 0xFF);
    const QColor alternate(0xF4, 0xF8, 0xF9);
    const QColor text(0x1C, 0x2B, 0x33);
    const QColor button(0xE2, 0xEC, 0xEF);
    const QColor highlight(0x23, 0x7A, 0x8C);
    const QColor disabledText(0x8A, 0x9A, 0xA2);

    QPalette p;
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, alternate);
    p.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFD, 0xF2));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, disabledText);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, button);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::white);
    p.setColor(QPalette::Highlight, highlight);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(0x1B, 0x5E, 0x8C));
    p.setColor(QPalette::Light, QColor(0xFF, 0xFF, 0xFF));
    p.setColor(QPalette::Midlight, QColor(0xD6, 0xE2, 0xE6));
    p.setColor(QPalette::Mid, QColor(0xB4, 0xC5, 0xCB));
    p.setColor(QPalette::Dark, QColor(0x8C, 0xA1, 0xA8));
    p.setColor(QPalette::Shadow, QColor(0x4A, 0x5A, 0x60));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabledText);
    p.setColor(QPalette::Disabled, QPalette::Base, window);
    return p;
}

}  // namespace

void initUiResources()
{
    static const bool done = (initResources(), true);
    Q_UNUSED(done);
}

void applyDesktopFont(QApplication &app)
{
    QFont font = QApplication::font();
    font.setPointSize(9);
    app.setFont(font);
}

bool applyTheme(QApplication &app, const QString &name, QString *errorMessage)
{
    QFile sheet(QStringLiteral(":/themes/%1.qss").arg(name));
    QByteArray css;
    if (sheet.open(QIODevice::ReadOnly))
        css = sheet.readAll();
    QStyle *style = QStyleFactory::create(QStringLiteral("Fusion"));
    if (css.isEmpty() || !style) {
        delete style;
        if (errorMessage)
            *errorMessage = QCoreApplication::translate("morvane::Theme",
                                                        "The visual style \"%1\" cannot be applied: it is not "
                                                        "among the program's resources. The default look is used.")
                                .arg(name);
        return false;
    }
    app.setStyle(style);   // the application takes ownership
    app.setPalette(allportsPalette());
    app.setStyleSheet(QString::fromUtf8(css));
    return true;
}

} // namespace morvane
