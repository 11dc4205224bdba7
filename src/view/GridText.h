#pragma once

#include "common/ColourWord.h"

#include <QByteArray>
#include <QColor>

class QPainter;

namespace folia {

// "Courier New" 10 (Liberation Mono 13 px where it is missing) in the three styles the
// page uses, drawn without anti-aliasing.
enum class GridFontStyle { Normal, Bold, Underlined };

// Writes Windows-1252 `text` one character per 8 x 16 cell, its first character in cell
// (column, row), baseline 11 pixels below the cell's top, on a transparent background.
// Each glyph is placed at its cell, whatever the font's own advance.
void drawGridText(QPainter& painter, int column, int row, const QByteArray& text,
                  GridFontStyle style, const QColor& foreground);
// The same on an opaque background: every written cell is filled first.
void drawGridText(QPainter& painter, int column, int row, const QByteArray& text,
                  GridFontStyle style, const QColor& foreground, const QColor& background);

} // namespace folia
