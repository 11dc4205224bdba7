#include "FindSession.h"

#include "AppState.h"
#include "MainView.h"
#include "MenuStates.h"
#include "PageInteraction.h"
#include "common/Cp1252.h"
#include "find/HitPainter.h"
#include "text/TextSet.h"
#include "view/RowLayout.h"

namespace folia {

FindSession::FindSession(AppState& state, PageInteraction& interaction, MainView& view)
    : m_state(state), m_interaction(interaction), m_view(view) {}

void FindSession::search(const QString& query, bool matchCase) {
    m_query = query;
    m_matchCase = matchCase;
    refresh();
    showCurrentHit();
}

void FindSession::refresh() {
    m_find.search(m_state.document, m_query, m_matchCase, m_state.currentPage);
    m_view.showOverlays();
}

void FindSession::next() {
    m_find.next();
    showCurrentHit();
}

void FindSession::previous() {
    m_find.previous();
    showCurrentHit();
}

void FindSession::close() {
    selectCurrentHit();
    m_find.clear();
    m_view.showOverlays();
    showMenuStates(m_state, m_interaction.mode(), m_view);
}

// The page of the current hit, scrolled so that its first row shows.
void FindSession::showCurrentHit() {
    const std::vector<HitPiece> pieces = m_find.currentPieces();
    if (pieces.empty()) return;
    m_interaction.showPlace(pieces.front().page, pieces.front().row);
}

void FindSession::selectCurrentHit() {
    const std::vector<HitPiece> pieces = m_find.currentPieces();
    PageViewMode& mode = m_interaction.mode();
    if (pieces.empty() || mode.is(InteractionState::Ticking) ||
        mode.is(InteractionState::Selecting))
        return;
    const HitPiece& piece = pieces.front();
    const LineRecord& record = m_state.document.row(piece.page, piece.row);
    if (isCentredOrRight(alignmentOf(record))) return;
    // The reader may have turned pages since: the hit's own page is the one marked.
    m_interaction.showPlace(piece.page, piece.row);
    mode.endSelection();
    mode.selectByKeys(piece.row, columnOfCharacter(record, piece.firstPosition));
    mode.moveRangeEnd(columnOfCharacter(record, piece.lastPosition));
}

QString FindSession::counter() const {
    if (m_query.isEmpty()) return {};
    return findCounter(m_state.texts, m_find.currentIndex() + 1, m_find.count());
}

bool FindSession::nothingFound() const {
    return !m_query.isEmpty() && m_find.count() == 0;
}

QString FindSession::currentHitDescription() const {
    const std::vector<HitPiece> pieces = m_find.currentPieces();
    if (pieces.empty()) return {};
    const HitPiece& piece = pieces.front();
    const QByteArray shown = shownText(m_state.document.row(piece.page, piece.row));
    return m_state.texts.caretRow + QString::number(piece.row) + QStringLiteral(": ") +
           fromCp1252(shown);
}

void FindSession::paint(QPainter& painter, bool) const {
    paintLitCells(painter, m_find.litCellsOnPage(m_state.document, m_state.currentPage));
}

} // namespace folia
