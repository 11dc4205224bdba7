#pragma once

class QPainter;

namespace folia {

struct LineRecord;

// Writes the characters a row shows (its first 93, none on a picture row) in black,
// placed by the row's alignment code.
void drawLineText(QPainter& painter, const LineRecord& record, int row);

} // namespace folia
