#include "output/RomanNumerals.h"

#include <gtest/gtest.h>

using namespace folia;

TEST(RomanNumerals, EveryEntryIsItsNumberInSubtractiveNotation) {
    EXPECT_EQ(romanNumeral(4), "IV");
    EXPECT_EQ(romanNumeral(49), "XLIX");
    EXPECT_EQ(romanNumeral(199), "CXCIX");
    EXPECT_EQ(romanNumeral(200), "CC");
    EXPECT_TRUE(romanNumeral(0).isEmpty());
    EXPECT_TRUE(romanNumeral(201).isEmpty());
    // Read every entry back independently: a typo in the table shows here.
    const QString digits = "IVXLC";
    const int values[] = {1, 5, 10, 50, 100};
    for (int n = 1; n <= kRomanNumeralCount; ++n) {
        const QString numeral = romanNumeral(n);
        int total = 0;
        for (qsizetype i = 0; i < numeral.size(); ++i) {
            const int here = values[digits.indexOf(numeral[i])];
            const bool beforeLarger =
                i + 1 < numeral.size() && values[digits.indexOf(numeral[i + 1])] > here;
            total += beforeLarger ? -here : here;
        }
        EXPECT_EQ(total, n) << numeral.toStdString();
        EXPECT_FALSE(numeral.contains("IIII") || numeral.contains("XXXX") ||
                     numeral.contains("VV") || numeral.contains("LL"));
    }
}
