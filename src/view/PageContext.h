#pragma once

#include <QColor>

namespace folia {

class Document;

// What the drawing steps of one page render share: the page's records and the colours
// and guide position in force.
struct PageContext {
    const Document& document;
    int page = 1;
    QColor horizontalColour;
    QColor verticalColour;
    QColor linkColour;
    QColor pageBackground = Qt::white;
    QColor guideFill;
    int guideRow = 0; // 0 when the reading guide is off

    // Symbols are backed in the guide's fill on the guide row, in white elsewhere.
    QColor symbolBacking(int row) const { return row == guideRow ? guideFill : Qt::white; }
};

} // namespace folia
