#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace folia {

class Document;

// The text a search runs through: what every present text row shows (its trailing blanks
// left out), in page and row order, folded for searching, each row end standing as one
// blank between a row and the next. Picture rows and missing rows take no part.
// Worked out again only when the document or the case option changes.
class FoldedDocument {
public:
    // A row's place in the text: where its first character stands.
    struct RowStart {
        int32_t offset;
        int16_t page;
        int16_t row;
    };

    // Brings the text up to date; costs nothing when neither has changed.
    void update(const Document& document, bool matchCase);

    std::string_view text() const { return m_text; }
    const std::vector<RowStart>& rows() const { return m_rows; }

    // The index in rows() of the row an offset of the text falls in; the blank of a row
    // end belongs to the row it ends.
    size_t rowIndexAt(int32_t offset) const;
    // One past a row's last character: where its row end stands.
    int32_t rowEnd(size_t rowIndex) const;
    // The offset of the first row on `page` or after; the text's length when none is.
    int32_t offsetOfPage(int page) const;

private:
    void rebuild(const Document& document, bool matchCase);

    std::string m_text;
    std::vector<RowStart> m_rows;
    bool m_built = false;
    uint64_t m_stamp = 0;
    int m_pageCount = 0;
    bool m_matchCase = false;
};

} // namespace folia
