#pragma once

#include "document/Document.h"
#include "document/PageSurfaces.h"
#include "output/OutputState.h"
#include "output/PictureCache.h"
#include "settings/Settings.h"

#include <array>

namespace folia {

struct TextSet;

// What the user is doing on the page view.
enum class InteractionState { Idle = 0, Ticking = 1, Selecting = 3, RangeSelected = 4 };

// The selected character range: a row and its first and last grid column.
struct Selection {
    int row = 0;
    int start = 0;
    int end = 0;
};

// FOLIA's program-wide state: one object owned by the application and passed by
// reference to whatever needs it.
struct AppState {
    explicit AppState(const TextSet& textSet) : texts(textSet) {}

    const TextSet& texts;
    Settings settings;
    Document document;
    PageSurfaces surfaces;
    PictureCache pictures; // decoded once, drawn on every render

    int currentPage = 1;
    int rememberedPage = 1;
    bool documentPresent = false;
    int viewOffset = 0; // vertical offset of the view onto the current page

    InteractionState interactionState = InteractionState::Idle;
    std::array<bool, 66> tickFlags{}; // rows 1..65
    Selection selection;
    bool dragFlag = false;
    bool dialogBusy = false;
    // The start-up sequence is still bringing back the last run's document.
    bool startingUp = false;
    // "Exit" has run: whatever is still under way stops without changing anything.
    bool exited = false;
    // The colour picked in the favourite-colours window; black until one is picked.
    uint32_t selectedColour = 0;
    // The page choice of "Save Image" and the print failures of the last batch.
    OutputState output;

    // Colours that every start sets, whatever the settings file holds.
    uint32_t pageBackground = 16777215;
    uint32_t guideFill = 12632256;
};

} // namespace folia
