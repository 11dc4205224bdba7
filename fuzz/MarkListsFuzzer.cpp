// Any mark lists in a page's records: every reader must hand out only entries that lie
// on the page's grid, link and definition lookups only what the lists hold, and an
// appended mark must keep every entry that was read before, and taking one off no other.

#include "FuzzSupport.h"
#include "FuzzedPage.h"
#include "marks/CharacterGrid.h"
#include "marks/MarkEntryBuilders.h"
#include "marks/MarkLists.h"
#include "marks/MarkRemoval.h"
#include "view/InlineSymbols.h"
#include "view/LinkFollowing.h"
#include "view/RowLayout.h"

#include <algorithm>

using namespace folia;

namespace {

void checkRange(const PieceRange& range) {
    fuzz::check(grid::isRow(range.row) && grid::isColumn(range.first) &&
                    grid::isColumn(range.last) && range.first <= range.last,
                "a piece lies on the grid");
}

// Links keep the order their columns were marked in, right to left too.
void checkStoredRange(const PieceRange& range) {
    checkRange({range.row, std::min(range.first, range.last), std::max(range.first, range.last)});
}

void checkReaders(const LineRecord& record, int pageCount) {
    for (const HorizontalPiece& piece : horizontalPieces(record))
        fuzz::check(grid::isRow(piece.row) && piece.before >= 0 && piece.before < grid::kColumns &&
                        grid::isColumn(piece.last),
                    "a horizontal piece lies on the grid");
    for (const TwoColourPiece& piece : twoColourPieces(record)) {
        checkRange(piece.range);
        fuzz::check(piece.background <= 0xFFFFFF && piece.foreground <= 0xFFFFFF,
                    "two-colour pieces carry 24-bit colours");
    }
    for (const Bracket& bracket : brackets(record))
        fuzz::check(grid::isRow(bracket.firstRow) && grid::isRow(bracket.lastRow),
                    "a bracket lies on the page");
    for (const BoldPiece& piece : boldPieces(record))
        checkRange(piece.range);
    for (const LinkMark& mark : linkMarks(record)) {
        checkStoredRange(mark.range);
        if (const auto page = findLinkTarget(record, mark.code, pageCount))
            fuzz::check(*page >= 1 && *page <= pageCount, "a link leads to a page of the document");
        if (const auto definition = typedDefinition(record, mark.code))
            fuzz::check(record.text(TextField::DefinitionTexts).contains(*definition),
                        "a definition comes from the row's definitions");
    }
}

void checkListEntries(const QByteArray& list, char terminator) {
    const std::vector<QByteArray> entries = listEntries(list, terminator);
    fuzz::check(qsizetype(entries.size()) == list.count(terminator),
                "a list has one entry per terminator");
    QByteArray joined;
    for (const QByteArray& entry : entries)
        joined += entry + terminator;
    fuzz::check(list.startsWith(joined), "the entries are the list up to its last terminator");
}

void checkSymbols(const QByteArray& text) {
    const std::vector<InlineSymbol> symbols = findInlineSymbols(text);
    for (const InlineSymbol& symbol : symbols) {
        const QByteArray token = text.mid(symbol.position - 1, symbol.length());
        const QByteArray wanted =
            symbol.kind == InlineSymbol::Kind::Bullet
                ? "\\$" + QByteArray::number(symbol.number)
                : "\\#" + QByteArray::number(symbol.number).rightJustified(2, '0');
        fuzz::check(token == wanted, "a symbol stands where it is reported");
    }
    qsizetype tokens = 0;
    for (qsizetype at = text.indexOf('\\'); at >= 0; at = text.indexOf('\\', at + 1)) {
        const QByteArray rest = text.mid(at + 1, 3);
        const bool bullet = rest.size() >= 2 && rest[0] == '$' && rest[1] >= '1' && rest[1] <= '4';
        const bool picture = rest.size() == 3 && rest[0] == '#' && rest[1] >= '0' &&
                             rest[1] <= '9' && rest[2] >= '0' && rest[2] <= '9' &&
                             rest.mid(1) != "00";
        tokens += bullet || picture;
    }
    fuzz::check(qsizetype(symbols.size()) == tokens, "every symbol token is found once");
}

void checkPlacement(const LineRecord& record) {
    const int shown = int(shownText(record).size());
    fuzz::check(shown <= grid::kShownCharacters, "a row shows at most 93 characters");
    if (shown == 0) return;
    const int first = columnOfCharacter(record, 1);
    fuzz::check(first >= grid::kFirstTextColumn && first + shown - 1 <= grid::kLastTextColumn,
                "a row's text stays in columns 4..96");
}

// Appends each kind of mark to a copy of the row: what was read before is read after.
void checkAppends(const LineRecord& record, int row) {
    const auto keeps = [&](const auto& read, const auto& mark, const char* property) {
        LineRecord changed = record;
        int32_t serial = 7;
        mark(changed, serial);
        const auto before = read(record);
        const auto after = read(changed);
        bool kept = after.size() >= before.size();
        for (size_t i = 0; kept && i < before.size(); ++i)
            kept = before[i] == after[i];
        fuzz::check(kept, property);
    };
    const auto entriesOf = [](TextField field, char terminator) {
        return [=](const LineRecord& r) { return listEntries(r.text(field), terminator); };
    };
    keeps(
        entriesOf(TextField::HorizontalMarks, ';'),
        [&](LineRecord& r, int32_t&) { addHorizontalPiece(r, row, 10, 20); },
        "appending a horizontal piece keeps the earlier ones");
    keeps(
        entriesOf(TextField::TwoColourMarks, ';'),
        [&](LineRecord& r, int32_t&) { addTwoColourPiece(r, row, 10, 20, 0, 16777215); },
        "appending a two-colour piece keeps the earlier ones");
    keeps(
        entriesOf(TextField::VerticalMarks, ';'),
        [&](LineRecord& r, int32_t&) { addBracket(r, row, 65); },
        "appending a bracket keeps the earlier ones");
    keeps(
        entriesOf(TextField::BoldMarks, ';'),
        [&](LineRecord& r, int32_t&) { addBoldPiece(r, row, 10, 20); },
        "appending a bold piece keeps the earlier ones");
    keeps(
        entriesOf(TextField::LinkMarks, ';'),
        [&](LineRecord& r, int32_t& s) { addPageLink(r, s, row, 10, 20, "2"); },
        "appending a page link keeps the earlier links");
    keeps(
        entriesOf(TextField::LinkTargets, ';'),
        [&](LineRecord& r, int32_t& s) { addPageLink(r, s, row, 10, 20, "2"); },
        "appending a page link keeps the earlier targets");
    keeps(
        entriesOf(TextField::DefinitionTexts, '~'),
        [&](LineRecord& r, int32_t& s) { addDefinition(r, s, row, 10, 20, "word"); },
        "appending a definition keeps the earlier ones");
}

// Taking off one link read from the row takes exactly its entry and no other list's.
void checkRemoval(const LineRecord& record, int row) {
    const std::vector<LinkMark> links = linkMarks(record);
    if (links.empty()) return;
    std::vector<LineRecord> rows(static_cast<size_t>(grid::kRows));
    rows[size_t(row - 1)] = record;
    fuzz::check(removeStoredEntry(rows, {row, TextField::LinkMarks, links.front().entry}) == 1,
                "a link read from the row can be taken off");
    const LineRecord& changed = rows[size_t(row - 1)];
    fuzz::check(listEntries(changed.text(TextField::LinkMarks), ';').size() ==
                    listEntries(record.text(TextField::LinkMarks), ';').size() - 1,
                "one link entry goes");
    for (const TextField field : {TextField::Text, TextField::HorizontalMarks,
                                  TextField::TwoColourMarks, TextField::BoldMarks})
        fuzz::check(changed.text(field) == record.text(field), "the other lists stay");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fuzz::FuzzedPage fuzzed = fuzz::pageFrom(fuzz::bytesOf(data, size));
    const Document& document = fuzzed.document;
    for (int row = 1; row <= grid::kRows; ++row) {
        const LineRecord& record = document.row(1, row);
        if (!record.isPresent()) continue;
        checkReaders(record, document.pageCount);
        for (const TextField field :
             {TextField::HorizontalMarks, TextField::TwoColourMarks, TextField::VerticalMarks,
              TextField::LinkMarks, TextField::LinkTargets, TextField::BoldMarks})
            checkListEntries(record.text(field), ';');
        checkListEntries(record.text(TextField::DefinitionTexts), '~');
        checkSymbols(record.text(TextField::Text));
        checkPlacement(record);
        checkAppends(record, row);
        checkRemoval(record, row);
        // A click on any column of the row finds only what its lists hold.
        for (int column = 0; column <= grid::kColumns + 1; column += 7) {
            for (const int target : linkTargetsAt(document, 1, row, column))
                fuzz::check(target >= 1 && target <= document.pageCount,
                            "a clicked link leads to a page of the document");
            for (const DefinitionHit& hit : definitionsAt(document, 1, row, column))
                fuzz::check(hit.marked.size() <= grid::kColumns,
                            "a definition marks a piece of the row");
        }
    }
    return 0;
}
