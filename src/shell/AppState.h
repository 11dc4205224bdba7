#pragma once

#include "SnapshotWriter.h"
#include "document/Document.h"
#include "document/DocumentHistory.h"
#include "output/OutputState.h"
#include "output/PictureCache.h"
#include "settings/Settings.h"
#include "view/PageSurfaces.h"

#include <QString>

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
    // The changes since the document was loaded or imported, for Undo and Redo.
    DocumentHistory history;
    // The history's states that the snapshot in flight writes and that the cache file
    // holds (0: not known, after a failed write).
    uint64_t stateBeingWritten = 0;
    uint64_t fileState = 0;
    // What the last Undo, Redo or removal did, for a screen reader; the next command
    // forgets it.
    QString changeNote;
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
