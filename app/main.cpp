#include "cli/console_run.h"
#include "engine/program_module.h"
#include "i18n/translator.h"

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace morvane;

namespace {

// A window needs a display; say so plainly instead of failing inside Qt.
bool displayAvailable()
{
    auto set = [](const char *name) {
        const char *v = std::getenv(name);
        return v && *v;
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

// The window lives in a module of its own, beside the program in the build
// and in its library folder once installed: a run without a window then
// loads Qt Core alone, none of the GUI libraries it would never use.
int runWindow(int argc, char *argv[])
{
    std::string reasons;
    using Entry = int (*)(int, char **);
    const auto entry = reinterpret_cast<Entry>(programModuleEntry(
        "morvane-window.so", MORVANE_WINDOW_MODULE_RELATIVE, MORVANE_WINDOW_MODULE, "morvaneWindowMain", &reasons));
    if (!entry) {
        std::fprintf(stderr, "morvane: the window cannot be started: its module could not be loaded:\n  %s\n",
                     reasons.c_str());
        return 2;
    }
    return entry(argc, argv);
}

} // namespace

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
    return runWindow(argc, argv);
}
