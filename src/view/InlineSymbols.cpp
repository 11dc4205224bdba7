#include "InlineSymbols.h"

namespace folia {
namespace {

void collect(std::vector<InlineSymbol>& out, const QByteArray& text, const QByteArray& token,
             InlineSymbol::Kind kind, int number) {
    for (qsizetype at = text.indexOf(token); at >= 0; at = text.indexOf(token, at + 1))
        out.push_back({kind, number, int(at) + 1});
}

} // namespace

std::vector<InlineSymbol> findInlineSymbols(const QByteArray& text) {
    std::vector<InlineSymbol> result;
    if (!text.contains('\\')) return result;
    for (int n = 1; n <= 99; ++n)
        collect(result, text, "\\#" + QByteArray::number(n).rightJustified(2, '0'),
                InlineSymbol::Kind::Picture, n);
    for (int k = 1; k <= 4; ++k)
        collect(result, text, "\\$" + QByteArray::number(k), InlineSymbol::Kind::Bullet, k);
    return result;
}

} // namespace folia
