#pragma once

namespace folia {

struct AppState;
class MainView;
class PageViewMode;
class Prompts;

// The main window's initialisation once it exists: the start-up menu state, the colours that
// every start sets, then the document of the last run when "cache.04" is beside the program.
void initialiseMainWindow(AppState& state, const PageViewMode& mode, MainView& view,
                          Prompts& prompts);

// True when the platform's picture encoder can write PNG files, which the program needs.
bool imageCodecsAvailable();

} // namespace folia
