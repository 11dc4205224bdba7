#pragma once

namespace folia {

struct AppState;
class MainView;

// Saves the whole document to "cache.04" under the busy animation, with "Undo" greyed
// while the file is written: the state that "Undo" brings back.
void takeSnapshot(AppState& state, MainView& view);

// Remembers the page to show again after a load, and greys "Undo".
void rememberPage(AppState& state, MainView& view);

// Loads "cache.04", marks every page to be drawn again when it is shown, then shows the
// remembered page. Returns false, changing nothing, when the file cannot be loaded.
bool loadAndRerender(AppState& state, MainView& view);

} // namespace folia
