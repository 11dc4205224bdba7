#include "LinkFollowing.h"

#include "document/Document.h"
#include "marks/CharacterGrid.h"
#include "marks/MarkLists.h"

namespace folia {
namespace {

// The link marks of row `row` that its own record holds and that announce `kind`.
std::vector<LinkMark> marksOf(const LineRecord& record, int row, LinkKind kind) {
    std::vector<LinkMark> found;
    for (LinkMark& mark : linkMarks(record)) {
        const PieceRange& range = mark.range;
        if (range.row == row && range.first <= range.last && codeKind(mark.code) == kind)
            found.push_back(std::move(mark));
    }
    return found;
}

// Text characters of grid columns first..last of an unaligned row; columns beyond the
// text give nothing.
QByteArray charactersOfColumns(const QByteArray& text, int first, int last) {
    QByteArray characters;
    for (int position = first - grid::kColumnOffset; position <= last - grid::kColumnOffset;
         ++position)
        if (position >= 1 && position <= text.size()) characters += text[position - 1];
    return characters;
}

bool holds(const PieceRange& range, int row, int column) {
    return range.row == row && range.first <= column && column <= range.last;
}

std::vector<PageLink> linksOfRow(const Document& document, int page, int row) {
    const LineRecord& record = document.row(page, row);
    std::vector<PageLink> links;
    if (record.linkKind <= 0) return links;
    for (const LinkMark& mark : marksOf(record, row, LinkKind::PageLink))
        if (const auto target = findLinkTarget(record, mark.code, document.pageCount))
            links.push_back({mark.range, *target});
    return links;
}

std::vector<DefinitionHit> definitionsOfRow(const Document& document, int page, int row) {
    const LineRecord& record = document.row(page, row);
    std::vector<DefinitionHit> definitions;
    if (record.linkKind != 1 && record.linkKind != 2) return definitions;
    const QByteArray text = record.text(TextField::Text);
    for (const LinkMark& mark : marksOf(record, row, LinkKind::Definition))
        if (auto definition = typedDefinition(record, mark.code))
            definitions.push_back({*definition,
                                   charactersOfColumns(text, mark.range.first, mark.range.last),
                                   mark.range});
    return definitions;
}

} // namespace

std::vector<PageLink> pageLinksOf(const Document& document, int page) {
    std::vector<PageLink> links;
    for (int row = 1; row <= grid::kRows; ++row)
        for (PageLink& link : linksOfRow(document, page, row))
            links.push_back(link);
    return links;
}

std::vector<DefinitionHit> definitionsOf(const Document& document, int page) {
    std::vector<DefinitionHit> definitions;
    for (int row = 1; row <= grid::kRows; ++row)
        for (DefinitionHit& definition : definitionsOfRow(document, page, row))
            definitions.push_back(std::move(definition));
    return definitions;
}

std::vector<int> linkTargetsAt(const Document& document, int page, int row, int column) {
    std::vector<int> targets;
    for (const PageLink& link : linksOfRow(document, page, row))
        if (holds(link.range, row, column)) targets.push_back(link.target);
    return targets;
}

std::vector<DefinitionHit> definitionsAt(const Document& document, int page, int row, int column) {
    std::vector<DefinitionHit> hits;
    for (DefinitionHit& definition : definitionsOfRow(document, page, row))
        if (holds(definition.range, row, column)) hits.push_back(std::move(definition));
    return hits;
}

} // namespace folia
