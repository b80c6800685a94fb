#include "ui/theme.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPalette>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace morvane;

namespace {

double channel(int value)
{
    const double v = value / 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &c)
{
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QList<QColor> coloursIn(const QString &value)
{
    QList<QColor> colours;
    static const QRegularExpression hex(QStringLiteral("#[0-9a-fA-F]{6}"));
    for (const auto &m : hex.globalMatch(value))
        colours.append(QColor(m.captured()));
    return colours;
}

struct Rule {
    QString selector;
    QMap<QString, QString> properties;
};

QList<Rule> rulesOf(QString css)
{
    css.remove(QRegularExpression(QStringLiteral("/\\*.*?\\*/"), QRegularExpression::DotMatchesEverythingOption));
    QList<Rule> rules;
    static const QRegularExpression block(QStringLiteral("([^{}]+)\\{([^}]*)\\}"));
    for (const auto &m : block.globalMatch(css)) {
        Rule rule{m.captured(1).simplified(), {}};
        for (const QString &declaration : m.captured(2).split(u';', Qt::SkipEmptyParts)) {
            const qsizetype colon = declaration.indexOf(u':');
            if (colon > 0)
                rule.properties.insert(declaration.left(colon).trimmed(), declaration.mid(colon + 1).trimmed());
        }
        rules.append(rule);
    }
    return rules;
}

QImage iconImage(ColorScheme scheme)
{
    QString why;
    applyTheme(*qApp, defaultThemeName(), scheme, &why);
    return themedIcon(QStringLiteral("write")).pixmap(QSize(40, 40), 1.0).toImage();
}

} // namespace

class TestTheme : public QObject {
    Q_OBJECT
    QTemporaryDir m_config;

private slots:
    void initTestCase()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
        QCoreApplication::setOrganizationName(QStringLiteral("Quenzel"));
        QCoreApplication::setApplicationName(QStringLiteral("MorvaneThemeTest"));
        initUiResources();
    }

    void textContrast_data()
    {
        QTest::addColumn<ColorScheme>("scheme");
        // clang-format off
        QTest::newRow("light") << ColorScheme::Light;
        QTest::newRow("dark") << ColorScheme::Dark;
        // clang-format on
    }

    // Text against its background at 4.5:1 at least, in the palette and in every rule of the
    // sheet; disabled controls are exempt. Text that sets no background sits on the one named here.
    void textContrast()
    {
        QFETCH(ColorScheme, scheme);
        const QPalette palette = themePalette(scheme);
        const std::pair<QPalette::ColorRole, QPalette::ColorRole> pairs[] = {
            {QPalette::WindowText, QPalette::Window},
            {QPalette::Text, QPalette::Base},
            {QPalette::Text, QPalette::AlternateBase},
            {QPalette::ButtonText, QPalette::Button},
            {QPalette::HighlightedText, QPalette::Highlight},
            {QPalette::ToolTipText, QPalette::ToolTipBase},
            {QPalette::Link, QPalette::Window},
            {QPalette::Link, QPalette::Base}};
        for (const auto &[text, back] : pairs) {
            const double ratio = contrast(palette.color(text), palette.color(back));
            QVERIFY2(ratio >= 4.5,
                     qPrintable(QStringLiteral("palette roles %1 on %2: %3").arg(text).arg(back).arg(ratio)));
        }

        const QString css = themeStyleSheet(defaultThemeName(), scheme);
        QVERIFY(!css.isEmpty());
        const QList<Rule> rules = rulesOf(css);
        auto backgroundOf = [&](const QString &selector) {
            for (const Rule &r : rules) {
                if (r.selector == selector)
                    return coloursIn(r.properties.value(QStringLiteral("background")));
            }
            return QList<QColor>();
        };
        const QMap<QString, QString> sitsOn = {
            {QStringLiteral("QGroupBox::title"), QStringLiteral("QGroupBox")},
        };
        const QStringList decorations = {QStringLiteral("QFrame#Bevel1, QFrame#Bevel2, QFrame#Bevel3")};
        int checked = 0;
        for (const Rule &rule : rules) {
            if (rule.selector.contains(QLatin1String(":disabled")) || decorations.contains(rule.selector))
                continue;
            auto check = [&](const QString &textProperty, const QString &backProperty, QList<QColor> backs) {
                const QList<QColor> texts = textProperty.isEmpty() ? QList<QColor>{palette.color(QPalette::Text)}
                                                                   : coloursIn(rule.properties.value(textProperty));
                if (backs.isEmpty())
                    backs = coloursIn(rule.properties.value(backProperty));
                for (const QColor &t : texts) {
                    for (const QColor &b : backs) {
                        const double ratio = contrast(t, b);
                        ++checked;
                        QVERIFY2(ratio >= 4.5,
                                 qPrintable(QStringLiteral("%1: %2 on %3 is %4:1")
                                                .arg(rule.selector, t.name(), b.name())
                                                .arg(ratio)));
                    }
                }
            };
            const bool hasText = rule.properties.contains(QStringLiteral("color"));
            const bool hasBack = rule.properties.contains(QStringLiteral("background"));
            if (hasText && hasBack) {
                check(QStringLiteral("color"), QStringLiteral("background"), {});
            } else if (hasText) {
                QVERIFY2(sitsOn.contains(rule.selector),
                         qPrintable(rule.selector + QStringLiteral(" sets a colour on no background")));
                check(QStringLiteral("color"), QString(), backgroundOf(sitsOn.value(rule.selector)));
            } else if (hasBack) {
                check(QString(), QStringLiteral("background"), {}); // the palette's text on it
            }
            if (rule.properties.contains(QStringLiteral("selection-color")))
                check(QStringLiteral("selection-color"), QStringLiteral("selection-background-color"), {});
        }
        QVERIFY(checked > 20);
    }

