#pragma once

#include <QString>
#include <array>

namespace folia {

// Page numbers in Roman numerals, standard subtractive notation, upper case. A document
// has at most 200 pages, so the table covers 1..200.
inline constexpr int kRomanNumeralCount = 200;
extern const std::array<const char*, kRomanNumeralCount> RomanNumeralTable;

// Entry n of the table; empty outside 1..200.
QString romanNumeral(int n);

} // namespace folia
