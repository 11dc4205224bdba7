#pragma once

class QPainter;

namespace folia {

// The tick boxes of tick mode, drawn in the left margin of each row: a 12 x 12 silver
// outline at x = 3, y = top of row + 3, square or round. A ticked box holds a filled
// silver 8 x 8 square.
namespace tickbox {

enum class Shape { Square, Round };

// The settings' "Forma" value: 0 square, anything else round.
Shape shapeFromSetting(int value);

void drawEmpty(QPainter& painter, int row, Shape shape);
// The tick inside the row's box.
void drawTick(QPainter& painter, int row);

// Whether a point of the page (page coordinates) lies in the row's box.
bool contains(int row, int px, int py);

} // namespace tickbox
} // namespace folia
