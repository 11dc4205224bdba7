#pragma once

class QImage;

namespace folia {

// The tick boxes of tick mode, drawn in the left margin of each row: a 12 x 12 silver
// outline at x = 3, y = top of row + 3, square or round. A ticked box holds a filled
// silver 8 x 8 square.
namespace tickbox {

enum class Shape { Square, Round };

// The settings' "Forma" value: 0 square, anything else round.
Shape shapeFromSetting(int value);

void drawEmpty(QImage& page, int row, Shape shape);
void drawEmptyForAllRows(QImage& page, Shape shape);
// Fills the box (ticked) or clears its inside to white (unticked).
void drawMark(QImage& page, int row, bool ticked);

// Whether a point of the page (page coordinates) lies in the row's box.
bool contains(int row, int px, int py);

} // namespace tickbox
} // namespace folia
