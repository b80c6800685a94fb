#pragma once

namespace morvane {

class UpdateShell;
struct UpdateEndpoint;

// The version-check step of start-up: asks the update server, shows the
// new-version dialog when there is a newer version, and tells start-up
// whether to go on. Every failure is silent and means "go on".
enum class StartupVerdict { Continue, Exit };

StartupVerdict runStartupVersionCheck();
// The same against another server and with answered boxes (tests).
StartupVerdict runStartupVersionCheck(const UpdateEndpoint &endpoint, UpdateShell &shell);

} // namespace morvane
