#pragma once

#include "CharacterGrid.h"
#include "MarkLists.h"
#include "RowAlignment.h"

#include <QByteArray>
#include <array>
#include <cstdint>
#include <optional>
#include <utility>

namespace folia {

struct LineRecord;

// Appending marks to a row's lists. Each builder writes the entry in the stored form and
// sets the row's flags; a list that outgrows its field is cut silently (the cut entry
// then reads as absent). Columns are grid columns, rows 1..65.

// A row that can take piece marks: text not blank and not centred or right-aligned.
bool isUsableRow(const LineRecord& record);

// "R,start-1,end;" to the horizontal list (stored with the column before the range).
void addHorizontalPiece(LineRecord& record, int row, int startColumn, int endColumn);
// The stored columns (before, last) of the line under the whole text of a usable row.
std::optional<std::pair<int, int>> fullLineColumns(const LineRecord& record);
// A line under the whole text of a usable row; false (nothing added) otherwise.
bool addFullHorizontalLine(LineRecord& record, int row);
// The piece such a line stores under a text that is not blank: from the column before
// its first non-blank character to its last character.
HorizontalPiece fullLinePiece(int row, const QByteArray& text);
void addTwoColourPiece(LineRecord& record, int row, int startColumn, int endColumn,
                       uint32_t background, uint32_t foreground);
// The bracket belongs to the record of its first row.
void addBracket(LineRecord& firstRowRecord, int firstRow, int lastRow);
void addBoldPiece(LineRecord& record, int row, int startColumn, int endColumn);
// Both take the next serial of the document's counter.
void addPageLink(LineRecord& record, int32_t& markSerial, int row, int startColumn, int endColumn,
                 const QByteArray& typedPage);
void addDefinition(LineRecord& record, int32_t& markSerial, int row, int startColumn, int endColumn,
                   const QByteArray& definition);
// Sets the code of a row with text and without any mark; false (unchanged) otherwise.
bool setRowAlignment(LineRecord& record, RowAlignment alignment);

// Ticks of rows 1..65 (index 0 unused).
using TickRows = std::array<bool, grid::kRows + 1>;

// The two ticked rows, first one first, when exactly two of rows 1..65 are ticked.
std::optional<std::pair<int, int>> twoTickedRows(const TickRows& ticks);

} // namespace folia
