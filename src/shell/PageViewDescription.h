#pragma once

#include "KeyboardCaret.h"

#include <QString>

namespace folia {

struct AppState;
class PageViewMode;

// What a screen reader says about the page view besides its name: what the last Undo,
// Redo or removal did, the selected range, tick mode with the number of ticked rows, and
// the row under the keyboard's caret.
QString describePageView(const AppState& state, const PageViewMode& mode,
                         std::optional<GridCell> caret);

} // namespace folia
