#pragma once

#include <QByteArray>
#include <vector>

namespace folia {

class Document;

// What a click on a row finds among its page links and definitions. Only the clicked
// row's own lists are searched, and only entries whose range holds the clicked column.

// The target pages of every page link under (row, column) of `page`, in list order;
// links whose target is no page of the document are left out.
std::vector<int> linkTargetsAt(const Document& document, int page, int row, int column);

struct DefinitionHit {
    QByteArray text;   // the definition
    QByteArray marked; // the characters it is attached to
};

// Every definition under (row, column) of `page`, in list order.
std::vector<DefinitionHit> definitionsAt(const Document& document, int page, int row, int column);

} // namespace folia
