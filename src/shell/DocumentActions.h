#pragma once

#include "common/AtomicFile.h"

#include <QString>

namespace folia {

struct AppState;
class MainView;
class Prompts;

// Saves the whole document to "cache.04" under the busy animation, with "Undo" greyed
// while the file is written: the state that "Undo" brings back. "Undo" stays greyed when
// the file could not be written, since the file then holds an older state.
WriteResult saveSnapshot(AppState& state, MainView& view);
// The same, telling the user when the file could not be written.
void takeSnapshot(AppState& state, MainView& view, Prompts& prompts);

// Remembers the page to show again after a load, and greys "Undo".
void rememberPage(AppState& state, MainView& view);

// Loads "cache.04", marks every page to be drawn again when it is shown, then shows the
// remembered page. Returns false, changing nothing, when the file cannot be loaded.
bool loadAndRerender(AppState& state, MainView& view);

// Replaces the document with a text file under the busy animation, the caption naming the
// page being filled, then names page 1 of the new document and gives the page the focus.
// Returns false, changing nothing, when the file cannot be opened.
bool importTextFile(AppState& state, MainView& view, Prompts& prompts, const QString& path);

} // namespace folia
