#include "Document.h"

#include <algorithm>

namespace folia {

Document::Document() : m_rows(kMaxPages * kRowsPerPage) {}

const LineRecord& Document::row(int page, int row) const {
    static const LineRecord empty;
    if (!isValidPlace(page, row)) return empty;
    const auto& stored = m_rows[indexOf(page, row)];
    return stored ? *stored : empty;
}

LineRecord& Document::editRow(int page, int row) {
    // A place outside the table gets a record of its own that no page holds: what is
    // written to it is dropped, in release builds too.
    if (!isValidPlace(page, row)) {
        static LineRecord outside;
        outside = LineRecord();
        return outside;
    }
    const size_t index = size_t(indexOf(page, row));
    auto& stored = m_rows[index];
    if (!stored) stored = std::make_unique<LineRecord>();
    m_usedEnd = std::max(m_usedEnd, index + 1);
    return *stored;
}

void Document::clear() {
    const size_t end = std::min(m_usedEnd, m_rows.size());
    for (size_t i = 0; i < end; ++i)
        m_rows[i].reset();
    m_usedEnd = 0;
    pageCount = 0;
    markSerial = 0;
    reservedValue = 0;
}

} // namespace folia
