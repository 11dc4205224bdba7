#include "MarkCatalogue.h"

#include "RowLayout.h"
#include "common/Cp1252.h"
#include "document/Document.h"
#include "marks/CharacterGrid.h"
#include "marks/MarkEntryBuilders.h"
#include "marks/MarkLists.h"

#include <algorithm>
#include <limits>
#include <tuple>

namespace folia {
namespace {

// The characters of a row's text that stand in grid columns firstColumn..lastColumn.
struct MarkedCharacters {
    std::optional<int> first, last;
    QString text;
};

MarkedCharacters charactersIn(const LineRecord& record, int firstColumn, int lastColumn) {
    const QByteArray text = record.text(TextField::Text);
    const int first = std::max(characterAtColumn(record, firstColumn), 1);
    const int last = std::min(characterAtColumn(record, lastColumn), int(text.size()));
    if (first > last) return {};
    return {first, last, fromCp1252(text.mid(first - 1, last - first + 1))};
}

// Gathers the marks kept in the records of one page.
class PageMarks {
public:
    PageMarks(const Document& document, int page) : m_document(document), m_page(page) {}

    // The marks kept in the record of `row`.
    void addRecord(const LineRecord& record, int row);
    std::vector<ListedMark> take();

private:
    // A mark of `row` kept as entry `entry` of the list `field` of the record being read.
    ListedMark& add(int row, MarkKind kind, TextField field, int entry);
    // The same, marking the characters in grid columns firstColumn..lastColumn of the row.
    ListedMark& add(int row, MarkKind kind, TextField field, int entry, int firstColumn,
                    int lastColumn);
    void addHorizontalPieces(const LineRecord& record);
    void addBrackets(const LineRecord& record);
    void addLinks(const LineRecord& record);
    void addAlignment(const LineRecord& record, int row);

    const Document& m_document;
    const int m_page;
    int m_recordRow = 0;
    std::vector<ListedMark> m_marks;
};

// A full horizontal line is stored as a piece: it is the piece that spans the whole text.
bool isFullLine(const HorizontalPiece& piece, const QByteArray& text) {
    if (text.count(' ') == text.size()) return false;
    const HorizontalPiece full = fullLinePiece(piece.row, text);
    // Compared as the reader clips them.
    return piece.before == std::clamp(full.before, 0, grid::kColumns - 1) &&
           piece.last == std::clamp(full.last, 1, grid::kColumns);
}

ListedMark& PageMarks::add(int row, MarkKind kind, TextField field, int entry) {
    ListedMark& mark = m_marks.emplace_back();
    mark.page = m_page;
    mark.row = row;
    mark.kind = kind;
    mark.stored = {m_recordRow, field, entry};
    return mark;
}

ListedMark& PageMarks::add(int row, MarkKind kind, TextField field, int entry, int firstColumn,
                           int lastColumn) {
    MarkedCharacters marked = charactersIn(m_document.row(m_page, row), firstColumn, lastColumn);
    ListedMark& mark = add(row, kind, field, entry);
    mark.first = marked.first;
    mark.last = marked.last;
    mark.text = std::move(marked.text);
    return mark;
}

void PageMarks::addHorizontalPieces(const LineRecord& record) {
    for (const HorizontalPiece& piece : horizontalPieces(record)) {
        const QByteArray text = m_document.row(m_page, piece.row).text(TextField::Text);
        add(piece.row, isFullLine(piece, text) ? MarkKind::FullUnderline : MarkKind::Underline,
            TextField::HorizontalMarks, piece.entry, piece.before + 1, piece.last);
    }
}

void PageMarks::addLinks(const LineRecord& record) {
    for (const LinkMark& link : linkMarks(record)) {
        const PieceRange& range = link.range;
        if (codeKind(link.code) == LinkKind::PageLink) {
            // Every page the typed text names, also one the document no longer has.
            add(range.row, MarkKind::Link, TextField::LinkMarks, link.entry, range.first,
                range.last)
                .target = findLinkTarget(record, link.code, std::numeric_limits<int>::max());
        } else if (codeKind(link.code) == LinkKind::Definition) {
            const std::optional<QByteArray> definition = typedDefinition(record, link.code);
            add(range.row, MarkKind::Definition, TextField::LinkMarks, link.entry, range.first,
                range.last)
                .definition = definition ? std::optional(fromCp1252(*definition)) : std::nullopt;
        }
    }
}

void PageMarks::addBrackets(const LineRecord& record) {
    for (const Bracket& bracket : brackets(record)) {
        ListedMark& mark =
            add(bracket.firstRow, MarkKind::Bracket, TextField::VerticalMarks, bracket.entry);
        const QByteArray text = m_document.row(m_page, bracket.firstRow).text(TextField::Text);
        mark.text = fromCp1252(text.trimmed());
        mark.lastRow = bracket.lastRow;
    }
}

void PageMarks::addAlignment(const LineRecord& record, int row) {
    switch (alignmentOf(record)) {
    case RowAlignment::Left:
        add(row, MarkKind::Alignment, TextField::Alignment, 0).text = kAlignedLeft;
        break;
    case RowAlignment::Centre:
        add(row, MarkKind::Alignment, TextField::Alignment, 0).text = kAlignedCentre;
        break;
    case RowAlignment::Right:
        add(row, MarkKind::Alignment, TextField::Alignment, 0).text = kAlignedRight;
        break;
    case RowAlignment::None:
        break;
    }
}

void PageMarks::addRecord(const LineRecord& record, int row) {
    m_recordRow = row;
    addHorizontalPieces(record);
    addBrackets(record);
    for (const TwoColourPiece& piece : twoColourPieces(record)) {
        ListedMark& mark = add(piece.range.row, MarkKind::TwoColours, TextField::TwoColourMarks,
                               piece.entry, piece.range.first, piece.range.last);
        mark.background = piece.background;
        mark.foreground = piece.foreground;
    }
    for (const BoldPiece& piece : boldPieces(record))
        add(piece.range.row, MarkKind::Bold, TextField::BoldMarks, piece.entry, piece.range.first,
            piece.range.last);
    addLinks(record);
    addAlignment(record, row);
}

std::vector<ListedMark> PageMarks::take() {
    std::stable_sort(m_marks.begin(), m_marks.end(), [](const ListedMark& a, const ListedMark& b) {
        return std::tuple(a.row, a.first.value_or(0), a.kind) <
               std::tuple(b.row, b.first.value_or(0), b.kind);
    });
    return std::move(m_marks);
}

} // namespace

std::vector<ListedMark> listMarksOfPage(const Document& document, int page) {
    PageMarks marks(document, page);
    for (int row = 1; row <= grid::kRows; ++row)
        marks.addRecord(document.row(page, row), row);
    return marks.take();
}

std::vector<ListedMark> listMarks(const Document& document) {
    std::vector<ListedMark> all;
    for (int page = 1; page <= document.pageCount; ++page) {
        std::vector<ListedMark> marks = listMarksOfPage(document, page);
        all.insert(all.end(), std::make_move_iterator(marks.begin()),
                   std::make_move_iterator(marks.end()));
    }
    return all;
}

} // namespace folia
