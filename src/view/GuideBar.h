#pragma once

#include <QColor>

class QPainter;

namespace folia {

// The reading-guide bar over a row: a pill from the right edge of column 1 to the right
// edge of column 99, outlined 3 pixels wide, filled.
void drawGuideBar(QPainter& painter, int row, const QColor& outline, const QColor& fill);

// A fresh outline colour for each render: red, green and blue each 1..255.
QColor randomGuideOutline();

} // namespace folia
