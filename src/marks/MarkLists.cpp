#include "MarkLists.h"

#include "CharacterGrid.h"
#include "common/LenientNumber.h"
#include "document/LineRecord.h"

#include <QByteArrayList>
#include <algorithm>
#include <cctype>

namespace folia {
namespace {

// Field i of a ","-separated entry (0-based); a missing field reads as empty.
class Fields {
public:
    explicit Fields(const QByteArray& entry) : m_fields(entry.split(',')) {}
    QByteArray text(int i) const { return i < m_fields.size() ? m_fields[i] : QByteArray(); }
    int number(int i) const { return lenientInt32(text(i)); }

private:
    QList<QByteArray> m_fields;
};

// The entries of a ";"-terminated list.
std::vector<Fields> entriesOf(const LineRecord& record, TextField field) {
    std::vector<Fields> result;
    for (const QByteArray& entry : listEntries(record.text(field), ';'))
        result.emplace_back(entry);
    return result;
}

// Calls read(fields, entry) for each entry of the list, `entry` counting from 0.
template <typename Read> void readEntries(const LineRecord& record, TextField field, Read read) {
    int entry = 0;
    for (const Fields& fields : entriesOf(record, field))
        read(fields, entry++);
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

// Whether the "~" at `tilde` ends a definition entry: it closes a "|2E" + serial code.
bool endsDefinitionEntry(const QByteArray& list, qsizetype tilde) {
    qsizetype i = tilde;
    while (i > 0 && (std::isdigit(static_cast<unsigned char>(list[i - 1])) || list[i - 1] == '-'))
        --i;
    return i < tilde && i >= 3 && list.sliced(i - 3, 3) == "|2E";
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
    readEntries(record, TextField::HorizontalMarks, [&](const Fields& fields, int entry) {
        const int row = fields.number(0);
        if (!grid::isRow(row)) return;
        result.push_back({row, std::clamp(fields.number(1), 0, grid::kColumns - 1),
                          std::clamp(fields.number(2), 1, grid::kColumns), entry});
    });
    return result;
}

std::vector<TwoColourPiece> twoColourPieces(const LineRecord& record) {
    std::vector<TwoColourPiece> result;
    readEntries(record, TextField::TwoColourMarks, [&](const Fields& fields, int entry) {
        if (const auto range = rangeAt(fields))
            result.push_back({*range, colourAt(fields, 3), colourAt(fields, 4), entry});
    });
    return result;
}

std::vector<Bracket> brackets(const LineRecord& record) {
    std::vector<Bracket> result;
    readEntries(record, TextField::VerticalMarks, [&](const Fields& fields, int entry) {
        const Bracket bracket{fields.number(0), fields.number(1), entry};
        if (grid::isRow(bracket.firstRow) && grid::isRow(bracket.lastRow))
            result.push_back(bracket);
    });
    return result;
}

std::vector<LinkMark> linkMarks(const LineRecord& record) {
    std::vector<LinkMark> result;
    readEntries(record, TextField::LinkMarks, [&](const Fields& fields, int entry) {
        if (const auto range = storedRangeAt(fields))
            result.push_back({*range, fields.text(3), entry});
    });
    return result;
}

std::vector<BoldPiece> boldPieces(const LineRecord& record) {
    std::vector<BoldPiece> result;
    readEntries(record, TextField::BoldMarks, [&](const Fields& fields, int entry) {
        if (const auto range = rangeAt(fields)) result.push_back({*range, entry});
    });
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
    for (const Fields& fields : entriesOf(record, TextField::LinkTargets)) {
        if (fields.text(1) != code) continue;
        const int page = fields.number(0);
        if (page < 1 || page > pageCount) return std::nullopt;
        return page;
    }
    return std::nullopt;
}

std::optional<std::pair<qsizetype, qsizetype>> typedDefinitionSpan(const QByteArray& list,
                                                                   const QByteArray& code) {
    const QByteArray ending = '|' + code + '~';
    const qsizetype end = list.indexOf(ending);
    if (code.isEmpty() || end < 0) return std::nullopt;
    qsizetype start = list.lastIndexOf('~', end);
    while (start >= 0 && !endsDefinitionEntry(list, start))
        start = start == 0 ? -1 : list.lastIndexOf('~', start - 1);
    return std::pair(start + 1, end + ending.size() - start - 1);
}

std::optional<QByteArray> typedDefinition(const LineRecord& record, const QByteArray& code) {
    const QByteArray list = record.text(TextField::DefinitionTexts);
    const auto span = typedDefinitionSpan(list, code);
    if (!span) return std::nullopt;
    return list.sliced(span->first, span->second - code.size() - 2);
}

} // namespace folia
