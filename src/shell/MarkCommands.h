#pragma once

#include "PageViewMode.h"

#include <functional>

namespace folia {

struct AppState;
class MainView;
class Prompts;
class PageInteraction;

// The "Underlines" and "Alignment" commands: tick mode, marks on ticked rows and on the
// selected range, links and definitions, and taking marks off again. Each takes the undo snapshot
// where it must, changes the rows' mark lists, redraws and moves the page view's mode on.
class MarkCommands {
public:
    MarkCommands(AppState& state, MainView& view, Prompts& prompts, PageInteraction& interaction);

    // The pause before "Underline Vertical Line" answers; tests make it instant.
    void setPause(std::function<void(int milliseconds)> pause) { m_pause = std::move(pause); }

    // Runs the command when it is one of these; false for any other id.
    bool run(int commandId);

private:
    void toggleTickMode();
    void align(int commandId);
    void fullHorizontalLine();
    void verticalLine();
    void rangeMark(int commandId);
    void pageLink();
    void definition();
    // "Remove marks": of the selected range, the ticked rows or the caret's cell.
    void removeMarks();

    // The snapshot before a change of the current page, and its step in the history.
    void beginChange();
    // Whole-row marks end with the page drawn again and every tick cleared.
    void finishRowMark();
    // Range marks end with the page view back at rest.
    void finishRangeMark();
    // True when the selection's row can take a piece, link or definition.
    bool selectionRowIsUsable() const;
    const Selection& selection() const;
    const TickRows& ticks() const;

    AppState& m_state;
    MainView& m_view;
    Prompts& m_prompts;
    PageInteraction& m_interaction;
    std::function<void(int)> m_pause;
};

} // namespace folia
