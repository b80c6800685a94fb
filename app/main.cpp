#include "app_texts.h"
#include "console_run.h"
#include "dialogs.h"
#include "main_window.h"
#include "startup_check.h"
#include "theme.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>

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
    if (IsConsoleRun(argc, argv))
        return RunConsole(argc, argv);
    if (!displayAvailable()) {
        std::fputs("morvane: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                   "Start the window under a virtual display:  xvfb-run -a morvane\n"
                   "or rename without a window:  morvane /cli /quiet /pattern={counter}_{name} FOLDER\n",
                   stderr);
        return 2;
    }
    QApplication app(argc, argv);
    // The look comes first, so that even the new-version dialog wears it.
    InitUiResources();
    ApplyDesktopFont(app);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/morvane.svg")));
    QApplication::setDesktopFileName(QStringLiteral("example.quenzel.Morvane"));
    QString themeError;
    if (!ApplyTheme(app, DefaultThemeName(), &themeError))
        QtDialogs().message(nullptr, Dialogs::Box::Error, QStringLiteral("Error"), themeError);
    QCoreApplication::setApplicationName(ApplicationTitle());

    if (RunStartupVersionCheck() == StartupVerdict::Exit)
        return 0;

    MainWindowSetup setup;
    setup.arguments = QCoreApplication::arguments().mid(1);
    TFormMain window(std::move(setup));
    // A command-line run that finished ends the program before the loop would show anything.
    if (window.terminationRequested())
        return 0;
    window.show();
    return app.exec();
}
