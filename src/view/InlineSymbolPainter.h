#pragma once

#include <QColor>
#include <QImage>

class QPainter;

namespace folia {

struct LineRecord;

// Draws a row's "\#nn" pictures and then its "\$k" bullets over their characters, each on
// a backing box of `backing`. Symbols that start beyond the 93 shown characters, and
// those of a picture row, are not drawn.
void drawInlineSymbols(QPainter& painter, const LineRecord& record, int row, const QColor& backing);

// Built-in symbol picture 1..99 at its drawn size (18 x 18; 18 x 12 for 9 and 22), its
// magenta (255, 0, 255) pixels made transparent. A null image for other numbers or when
// the picture is missing.
QImage symbolPicture(int number);

// A picture whose magenta pixels are transparent and all others opaque.
QImage withMagentaKey(const QImage& picture);

} // namespace folia
