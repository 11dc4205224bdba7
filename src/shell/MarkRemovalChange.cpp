#include "MarkRemovalChange.h"

#include "AppState.h"
#include "DocumentActions.h"
#include "marks/MarkRemoval.h"
#include "text/TextSet.h"
#include "view/MarkCatalogue.h"

#include <algorithm>
#include <vector>

namespace folia {
namespace {

// Rows 1..65 of the page, row r at index r - 1; copies share their texts with the document.
std::vector<LineRecord> rowsOf(const Document& document, int page) {
    std::vector<LineRecord> rows;
    rows.reserve(Document::kRowsPerPage);
    for (int row = 1; row <= Document::kRowsPerPage; ++row)
        rows.push_back(document.row(page, row));
    return rows;
}

// Puts the rows that differ from the document's into it, as one change.
int storeAsChange(AppState& state, MainView& view, Prompts& prompts, int page,
                  const std::vector<LineRecord>& rows, int removed) {
    state.changeNote = state.texts.marksRemoved + QString::number(removed);
    if (removed == 0) return 0;
    beginChange(state, view, prompts, page);
    for (int row = 1; row <= Document::kRowsPerPage; ++row)
        if (rows[size_t(row - 1)] != state.document.row(page, row))
            state.document.editRow(page, row) = rows[size_t(row - 1)];
    endChange(state);
    return removed;
}

} // namespace

int removePieceMarksAsChange(AppState& state, MainView& view, Prompts& prompts, int page, int row,
                             int first, int last) {
    if (!Document::isValidPlace(page, row)) return 0;
    std::vector<LineRecord> rows = rowsOf(state.document, page);
    const int removed = removePieceMarks(rows[size_t(row - 1)], row, first, last);
    return storeAsChange(state, view, prompts, page, rows, removed);
}

int removeTickedRowMarksAsChange(AppState& state, MainView& view, Prompts& prompts,
                                 const TickRows& ticked) {
    std::vector<LineRecord> rows = rowsOf(state.document, state.currentPage);
    const int removed = removeWholeRowMarks(rows, ticked);
    return storeAsChange(state, view, prompts, state.currentPage, rows, removed);
}

int removeListedMarkAsChange(AppState& state, MainView& view, Prompts& prompts,
                             const ListedMark& mark) {
    if (!Document::isValidPlace(mark.page, mark.stored.row) || mark.page > state.document.pageCount)
        return 0;
    // A list a change has not reached yet may name a mark no longer kept there.
    const std::vector<ListedMark> kept = listMarksOfPage(state.document, mark.page);
    if (std::ranges::find(kept, mark) == kept.end()) return 0;
    std::vector<LineRecord> rows = rowsOf(state.document, mark.page);
    const int removed = removeStoredEntry(rows, mark.stored);
    return storeAsChange(state, view, prompts, mark.page, rows, removed);
}

} // namespace folia
