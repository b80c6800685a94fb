#include "engine/program_module.h"

#include <dlfcn.h>
#include <unistd.h>

namespace morvane {

namespace {

std::string programFolder()
{
    char self[4096];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0)
        return {};
    std::string folder(self, size_t(n));
    folder.erase(folder.rfind('/'));
    return folder;
}

} // namespace

void *programModuleEntry(const char *fileName, const char *relativePath, const char *installedPath, const char *symbol,
                         std::string *reasons, bool (*accept)(void *entry))
{
    const std::string folder = programFolder();
    const std::string candidates[] = {folder + '/' + fileName, folder + "/../" + relativePath, installedPath};
    for (const std::string &path : candidates) {
        void *module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        void *entry = module ? dlsym(module, symbol) : nullptr;
        if (entry && (!accept || accept(entry)))
            return entry;
        const char *error = entry ? nullptr : dlerror();
        reasons->append(reasons->empty() ? "" : "\n  ")
            .append(entry       ? path + ": built for another version"
                        : error ? error
                                : path + ": no entry");
    }
    return nullptr;
}

} // namespace morvane
