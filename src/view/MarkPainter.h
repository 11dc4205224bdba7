#pragma once

#include "marks/MarkLists.h"

#include <vector>

class QPainter;

namespace folia {

struct PageContext;

// Draws the marks of a page: first pass from row 65 up to row 1 (links and definitions,
// two-colour, bold and horizontal pieces, brackets) on rows with marks and no alignment
// code; then every row's inline symbols; then a second pass from row 1 down (brackets and
// horizontal pieces again) on marked rows that are not centred or right-aligned, so that
// lines stay on top.
void drawMarks(QPainter& painter, const PageContext& context);

// The characters that drawMarks writes again over the row texts (page links, definitions,
// two-colour and bold pieces), as ranges of grid columns on their rows.
std::vector<PieceRange> rewrittenRanges(const PageContext& context);

} // namespace folia
