#include "ReadingGuide.h"

#include "AppState.h"
#include "document/Document.h"
#include "marks/CharacterGrid.h"

#include <algorithm>

namespace folia {

bool isGuideRow(const LineRecord& record) {
    return record.imageStart == 0 && !record.text(TextField::Text).isEmpty();
}

std::optional<GuidePlace> firstGuidePlace(const Document& document, int page) {
    return nextGuidePlace(document, {page, 0});
}

std::optional<GuidePlace> nextGuidePlace(const Document& document, GuidePlace from) {
    int row = std::max(from.row, 0) + 1;
    for (int page = std::max(from.page, 1); page <= document.pageCount; ++page, row = 1) {
        for (; row <= grid::kRows; ++row)
            if (isGuideRow(document.row(page, row))) return GuidePlace{page, row};
    }
    return std::nullopt;
}

std::optional<GuidePlace> previousGuidePlace(const Document& document, GuidePlace from) {
    int row = std::min(from.row, grid::kRows + 1) - 1;
    for (int page = std::min(from.page, document.pageCount); page >= 1; --page, row = grid::kRows) {
        for (; row >= 1; --row)
            if (isGuideRow(document.row(page, row))) return GuidePlace{page, row};
    }
    return std::nullopt;
}

int guideViewOffset(int row) {
    return row >= 52 ? -200 : 0;
}

bool ReadingGuide::isOn() const {
    return m_state.settings.position.guideOn != 0;
}

bool ReadingGuide::switchOn() {
    const std::optional<GuidePlace> place = firstGuidePlace(m_state.document, m_state.currentPage);
    if (!place) return false;
    m_state.settings.position.guideOn = PositionSettings::kGuideShown;
    m_state.currentPage = place->page;
    m_state.settings.position.guideRow = static_cast<int16_t>(place->row);
    return true;
}

void ReadingGuide::moveDown() {
    const GuidePlace from = current();
    standOn(nextGuidePlace(m_state.document, from).value_or(from));
}

void ReadingGuide::moveUp() {
    const GuidePlace from = current();
    standOn(previousGuidePlace(m_state.document, from).value_or(from));
}

GuidePlace ReadingGuide::current() const {
    return {m_state.currentPage, m_state.settings.position.guideRow};
}

void ReadingGuide::standOn(GuidePlace place) {
    m_state.currentPage = place.page;
    m_state.settings.position.guideRow = static_cast<int16_t>(place.row);
    m_state.viewOffset = guideViewOffset(place.row);
}

} // namespace folia
