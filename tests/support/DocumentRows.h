#pragma once

#include "document/Document.h"

#include <algorithm>

namespace folia::test {

// A present row of the document.
inline LineRecord& putRow(Document& document, int page, int row, const QByteArray& text) {
    LineRecord& record = document.editRow(page, row);
    record.lineNumber = (page - 1) * Document::kRowsPerPage + row;
    record.page = page;
    record.lineOnPage = static_cast<int16_t>(row);
    record.setText(TextField::Text, text);
    document.pageCount = std::max(document.pageCount, page);
    return record;
}

} // namespace folia::test
