#include "MarkEntryBuilders.h"

#include "MarkLists.h"
#include "document/LineRecord.h"

#include <QByteArrayList>

#include <limits>

namespace folia {
namespace {

QByteArray entry(const QByteArrayList& fields) {
    return fields.join(',') + ';';
}

QByteArray num(int64_t value) {
    return QByteArray::number(qlonglong(value));
}

// Blanks are spaces only: a row of tabs still counts as text.
qsizetype firstNonBlank(const QByteArray& text) {
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] != ' ') return i;
    return -1;
}

bool hasText(const LineRecord& record) {
    return firstNonBlank(record.text(TextField::Text)) >= 0;
}

int32_t nextSerial(int32_t& markSerial) {
    // A serial never wraps to a value that an earlier mark already holds.
    if (markSerial < std::numeric_limits<int32_t>::max()) ++markSerial;
    return markSerial;
}

void addLinkRange(LineRecord& record, LinkKind kind, int32_t serial, int row, int startColumn,
                  int endColumn) {
    record.hasMarks = 1;
    record.linkKind = static_cast<int32_t>(kind);
    record.appendText(TextField::LinkMarks,
                      entry({num(row), num(startColumn), num(endColumn), linkCode(kind, serial)}));
}

} // namespace

bool isUsableRow(const LineRecord& record) {
    return hasText(record) && !isCentredOrRight(alignmentOf(record));
}

void addHorizontalPiece(LineRecord& record, int row, int startColumn, int endColumn) {
    record.appendText(TextField::HorizontalMarks,
                      entry({num(row), num(int64_t(startColumn) - 1), num(endColumn)}));
    record.hasMarks = 1;
}

HorizontalPiece fullLinePiece(int row, const QByteArray& text) {
    // From the column before the first non-blank character to the last character.
    return {row, int(firstNonBlank(text)) + grid::kColumnOffset,
            int(text.size()) + grid::kColumnOffset};
}

std::optional<std::pair<int, int>> fullLineColumns(const LineRecord& record) {
    if (!isUsableRow(record)) return std::nullopt;
    const HorizontalPiece piece = fullLinePiece(0, record.text(TextField::Text));
    return std::make_pair(piece.before, piece.last);
}

bool addFullHorizontalLine(LineRecord& record, int row) {
    if (!isUsableRow(record)) return false;
    const HorizontalPiece piece = fullLinePiece(row, record.text(TextField::Text));
    record.appendText(TextField::HorizontalMarks,
                      entry({num(row), num(piece.before), num(piece.last)}));
    record.hasMarks = 1;
    return true;
}

void addTwoColourPiece(LineRecord& record, int row, int startColumn, int endColumn,
                       uint32_t background, uint32_t foreground) {
    record.appendText(TextField::TwoColourMarks,
                      entry({num(row), num(startColumn), num(endColumn),
                             num(background & 0xFFFFFFu), num(foreground & 0xFFFFFFu)}));
    record.hasMarks = 1;
}

void addBracket(LineRecord& firstRowRecord, int firstRow, int lastRow) {
    firstRowRecord.appendText(TextField::VerticalMarks, entry({num(firstRow), num(lastRow)}));
    firstRowRecord.hasMarks = 1;
}

void addBoldPiece(LineRecord& record, int row, int startColumn, int endColumn) {
    record.appendText(TextField::BoldMarks, entry({num(row), num(startColumn), num(endColumn)}));
    record.hasBold = 1;
    record.hasMarks = 1;
}

void addPageLink(LineRecord& record, int32_t& markSerial, int row, int startColumn, int endColumn,
                 const QByteArray& typedPage) {
    const int32_t serial = nextSerial(markSerial);
    addLinkRange(record, LinkKind::PageLink, serial, row, startColumn, endColumn);
    record.appendText(TextField::LinkTargets,
                      entry({typedPage, linkCode(LinkKind::PageLink, serial)}));
}

void addDefinition(LineRecord& record, int32_t& markSerial, int row, int startColumn, int endColumn,
                   const QByteArray& definition) {
    const int32_t serial = nextSerial(markSerial);
    addLinkRange(record, LinkKind::Definition, serial, row, startColumn, endColumn);
    record.appendText(TextField::DefinitionTexts,
                      definition + '|' + linkCode(LinkKind::Definition, serial) + '~');
}

bool setRowAlignment(LineRecord& record, RowAlignment alignment) {
    if (!hasText(record) || record.hasMarks != 0 || record.linkKind != 0 || record.hasBold != 0)
        return false;
    record.setText(TextField::Alignment, alignmentCode(alignment));
    return true;
}

std::optional<std::pair<int, int>> twoTickedRows(const TickRows& ticks) {
    int found[2] = {0, 0};
    int count = 0;
    for (int row = 1; row <= grid::kRows; ++row) {
        if (!ticks[row]) continue;
        if (count == 2) return std::nullopt;
        found[count++] = row;
    }
    if (count != 2) return std::nullopt;
    return std::make_pair(found[0], found[1]);
}

} // namespace folia
