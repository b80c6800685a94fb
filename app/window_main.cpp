#include "build_config.h"
#include "i18n/translator.h"
#include "ui/app_texts.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/new_version_dialog.h"
#include "ui/theme.h"

#include <QApplication>
#include <QIcon>

using namespace morvane;

extern "C" __attribute__((visibility("default"))) int morvaneWindowMain(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The language before any text is built, the look before any window, so even the new-version dialog has both.
    installTranslations();
    initUiResources();
    applyDesktopFont(app);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/morvane.svg")));
    QApplication::setDesktopFileName(QStringLiteral(MORVANE_APP_ID));
    QCoreApplication::setOrganizationName(QStringLiteral("Quenzel"));
    QCoreApplication::setApplicationName(applicationTitle());
    // Light or dark as remembered, or as the desktop is; it follows the desktop from then on.
    ThemeController theme(app);
    if (!theme.errorMessage().isEmpty())
        QtDialogs().message(nullptr, Dialogs::Box::Error, QCoreApplication::translate("morvane::MainWindow", "Error"),
                            theme.errorMessage());

    QtUpdateShell updateShell;
    if (checkForUpdateAtStartup(UpdateEndpoint{}, updateShell) == StartupVerdict::Exit)
        return 0;

    MainWindowSetup setup;
    setup.arguments = QCoreApplication::arguments().mid(1);
    MainWindow window(std::move(setup));
    // A command-line run that finished ends the program before the loop would show anything.
    if (window.terminationRequested())
        return 0;
    window.show();
    return app.exec();
}
