#pragma once

#include "SnapshotWriter.h"
#include "document/Document.h"
#include "output/OutputState.h"
#include "output/PictureCache.h"
#include "settings/Settings.h"
#include "view/PageSurfaces.h"

namespace folia {

struct TextSet;

// FOLIA's program-wide state: one object owned by the application and passed by
// reference to whatever needs it. What the reader is doing on the page view is not here
// but the page view's mode (PageInteraction).
struct AppState {
    explicit AppState(const TextSet& textSet) : texts(textSet) {}

    const TextSet& texts;
    Settings settings;
    Document document;
    PageSurfaces surfaces;
    SnapshotWriter snapshots; // the undo snapshot being written
    // The last snapshot could not be written, so the cache file holds an older state.
    bool snapshotFailed = false;
    // Only then does "Undo" bring back the state before the last change.
    bool undoFileIsCurrent() const { return !snapshots.pending() && !snapshotFailed; }
    // "Undo" has brought the file's state back; it is offered again once a snapshot is written.
    bool undoUsed = false;
    PictureCache pictures; // decoded once, drawn on every render

    int currentPage = 1;
    int rememberedPage = 1;
    bool documentPresent = false;
    int viewOffset = 0; // vertical offset of the view onto the current page

    bool dialogBusy = false;
    bool marksListShown = false; // the marks list beside the page
    // The start-up sequence is still bringing back the last run's document.
    bool startingUp = false;
    // "Exit" has run: whatever is still under way stops without changing anything.
    bool exited = false;
    // The colour picked in the favourite-colours window; black until one is picked.
    uint32_t selectedColour = 0;
    // The page choice of "Save Image" and the print failures of the last batch.
    OutputState output;
};

} // namespace folia
