#include "ui/theme.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleHints>
#include <QSvgRenderer>
#include <QTimer>
#include <QWidget>

#include <memory>

// Q_INIT_RESOURCE must stand outside any namespace.
static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace morvane {

namespace {

ColorScheme g_appliedScheme = ColorScheme::Light;
ThemeController *g_controller = nullptr;

const char *const kThemeKey = "appearance/theme";

struct Colours {
    QColor window, base, alternate, text, button, highlight, disabledText, disabledBase, toolTipBase, link;
    QColor light, midlight, mid, dark, shadow;
};

// Calm teal and blue on a light, cool grey; the dark variant keeps the hues on deep blue-grey.
Colours coloursOf(ColorScheme scheme)
{
    if (scheme == ColorScheme::Dark)
        return {QColor(0x1A, 0x24, 0x29), QColor(0x12, 0x1B, 0x1F), QColor(0x17, 0x21, 0x26), QColor(0xDD, 0xE8, 0xEC),
                QColor(0x26, 0x34, 0x3A), QColor(0x23, 0x7A, 0x8C), QColor(0x6D, 0x7F, 0x87), QColor(0x1D, 0x27, 0x2B),
                QColor(0x2A, 0x34, 0x39), QColor(0x8C, 0xC4, 0xF0), QColor(0x3A, 0x4D, 0x55), QColor(0x30, 0x40, 0x47),
                QColor(0x40, 0x54, 0x5C), QColor(0x0E, 0x14, 0x17), QColor(0x05, 0x08, 0x0A)};
    return {QColor(0xEE, 0xF3, 0xF5), QColor(0xFF, 0xFF, 0xFF), QColor(0xF4, 0xF8, 0xF9), QColor(0x1C, 0x2B, 0x33),
            QColor(0xE2, 0xEC, 0xEF), QColor(0x23, 0x7A, 0x8C), QColor(0x8A, 0x9A, 0xA2), QColor(0xEE, 0xF3, 0xF5),
            QColor(0xFF, 0xFD, 0xF2), QColor(0x1B, 0x5E, 0x8C), QColor(0xFF, 0xFF, 0xFF), QColor(0xD6, 0xE2, 0xE6),
            QColor(0xB4, 0xC5, 0xCB), QColor(0x8C, 0xA1, 0xA8), QColor(0x4A, 0x5A, 0x60)};
}

// The icons' light colours and what each becomes on a dark background.
const std::pair<const char *, const char *> kDarkIconColours[] = {
    {"#237a8c", "#6cc3d5"}, {"#1b5e8c", "#8cc4f0"}, {"#2b5461", "#b7cdd5"}, {"#cfe6eb", "#28505a"},
    {"#eaf4f6", "#203a42"}, {"#9cc9d3", "#3f7f8d"}, {"#2f95a8", "#4fb3c7"}, {"#b0413e", "#e0736f"},
};

QByteArray svgFor(const QString &name, ColorScheme scheme)
{
    QFile file(QStringLiteral(":/icons/%1.svg").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray svg = file.readAll();
    if (scheme == ColorScheme::Dark) {
        for (const auto &[light, dark] : kDarkIconColours)
            svg.replace(light, dark);
    }
    return svg;
}

// Draws the SVG at the size asked for, in the colours of the scheme applied when it draws.
class ThemedIconEngine : public QIconEngine {
public:
    explicit ThemedIconEngine(const QString &name) : m_name(name) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        QSvgRenderer &r = renderer();
        if (!r.isValid())
            return;
        painter->save();
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.4);
        r.render(painter, rect);
        painter->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // QIcon hands over the size in device pixels already.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter p(&image);
            paint(&p, image.rect(), mode, state);
        }
        QPixmap pm = QPixmap::fromImage(std::move(image));
        pm.setDevicePixelRatio(scale);
        return pm;
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine *clone() const override { return new ThemedIconEngine(m_name); }
    QString key() const override { return QStringLiteral("morvane-themed-svg"); }

private:
    QSvgRenderer &renderer()
    {
        if (!m_renderer || m_scheme != g_appliedScheme) {
            m_scheme = g_appliedScheme;
            m_renderer = std::make_unique<QSvgRenderer>(svgFor(m_name, m_scheme));
        }
        return *m_renderer;
    }

    QString m_name;
    ColorScheme m_scheme = ColorScheme::Light;
    std::unique_ptr<QSvgRenderer> m_renderer;
};

} // namespace

QPalette themePalette(ColorScheme scheme)
{
    const Colours c = coloursOf(scheme);
    QPalette p;
    p.setColor(QPalette::Window, c.window);
    p.setColor(QPalette::WindowText, c.text);
    p.setColor(QPalette::Base, c.base);
    p.setColor(QPalette::AlternateBase, c.alternate);
    p.setColor(QPalette::ToolTipBase, c.toolTipBase);
    p.setColor(QPalette::ToolTipText, c.text);
    p.setColor(QPalette::PlaceholderText, c.disabledText);
    p.setColor(QPalette::Text, c.text);
    p.setColor(QPalette::Button, c.button);
    p.setColor(QPalette::ButtonText, c.text);
    p.setColor(QPalette::BrightText, Qt::white);
    p.setColor(QPalette::Highlight, c.highlight);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, c.link);
    p.setColor(QPalette::Light, c.light);
    p.setColor(QPalette::Midlight, c.midlight);
    p.setColor(QPalette::Mid, c.mid);
    p.setColor(QPalette::Dark, c.dark);
    p.setColor(QPalette::Shadow, c.shadow);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, c.disabledText);
    p.setColor(QPalette::Disabled, QPalette::Base, c.disabledBase);
    return p;
}

