#include "DocumentFind.h"

#include "SearchFolding.h"
#include "document/Document.h"
#include "view/RowLayout.h"

#include <algorithm>

namespace folia {

void DocumentFind::search(const Document& document, QStringView query, bool matchCase,
                          int fromPage) {
    m_hits.clear();
    m_current = -1;
    m_folded.update(document, matchCase);
    const std::optional<QByteArray> folded = foldQuery(query, matchCase);
    if (!folded || folded->isEmpty()) return;
    findAll(std::string_view(folded->constData(), size_t(folded->size())));
    if (m_hits.empty()) return;
    setCurrent(firstHitFrom(m_place ? *m_place : m_folded.offsetOfPage(fromPage)));
}

void DocumentFind::clear() {
    m_hits.clear();
    m_current = -1;
    m_place.reset();
}

void DocumentFind::setCurrent(int index) {
    m_current = index;
    m_place = m_hits[size_t(index)].offset;
}

void DocumentFind::findAll(std::string_view query) {
    const std::string_view text = m_folded.text();
    for (size_t at = text.find(query); at != std::string_view::npos;
         at = text.find(query, at + query.size())) {
        const Hit hit{int32_t(at), int32_t(query.size())};
        if (!isRowEndOnly(hit)) m_hits.push_back(hit);
    }
}

// A blank that is only a row end shows nothing to light or to mark.
bool DocumentFind::isRowEndOnly(const Hit& hit) const {
    return hit.length == 1 && m_folded.rowEnd(m_folded.rowIndexAt(hit.offset)) == hit.offset;
}

int DocumentFind::firstHitFrom(int32_t offset) const {
    const auto found = std::lower_bound(m_hits.begin(), m_hits.end(), offset,
                                        [](const Hit& hit, int32_t o) { return hit.offset < o; });
    return found == m_hits.end() ? 0 : int(found - m_hits.begin());
}

void DocumentFind::next() {
    if (m_current >= 0) setCurrent((m_current + 1) % count());
}

void DocumentFind::previous() {
    if (m_current >= 0) setCurrent((m_current + count() - 1) % count());
}

std::vector<HitPiece> DocumentFind::piecesOf(const Hit& hit) const {
    std::vector<HitPiece> pieces;
    const auto& rows = m_folded.rows();
    const int32_t end = hit.offset + hit.length;
    for (size_t index = m_folded.rowIndexAt(hit.offset); index < rows.size(); ++index) {
        const FoldedDocument::RowStart& start = rows[index];
        if (start.offset >= end) break;
        const int32_t first = std::max(hit.offset, start.offset);
        const int32_t last = std::min(end, m_folded.rowEnd(index)); // exclusive
        if (first < last)
            pieces.push_back(
                {start.page, start.row, first - start.offset + 1, last - start.offset});
    }
    return pieces;
}

std::vector<HitPiece> DocumentFind::currentPieces() const {
    return m_current < 0 ? std::vector<HitPiece>{} : piecesOf(m_hits[size_t(m_current)]);
}

std::vector<LitCells> DocumentFind::litCellsOnPage(const Document& document, int page) const {
    const int32_t pageStart = m_folded.offsetOfPage(page);
    const int32_t pageEnd = m_folded.offsetOfPage(page + 1);
    // Hits do not overlap, so their ends are in order too.
    auto hit = std::upper_bound(m_hits.begin(), m_hits.end(), pageStart,
                                [](int32_t o, const Hit& h) { return o < h.offset + h.length; });
    std::vector<LitCells> cells;
    for (; hit != m_hits.end() && hit->offset < pageEnd; ++hit) {
        const bool current = hit - m_hits.begin() == m_current;
        for (const HitPiece& piece : piecesOf(*hit)) {
            if (piece.page != page) continue;
            const LineRecord& record = document.row(page, piece.row);
            cells.push_back({piece.row, columnOfCharacter(record, piece.firstPosition),
                             columnOfCharacter(record, piece.lastPosition), current});
        }
    }
    return cells;
}

} // namespace folia
