#include "common/LenientNumber.h"

#include <gtest/gtest.h>
#include <limits>

using namespace folia;

TEST(LenientNumber, SkipsBlanksAndStopsAtTheFirstNonNumber) {
    EXPECT_EQ(lenientInt32(" 42"), 42);
    EXPECT_EQ(lenientInt32("\t\r\n 7abc"), 7);
    EXPECT_EQ(lenientInt32("-12|5"), -12);
    EXPECT_EQ(lenientInt32("+3"), 3);
    EXPECT_EQ(lenientInt32("1 2"), 1);
}

TEST(LenientNumber, NothingNumericGivesZero) {
    EXPECT_EQ(lenientInt32(""), 0);
    EXPECT_EQ(lenientInt32("abc"), 0);
    EXPECT_EQ(lenientInt32("-"), 0);
    EXPECT_EQ(lenientInt32("."), 0);
    EXPECT_EQ(lenientInt32("x12"), 0);
}

TEST(LenientNumber, FractionsRoundHalvesToEven) {
    EXPECT_EQ(lenientInt32("2.5"), 2);
    EXPECT_EQ(lenientInt32("3.5"), 4);
    EXPECT_EQ(lenientInt32("2.51"), 3);
    EXPECT_EQ(lenientInt32("-2.7"), -3);
    EXPECT_DOUBLE_EQ(lenientValue(QByteArray(".25x")), 0.25);
}

TEST(LenientNumber, ValuesBeyondTheRangeSaturate) {
    EXPECT_EQ(lenientInt32("99999999999999999999"), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(lenientInt32("-99999999999999999999"), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(lenientInt16("40000"), std::numeric_limits<int16_t>::max());
    EXPECT_EQ(lenientInt16("-40000"), std::numeric_limits<int16_t>::min());
    EXPECT_EQ(lenientInt32(QByteArray(400, '9')), std::numeric_limits<int32_t>::max());
}
