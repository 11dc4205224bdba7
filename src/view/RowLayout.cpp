#include "RowLayout.h"

#include "document/LineRecord.h"
#include "marks/CharacterGrid.h"

#include <algorithm>

namespace folia {

QByteArray shownText(const LineRecord& record) {
    if (record.imageStart != 0) return {};
    return record.text(TextField::Text).left(grid::kShownCharacters);
}

int firstTextColumn(RowAlignment alignment, int shownLength) {
    // Placing by the shown length keeps an over-long row in columns 4..96 whatever its
    // alignment, instead of pushing its start off the left of the page.
    const int length = std::clamp(shownLength, 0, grid::kShownCharacters);
    switch (alignment) {
    case RowAlignment::Centre:
        return (grid::kLastTextColumn - length) / 2 + grid::kColumnOffset;
    case RowAlignment::Right:
        return grid::kLastTextColumn + 1 - length;
    case RowAlignment::None:
    case RowAlignment::Left:
        break;
    }
    return grid::kFirstTextColumn;
}

int columnOfCharacter(const LineRecord& record, int position) {
    const int length = int(shownText(record).size());
    return firstTextColumn(alignmentOf(record), length) + position - 1;
}

} // namespace folia
