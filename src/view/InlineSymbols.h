#pragma once

#include <QByteArray>
#include <optional>
#include <vector>

namespace folia {

// Small symbols written into a row's text and drawn in place of their characters:
// "\$k" (k = 1..4) a black bullet shape, "\#nn" (nn = 01..99) built-in picture nn.
struct InlineSymbol {
    enum class Kind { Bullet, Picture };
    Kind kind = Kind::Bullet;
    int number = 0;   // 1..4 for bullets, 1..99 for pictures
    int position = 0; // 1-based text position of the backslash
    int length() const { return kind == Kind::Bullet ? 3 : 4; }
};

// Every symbol of the text in drawing order: pictures before bullets, by number, each
// number's occurrences left to right.
std::vector<InlineSymbol> findInlineSymbols(const QByteArray& text);

} // namespace folia