QString themeStyleSheet(const QString &name, ColorScheme scheme)
{
    const QString suffix = scheme == ColorScheme::Dark ? QStringLiteral("-dark") : QString();
    QFile sheet(QStringLiteral(":/themes/%1%2.qss").arg(name, suffix));
    if (!sheet.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(sheet.readAll());
}

ColorScheme appliedColorScheme()
{
    return g_appliedScheme;
}

QIcon themedIcon(const QString &name)
{
    return QIcon(new ThemedIconEngine(name));
}

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
    return applyTheme(app, name, g_appliedScheme, errorMessage);
}

bool applyTheme(QApplication &app, const QString &name, ColorScheme scheme, QString *errorMessage)
{
    initUiResources();
    const QString css = themeStyleSheet(name, scheme);
    QStyle *style = css.isEmpty() ? nullptr : QStyleFactory::create(QStringLiteral("Fusion"));
    if (!style) {
        if (errorMessage)
            *errorMessage = QCoreApplication::translate("morvane::Theme",
                                                        "The visual style \"%1\" cannot be applied: it is not "
                                                        "among the program's resources. The default look is used.")
                                .arg(name);
        return false;
    }
    g_appliedScheme = scheme;
    if (QString(app.style()->name()).compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        app.setStyle(style); // the application takes ownership
    else
        delete style;
    app.setPalette(themePalette(scheme));
    app.setStyleSheet(css);
    return true;
}

// ---------------------------------------------------------------- following the desktop

ThemeController::ThemeController(QApplication &app, QObject *parent) : QObject(parent), m_app(app)
{
    g_controller = this;
    const int stored = QSettings().value(QLatin1String(kThemeKey), 0).toInt();
    if (stored == int(Choice::Light) || stored == int(Choice::Dark))
        m_choice = Choice(stored);
    app.installEventFilter(this);
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    connect(QGuiApplication::styleHints(), &QStyleHints::colorSchemeChanged, this, [this] {
        if (m_choice == Choice::System)
            apply();
    });
#endif
    apply();
}

ThemeController::~ThemeController()
{
    if (g_controller == this)
        g_controller = nullptr;
}

ThemeController *ThemeController::instance()
{
    return g_controller;
}

void ThemeController::setChoice(Choice choice)
{
    m_choice = choice;
    QSettings().setValue(QLatin1String(kThemeKey), int(choice));
    apply();
}

ColorScheme ThemeController::scheme() const
{
    return m_applied;
}

ColorScheme ThemeController::schemeOfPalette(const QPalette &palette)
{
    const QColor window = palette.color(QPalette::Window);
    const QColor text = palette.color(QPalette::WindowText);
    return window.lightnessF() < text.lightnessF() ? ColorScheme::Dark : ColorScheme::Light;
}

ColorScheme ThemeController::desktopScheme()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    switch (QGuiApplication::styleHints()->colorScheme()) {
    case Qt::ColorScheme::Dark:
        return ColorScheme::Dark;
    case Qt::ColorScheme::Light:
        return ColorScheme::Light;
    default:
        break;
    }
#endif
    // Our own palette hides the desktop's: a palette with no roles set resolves to the desktop's again.
    const QPalette own = QApplication::palette();
    QApplication::setPalette(QPalette());
    const ColorScheme scheme = schemeOfPalette(QApplication::palette());
    QApplication::setPalette(own);
    return scheme;
}

void ThemeController::apply()
{
    m_applying = true;
    const ColorScheme scheme = m_choice == Choice::Light ? ColorScheme::Light
        : m_choice == Choice::Dark                       ? ColorScheme::Dark
                                                         : desktopScheme();
    const bool changed = scheme != m_applied;
    m_error.clear();
    if (!applyTheme(m_app, defaultThemeName(), scheme, &m_error))
        m_applied = ColorScheme::Light;
    else
        m_applied = scheme;
    m_applying = false;
    if (changed)
        emit schemeChanged(m_applied);
}

bool ThemeController::eventFilter(QObject *watched, QEvent *event)
{
    // The desktop's theme changed: Qt tells every window, so one look-up follows once the news is out.
    Q_UNUSED(watched);
    if (event->type() == QEvent::ThemeChange && m_choice == Choice::System && !m_applying && !m_pending) {
        m_pending = true;
        QTimer::singleShot(0, this, [this] {
            m_pending = false;
            if (m_choice == Choice::System)
                apply();
        });
    }
    return QObject::eventFilter(watched, event);
}

void fitOnScreen(QWidget *window)
{
    QScreen *screen = window->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize frame = window->frameGeometry().size() - window->size();
    window->resize(window->size().boundedTo(available.size() - frame));
    QRect area = window->frameGeometry();
    area.moveCenter(available.center());
    window->move(area.topLeft());
}

} // namespace morvane
