#include "update/startup_check.h"

#include "update/version_check.h"

namespace morvane {

StartupVerdict runStartupVersionCheck(const UpdateEndpoint &endpoint, const NewVersionPrompt &prompt)
{
    UpdateState state;
    if (!checkNewVersion(state, endpoint))
        return StartupVerdict::Continue;
    return prompt(state, endpoint);
}

} // namespace morvane
