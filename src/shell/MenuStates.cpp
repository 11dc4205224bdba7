#include "MenuStates.h"

#include "AppState.h"
#include "ColourCommands.h"
#include "CommandIds.h"
#include "MainView.h"
#include "PageViewMode.h"

#include <initializer_list>

namespace folia {
namespace {

using namespace command;

constexpr std::initializer_list<int> kWholeRowCommands = {
    TickControl,   UnderlineFullHorizontal, UnderlineVertical,
    AlignRowsLeft, AlignRowsCentre,         AlignRowsRight};
constexpr std::initializer_list<int> kRangeCommands = {UnderlinePieceHorizontal,
                                                       UnderlinePieceTwoColours, UnderlineLink,
                                                       UnderlinePieceBold, UnderlineDefinition};
constexpr std::initializer_list<int> kNavigationCommands = {Update, Undo, Redo, GoTo};
// Offered whatever the state.
constexpr std::initializer_list<int> kOtherCommands = {New,
                                                       Exit,
                                                       Author,
                                                       SetUp,
                                                       FavouriteColours,
                                                       HorizontalColour,
                                                       VerticalColour,
                                                       TwoColourBackground,
                                                       TwoColourFont,
                                                       LinkColour,
                                                       SelectorColour,
                                                       SelectorTextColour,
                                                       GuideReader,
                                                       MarksList};

// The groups each state offers.
struct Offer {
    bool wholeRow;
    bool range;
    bool navigation;
};
constexpr Offer kNoDocument{false, false, false};
constexpr Offer kAtRest{true, false, true}; // also while a drag is under way
constexpr Offer kTicking{true, false, false};
constexpr Offer kRangeSelected{false, true, false};

Offer offerOf(const AppState& state, InteractionState mode) {
    if (!state.documentPresent) return kNoDocument;
    switch (mode) {
    case InteractionState::Ticking:
        return kTicking;
    case InteractionState::RangeSelected:
        return kRangeSelected;
    case InteractionState::Idle:
    case InteractionState::Selecting:
        break;
    }
    return kAtRest;
}

void enable(MenuStates& states, std::initializer_list<int> ids, bool enabled) {
    for (int id : ids)
        states[id].enabled = enabled;
}

} // namespace

MenuStates menuStates(const AppState& state, const PageViewMode& mode) {
    MenuStates states;
    const Offer offer = offerOf(state, mode.state());
    enable(states, kOtherCommands, true);
    enable(states, kWholeRowCommands, offer.wholeRow);
    enable(states, kRangeCommands, offer.range);
    enable(states, kNavigationCommands, offer.navigation);
    // Greyed while the snapshot before the last change is being written, as before.
    const bool canStep = offer.navigation && !state.snapshots.pending();
    states[Undo].enabled = canStep && state.history.canUndo();
    states[Redo].enabled = canStep && state.history.canRedo();
    // Wherever pieces or whole rows can be marked, their marks can be taken off.
    states[RemoveMarks].enabled = offer.range || offer.wholeRow;
    states[SaveImage].enabled = state.documentPresent;
    states[ExportPdf].enabled = state.documentPresent;
    states[Find].enabled = state.documentPresent;
    states[ExportMarks].enabled = state.documentPresent;
    CommandState& marksList = states[MarksList];
    marksList.checkable = true;
    marksList.checked = state.marksListShown;
    CommandState& guide = states[GuideReader];
    guide.checkable = true;
    guide.checked = state.settings.position.guideOn == PositionSettings::kGuideShown;
    for (int id : kColourCommands)
        states[id].swatch = int(colourSetting(state.settings.colours, id) & 0xFFFFFF);
    return states;
}

void showMenuStates(const AppState& state, const PageViewMode& mode, MainView& view) {
    view.showMenuStates(menuStates(state, mode));
}

} // namespace folia
