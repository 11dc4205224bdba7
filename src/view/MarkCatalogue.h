#pragma once

#include "marks/MarkLists.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace folia {

class Document;

// The kinds of mark a row can carry, in the order a row's marks of equal place are listed.
enum class MarkKind {
    Underline,
    FullUnderline,
    Bracket,
    TwoColours,
    Bold,
    Link,
    Definition,
    Alignment,
};
inline constexpr int kMarkKindCount = 8;

// The row's placement named by an alignment mark.
inline const QString kAlignedLeft = QStringLiteral("left");
inline const QString kAlignedCentre = QStringLiteral("centre");
inline const QString kAlignedRight = QStringLiteral("right");

// One mark of the document as a reader sees it, read from the stored lists.
struct ListedMark {
    int page = 0;
    int row = 0; // the first row of a bracket
    MarkKind kind = MarkKind::Underline;
    // 1-based positions of the marked characters in the row's text, wherever the row's
    // alignment places them; none for brackets and alignments, and for a range that
    // covers no character of the text.
    std::optional<int> first, last;
    // The marked characters; for a bracket its first row's text, for an alignment
    // kAlignedLeft, kAlignedCentre or kAlignedRight.
    QString text;
    std::optional<int> lastRow;                     // of a bracket
    std::optional<uint32_t> background, foreground; // of two colours, 0x00BBGGRR
    std::optional<int> target;                      // the page a link leads to
    std::optional<QString> definition;              // as typed, "|" and "~" included
    StoredEntry stored;                             // where it is kept, to take it off

    bool operator==(const ListedMark&) const = default;
};

// Every mark of the document's pages in page, row and first-position order; the marks of
// one place in the order of MarkKind. Entries that a list lost to its capacity are absent.
std::vector<ListedMark> listMarks(const Document& document);
// The marks of one page, in the same order.
std::vector<ListedMark> listMarksOfPage(const Document& document, int page);

} // namespace folia
