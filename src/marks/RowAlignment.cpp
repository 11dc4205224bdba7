#include "RowAlignment.h"

#include "document/LineRecord.h"

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

} // namespace folia
