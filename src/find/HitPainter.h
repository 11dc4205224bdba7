#pragma once

#include "DocumentFind.h"

#include <vector>

class QPainter;

namespace folia {

// Lights the cells of hits over a page (in page pixels): every hit in a light colour, the
// current one in a stronger one, the characters showing through.
void paintLitCells(QPainter& painter, const std::vector<LitCells>& cells);

} // namespace folia
