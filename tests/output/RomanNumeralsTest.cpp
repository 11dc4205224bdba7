#include "output/RomanNumerals.h"

#include <gtest/gtest.h>
#include <set>

using namespace folia;

namespace {

// An independent reading of a numeral, to check every entry of the table.
int valueOf(const QString& numeral) {
    auto digit = [](QChar c) {
        switch (c.toLatin1()) {
        case 'I':
            return 1;
        case 'V':
            return 5;
        case 'X':
            return 10;
        case 'L':
            return 50;
        case 'C':
            return 100;
        default:
            return 0;
        }
    };
    int total = 0;
    for (qsizetype i = 0; i < numeral.size(); ++i) {
        const int here = digit(numeral[i]);
        const int next = i + 1 < numeral.size() ? digit(numeral[i + 1]) : 0;
        total += here < next ? -here : here;
    }
    return total;
}

} // namespace

TEST(RomanNumerals, KnownNumerals) {
    EXPECT_EQ(romanNumeral(1), "I");
    EXPECT_EQ(romanNumeral(4), "IV");
    EXPECT_EQ(romanNumeral(9), "IX");
    EXPECT_EQ(romanNumeral(49), "XLIX");
    EXPECT_EQ(romanNumeral(94), "XCIV");
    EXPECT_EQ(romanNumeral(188), "CLXXXVIII");
    EXPECT_EQ(romanNumeral(199), "CXCIX");
    EXPECT_EQ(romanNumeral(200), "CC");
}

TEST(RomanNumerals, EveryEntryReadsBackAsItsNumberInShortestForm) {
    std::set<QString> seen;
    for (int n = 1; n <= kRomanNumeralCount; ++n) {
        const QString numeral = romanNumeral(n);
        EXPECT_EQ(valueOf(numeral), n) << numeral.toStdString();
        EXPECT_FALSE(numeral.contains("IIII") || numeral.contains("XXXX") ||
                     numeral.contains("CCCC") || numeral.contains("VV") || numeral.contains("LL"))
            << numeral.toStdString();
        EXPECT_LE(numeral.size(), 21);
        seen.insert(numeral);
    }
    EXPECT_EQ(seen.size(), 200u);
}

TEST(RomanNumerals, OutsideTheTableIsEmpty) {
    EXPECT_TRUE(romanNumeral(0).isEmpty());
    EXPECT_TRUE(romanNumeral(-3).isEmpty());
    EXPECT_TRUE(romanNumeral(201).isEmpty());
}
