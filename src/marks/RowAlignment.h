#pragma once

#include <QByteArray>

namespace folia {

struct LineRecord;

// Alignment codes of a row, stored as "AL1", "AL2", "AL3" or nothing.
enum class RowAlignment { None, Left, Centre, Right };

// The row's code; any text other than the three codes counts as none.
RowAlignment alignmentOf(const LineRecord& record);
RowAlignment alignmentFromCode(const QByteArray& code);
QByteArray alignmentCode(RowAlignment alignment);

// Centred and right-aligned rows take no marks and show none.
inline bool isCentredOrRight(RowAlignment alignment) {
    return alignment == RowAlignment::Centre || alignment == RowAlignment::Right;
}

} // namespace folia
