#include "PageViewDescription.h"

#include "AppState.h"
#include "PageViewMode.h"
#include "common/Cp1252.h"
#include "marks/CharacterGrid.h"
#include "text/TextSet.h"
#include "view/RowLayout.h"

#include <algorithm>

namespace folia {
namespace {

QByteArray shownRow(const AppState& state, int row) {
    return shownText(state.document.row(state.currentPage, row));
}

// The characters of grid columns first..last of an unaligned row, in either order.
QString selectedCharacters(const AppState& state, const Selection& s) {
    const auto [first, last] = std::minmax(s.start, s.end);
    const QByteArray shown = shownRow(state, s.row);
    const int from = std::max(first - grid::kColumnOffset, 1);
    return fromCp1252(shown.mid(from - 1, std::max(last - grid::kColumnOffset - from + 1, 0)));
}

QString caretPart(const AppState& state, const GridCell& caret) {
    const TextSet& t = state.texts;
    return t.caretRow + QString::number(caret.row) + t.caretColumn + QString::number(caret.column) +
           QStringLiteral(": ") + fromCp1252(shownRow(state, caret.row).trimmed());
}

QString modePart(const AppState& state, const PageViewMode& mode, std::optional<GridCell> caret) {
    const TextSet& t = state.texts;
    switch (mode.state()) {
    case InteractionState::Selecting:
    case InteractionState::RangeSelected:
        return t.selectedOnRow + QString::number(mode.selection().row) + QStringLiteral(": ") +
               selectedCharacters(state, mode.selection());
    case InteractionState::Ticking: {
        QString text = t.tickModeOn + QString::number(mode.tickedCount()) + t.rowsTicked;
        if (caret) text += QStringLiteral(". ") + caretPart(state, *caret);
        return text;
    }
    case InteractionState::Idle:
        break;
    }
    return caret ? caretPart(state, *caret) : QString();
}

} // namespace

QString describePageView(const AppState& state, const PageViewMode& mode,
                         std::optional<GridCell> caret) {
    if (!state.documentPresent) return {};
    const QString part = modePart(state, mode, caret);
    if (state.changeNote.isEmpty()) return part;
    return part.isEmpty() ? state.changeNote : state.changeNote + QStringLiteral(". ") + part;
}

} // namespace folia
