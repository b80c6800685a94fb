#include "i18n/translator.h"
#include "ui/settings_dialog.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QToolButton>

using namespace morvane;

namespace {

QString labelOf(QWidget *window, const char *buddy)
{
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (label->buddy() && label->buddy()->objectName() == QLatin1String(buddy))
            return label->text();
    }
    return {};
}

// Labels and check boxes narrower than their text: a translation too long for its place.
QStringList clippedTexts(QWidget *root)
{
    QStringList clipped;
    for (QWidget *w : root->findChildren<QWidget *>()) {
        auto *label = qobject_cast<QLabel *>(w);
        const bool text = (label && !label->wordWrap()) || qobject_cast<QCheckBox *>(w);
        if (text && w->isVisibleTo(root) && w->width() < w->sizeHint().width())
            clipped.append((label ? label->text() : static_cast<QCheckBox *>(w)->text())
                           + QStringLiteral(" (%1 < %2)").arg(w->width()).arg(w->sizeHint().width()));
    }
    return clipped;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { installTranslations({QStringLiteral("en")}); }

    void languageFromTheUsersList_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("chosen");
        // clang-format off
        QTest::newRow("German") << QStringList{"de-DE", "en-US"} << "de";
        QTest::newRow("Austrian German") << QStringList{"de-AT"} << "de";
        QTest::newRow("French after an untranslated one") << QStringList{"ja-JP", "fr-CA"} << "fr";
        QTest::newRow("English first") << QStringList{"en-GB", "de-DE"} << "en";
        QTest::newRow("none of ours") << QStringList{"ja-JP"} << "en";
        QTest::newRow("C locale") << QStringList{"C"} << "en";
        // clang-format on
    }
    void languageFromTheUsersList()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, chosen);
        QCOMPARE(installTranslations(uiLanguages), chosen);
        const QString settings = QCoreApplication::translate("morvane::CommandBar", "Settings");
        QCOMPARE(settings == QLatin1String("Settings"), chosen == QLatin1String("en"));
    }

    // The window speaks the language: captions, labels with their mnemonics, tips with the
    // desktop's key names (from Qt's own translation), the settings dialog and Qt's standard buttons.
    void windowShowsTranslatedCaptions_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("renameTip");
        QTest::addColumn<QString>("findLabel");
        QTest::addColumn<QString>("settingsTitle");
        QTest::addColumn<QString>("darkTheme");
        QTest::addColumn<QString>("cancel");
        // clang-format off
        QTest::newRow("de") << "de-DE" << "Dateien umbenennen! (Strg+R)" << "&Suchen im Namen:" << "Einstellungen"
                            << "Dunkel" << "Abbrechen";
        QTest::newRow("fr") << "fr-FR" << "Renommer les fichiers ! (Ctrl+R)" << "&Rechercher dans le nom :"
                            << QString::fromUtf8("Paramètres") << "Sombre" << "Annuler";
        QTest::newRow("en") << "en-US" << "Rename Files! (Ctrl+R)" << "&Find in name:" << "Settings" << "Dark"
                            << "Cancel";
        // clang-format on
    }
    void windowShowsTranslatedCaptions()
    {
        QFETCH(QString, language);
        QFETCH(QString, renameTip);
        QFETCH(QString, findLabel);
        QFETCH(QString, settingsTitle);
        QFETCH(QString, darkTheme);
        QFETCH(QString, cancel);
        installTranslations({language});
        WindowFixture f;
        QCOMPARE(f.find<QToolButton>("btnRename")->toolTip(), renameTip);
        QCOMPARE(labelOf(f.window.get(), "edtFind"), findLabel);
        SettingsDialog *settings = f.window->settingsDialog();
        QCOMPARE(settings->windowTitle(), settingsTitle);
        QCOMPARE(settings->findChild<QComboBox *>(QStringLiteral("cbTheme"))->itemText(2), darkTheme);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);

        QCOMPARE(clippedTexts(f.window.get()).join(u'|'), QString());
        settings->show();
        QVERIFY(QTest::qWaitForWindowExposed(settings));
        QCOMPARE(clippedTexts(settings).join(u'|'), QString());
        settings->hide();
    }

    // A count picks the language's plural form.
    void countsTakePluralForms()
    {
        const char *text =
            "%n file name(s) are not valid UTF-8 and cannot be renamed safely, so they were skipped:\n\n%1";
        installTranslations({QStringLiteral("de")});
        const QString one = QCoreApplication::translate("morvane::FileAdder", text, nullptr, 1);
        const QString two = QCoreApplication::translate("morvane::FileAdder", text, nullptr, 2);
        QVERIFY2(one.startsWith(QLatin1String("1 Dateiname ")), qPrintable(one));
        QVERIFY2(two.startsWith(QLatin1String("2 Dateinamen ")), qPrintable(two));
    }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
