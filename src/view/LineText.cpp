#include "LineText.h"

#include "GridText.h"
#include "RowLayout.h"
#include "document/LineRecord.h"

namespace folia {

void drawLineText(QPainter& painter, const LineRecord& record, int row) {
    const QByteArray shown = shownText(record);
    const int column = firstTextColumn(alignmentOf(record), int(shown.size()));
    drawGridText(painter, column, row, shown, GridFontStyle::Normal, Qt::black);
}

} // namespace folia
