#pragma once

#include "document/Document.h"

#include <QByteArray>

namespace folia::fuzz {

// Page 1 of a document written as lines "<row> <field> <value>", so that seeds stay
// readable and mutations land in the mark lists:
//   t text, h horizontal, c two-colour, v vertical, l link marks, d definitions,
//   r link targets, a alignment, b bold pieces (the stored list texts as they are);
//   f "hasMarks linkKind imageStart hasBold" (numbers).
// A row a line names is present. Row 0 carries the page's own values:
//   "0 g <row>" the reading guide's row (0: off), "0 p <count>" the document's pages.
struct FuzzedPage {
    Document document;
    int guideRow = 0;
};

FuzzedPage pageFrom(const QByteArray& input);
// The same into a document that is empty; gives the guide's row.
int readPageInto(Document& document, const QByteArray& input);

} // namespace folia::fuzz
