#pragma once

#include "FoldedDocument.h"

#include <QStringView>
#include <optional>
#include <vector>

namespace folia {

class Document;

// The part of a hit that stands on one row, in text positions (1-based) of that row.
struct HitPiece {
    int page = 0;
    int row = 0;
    int firstPosition = 0;
    int lastPosition = 0;
};

// The same part in grid columns, as the page view lights it.
struct LitCells {
    int row = 0;
    int firstColumn = 0;
    int lastColumn = 0;
    bool current = false;
};

// Every occurrence of a query in the document's text (see FoldedDocument), in page, row
// and column order, and the one the user is at. Occurrences do not overlap: the search
// goes on after the end of each.
class DocumentFind {
public:
    // Finds every occurrence. The current one becomes the first that starts where the last
    // current one started or later (so typing on keeps the place, even through a query
    // that found nothing), or, when there was none, the first on `fromPage` or after; past
    // the last, the first of all.
    void search(const Document& document, QStringView query, bool matchCase, int fromPage);
    // Forgets the hits and the place.
    void clear();

    int count() const { return int(m_hits.size()); }
    // 0-based; -1 when there is no hit.
    int currentIndex() const { return m_current; }
    // To the next or the previous hit, round from the last to the first and back.
    void next();
    void previous();

    // The current hit's parts, one per row it touches; empty when there is none.
    std::vector<HitPiece> currentPieces() const;
    // The cells of every hit on a page, the current hit's marked.
    std::vector<LitCells> litCellsOnPage(const Document& document, int page) const;

private:
    struct Hit {
        int32_t offset;
        int32_t length;
    };
    void findAll(std::string_view query);
    bool isRowEndOnly(const Hit& hit) const;
    std::vector<HitPiece> piecesOf(const Hit& hit) const;
    int firstHitFrom(int32_t offset) const;
    void setCurrent(int index);

    FoldedDocument m_folded;
    std::vector<Hit> m_hits;
    int m_current = -1;
    std::optional<int32_t> m_place; // where the last current hit started
};

} // namespace folia
