#include "console_run.h"

// First cut: no console runs yet; the command-line work fills this in.
bool IsConsoleRun(int, char *[])
{
    return false;
}

int RunConsole(int, char *[])
{
    return 2;
}
