#pragma once

#include "find/DocumentFind.h"
#include "view/PageOverlay.h"

#include <QString>

namespace folia {

struct AppState;
class MainView;
class PageInteraction;

// Finding in the document from the find bar: every hit found as the reader types and lit
// on the page shown, the way from hit to hit (the page turned and scrolled to show the
// current one), and the current hit left as the selection when the bar closes. Nothing of
// it changes the document or a file.
class FindSession : public PageOverlay {
public:
    FindSession(AppState& state, PageInteraction& interaction, MainView& view);

    // Searches for what the bar holds and shows the current hit.
    void search(const QString& query, bool matchCase);
    // Searches again after the document may have changed, leaving the view where it is.
    void refresh();
    void next();
    void previous();
    // The bar closed: a current hit on a row that takes a selection becomes the selection
    // (its part on its first row), as a finished drag over it would, unless tick mode is on.
    void close();

    // "3 of 12", that nothing was found, or nothing for an empty query.
    QString counter() const;
    bool nothingFound() const;
    // The current hit's row in words for a screen reader; empty when there is none.
    QString currentHitDescription() const;

    // Lights the hits on the current page.
    void paint(QPainter& painter, bool viewFocused) const override;

private:
    void showCurrentHit();
    void selectCurrentHit();

    AppState& m_state;
    PageInteraction& m_interaction;
    MainView& m_view;
    DocumentFind m_find;
    QString m_query;
    bool m_matchCase = false;
};

} // namespace folia
