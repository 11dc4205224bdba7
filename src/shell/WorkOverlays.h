#pragma once

#include "view/PageOverlay.h"

namespace folia {

struct AppState;
class PageViewMode;

// The tick boxes of tick mode beside every row, the ticked ones filled.
class TickBoxOverlay : public PageOverlay {
public:
    explicit TickBoxOverlay(const PageViewMode& mode) : m_mode(mode) {}
    void paint(QPainter& painter, bool viewFocused) const override;

private:
    const PageViewMode& m_mode;
};

// The selected cells on the selection's row, in the selector's colours, where the row
// shows a character.
class SelectionOverlay : public PageOverlay {
public:
    SelectionOverlay(const AppState& state, const PageViewMode& mode)
        : m_state(state), m_mode(mode) {}
    void paint(QPainter& painter, bool viewFocused) const override;

private:
    const AppState& m_state;
    const PageViewMode& m_mode;
};

} // namespace folia
