#pragma once

namespace folia {

class MainView;

// The enabling patterns of the marking commands. "Save Image" and "Export marks…" are
// enabled only at start-up and by "New", so no pattern but the document state touches them.
void applyNoDocumentMenu(MainView& view);
void enableDocumentOutputs(MainView& view);
// Also the idle pattern of the page view. "Undo" is enabled only when the cache file holds
// the state before the last change (`AppState::undoFileIsCurrent`).
void applyDocumentMenu(MainView& view, bool undoFileCurrent);
void applyTickMenu(MainView& view);
void applyRangeSelectedMenu(MainView& view);

} // namespace folia
