#include "MarkRemoval.h"

#include "MarkEntryBuilders.h"
#include "MarkLists.h"
#include "common/LenientNumber.h"
#include "document/LineRecord.h"

#include <QByteArrayList>
#include <algorithm>
#include <initializer_list>
#include <set>

namespace folia {
namespace {

QByteArray fieldAt(const QByteArray& entry, int i, char separator = ',') {
    const QByteArrayList fields = entry.split(separator);
    return i < fields.size() ? fields[i] : QByteArray();
}

int numberAt(const QByteArray& entry, int i) {
    return lenientInt32(fieldAt(entry, i));
}

// Grid columns lo..hi, lo <= hi.
struct Columns {
    int lo = 0;
    int hi = 0;
    bool overlaps(const Columns& other) const { return lo <= other.hi && other.lo <= hi; }
};

Columns between(int a, int b) {
    return {std::min(a, b), std::max(a, b)};
}

// A horizontal entry stores the column before its first one: its line runs between the
// right edges of the two stored columns.
Columns underlinedColumns(const QByteArray& entry) {
    const Columns stored = between(numberAt(entry, 1), numberAt(entry, 2));
    return {stored.lo + 1, std::max(stored.hi, stored.lo + 1)};
}

// Keeps the entries of the list that `keep` accepts; the list is stored again only when
// an entry went. Returns how many went.
template <typename Keep>
int keepEntries(LineRecord& record, TextField field, char terminator, Keep keep) {
    QByteArray kept;
    int removed = 0;
    for (const QByteArray& entry : listEntries(record.text(field), terminator)) {
        if (keep(entry))
            kept += entry + terminator;
        else
            ++removed;
    }
    if (removed > 0) record.setText(field, kept);
    return removed;
}

std::vector<QByteArray> entriesOf(const LineRecord& record, TextField field) {
    return listEntries(record.text(field), ';');
}

// The flags fall once nothing of theirs remains; a flag a foreign file left at 0 stays 0.
void settleFlags(LineRecord& record) {
    const bool anyMark = std::ranges::any_of(
        std::initializer_list<TextField>{TextField::HorizontalMarks, TextField::TwoColourMarks,
                                         TextField::VerticalMarks, TextField::LinkMarks,
                                         TextField::BoldMarks},
        [&](TextField field) { return !entriesOf(record, field).empty(); });
    if (!anyMark) record.hasMarks = 0;
    if (entriesOf(record, TextField::BoldMarks).empty()) record.hasBold = 0;
    if (record.linkKind == 0) return;
    const std::vector<QByteArray> links = entriesOf(record, TextField::LinkMarks);
    const LinkKind last = links.empty() ? LinkKind::None : codeKind(fieldAt(links.back(), 3));
    if (links.empty() || last != LinkKind::None) record.linkKind = static_cast<int32_t>(last);
}

// The links of the row over those columns, with their targets and definition texts.
int removeLinks(LineRecord& record, int row, const Columns& columns) {
    std::set<QByteArray> codes;
    const int removed = keepEntries(record, TextField::LinkMarks, ';', [&](const QByteArray& e) {
        if (numberAt(e, 0) != row || !between(numberAt(e, 1), numberAt(e, 2)).overlaps(columns))
            return true;
        codes.insert(fieldAt(e, 3));
        return false;
    });
    if (removed == 0) return 0;
    keepEntries(record, TextField::LinkTargets, ';',
                [&](const QByteArray& e) { return !codes.contains(fieldAt(e, 1)); });
    keepEntries(record, TextField::DefinitionTexts, '~',
                [&](const QByteArray& e) { return !codes.contains(fieldAt(e, 1, '|')); });
    return removed;
}

} // namespace

int removePieceMarks(LineRecord& record, int row, int first, int last) {
    const Columns columns = between(first, last);
    const auto coversRange = [&](const QByteArray& e) {
        return numberAt(e, 0) == row && between(numberAt(e, 1), numberAt(e, 2)).overlaps(columns);
    };
    const auto keepPiece = [&](const QByteArray& e) { return !coversRange(e); };
    int removed = keepEntries(record, TextField::HorizontalMarks, ';', [&](const QByteArray& e) {
        return numberAt(e, 0) != row || !underlinedColumns(e).overlaps(columns);
    });
    removed += keepEntries(record, TextField::TwoColourMarks, ';', keepPiece);
    removed += keepEntries(record, TextField::BoldMarks, ';', keepPiece);
    removed += removeLinks(record, row, columns);
    if (removed > 0) settleFlags(record);
    return removed;
}

int removeWholeRowMarks(std::vector<LineRecord>& rows, const std::array<bool, 66>& ticked) {
    const auto isTicked = [&](int row) { return row >= 1 && row <= 65 && ticked[size_t(row)]; };
    int removed = 0;
    for (int row = 1; row <= int(rows.size()); ++row) {
        LineRecord& record = rows[size_t(row - 1)];
        int here = keepEntries(record, TextField::VerticalMarks, ';', [&](const QByteArray& e) {
            return !isTicked(numberAt(e, 0)) && !isTicked(numberAt(e, 1));
        });
        if (isTicked(row)) {
            if (const auto full = fullLineColumns(record))
                here +=
                    keepEntries(record, TextField::HorizontalMarks, ';', [&](const QByteArray& e) {
                        return numberAt(e, 0) != row || numberAt(e, 1) != full->first ||
                               numberAt(e, 2) != full->second;
                    });
            if (!record.text(TextField::Alignment).isEmpty()) {
                record.setText(TextField::Alignment, {});
                ++here;
            }
        }
        if (here > 0) settleFlags(record);
        removed += here;
    }
    return removed;
}

} // namespace folia
