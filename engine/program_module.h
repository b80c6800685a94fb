#pragma once

#include <string>

namespace morvane {

// Opens one of the program's own modules and finds its entry. Looked for
// beside the program (the build), then in the library folder next to it,
// then at the installed path. accept(entry) may turn an entry down (a module
// of another build); then the next place is tried. Null when none fits, with
// one reason per place in reasons (a line each, indented after the first). A module opened stays loaded.
void *programModuleEntry(const char *fileName, const char *relativePath, const char *installedPath, const char *symbol,
                         std::string *reasons, bool (*accept)(void *entry) = nullptr);

} // namespace morvane
