#include "FuzzedPage.h"

#include "common/LenientNumber.h"

#include <QList>
#include <optional>

namespace folia::fuzz {
namespace {

std::optional<TextField> listField(char letter) {
    switch (letter) {
    case 't':
        return TextField::Text;
    case 'h':
        return TextField::HorizontalMarks;
    case 'c':
        return TextField::TwoColourMarks;
    case 'v':
        return TextField::VerticalMarks;
    case 'l':
        return TextField::LinkMarks;
    case 'd':
        return TextField::DefinitionTexts;
    case 'r':
        return TextField::LinkTargets;
    case 'a':
        return TextField::Alignment;
    case 'b':
        return TextField::BoldMarks;
    default:
        return std::nullopt;
    }
}

void setFlags(LineRecord& record, const QByteArray& value) {
    const QList<QByteArray> numbers = value.simplified().split(' ');
    const auto at = [&](int i) { return i < numbers.size() ? lenientInt32(numbers[i]) : 0; };
    record.hasMarks = at(0);
    record.linkKind = at(1);
    record.imageStart = at(2);
    record.hasBold = at(3);
}

} // namespace

FuzzedPage pageFrom(const QByteArray& input) {
    FuzzedPage result;
    result.guideRow = readPageInto(result.document, input);
    return result;
}

int readPageInto(Document& document, const QByteArray& input) {
    int guideRow = 0;
    document.pageCount = 1;
    for (const QByteArray& line : input.split('\n')) {
        const qsizetype space = line.indexOf(' ');
        if (space < 0 || space + 2 > line.size()) continue;
        const int row = lenientInt32(line.left(space));
        const char letter = line[space + 1];
        const QByteArray value = line.mid(space + 3);
        if (row == 0) {
            if (letter == 'g') guideRow = lenientInt32(value);
            if (letter == 'p') document.pageCount = lenientInt32(value);
            continue;
        }
        if (!Document::isValidPlace(1, row)) continue;
        LineRecord& record = document.editRow(1, row);
        record.lineNumber = row;
        record.page = 1;
        record.lineOnPage = static_cast<int16_t>(row);
        if (letter == 'f')
            setFlags(record, value);
        else if (const auto field = listField(letter))
            record.setText(*field, value);
    }
    return guideRow;
}

} // namespace folia::fuzz
