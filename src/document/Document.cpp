#include "Document.h"

#include <algorithm>
#include <atomic>

namespace folia {

Document::Document() : m_rows(kMaxPages * kRowsPerPage) {
    takeNewStamp();
}

void Document::takeNewStamp() {
    // One count for every table of the process, so a table moved into another still
    // differs from what the other held.
    static std::atomic<uint64_t> lastStamp{0};
    m_stamp = ++lastStamp;
}

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
    takeNewStamp();
    return *stored;
}

void Document::clear() {
    const size_t end = std::min(m_usedEnd, m_rows.size());
    for (size_t i = 0; i < end; ++i)
        m_rows[i].reset();
    m_usedEnd = 0;
    takeNewStamp();
    pageCount = 0;
    markSerial = 0;
    reservedValue = 0;
}

} // namespace folia
