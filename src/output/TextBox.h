#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>

class QFontMetrics;
class QPainter;

namespace folia {

// The label box below the text of a page: 744 pixels wide, left edge at x = 24.
inline constexpr int kTextBoxWidth = 744;
inline constexpr int kTextBoxMaxPieces = 100;
inline constexpr int kTextBoxMaxLength = 547;

// "Courier New" at a point size, hinted so that every glyph advances a whole number of
// pixels, and drawn without anti-aliasing. A size of 0 or less means 10 points; sizes
// are capped at 200 points so that a damaged settings file cannot ask for glyphs of
// thousands of pixels.
QFont labelFont(int pointSize, bool bold = false, bool italic = false, bool underline = false);

// Splits a text into the lines of the box: at most 100 pieces, each broken at the last
// blank that fits. The first piece keeps its leading blanks, later ones lose them. A word
// too wide for a line of its own is broken at the box edge instead of being pushed down
// piece after piece until it lands below the page.
QStringList wrapTextBox(const QString& text, const QFontMetrics& metrics);

// Draws the text into the box whose top-left corner is (x, y), one piece per line height,
// aligned by the label alignment code (131 left, 132 right, 133 centre, 134 justified;
// 135 and 136 are drawn centred; any other code draws nothing). Transparent background.
void drawTextBox(QImage& target, const QString& text, int alignment, int x, int y,
                 const QFont& font, const QColor& colour);
// The same with a painter, on any device; its state is given back as it was.
void drawTextBox(QPainter& painter, const QString& text, int alignment, int x, int y,
                 const QFont& font, const QColor& colour);

} // namespace folia
