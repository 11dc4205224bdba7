#include "view/RowLayout.h"
#include "document/LineRecord.h"
#include "view/InlineSymbols.h"

#include <gtest/gtest.h>

using namespace folia;

TEST(RowLayout, AlignmentCodesPlaceTheFirstCharacter) {
    EXPECT_EQ(alignmentFromCode("AL2 "), RowAlignment::None);
    EXPECT_EQ(firstTextColumn(RowAlignment::Left, 10), 4);
    EXPECT_EQ(firstTextColumn(RowAlignment::Right, 10), 87);
    EXPECT_EQ(firstTextColumn(RowAlignment::Centre, 10), 46);
    // A row longer than what shows stays in columns 4..96 whatever its alignment.
    for (auto a : {RowAlignment::None, RowAlignment::Centre, RowAlignment::Right})
        EXPECT_EQ(firstTextColumn(a, 113), 4);
}

TEST(InlineSymbols, TokensAreFoundInDrawingOrder) {
    const auto found = findInlineSymbols("a\\$2 \\#05 \\#5 \\$5 \\$1\\$1 \\#99\\#100");
    ASSERT_EQ(found.size(), 6u);
    // Pictures first, by number, then bullets, by number, each left to right.
    EXPECT_EQ(found[0].kind, InlineSymbol::Kind::Picture);
    EXPECT_EQ(found[0].number, 5);
    EXPECT_EQ(found[0].position, 6);
    EXPECT_EQ(found[1].number, 10);
    EXPECT_EQ(found[2].number, 99);
    EXPECT_EQ(found[3].kind, InlineSymbol::Kind::Bullet);
    EXPECT_EQ(found[3].number, 1);
    EXPECT_EQ(found[4].position, found[3].position + 3);
    EXPECT_EQ(found[5].number, 2);
    EXPECT_EQ(found[5].position, 2);
    EXPECT_TRUE(findInlineSymbols("\\#00 \\$0 \\#5 \\$").empty());
}
