#pragma once

#include "marks/CharacterGrid.h"
#include "marks/MarkEntryBuilders.h"
#include "view/TickBoxes.h"

#include <array>
#include <bitset>

namespace folia {

// What the reader is doing on the page view.
enum class InteractionState {
    Idle,          // at rest
    Ticking,       // tick mode: boxes beside the rows
    Selecting,     // a drag under way
    RangeSelected, // a range waits for a command
};

// The selected character range: a row and its first and last grid column. The end lies
// left of the start after a drag or keys to the left.
struct Selection {
    int row = 0;
    int start = 0;
    int end = 0;
};

// The page view's interaction as a state machine. Its moves:
//
//   Idle --beginDrag--> Selecting --commitDrag--> RangeSelected --endSelection--> Idle
//   Idle --selectByKeys--> RangeSelected (keys move its end with moveRangeEnd)
//   Idle --tickModeOn--> Ticking --tickModeOff--> Idle (the ticks cleared)
//   any --endSelection--> Idle, when a range command ran or a selection was cancelled
//   any --usePress--> Idle, when a press followed a link or showed a definition
//   any --reset--> Idle, nothing ticked (a new document)
//
// Leaving tick mode clears the ticks. The other moves, asked for in another state than the
// one they start from, are ignored.
class PageViewMode {
public:
    InteractionState state() const { return m_state; }
    bool is(InteractionState state) const { return m_state == state; }
    bool hasSelection() const {
        return is(InteractionState::Selecting) || is(InteractionState::RangeSelected);
    }

    // The last selection; it stays after the selection ended (the commands read its row).
    const Selection& selection() const { return m_selection; }
    // Whether the selection shows that column as selected: a cell a drag crossed, or within
    // the range keys selected.
    bool showsSelected(int column) const;

    const TickRows& ticks() const { return m_ticks; }
    int tickedCount() const;
    tickbox::Shape tickShape() const { return m_tickShape; }

    // Since the view was last at rest a press followed a link, showed a definition or began
    // a selection: the release of a press that did nothing then follows no link.
    bool pressUsed() const { return m_pressUsed; }

    void beginDrag(int row, int column);
    // The pointer crossed that column during the drag.
    void dragOver(int column);
    void commitDrag(int endColumn);
    void selectByKeys(int row, int column);
    // Keys moved the range's end: a shorter range shows just its cells, a longer one adds them.
    void moveRangeEnd(int column);
    void endSelection();

    void tickModeOn(tickbox::Shape shape);
    void tickModeOff();
    void toggleTick(int row);
    void clearTicks() { m_ticks.fill(false); }

    void usePress();
    void reset();

private:
    void showRange();
    void rest(bool pressUsed);

    InteractionState m_state = InteractionState::Idle;
    Selection m_selection;
    // The cells painted as selected, by column (a drag reaches column 100 at most).
    std::bitset<grid::kColumns + 1> m_shown;
    TickRows m_ticks{};
    tickbox::Shape m_tickShape = tickbox::Shape::Square;
    bool m_pressUsed = false;
};

} // namespace folia
