#include "ConfiguratorExit.h"

#include "AppState.h"
#include "prompts/Prompts.h"
#include "prompts/WriteFailureReport.h"
#include "settings/SettingsFile.h"
#include "text/TextSet.h"

namespace folia {

bool exitConfigurator(AppState& state, Prompts& prompts, const ConfiguratorEntries& entries) {
    takeConfiguratorEntries(state.settings, entries);
    const TextSet& t = state.texts;
    reportWriteFailure(prompts, t, settingsPath(), saveSettings(state.settings, settingsPath()));
    if (footersComplete(state.settings)) return true;
    prompts.tell(t.mustTypeFooter, t.programmerTitle, MessageIcon::None, true);
    return false;
}

} // namespace folia
