#pragma once

#include "PageViewMode.h"

namespace folia {

struct AppState;
class MainView;
class Prompts;
struct ListedMark;

// "Remove marks" as one change of the document, which one Undo takes back: the snapshot
// before it, the step in the history. When there is nothing to take off, nothing happens
// (no snapshot, no step). What went is noted for a screen reader; drawing the page again
// is the caller's. Each returns how many marks went.

// The piece marks of `row` of `page` that cover any of grid columns first..last.
int removePieceMarksAsChange(AppState& state, MainView& view, Prompts& prompts, int page, int row,
                             int first, int last);
// The whole-row marks of the ticked rows of the current page.
int removeTickedRowMarksAsChange(AppState& state, MainView& view, Prompts& prompts,
                                 const TickRows& ticked);

// Exactly the listed mark, when the document still keeps it as listed.
int removeListedMarkAsChange(AppState& state, MainView& view, Prompts& prompts,
                             const ListedMark& mark);

} // namespace folia
