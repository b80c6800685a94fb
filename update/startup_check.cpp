#include "startup_check.h"

#include "new_version_dialog.h"
#include "version_check.h"

#include <QGuiApplication>

StartupVerdict RunStartupVersionCheck(const UpdateEndpoint &endpoint, UpdateShell &shell)
{
    TUpdateState state;
    if (!CheckNewVersion(state, endpoint))
        return StartupVerdict::Continue;

    // The dialog is the only window so far; closing it must not end the
    // application before the main window exists.
    const bool quitOnLastClosed = QGuiApplication::quitOnLastWindowClosed();
    QGuiApplication::setQuitOnLastWindowClosed(false);
    int mark = 1;
    {
        TfrmNewVersion dialog(state, endpoint, shell);
        dialog.exec();
        mark = dialog.Tag;
    }
    QGuiApplication::setQuitOnLastWindowClosed(quitOnLastClosed);
    return mark == 0 ? StartupVerdict::Exit : StartupVerdict::Continue;
}

StartupVerdict RunStartupVersionCheck()
{
    QtUpdateShell shell;
    return RunStartupVersionCheck(UpdateEndpoint{}, shell);
}
