#include "startup_check.h"

// First cut: no newer version, ever. The update work fills this in.
StartupVerdict RunStartupVersionCheck()
{
    return StartupVerdict::Continue;
}
