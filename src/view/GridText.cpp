#include "GridText.h"

#include "CharacterGrid.h"
#include "common/Cp1252.h"

#include <QFont>
#include <QGlyphRun>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <array>

namespace folia {
namespace {

QFont gridFont(GridFontStyle style) {
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(13); // 10 points at 96 dots per inch
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setBold(style == GridFontStyle::Bold);
    return font;
}

// The font and the glyph of every byte, looked up once per style: text is drawn for
// every row of every render.
struct GlyphTable {
    QRawFont font;
    std::array<quint32, 256> glyphs{};

    explicit GlyphTable(GridFontStyle style) : font(QRawFont::fromFont(gridFont(style))) {
        QString characters;
        for (int byte = 0; byte < 256; ++byte)
            characters += QChar(cp1252ToUnicode(uchar(byte)));
        const QList<quint32> indexes = font.glyphIndexesForString(characters);
        for (int byte = 0; byte < 256 && byte < indexes.size(); ++byte)
            glyphs[byte] = indexes[byte];
    }
};

const GlyphTable& glyphTable(GridFontStyle style) {
    // Kept for the whole run and never destroyed: fonts must not outlive the application
    // object at exit.
    static const auto* tables = new std::array<GlyphTable, 2>{GlyphTable(GridFontStyle::Normal),
                                                              GlyphTable(GridFontStyle::Bold)};
    // Underlining is drawn with the glyph run: its glyphs are the normal ones.
    return (*tables)[style == GridFontStyle::Bold ? 1 : 0];
}

// The glyphs of `text`, one per cell from the first.
QList<quint32> glyphsOf(const QByteArray& text, const GlyphTable& table) {
    QList<quint32> glyphs(text.size());
    for (qsizetype i = 0; i < text.size(); ++i)
        glyphs[i] = table.glyphs[uchar(text[i])];
    return glyphs;
}

// Drawn as shapes rather than as text: devices that keep text (PDF files) then hold each
// character of a row once, whatever marks write it again.
void drawGlyphOutlines(QPainter& painter, QPointF origin, const QByteArray& text,
                       GridFontStyle style, const QColor& foreground) {
    const GlyphTable& table = glyphTable(style);
    const QList<quint32> glyphs = glyphsOf(text, table);
    QPainterPath outlines;
    for (qsizetype i = 0; i < glyphs.size(); ++i)
        outlines.addPath(table.font.pathForGlyph(glyphs[i])
                             .translated(origin.x() + grid::kCellWidth * qreal(i),
                                         origin.y() + grid::kBaseline));
    painter.fillPath(outlines, foreground);
    if (style == GridFontStyle::Underlined)
        painter.fillRect(QRectF(origin.x(), origin.y() + grid::kBaseline + table.font.underlinePosition(),
                                qreal(grid::kCellWidth * text.size()), table.font.lineThickness()),
                         foreground);
}

void fillCells(QPainter& painter, int column, int row, qsizetype count, const QColor& background) {
    painter.fillRect(grid::columnLeft(column), grid::rowTop(row), grid::kCellWidth * int(count),
                     grid::kCellHeight, background);
}

bool keepsText(const QPainter& painter) {
    return painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Pdf;
}

} // namespace

void drawGridText(QPainter& painter, int column, int row, const QByteArray& text,
                  GridFontStyle style, const QColor& foreground) {
    if (text.isEmpty()) return;
    const GlyphTable& table = glyphTable(style);
    QList<QPointF> positions(text.size());
    for (qsizetype i = 0; i < text.size(); ++i)
        positions[i] = QPointF(qreal(grid::kCellWidth * i), grid::kBaseline);
    QGlyphRun run;
    run.setRawFont(table.font);
    run.setGlyphIndexes(glyphsOf(text, table));
    run.setPositions(positions);
    run.setUnderline(style == GridFontStyle::Underlined);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setPen(foreground);
    painter.drawGlyphRun(QPointF(grid::columnLeft(column), grid::rowTop(row)), run);
}

void drawGridText(QPainter& painter, int column, int row, const QByteArray& text,
                  GridFontStyle style, const QColor& foreground, const QColor& background) {
    fillCells(painter, column, row, text.size(), background);
    drawGridText(painter, column, row, text, style, foreground);
}

void redrawGridText(QPainter& painter, int column, int row, const QByteArray& text,
                    GridFontStyle style, const QColor& foreground) {
    if (!keepsText(painter)) return drawGridText(painter, column, row, text, style, foreground);
    if (text.isEmpty()) return;
    drawGlyphOutlines(painter, QPointF(grid::columnLeft(column), grid::rowTop(row)), text, style,
                      foreground);
}

void redrawGridText(QPainter& painter, int column, int row, const QByteArray& text,
                    GridFontStyle style, const QColor& foreground, const QColor& background) {
    fillCells(painter, column, row, text.size(), background);
    redrawGridText(painter, column, row, text, style, foreground);
}

} // namespace folia
