#include "LinkFollowing.h"

#include "marks/MarkLists.h"
#include "document/Document.h"

namespace folia {
namespace {

// The link marks of a row that hold the column and announce `kind`.
std::vector<LinkMark> marksAt(const LineRecord& record, int row, int column, LinkKind kind) {
    std::vector<LinkMark> found;
    for (LinkMark& mark : linkMarks(record)) {
        const PieceRange& range = mark.range;
        if (range.row == row && range.first <= column && column <= range.last &&
            codeKind(mark.code) == kind)
            found.push_back(std::move(mark));
    }
    return found;
}

// Text characters of grid columns first..last of an unaligned row; columns beyond the
// text give nothing.
QByteArray charactersOfColumns(const QByteArray& text, int first, int last) {
    QByteArray characters;
    for (int position = first - 3; position <= last - 3; ++position)
        if (position >= 1 && position <= text.size()) characters += text[position - 1];
    return characters;
}

} // namespace

std::vector<int> linkTargetsAt(const Document& document, int page, int row, int column) {
    const LineRecord& record = document.row(page, row);
    std::vector<int> targets;
    if (record.linkKind <= 0) return targets;
    for (const LinkMark& mark : marksAt(record, row, column, LinkKind::PageLink))
        if (const auto target = findLinkTarget(record, mark.code, document.pageCount))
            targets.push_back(*target);
    return targets;
}

std::vector<DefinitionHit> definitionsAt(const Document& document, int page, int row, int column) {
    const LineRecord& record = document.row(page, row);
    std::vector<DefinitionHit> hits;
    if (record.linkKind != 1 && record.linkKind != 2) return hits;
    const QByteArray text = record.text(TextField::Text);
    for (const LinkMark& mark : marksAt(record, row, column, LinkKind::Definition))
        if (auto definition = findDefinition(record, mark.code))
            hits.push_back(
                {*definition, charactersOfColumns(text, mark.range.first, mark.range.last)});
    return hits;
}

} // namespace folia
