#include "PageViewMode.h"

#include <algorithm>
#include <cstdlib>

namespace folia {

bool PageViewMode::showsSelected(int column) const {
    return hasSelection() && grid::isColumn(column) && m_shown.test(column);
}

int PageViewMode::tickedCount() const {
    return int(std::count(m_ticks.begin(), m_ticks.end(), true));
}

void PageViewMode::beginDrag(int row, int column) {
    if (!is(InteractionState::Idle)) return;
    m_state = InteractionState::Selecting;
    m_pressUsed = true;
    m_selection = {row, column, column};
    m_shown.reset();
    dragOver(column);
}

void PageViewMode::dragOver(int column) {
    if (is(InteractionState::Selecting) && grid::isColumn(column)) m_shown.set(column);
}

void PageViewMode::commitDrag(int endColumn) {
    if (!is(InteractionState::Selecting)) return;
    m_state = InteractionState::RangeSelected;
    m_selection.end = endColumn;
}

void PageViewMode::selectByKeys(int row, int column) {
    if (!is(InteractionState::Idle)) return;
    m_state = InteractionState::RangeSelected;
    m_pressUsed = true;
    m_selection = {row, column, column};
    m_shown.reset();
    showRange();
}

void PageViewMode::moveRangeEnd(int column) {
    if (!is(InteractionState::RangeSelected)) return;
    const int before = m_selection.end;
    m_selection.end = column;
    if (std::abs(column - m_selection.start) < std::abs(before - m_selection.start))
        m_shown.reset();
    showRange();
}

void PageViewMode::showRange() {
    const auto [first, last] = std::minmax(m_selection.start, m_selection.end);
    for (int column = std::max(first, 1); column <= std::min(last, grid::kColumns); ++column)
        m_shown.set(column);
}

void PageViewMode::endSelection() {
    rest(false);
}

void PageViewMode::tickModeOn(tickbox::Shape shape) {
    if (!is(InteractionState::Idle)) return;
    m_state = InteractionState::Ticking;
    m_tickShape = shape;
}

void PageViewMode::tickModeOff() {
    if (!is(InteractionState::Ticking)) return;
    m_state = InteractionState::Idle;
    clearTicks();
}

void PageViewMode::toggleTick(int row) {
    if (is(InteractionState::Ticking) && grid::isRow(row)) m_ticks[row] = !m_ticks[row];
}

void PageViewMode::usePress() {
    rest(true);
}

void PageViewMode::reset() {
    clearTicks();
    rest(false);
}

// Ticks that no box shows any more would still count for the next whole-row command.
void PageViewMode::rest(bool pressUsed) {
    if (is(InteractionState::Ticking)) clearTicks();
    m_state = InteractionState::Idle;
    m_pressUsed = pressUsed;
}

} // namespace folia
