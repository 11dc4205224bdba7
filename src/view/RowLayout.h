#pragma once

#include "marks/RowAlignment.h"

#include <QByteArray>

namespace folia {

struct LineRecord;

// The characters a row shows: the first 93 of its text, none on a picture row.
QByteArray shownText(const LineRecord& record);

// Grid column of the first character of a row showing `shownLength` characters (at most
// 93): column 4 when unaligned or left-aligned, centred on columns 4..96, or ending in 96.
int firstTextColumn(RowAlignment alignment, int shownLength);

// Grid column of text character `position` (1-based) of the row.
int columnOfCharacter(const LineRecord& record, int position);

} // namespace folia
