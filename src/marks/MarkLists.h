#pragma once

#include "document/LineRecord.h"

#include <QByteArray>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace folia {

// The marks of a row are stored as text lists inside its record; the stored text is the
// truth, and these readers parse it whenever a page is drawn or clicked. A reader hands
// out only entries its consumers can use as they are: rows within 1..65 and columns
// within the grid (1..114); an entry that cannot be brought there is dropped. Each piece
// keeps `entry`, the place of the stored entry it was read from among its list's entries,
// so that exactly that entry can be taken off again.

// "R,C1,C2;": a line under a range. C1 is the column before the first marked one, so the
// line runs from the right edge of `before` to the right edge of `last`. A range marked
// right to left has last < before + 1; the line is still drawn between those edges.
struct HorizontalPiece {
    int row = 0;
    int before = 0; // 0..113
    int last = 0;   // 1..114
    int entry = 0;
};

// "R,C1,C2;" (bold) and the range part of the other piece lists: columns first..last,
// first <= last.
struct PieceRange {
    int row = 0;
    int first = 0;
    int last = 0;
};

// "R,C1,C2,BG,FG;": colours are 0x00BBGGRR words.
struct TwoColourPiece {
    PieceRange range;
    uint32_t background = 0;
    uint32_t foreground = 0;
    int entry = 0;
};

// "R1,R2;": a bracket beside rows R1..R2, kept in the record of R1.
struct Bracket {
    int firstRow = 0;
    int lastRow = 0;
    int entry = 0;
};

// "R,C1,C2,CODE;": CODE is "1E" + serial for a page link, "2E" + serial for a definition.
// A range marked right to left keeps first > last: it shows and hits no characters, but
// a definition's dotted line still runs between the two columns.
struct LinkMark {
    PieceRange range;
    QByteArray code;
    int entry = 0;
};

struct BoldPiece {
    PieceRange range;
    int entry = 0;
};

// Where one mark is kept: entry `entry` of the list `field` in the record of row `row` of
// its page. An alignment is the whole of its field, entry 0.
struct StoredEntry {
    int row = 0;
    TextField field = TextField::Text;
    int entry = 0;

    bool operator==(const StoredEntry&) const = default;
};

std::vector<HorizontalPiece> horizontalPieces(const LineRecord& record);
std::vector<TwoColourPiece> twoColourPieces(const LineRecord& record);
std::vector<Bracket> brackets(const LineRecord& record);
std::vector<LinkMark> linkMarks(const LineRecord& record);
std::vector<BoldPiece> boldPieces(const LineRecord& record);

// The entries of a list: the pieces between terminators, without the piece after the
// last terminator (empty, or an entry cut off by the field's capacity).
std::vector<QByteArray> listEntries(const QByteArray& list, char terminator);

enum class LinkKind { None = 0, PageLink = 1, Definition = 2 };

// "1E7" for the seventh link or definition of a document that is a page link.
QByteArray linkCode(LinkKind kind, int32_t serial);
// The kind a code announces by its first character.
LinkKind codeKind(const QByteArray& code);

// The page a page-link code leads to: the first entry of the row's link targets with
// exactly that code. Nothing when there is none or its page is not within 1..pageCount.
std::optional<int> findLinkTarget(const LineRecord& record, const QByteArray& code, int pageCount);
// The text of the first definition of the row with exactly that code, whole as it was
// typed: a definition that holds "|" or "~" runs from the end of the entry before it up
// to its "|" + code + "~".
std::optional<QByteArray> typedDefinition(const LineRecord& record, const QByteArray& code);
// Where that whole definition stands in the row's definition texts, its "|" + code + "~"
// included: the start and the length.
std::optional<std::pair<qsizetype, qsizetype>> typedDefinitionSpan(const QByteArray& list,
                                                                   const QByteArray& code);

} // namespace folia
