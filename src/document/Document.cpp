#include "Document.h"

namespace folia {

Document::Document() : m_rows(kMaxPages * kRowsPerPage) {}

const LineRecord& Document::row(int page, int row) const {
    static const LineRecord empty;
    if (!isValidPlace(page, row)) return empty;
    const auto& stored = m_rows[indexOf(page, row)];
    return stored ? *stored : empty;
}

LineRecord& Document::editRow(int page, int row) {
    Q_ASSERT(isValidPlace(page, row));
    auto& stored = m_rows[indexOf(page, row)];
    if (!stored) stored = std::make_unique<LineRecord>();
    return *stored;
}

void Document::clear() {
    for (auto& stored : m_rows)
        stored.reset();
    pageCount = 0;
    markSerial = 0;
    reservedValue = 0;
}

} // namespace folia
