#include "RowLayout.h"

#include "CharacterGrid.h"
#include "document/LineRecord.h"

#include <algorithm>

namespace folia {

RowAlignment alignmentFromCode(const QByteArray& code) {
    if (code == "AL1") return RowAlignment::Left;
    if (code == "AL2") return RowAlignment::Centre;
    if (code == "AL3") return RowAlignment::Right;
    return RowAlignment::None;
}

RowAlignment alignmentOf(const LineRecord& record) {
    return alignmentFromCode(record.text(TextField::Alignment));
}

QByteArray alignmentCode(RowAlignment alignment) {
    switch (alignment) {
    case RowAlignment::Left:
        return "AL1";
    case RowAlignment::Centre:
        return "AL2";
    case RowAlignment::Right:
        return "AL3";
    case RowAlignment::None:
        break;
    }
    return {};
}

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
        return (grid::kLastTextColumn - length) / 2 + 3;
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

int characterAtColumn(const LineRecord& record, int column) {
    return column - columnOfCharacter(record, 1) + 1;
}

} // namespace folia
