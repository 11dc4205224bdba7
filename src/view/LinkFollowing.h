#pragma once

#include "marks/MarkLists.h"

#include <QByteArray>
#include <vector>

namespace folia {

class Document;

// What a click on a row finds among its page links and definitions. Only the clicked
// row's own lists are searched, and only entries whose range holds the clicked column.

// A page link that a click follows: its marked columns and the page it leads to.
struct PageLink {
    PieceRange range;
    int target = 1;
};

// A definition that a right click shows.
struct DefinitionHit {
    QByteArray text;   // the definition
    QByteArray marked; // the characters it is attached to
    PieceRange range;
};

// Every page link and every definition of `page` that a click can reach, row by row in
// list order: links whose target is no page of the document and ranges marked right to
// left are left out.
std::vector<PageLink> pageLinksOf(const Document& document, int page);
std::vector<DefinitionHit> definitionsOf(const Document& document, int page);

// The target pages of every page link under (row, column) of `page`, in list order.
std::vector<int> linkTargetsAt(const Document& document, int page, int row, int column);

// Every definition under (row, column) of `page`, in list order.
std::vector<DefinitionHit> definitionsAt(const Document& document, int page, int row, int column);

} // namespace folia
