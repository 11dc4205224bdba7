#include "GridText.h"

#include "common/Cp1252.h"
#include "marks/CharacterGrid.h"

#include <QFont>
#include <QGlyphRun>
#include <QPainter>
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
        // Every byte takes one cell; a tab is a blank one.
        for (int byte = 0; byte < 256; ++byte)
            characters += byte == '\t' ? QChar(u' ') : QChar(cp1252ToUnicode(uchar(byte)));
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

} // namespace

void drawGridText(QPainter& painter, int column, int row, const QByteArray& text,
                  GridFontStyle style, const QColor& foreground) {
    if (text.isEmpty()) return;
    const GlyphTable& table = glyphTable(style);
    QList<quint32> glyphs(text.size());
    QList<QPointF> positions(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        glyphs[i] = table.glyphs[uchar(text[i])];
        positions[i] = QPointF(qreal(grid::kCellWidth * i), grid::kBaseline);
    }
    QGlyphRun run;
    run.setRawFont(table.font);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    run.setUnderline(style == GridFontStyle::Underlined);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setPen(foreground);
    painter.drawGlyphRun(QPointF(grid::columnLeft(column), grid::rowTop(row)), run);
}

void drawGridText(QPainter& painter, int column, int row, const QByteArray& text,
                  GridFontStyle style, const QColor& foreground, const QColor& background) {
    painter.fillRect(grid::columnLeft(column), grid::rowTop(row),
                     grid::kCellWidth * int(text.size()), grid::kCellHeight, background);
    drawGridText(painter, column, row, text, style, foreground);
}

} // namespace folia
