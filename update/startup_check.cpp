#include "update/startup_check.h"

#include "update/new_version_dialog.h"
#include "update/version_check.h"

#include <QGuiApplication>

namespace morvane {

StartupVerdict runStartupVersionCheck(const UpdateEndpoint &endpoint, UpdateShell &shell)
{
    UpdateState state;
    if (!checkNewVersion(state, endpoint))
        return StartupVerdict::Continue;

    // The dialog is the only window so far; closing it must not end the
    // application before the main window exists.
    const bool quitOnLastClosed = QGuiApplication::quitOnLastWindowClosed();
    QGuiApplication::setQuitOnLastWindowClosed(false);
    int mark = 1;
    {
        NewVersionDialog dialog(state, endpoint, shell);
        dialog.exec();
        mark = dialog.tag;
    }
    QGuiApplication::setQuitOnLastWindowClosed(quitOnLastClosed);
    return mark == 0 ? StartupVerdict::Exit : StartupVerdict::Continue;
}

StartupVerdict runStartupVersionCheck()
{
    QtUpdateShell shell;
    return runStartupVersionCheck(UpdateEndpoint{}, shell);
}

} // namespace morvane
