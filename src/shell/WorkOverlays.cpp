#include "WorkOverlays.h"

#include "AppState.h"
#include "PageViewMode.h"
#include "common/ColourWord.h"
#include "view/GridText.h"
#include "view/RowLayout.h"

#include <QPainter>

namespace folia {

void TickBoxOverlay::paint(QPainter& painter, bool) const {
    if (!m_mode.is(InteractionState::Ticking)) return;
    for (int row = 1; row <= grid::kRows; ++row) {
        tickbox::drawEmpty(painter, row, m_mode.tickShape());
        if (m_mode.ticks()[row]) tickbox::drawTick(painter, row);
    }
}

void SelectionOverlay::paint(QPainter& painter, bool) const {
    if (!m_mode.hasSelection() || !m_state.documentPresent) return;
    const int row = m_mode.selection().row;
    const QByteArray shown = shownText(m_state.document.row(m_state.currentPage, row));
    const ColourSettings& colours = m_state.settings.colours;
    const QColor text = colourOf(uint32_t(colours.selectorText));
    const QColor background = colourOf(uint32_t(colours.selector));
    for (int position = 1; position <= shown.size(); ++position) {
        const int column = position + grid::kColumnOffset;
        if (m_mode.showsSelected(column))
            drawGridText(painter, column, row, shown.mid(position - 1, 1), GridFontStyle::Normal,
                         text, background);
    }
}

} // namespace folia
