#include "GuideBar.h"

#include "marks/CharacterGrid.h"

#include <QPainter>
#include <QRandomGenerator>

namespace folia {

void drawGuideBar(QPainter& painter, int row, const QColor& outline, const QColor& fill) {
    const QRectF bar(grid::columnRight(1), grid::rowTop(row),
                     grid::columnRight(99) - grid::columnRight(1), grid::kCellHeight);
    const qreal radius = bar.height() / 2; // ends fully rounded
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(outline, 3, Qt::SolidLine));
    painter.setBrush(fill);
    painter.drawRoundedRect(bar, radius, radius);
    painter.restore();
}

QColor randomGuideOutline() {
    auto* random = QRandomGenerator::global();
    return QColor(random->bounded(1, 256), random->bounded(1, 256), random->bounded(1, 256));
}

} // namespace folia
