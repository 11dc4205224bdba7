#include "RomanNumerals.h"

namespace folia {

// A table rather than a conversion: the numerals are fixed data, checked once by eye and
// by the tests, and a page label never pays for building one.
const std::array<const char*, kRomanNumeralCount> RomanNumeralTable = {
    "I",       "II",       "III",      "IV",        "V",       "VI",      "VII",      "VIII",
    "IX",      "X",        "XI",       "XII",       "XIII",    "XIV",     "XV",       "XVI",
    "XVII",    "XVIII",    "XIX",      "XX",        "XXI",     "XXII",    "XXIII",    "XXIV",
    "XXV",     "XXVI",     "XXVII",    "XXVIII",    "XXIX",    "XXX",     "XXXI",     "XXXII",
    "XXXIII",  "XXXIV",    "XXXV",     "XXXVI",     "XXXVII",  "XXXVIII", "XXXIX",    "XL",
    "XLI",     "XLII",     "XLIII",    "XLIV",      "XLV",     "XLVI",    "XLVII",    "XLVIII",
    "XLIX",    "L",        "LI",       "LII",       "LIII",    "LIV",     "LV",       "LVI",
    "LVII",    "LVIII",    "LIX",      "LX",        "LXI",     "LXII",    "LXIII",    "LXIV",
    "LXV",     "LXVI",     "LXVII",    "LXVIII",    "LXIX",    "LXX",     "LXXI",     "LXXII",
    "LXXIII",  "LXXIV",    "LXXV",     "LXXVI",     "LXXVII",  "LXXVIII", "LXXIX",    "LXXX",
    "LXXXI",   "LXXXII",   "LXXXIII",  "LXXXIV",    "LXXXV",   "LXXXVI",  "LXXXVII",  "LXXXVIII",
    "LXXXIX",  "XC",       "XCI",      "XCII",      "XCIII",   "XCIV",    "XCV",      "XCVI",
    "XCVII",   "XCVIII",   "XCIX",     "C",         "CI",      "CII",     "CIII",     "CIV",
    "CV",      "CVI",      "CVII",     "CVIII",     "CIX",     "CX",      "CXI",      "CXII",
    "CXIII",   "CXIV",     "CXV",      "CXVI",      "CXVII",   "CXVIII",  "CXIX",     "CXX",
    "CXXI",    "CXXII",    "CXXIII",   "CXXIV",     "CXXV",    "CXXVI",   "CXXVII",   "CXXVIII",
    "CXXIX",   "CXXX",     "CXXXI",    "CXXXII",    "CXXXIII", "CXXXIV",  "CXXXV",    "CXXXVI",
    "CXXXVII", "CXXXVIII", "CXXXIX",   "CXL",       "CXLI",    "CXLII",   "CXLIII",   "CXLIV",
    "CXLV",    "CXLVI",    "CXLVII",   "CXLVIII",   "CXLIX",   "CL",      "CLI",      "CLII",
    "CLIII",   "CLIV",     "CLV",      "CLVI",      "CLVII",   "CLVIII",  "CLIX",     "CLX",
    "CLXI",    "CLXII",    "CLXIII",   "CLXIV",     "CLXV",    "CLXVI",   "CLXVII",   "CLXVIII",
    "CLXIX",   "CLXX",     "CLXXI",    "CLXXII",    "CLXXIII", "CLXXIV",  "CLXXV",    "CLXXVI",
    "CLXXVII", "CLXXVIII", "CLXXIX",   "CLXXX",     "CLXXXI",  "CLXXXII", "CLXXXIII", "CLXXXIV",
    "CLXXXV",  "CLXXXVI",  "CLXXXVII", "CLXXXVIII", "CLXXXIX", "CXC",     "CXCI",     "CXCII",
    "CXCIII",  "CXCIV",    "CXCV",     "CXCVI",     "CXCVII",  "CXCVIII", "CXCIX",    "CC",
};

QString romanNumeral(int n) {
    if (n < 1 || n > kRomanNumeralCount) return {};
    return QString::fromLatin1(RomanNumeralTable[n - 1]);
}

} // namespace folia
