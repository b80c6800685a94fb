#include "build_config.h"
#include "cli/console_run.h"
#include "i18n/translator.h"
#include "ui/app_texts.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/new_version_dialog.h"
#include "ui/theme.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>

using namespace morvane;

namespace {

// A window needs a display; say so plainly instead of failing inside Qt.
bool displayAvailable()
{
    auto set = [](const char *name) { const char *v = std::getenv(name); return v && *v; };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char *argv[])
{
    if (isConsoleRun(argc, argv))
        return runConsole(argc, argv, [] { installTranslations(); });
    if (!displayAvailable()) {
        std::fputs("morvane: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                   "Start the window under a virtual display:  xvfb-run -a morvane\n"
                   "or rename without a window:  morvane /cli /quiet /pattern={counter}_{name} FOLDER\n",
                   stderr);
        return 2;
    }
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
