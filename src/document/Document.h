#pragma once

#include "LineRecord.h"

#include <memory>
#include <vector>

namespace folia {

// The page x row table of line records: pages 1..200, rows 1..65. Rows that were never
// written hold no memory; reading one gives an empty record.
class Document {
public:
    static constexpr int kMaxPages = 200;
    static constexpr int kRowsPerPage = 65;

    Document();

    static bool isValidPlace(int page, int row) {
        return page >= 1 && page <= kMaxPages && row >= 1 && row <= kRowsPerPage;
    }

    // The record at (page, row); an empty record for an unused or invalid place.
    const LineRecord& row(int page, int row) const;
    // The record at (page, row) for changing it, created empty when missing. A place
    // outside the table gives a record that no page holds: changes to it are dropped.
    LineRecord& editRow(int page, int row);

    // Empties the whole table and the document-wide values.
    void clear();

    // Changes whenever a record may have changed (a record given for changing, the table
    // emptied), and is never the same for two tables: what is worked out from the records
    // can be kept until it changes.
    uint64_t stamp() const { return m_stamp; }

    int pageCount = 0;
    int32_t markSerial = 0;    // counter of links and definitions
    int32_t reservedValue = 0; // stored and restored, nothing more

private:
    static int indexOf(int page, int row) { return (page - 1) * kRowsPerPage + (row - 1); }
    std::vector<std::unique_ptr<LineRecord>> m_rows;
    // One past the last place given a record since the table was last emptied: what
    // emptying it must look at.
    size_t m_usedEnd = 0;
    uint64_t m_stamp;
    void takeNewStamp();
};

} // namespace folia
