#include "PageViewDescription.h"

#include "AppState.h"
#include "common/Cp1252.h"
#include "text/TextSet.h"
#include "view/RowLayout.h"

#include <algorithm>

namespace folia {
namespace {

QByteArray shownRow(const AppState& state, int row) {
    return shownText(state.document.row(state.currentPage, row));
}

// The characters of grid columns first..last of an unaligned row, in either order.
QString selectedCharacters(const AppState& state) {
    const Selection& s = state.selection;
    const auto [first, last] = std::minmax(s.start, s.end);
    const QByteArray shown = shownRow(state, s.row);
    const int from = std::max(first - 3, 1);
    return fromCp1252(shown.mid(from - 1, std::max(last - 3 - from + 1, 0)));
}

QString caretPart(const AppState& state, const GridCell& caret) {
    const TextSet& t = state.texts;
    return t.caretRow + QString::number(caret.row) + t.caretColumn + QString::number(caret.column) +
           QStringLiteral(": ") + fromCp1252(shownRow(state, caret.row).trimmed());
}

} // namespace

QString describePageView(const AppState& state, std::optional<GridCell> caret) {
    if (!state.documentPresent) return {};
    const TextSet& t = state.texts;
    switch (state.interactionState) {
    case InteractionState::Selecting:
    case InteractionState::RangeSelected:
        return t.selectedOnRow + QString::number(state.selection.row) + QStringLiteral(": ") +
               selectedCharacters(state);
    case InteractionState::Ticking: {
        const auto ticked = std::count(state.tickFlags.begin(), state.tickFlags.end(), true);
        QString text = t.tickModeOn + QString::number(ticked) + t.rowsTicked;
        if (caret) text += QStringLiteral(". ") + caretPart(state, *caret);
        return text;
    }
    case InteractionState::Idle:
        break;
    }
    return caret ? caretPart(state, *caret) : QString();
}

} // namespace folia
