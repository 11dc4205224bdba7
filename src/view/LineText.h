#pragma once

#include "marks/MarkLists.h"

#include <vector>

class QPainter;

namespace folia {

struct LineRecord;

// Writes the characters a row shows (its first 93, none on a picture row) in black,
// placed by the row's alignment code.
void drawLineText(QPainter& painter, const LineRecord& record, int row);
// The same without the characters in the grid columns of `leftOut` that lie on this row.
void drawLineText(QPainter& painter, const LineRecord& record, int row,
                  const std::vector<PieceRange>& leftOut);

} // namespace folia
