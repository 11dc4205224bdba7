#pragma once

#include "view/PageOverlay.h"

#include <optional>
#include <utility>

namespace folia {

struct AppState;

// A cell of the character grid.
struct GridCell {
    int row = 0;
    int column = 0;
    bool operator==(const GridCell&) const = default;
};

// The keyboard's caret on the current page, for marking without a mouse: a cell among
// the characters of a row that shows text. It lives in the page view only; nothing of it
// is stored or drawn on a page: it is painted over the page, as a frame round its cell,
// while the page view has the focus.
class KeyboardCaret : public PageOverlay {
public:
    explicit KeyboardCaret(const AppState& state) : m_state(state) {}

    // The caret's cell, once placed, while its row shows text on the current page.
    std::optional<GridCell> cell() const;
    // Makes sure the caret stands on a character: where it was when still valid, else on
    // the nearest row with text (the first one in view when it was never placed). Nothing
    // when the page has no row with text.
    std::optional<GridCell> place();
    // To the cell, held within the characters of its row; false, with the caret where it
    // was, on a row without text.
    bool moveTo(GridCell cell);
    // One character left or right, or one row with text up or down; false at an end.
    // A caret not yet on a character is only placed.
    bool moveColumn(int step);
    bool moveRow(int step);

    // The view offset nearest to `offset` that shows the caret's whole row.
    int offsetShowingCaret(int offset) const;

    void paint(QPainter& painter, bool viewFocused) const override;

private:
    bool hasText(int row) const;
    // First and last grid column of the row's characters.
    std::pair<int, int> columns(int row) const;

    const AppState& m_state;
    std::optional<GridCell> m_cell;
};

} // namespace folia
