#include "InlineSymbols.h"

#include <algorithm>

namespace folia {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The symbol whose token starts at `at` (a backslash), if any.
std::optional<InlineSymbol> symbolAt(const QByteArray& text, qsizetype at) {
    const qsizetype left = text.size() - at;
    if (left >= 3 && text[at + 1] == '$' && text[at + 2] >= '1' && text[at + 2] <= '4')
        return InlineSymbol{InlineSymbol::Kind::Bullet, text[at + 2] - '0', int(at) + 1};
    if (left >= 4 && text[at + 1] == '#' && isDigit(text[at + 2]) && isDigit(text[at + 3])) {
        const int number = (text[at + 2] - '0') * 10 + (text[at + 3] - '0');
        if (number >= 1) return InlineSymbol{InlineSymbol::Kind::Picture, number, int(at) + 1};
    }
    return std::nullopt;
}

} // namespace

std::vector<InlineSymbol> findInlineSymbols(const QByteArray& text) {
    // One pass over the text finds what a search per token would, then the tokens are put
    // in that search's order.
    std::vector<InlineSymbol> result;
    for (qsizetype at = text.indexOf('\\'); at >= 0; at = text.indexOf('\\', at + 1))
        if (const auto symbol = symbolAt(text, at)) result.push_back(*symbol);
    std::stable_sort(result.begin(), result.end(), [](const auto& a, const auto& b) {
        const bool aPicture = a.kind == InlineSymbol::Kind::Picture;
        const bool bPicture = b.kind == InlineSymbol::Kind::Picture;
        if (aPicture != bPicture) return aPicture;
        return a.number < b.number;
    });
    return result;
}

} // namespace folia
