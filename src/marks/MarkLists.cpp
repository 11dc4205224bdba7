#include "MarkLists.h"

#include "CharacterGrid.h"
#include "common/LenientNumber.h"
#include "document/LineRecord.h"

#include <QByteArrayList>
#include <algorithm>

namespace folia {
namespace {

// Field i of an entry (0-based); a missing field reads as empty.
class Fields {
public:
    Fields(const QByteArray& entry, char separator) : m_fields(entry.split(separator)) {}
    QByteArray text(int i) const { return i < m_fields.size() ? m_fields[i] : QByteArray(); }
    int number(int i) const { return lenientInt32(text(i)); }

private:
    QList<QByteArray> m_fields;
};

std::vector<Fields> entriesOf(const LineRecord& record, TextField field, char terminator,
                              char separator = ',') {
    std::vector<Fields> result;
    for (const QByteArray& entry : listEntries(record.text(field), terminator))
        result.emplace_back(entry, separator);
    return result;
}

// Columns C1 and C2 of a row in their stored order, clipped to the grid; nothing when
// the row is off the page or no column between them is on the grid.
std::optional<PieceRange> storedRangeAt(const Fields& fields) {
    const int row = fields.number(0);
    const int first = fields.number(1), last = fields.number(2);
    if (!grid::isRow(row) || std::max(first, last) < 1 || std::min(first, last) > grid::kColumns)
        return std::nullopt;
    return PieceRange{row, std::clamp(first, 1, grid::kColumns),
                      std::clamp(last, 1, grid::kColumns)};
}

// The same, for the lists whose ranges marked right to left show nothing.
std::optional<PieceRange> rangeAt(const Fields& fields) {
    const std::optional<PieceRange> range = storedRangeAt(fields);
    if (range && range->first > range->last) return std::nullopt;
    return range;
}

uint32_t colourAt(const Fields& fields, int i) {
    return static_cast<uint32_t>(fields.number(i)) & 0xFFFFFFu;
}

} // namespace

std::vector<QByteArray> listEntries(const QByteArray& list, char terminator) {
    if (list.isEmpty()) return {};
    QList<QByteArray> pieces = list.split(terminator);
    pieces.removeLast();
    return {pieces.begin(), pieces.end()};
}

std::vector<HorizontalPiece> horizontalPieces(const LineRecord& record) {
    std::vector<HorizontalPiece> result;
    for (const Fields& fields : entriesOf(record, TextField::HorizontalMarks, ';')) {
        const int row = fields.number(0);
        if (!grid::isRow(row)) continue;
        result.push_back({row, std::clamp(fields.number(1), 0, grid::kColumns - 1),
                          std::clamp(fields.number(2), 1, grid::kColumns)});
    }
    return result;
}

std::vector<TwoColourPiece> twoColourPieces(const LineRecord& record) {
    std::vector<TwoColourPiece> result;
    for (const Fields& fields : entriesOf(record, TextField::TwoColourMarks, ';'))
        if (const auto range = rangeAt(fields))
            result.push_back({*range, colourAt(fields, 3), colourAt(fields, 4)});
    return result;
}

std::vector<Bracket> brackets(const LineRecord& record) {
    std::vector<Bracket> result;
    for (const Fields& fields : entriesOf(record, TextField::VerticalMarks, ';')) {
        const Bracket bracket{fields.number(0), fields.number(1)};
        if (grid::isRow(bracket.firstRow) && grid::isRow(bracket.lastRow))
            result.push_back(bracket);
    }
    return result;
}

std::vector<LinkMark> linkMarks(const LineRecord& record) {
    std::vector<LinkMark> result;
    for (const Fields& fields : entriesOf(record, TextField::LinkMarks, ';'))
        if (const auto range = storedRangeAt(fields)) result.push_back({*range, fields.text(3)});
    return result;
}

std::vector<PieceRange> boldPieces(const LineRecord& record) {
    std::vector<PieceRange> result;
    for (const Fields& fields : entriesOf(record, TextField::BoldMarks, ';'))
        if (const auto range = rangeAt(fields)) result.push_back(*range);
    return result;
}

QByteArray linkCode(LinkKind kind, int32_t serial) {
    return QByteArray::number(static_cast<int>(kind)) + 'E' + QByteArray::number(serial);
}

LinkKind codeKind(const QByteArray& code) {
    switch (lenientInt32(code.left(1))) {
    case 1:
        return LinkKind::PageLink;
    case 2:
        return LinkKind::Definition;
    default:
        return LinkKind::None;
    }
}

std::optional<int> findLinkTarget(const LineRecord& record, const QByteArray& code, int pageCount) {
    for (const Fields& fields : entriesOf(record, TextField::LinkTargets, ';')) {
        if (fields.text(1) != code) continue;
        const int page = fields.number(0);
        if (page < 1 || page > pageCount) return std::nullopt;
        return page;
    }
    return std::nullopt;
}

std::optional<QByteArray> findDefinition(const LineRecord& record, const QByteArray& code) {
    for (const Fields& fields : entriesOf(record, TextField::DefinitionTexts, '~', '|'))
        if (fields.text(1) == code) return fields.text(0);
    return std::nullopt;
}

} // namespace folia
