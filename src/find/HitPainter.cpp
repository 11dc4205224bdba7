#include "HitPainter.h"

#include "marks/CharacterGrid.h"

#include <QPainter>

namespace folia {

void paintLitCells(QPainter& painter, const std::vector<LitCells>& cells) {
    // Multiplied into the page: white cells take the colour, black characters stay black.
    painter.setCompositionMode(QPainter::CompositionMode_Multiply);
    const QColor other(255, 236, 110);
    const QColor current(255, 150, 40);
    for (const LitCells& lit : cells) {
        const int left = grid::columnLeft(lit.firstColumn);
        const QRect box(left, grid::rowTop(lit.row), grid::columnRight(lit.lastColumn) - left,
                        grid::kCellHeight);
        painter.fillRect(box, lit.current ? current : other);
    }
}

} // namespace folia
