#pragma once

#include <functional>

#include <QString>

namespace morvane {

// Runs that need no window: "/quiet" batches and the usage text. They are
// decided before any Qt application object exists, so no display is needed.
bool isConsoleRun(int argc, char *argv[]);
// Runs it on a QCoreApplication and returns the exit status (0 done, 1 failed, 2 usage fault).
// prepare runs once the application object exists, before any text is built (translations).
int runConsole(int argc, char *argv[], const std::function<void()> &prepare = {});

// One line of a quiet dry run (without its line feed): the original path, a
// TAB, the new name. TAB, CR, LF and backslash in the path become \t \r \n
// \\; a new name holds none of them (they become "_"), so it stands as it is.
QString dryRunLine(const QString &originalPath, const QString &newName);

} // namespace morvane
