#include "KeyboardCaret.h"

#include "AppState.h"
#include "marks/CharacterGrid.h"
#include "view/PageSurfaces.h"
#include "view/PageZoom.h"
#include "view/RowLayout.h"

#include <QPainter>
#include <algorithm>

namespace folia {

bool KeyboardCaret::hasText(int row) const {
    return !shownText(m_state.document.row(m_state.currentPage, row)).trimmed().isEmpty();
}

std::pair<int, int> KeyboardCaret::columns(int row) const {
    const LineRecord& record = m_state.document.row(m_state.currentPage, row);
    const int length = int(shownText(record).size());
    const int first = firstTextColumn(alignmentOf(record), length);
    return {first, first + length - 1};
}

std::optional<GridCell> KeyboardCaret::cell() const {
    if (!m_state.documentPresent || !m_cell || !hasText(m_cell->row)) return std::nullopt;
    const auto [first, last] = columns(m_cell->row);
    if (m_cell->column < first || m_cell->column > last) return std::nullopt;
    return m_cell;
}

std::optional<GridCell> KeyboardCaret::place() {
    if (cell() || !m_state.documentPresent) return cell();
    // Rows ordered by their distance from where the caret was, or from the top of the view.
    const int topInView = std::clamp(-m_state.viewOffset / grid::kCellHeight + 1, 1, grid::kRows);
    const int from = m_cell ? m_cell->row : topInView;
    for (int distance = 0; distance < grid::kRows; ++distance) {
        for (int row : {from + distance, from - distance}) {
            if (!grid::isRow(row) || !hasText(row)) continue;
            moveTo({row, m_cell ? m_cell->column : columns(row).first});
            return m_cell;
        }
    }
    return std::nullopt;
}

bool KeyboardCaret::moveTo(GridCell cell) {
    if (!grid::isRow(cell.row) || !hasText(cell.row)) return false;
    const auto [first, last] = columns(cell.row);
    m_cell = GridCell{cell.row, std::clamp(cell.column, first, last)};
    return true;
}

bool KeyboardCaret::moveColumn(int step) {
    if (!cell()) return place().has_value(); // the first key shows where the caret is
    const auto [first, last] = columns(m_cell->row);
    const int column = m_cell->column + step;
    if (column < first || column > last) return false;
    m_cell->column = column;
    return true;
}

bool KeyboardCaret::moveRow(int step) {
    if (!cell()) return place().has_value();
    for (int row = m_cell->row + step; grid::isRow(row); row += step) {
        if (!hasText(row)) continue;
        moveTo({row, m_cell->column});
        return true;
    }
    return false;
}

int KeyboardCaret::offsetShowingCaret(int offset) const {
    if (!m_cell) return offset;
    return offsetShowingRow(offset, m_cell->row, m_state.surfaces.shownHeight());
}

void KeyboardCaret::paint(QPainter& painter, bool viewFocused) const {
    const std::optional<GridCell> caret = cell();
    if (!viewFocused || !caret) return;
    const QRect frame(grid::columnLeft(caret->column), grid::rowTop(caret->row), grid::kCellWidth,
                      grid::kCellHeight);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.adjusted(-1, -1, 0, 0));
}

} // namespace folia
