#pragma once

#include "settings/ConfiguratorRules.h"

namespace folia {

struct AppState;
class Prompts;

// "Exit" of the configurator: the boxes and lists go into the settings, the settings
// file is written, then the footers are checked. True when the dialog may close; false
// after telling that a footer switched on has no text.
bool exitConfigurator(AppState& state, Prompts& prompts, const ConfiguratorEntries& entries);

} // namespace folia
