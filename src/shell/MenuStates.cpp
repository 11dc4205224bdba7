#include "MenuStates.h"

#include "CommandIds.h"
#include "MainView.h"

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
constexpr std::initializer_list<int> kNavigationCommands = {Update, Undo, GoTo};

void enable(MainView& view, std::initializer_list<int> ids, bool enabled) {
    for (int id : ids)
        view.setCommandEnabled(id, enabled);
}

void applyPattern(MainView& view, bool wholeRow, bool range, bool navigation) {
    enable(view, kWholeRowCommands, wholeRow);
    enable(view, kRangeCommands, range);
    enable(view, kNavigationCommands, navigation);
}

} // namespace

void applyNoDocumentMenu(MainView& view) {
    applyPattern(view, false, false, false);
    enable(view, {SaveImage, ExportMarks}, false);
}

void enableDocumentOutputs(MainView& view) {
    enable(view, {SaveImage, ExportMarks}, true);
}

void applyDocumentMenu(MainView& view, bool undoFileCurrent) {
    applyPattern(view, true, false, true);
    if (!undoFileCurrent) view.setCommandEnabled(Undo, false);
}
void applyTickMenu(MainView& view) {
    applyPattern(view, true, false, false);
}
void applyRangeSelectedMenu(MainView& view) {
    applyPattern(view, false, true, false);
}

} // namespace folia
