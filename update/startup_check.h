#pragma once

#include <functional>

namespace morvane {

struct UpdateEndpoint;
struct UpdateState;

// The version-check step of start-up: asks the update server, lets the
// prompt (the new-version dialog) handle a newer version, and tells start-up
// whether to go on. Every failure is silent and means "go on".
enum class StartupVerdict { Continue, Exit };

// Shown only when a newer version exists; its verdict is start-up's.
using NewVersionPrompt = std::function<StartupVerdict(UpdateState &state, const UpdateEndpoint &endpoint)>;

StartupVerdict runStartupVersionCheck(const UpdateEndpoint &endpoint, const NewVersionPrompt &prompt);

} // namespace morvane
