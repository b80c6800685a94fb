#include "console_run.h"
#include "main_window.h"
#include "startup_check.h"

#include <QApplication>
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
    if (RunStartupVersionCheck() == StartupVerdict::Exit)
        return 0;
    TFormMain window;
    window.show();
    return app.exec();
}
