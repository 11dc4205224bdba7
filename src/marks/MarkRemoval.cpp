#include "MarkRemoval.h"

#include "MarkEntryBuilders.h"
#include "MarkLists.h"
#include "common/LenientNumber.h"
#include "document/LineRecord.h"

#include <QByteArrayList>
#include <algorithm>
#include <functional>
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

// Each definition goes whole, as it was typed, also one holding "|" or "~"; as for the
// other lists, what stood after the last entry goes with it.
void removeDefinitionTexts(LineRecord& record, const std::set<QByteArray>& codes) {
    QByteArray list = record.text(TextField::DefinitionTexts);
    bool changed = false;
    for (const QByteArray& code : codes) {
        if (codeKind(code) != LinkKind::Definition) continue;
        while (const auto span = typedDefinitionSpan(list, code)) {
            list.remove(span->first, span->second);
            changed = true;
        }
    }
    if (!changed) return;
    list.truncate(list.lastIndexOf('~') + 1);
    record.setText(TextField::DefinitionTexts, list);
}

// The links that `goes` picks, with their targets and definition texts.
template <typename Goes> int removeLinks(LineRecord& record, Goes goes) {
    std::set<QByteArray> codes;
    const int removed = keepEntries(record, TextField::LinkMarks, ';', [&](const QByteArray& e) {
        if (!goes(e)) return true;
        codes.insert(fieldAt(e, 3));
        return false;
    });
    if (removed == 0) return 0;
    keepEntries(record, TextField::LinkTargets, ';',
                [&](const QByteArray& e) { return !codes.contains(fieldAt(e, 1)); });
    removeDefinitionTexts(record, codes);
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
    removed += removeLinks(record, coversRange);
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

int removeStoredEntry(std::vector<LineRecord>& rows, const StoredEntry& at) {
    if (at.row < 1 || at.row > int(rows.size())) return 0;
    LineRecord& record = rows[size_t(at.row - 1)];
    int entry = 0;
    const auto isIt = [&](const QByteArray&) { return entry++ == at.entry; };
    int removed = 0;
    switch (at.field) {
    case TextField::HorizontalMarks:
    case TextField::TwoColourMarks:
    case TextField::VerticalMarks:
    case TextField::BoldMarks:
        removed = keepEntries(record, at.field, ';', std::not_fn(isIt));
        break;
    case TextField::LinkMarks:
        removed = removeLinks(record, isIt);
        break;
    case TextField::Alignment:
        removed = record.text(TextField::Alignment).isEmpty() ? 0 : 1;
        record.setText(TextField::Alignment, {});
        break;
    default:
        break;
    }
    if (removed > 0) settleFlags(record);
    return removed;
}

} // namespace folia
