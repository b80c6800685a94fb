#include "cli/console_run.h"
#include "i18n/translator.h"

#include <dlfcn.h>
#include <unistd.h>

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
    std::string folder;
    char self[4096];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (n > 0) {
        folder.assign(self, size_t(n));
        folder.erase(folder.rfind('/'));
    }
    const std::string candidates[] = {folder + "/morvane-window.so", folder + "/../" MORVANE_WINDOW_MODULE_RELATIVE,
                                      MORVANE_WINDOW_MODULE};
    std::string errors;
    void *module = nullptr;
    for (const std::string &path : candidates) {
        if ((module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)))
            break;
        errors += std::string("\n  ") + dlerror();
    }
    using Entry = int (*)(int, char **);
    const Entry entry = module ? reinterpret_cast<Entry>(dlsym(module, "morvaneWindowMain")) : nullptr;
    if (!entry) {
        std::fprintf(stderr, "morvane: the window cannot be started: its module could not be loaded:%s\n",
                     module ? dlerror() : errors.c_str());
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
