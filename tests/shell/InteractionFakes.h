#pragma once

#include "shell/AppState.h"
#include "shell/PageInteraction.h"
#include "support/FakePorts.h"
#include "text/TextSet.h"

#include <QPainter>

namespace folia::test {

// A document of `pages` pages whose rows are filled by the test.
inline void makeDocument(AppState& state, int pages) {
    state.document.clear();
    state.document.pageCount = pages;
    state.documentPresent = pages > 0;
    state.currentPage = 1;
}

inline LineRecord& putRow(AppState& state, int page, int row, const QByteArray& text) {
    LineRecord& record = state.document.editRow(page, row);
    record.lineNumber = (page - 1) * 65 + row;
    record.page = page;
    record.lineOnPage = static_cast<int16_t>(row);
    record.setText(TextField::Text, text);
    return record;
}

// The current page as the page view shows it: its picture, the overlays painted over it.
inline QImage shownPage(AppState& state, const PageInteraction& interaction,
                        bool viewFocused = false) {
    QImage shown = state.surfaces.page(state.currentPage).copy();
    QPainter painter(&shown);
    interaction.paintOverlays(painter, viewFocused);
    return shown;
}

// Pointer position on the control of grid cell (column, row), given the view offset.
inline int xOfColumn(int column) {
    return 8 * (column - 1) + 4;
}
inline int yOfRow(int row, int offset) {
    return 16 * (row - 1) + 8 + offset;
}

} // namespace folia::test
