#pragma once

#include "common/AtomicFile.h"
#include "document/CacheFile.h"

#include <QString>

namespace folia {

struct AppState;
class MainView;
class Prompts;

// The undo snapshot: the document goes to "cache.04" (what changed since the last one, or
// all of it), written on the snapshot writer's thread while the window goes on; "Undo" and
// "Redo" are greyed until the write has ended. A snapshot still in flight is waited for first.
void takeSnapshot(AppState& state, MainView& view, Prompts& prompts,
                  CacheWriteScope scope = CacheWriteScope::Changes);
// Waits for the snapshot in flight (under the busy animation), then ends it: "Undo" back,
// or the user told once that the file could not be written. Nothing when none is pending.
void waitForSnapshot(AppState& state, MainView& view, Prompts& prompts);
// The same for a snapshot whose write has ended; one still being written goes on.
void finishEndedSnapshot(AppState& state, MainView& view, Prompts& prompts);
// A snapshot taken and waited for; its failure is left to the caller.
WriteResult saveSnapshot(AppState& state, MainView& view, Prompts& prompts);

// A change of the rows of `page` begins: the snapshot before it, and the history
// remembers the rows. The change ends with endChange, as one step of the history; changes
// begun within it are part of it.
void beginChange(AppState& state, MainView& view, Prompts& prompts, int page);
void endChange(AppState& state);
// After Undo or Redo: the cache file is written unless it holds the document as shown
// already (as it does after a single Undo, the snapshot before the change being there).
void keepFileAsShown(AppState& state, MainView& view, Prompts& prompts);

// Loads "cache.04", marks every page to be drawn again when it is shown, then shows the
// remembered page; the history starts again. Returns false, changing nothing, when the
// file cannot be loaded.
bool loadAndRerender(AppState& state, MainView& view);

// Replaces the document with a text file under the busy animation, the caption naming the
// page being filled, then names page 1 of the new document (its history empty), tells how
// many characters had to be replaced, if any, and gives the page the focus. Returns false,
// changing nothing, when the file cannot be opened.
bool importTextFile(AppState& state, MainView& view, Prompts& prompts, const QString& path);

} // namespace folia
