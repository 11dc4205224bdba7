#include "Pictures.h"

#include "document/Document.h"
#include "marks/CharacterGrid.h"
#include "output/PictureLoader.h"

#include <QPainter>

namespace folia {

void drawPictures(QPainter& painter, const Document& document, int page, PictureLoader& loader) {
    for (int row = 1; row <= grid::kRows; ++row) {
        const LineRecord& record = document.row(page, row);
        if (record.imageStart != 1) continue;
        const auto picture = loader.load(record.text(TextField::Text), 0, 0, false);
        if (picture)
            painter.drawImage(grid::columnLeft(grid::kFirstTextColumn) + 3, grid::rowTop(row) + 3,
                              *picture);
    }
}

} // namespace folia
