#pragma once

#include <array>
#include <vector>

namespace folia {

struct LineRecord;
struct StoredEntry;

// Taking marks off rows. A list that loses entries is stored again as the entries that
// remain, in their order, each with its terminator; what stood after the last terminator
// (an entry cut by the field's capacity) goes with them, so that a later append cannot
// join it. The row's flags then describe what remains: hasMarks, hasBold and linkKind go
// back to 0 once nothing of theirs is left, and linkKind names the last remaining link's
// kind. Each returns how many marks went.

// The piece marks of row `row` that cover any of grid columns first..last (in either
// order): underline pieces, two-colour and bold pieces, page links and definitions, these
// two with their entries in the link targets and definition texts.
int removePieceMarks(LineRecord& record, int row, int first, int last);

// Of the ticked rows among `rows` (rows 1..65 of one page, row r at index r - 1): their
// full-width underlines and alignment, and every bracket of the page starting or ending on
// one of them.
int removeWholeRowMarks(std::vector<LineRecord>& rows, const std::array<bool, 66>& ticked);

// The one mark kept at `at` among the rows of its page (row r at index r - 1); a link or a
// definition goes with its target or its text.
int removeStoredEntry(std::vector<LineRecord>& rows, const StoredEntry& at);

} // namespace folia
