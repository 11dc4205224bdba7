#include "MarkPainter.h"

#include "GridText.h"
#include "InlineSymbolPainter.h"
#include "PageContext.h"
#include "RowLayout.h"
#include "document/Document.h"
#include "marks/CharacterGrid.h"
#include "marks/MarkLists.h"

#include <QPainter>
#include <algorithm>

namespace folia {
namespace {

// The characters a range covers on its row, as (first column, text); pieces are redrawn
// only where the row shows a character (columns 4..96 of an unaligned row).
std::pair<int, QByteArray> charactersIn(const PageContext& context, const PieceRange& range) {
    const QByteArray shown = shownText(context.document.row(context.page, range.row));
    const int first = std::max(range.first, grid::kFirstTextColumn);
    const int last = std::min(range.last, grid::kFirstTextColumn - 1 + int(shown.size()));
    if (first > last) return {first, {}};
    return {first, shown.mid(first - grid::kFirstTextColumn, last - first + 1)};
}

// A 2-pixel line along a row or column edge: it covers the pixel rows (or columns) on
// both sides of the edge, from one end up to but not including the other.
void drawEdgeLine(QPainter& painter, QPoint from, QPoint to, const QColor& colour) {
    if (from.y() == to.y()) {
        const int left = std::min(from.x(), to.x());
        painter.fillRect(left, from.y() - 1, std::abs(to.x() - from.x()), 2, colour);
    } else {
        const int top = std::min(from.y(), to.y());
        painter.fillRect(from.x() - 1, top, 2, std::abs(to.y() - from.y()), colour);
    }
}

// Between two column edges in either order: a range marked right to left keeps its line.
void drawDottedLine(QPainter& painter, int from, int to, int y) {
    for (int x = std::min(from, to); x < std::max(from, to); x += 2)
        painter.fillRect(x, y, 1, 1, Qt::black);
}

// Rows whose pieces and links are drawn: marked and without an alignment code.
bool drawsPieces(const LineRecord& record) {
    return record.hasMarks == 1 && alignmentOf(record) == RowAlignment::None;
}

bool drawsLinkList(const LineRecord& record) {
    return record.linkKind > 0 && record.linkKind < 3;
}

bool isDrawnLink(const LinkMark& link) {
    return link.code.startsWith("1E") || link.code.startsWith("2E");
}

void drawLinks(QPainter& painter, const PageContext& context, const LineRecord& record) {
    if (!drawsLinkList(record)) return;
    for (const LinkMark& link : linkMarks(record)) {
        const auto [column, text] = charactersIn(context, link.range);
        if (link.code.startsWith("1E")) {
            drawGridText(painter, column, link.range.row, text, GridFontStyle::Underlined,
                         context.linkColour, context.pageBackground);
        } else if (link.code.startsWith("2E")) {
            drawGridText(painter, column, link.range.row, text, GridFontStyle::Bold, Qt::black);
            drawDottedLine(painter, grid::columnLeft(link.range.first),
                           grid::columnRight(link.range.last), grid::rowBottom(link.range.row));
        }
    }
}

void drawTwoColourPieces(QPainter& painter, const PageContext& context, const LineRecord& record) {
    for (const TwoColourPiece& piece : twoColourPieces(record)) {
        const auto [column, text] = charactersIn(context, piece.range);
        drawGridText(painter, column, piece.range.row, text, GridFontStyle::Normal,
                     colourOf(piece.foreground), colourOf(piece.background));
    }
}

void drawBoldPieces(QPainter& painter, const PageContext& context, const LineRecord& record) {
    for (const BoldPiece& piece : boldPieces(record)) {
        const auto [column, text] = charactersIn(context, piece.range);
        drawGridText(painter, column, piece.range.row, text, GridFontStyle::Bold, Qt::black);
    }
}

void drawHorizontalPieces(QPainter& painter, const PageContext& context, const LineRecord& record) {
    for (const HorizontalPiece& piece : horizontalPieces(record)) {
        const int y = grid::rowBottom(piece.row);
        drawEdgeLine(painter, {grid::columnLeft(piece.before + 1), y},
                     {grid::columnRight(piece.last), y}, context.horizontalColour);
    }
}

void drawBrackets(QPainter& painter, const PageContext& context, const LineRecord& record) {
    constexpr int kStem = 20;
    constexpr int kTickEnd = 30;
    for (const Bracket& bracket : brackets(record)) {
        const int top = grid::rowTop(bracket.firstRow);
        const int bottom = grid::rowBottom(bracket.lastRow);
        drawEdgeLine(painter, {kStem, top - 1}, {kStem, bottom}, context.verticalColour);
        drawEdgeLine(painter, {kStem, top}, {kTickEnd, top}, context.verticalColour);
        drawEdgeLine(painter, {kStem, bottom}, {kTickEnd, bottom}, context.verticalColour);
    }
}

} // namespace

void drawMarks(QPainter& painter, const PageContext& context) {
    const Document& document = context.document;
    for (int row = grid::kRows; row >= 1; --row) {
        const LineRecord& record = document.row(context.page, row);
        if (!drawsPieces(record)) continue;
        drawLinks(painter, context, record);
        drawTwoColourPieces(painter, context, record);
        drawBoldPieces(painter, context, record);
        drawHorizontalPieces(painter, context, record);
        drawBrackets(painter, context, record);
    }
    for (int row = 1; row <= grid::kRows; ++row)
        drawInlineSymbols(painter, document.row(context.page, row), row,
                          context.symbolBacking(row));
    for (int row = 1; row <= grid::kRows; ++row) {
        const LineRecord& record = document.row(context.page, row);
        if (record.hasMarks != 1 || isCentredOrRight(alignmentOf(record))) continue;
        drawBrackets(painter, context, record);
        drawHorizontalPieces(painter, context, record);
    }
}

std::vector<PieceRange> rewrittenRanges(const PageContext& context) {
    std::vector<PieceRange> ranges;
    for (int row = 1; row <= grid::kRows; ++row) {
        const LineRecord& record = context.document.row(context.page, row);
        if (!drawsPieces(record)) continue;
        if (drawsLinkList(record))
            for (const LinkMark& link : linkMarks(record))
                if (isDrawnLink(link)) ranges.push_back(link.range);
        for (const TwoColourPiece& piece : twoColourPieces(record))
            ranges.push_back(piece.range);
        for (const BoldPiece& piece : boldPieces(record))
            ranges.push_back(piece.range);
    }
    return ranges;
}

} // namespace folia