    // The dark sheet is the light one with other colours: same rules, same sizes.
    void darkVariantKeepsTheLayout()
    {
        auto shape = [](QString css) {
            css.remove(QRegularExpression(QStringLiteral("/\\*.*?\\*/")));
            css.replace(QRegularExpression(QStringLiteral("#[0-9a-fA-F]{6}")), QStringLiteral("#"));
            css.replace(QStringLiteral("chevron-down-dark.svg"), QStringLiteral("chevron-down.svg"));
            return css;
        };
        QCOMPARE(shape(themeStyleSheet(defaultThemeName(), ColorScheme::Dark)),
                 shape(themeStyleSheet(defaultThemeName(), ColorScheme::Light)));
    }

    // The switch recolours the whole application, is remembered, and looking at the
    // desktop's own colours leaves ours in place.
    void switchChangesThePaletteAndIsRemembered()
    {
        const QColor lightWindow = themePalette(ColorScheme::Light).color(QPalette::Window);
        const QColor darkWindow = themePalette(ColorScheme::Dark).color(QPalette::Window);
        QWidget widget;
        widget.show();
        {
            ThemeController theme(*qApp);
            QCOMPARE(ThemeController::instance(), &theme);
            QCOMPARE(theme.choice(), ThemeController::Choice::System);
            QCOMPARE(theme.scheme(), ColorScheme::Light); // the offscreen desktop is light
            QCOMPARE(QApplication::palette().color(QPalette::Window), lightWindow);

            QSignalSpy changed(&theme, &ThemeController::schemeChanged);
            theme.setChoice(ThemeController::Choice::Dark);
            QCOMPARE(changed.count(), 1);
            QCOMPARE(QApplication::palette().color(QPalette::Window), darkWindow);
            QTRY_COMPARE(widget.palette().color(QPalette::Window), darkWindow);
            QVERIFY(qApp->styleSheet().contains(QLatin1String("chevron-down-dark.svg")));
            QCOMPARE(appliedColorScheme(), ColorScheme::Dark);

            QCOMPARE(ThemeController::desktopScheme(), ColorScheme::Light);
            QCOMPARE(QApplication::palette().color(QPalette::Window), darkWindow);
        }
        QCOMPARE(ThemeController::instance(), nullptr);
        {
            ThemeController again(*qApp);
            QCOMPARE(again.choice(), ThemeController::Choice::Dark);
            QCOMPARE(QApplication::palette().color(QPalette::Window), darkWindow);
            again.setChoice(ThemeController::Choice::Light);
            QCOMPARE(QApplication::palette().color(QPalette::Window), lightWindow);
        }
    }

    // Icons take the scheme's colours and are drawn at the device's pixel ratio.
    void iconsFollowTheSchemeAndScale()
    {
        const QImage light = iconImage(ColorScheme::Light);
        const QImage dark = iconImage(ColorScheme::Dark);
        QCOMPARE(light.size(), QSize(40, 40));
        QVERIFY(light != dark);
        const QPixmap sharp = themedIcon(QStringLiteral("write")).pixmap(QSize(40, 40), 2.0);
        QCOMPARE(sharp.size(), QSize(80, 80));
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
        applyTheme(*qApp, defaultThemeName(), ColorScheme::Light, nullptr);
    }
};

QTEST_MAIN(TestTheme)
#include "test_theme.moc"
