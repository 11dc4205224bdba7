#include "FoldedDocument.h"

#include "SearchFolding.h"
#include "document/Document.h"
#include "view/RowLayout.h"

#include <algorithm>

namespace folia {

void FoldedDocument::update(const Document& document, bool matchCase) {
    if (m_built && m_stamp == document.stamp() && m_pageCount == document.pageCount &&
        m_matchCase == matchCase)
        return;
    rebuild(document, matchCase);
    m_built = true;
    m_stamp = document.stamp();
    m_pageCount = document.pageCount;
    m_matchCase = matchCase;
}

void FoldedDocument::rebuild(const Document& document, bool matchCase) {
    const ByteFolding& folding = byteFolding(matchCase);
    m_text.clear();
    m_rows.clear();
    for (int page = 1; page <= std::min(document.pageCount, Document::kMaxPages); ++page) {
        for (int row = 1; row <= Document::kRowsPerPage; ++row) {
            const LineRecord& record = document.row(page, row);
            if (!record.isPresent() || record.imageStart != 0) continue;
            if (!m_rows.empty()) m_text.push_back(' '); // the row end of the row before
            m_rows.push_back({int32_t(m_text.size()), int16_t(page), int16_t(row)});
            // Blanks at a row's end do not show: a phrase wrapped there is still found.
            const QByteArray shown = shownText(record);
            qsizetype length = shown.size();
            while (length > 0 && shown[length - 1] == ' ')
                --length;
            for (qsizetype i = 0; i < length; ++i)
                m_text.push_back(folding[uchar(shown[i])]);
        }
    }
}

size_t FoldedDocument::rowIndexAt(int32_t offset) const {
    const auto after = std::upper_bound(m_rows.begin(), m_rows.end(), offset,
                                        [](int32_t o, const RowStart& r) { return o < r.offset; });
    return size_t(std::max<std::ptrdiff_t>(after - m_rows.begin() - 1, 0));
}

int32_t FoldedDocument::rowEnd(size_t rowIndex) const {
    return rowIndex + 1 < m_rows.size() ? m_rows[rowIndex + 1].offset - 1 : int32_t(m_text.size());
}

int32_t FoldedDocument::offsetOfPage(int page) const {
    const auto first = std::lower_bound(m_rows.begin(), m_rows.end(), page,
                                        [](const RowStart& r, int p) { return r.page < p; });
    return first == m_rows.end() ? int32_t(m_text.size()) : first->offset;
}

} // namespace folia
