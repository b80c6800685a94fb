#pragma once

#include <QString>

// Runs that need no window: "/quiet" batches and the usage text. They are
// decided before any Qt application object exists, so no display is needed.
bool IsConsoleRun(int argc, char *argv[]);
// Runs it on a QCoreApplication and returns the exit status (0 done, 1 failed, 2 usage fault).
int RunConsole(int argc, char *argv[]);

// One line of a quiet dry run (without its line feed): the original path, a
// TAB, the new name; TAB, CR, LF and backslash inside either become \t \r \n \\.
QString DryRunLine(const QString &originalPath, const QString &newName);
