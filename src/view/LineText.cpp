#include "LineText.h"

#include "GridText.h"
#include "InlineSymbols.h"
#include "RowLayout.h"
#include "document/LineRecord.h"

#include <algorithm>

namespace folia {
namespace {

// A symbol's characters stay in the text but are not written: the symbol drawn over them
// covers only the middle of their cells, and the rest of the glyphs would show around it.
QByteArray withoutSymbolTokens(QByteArray shown) {
    for (const InlineSymbol& symbol : findInlineSymbols(shown))
        for (int i = 0; i < symbol.length(); ++i)
            shown[symbol.position - 1 + i] = ' ';
    return shown;
}

} // namespace

void drawLineText(QPainter& painter, const LineRecord& record, int row) {
    drawLineText(painter, record, row, {});
}

void drawLineText(QPainter& painter, const LineRecord& record, int row,
                  const std::vector<PieceRange>& leftOut) {
    const QByteArray shown = shownText(record);
    const int column = firstTextColumn(alignmentOf(record), int(shown.size()));
    QByteArray written = withoutSymbolTokens(shown);
    for (const PieceRange& range : leftOut) {
        if (range.row != row) continue;
        for (int c = std::max(range.first, column); c <= range.last; ++c)
            if (c - column < written.size()) written[c - column] = ' ';
    }
    drawGridText(painter, column, row, written, GridFontStyle::Normal, Qt::black);
}

} // namespace folia
