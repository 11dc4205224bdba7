#include "view/RowLayout.h"
#include "document/LineRecord.h"
#include "view/InlineSymbols.h"

#include <gtest/gtest.h>

using namespace folia;

namespace {

LineRecord row(const QByteArray& text, const QByteArray& code = {}) {
    LineRecord record;
    record.lineNumber = 1;
    record.setText(TextField::Text, text);
    record.setText(TextField::Alignment, code);
    return record;
}

} // namespace

TEST(RowLayout, AlignmentCodesPlaceTheFirstCharacter) {
    EXPECT_EQ(alignmentOf(row("x", "AL2")), RowAlignment::Centre);
    EXPECT_EQ(alignmentOf(row("x", "AL2 ")), RowAlignment::None);
    EXPECT_EQ(alignmentCode(RowAlignment::Right), "AL3");
    EXPECT_EQ(firstTextColumn(RowAlignment::None, 10), 4);
    EXPECT_EQ(firstTextColumn(RowAlignment::Left, 10), 4);
    EXPECT_EQ(firstTextColumn(RowAlignment::Right, 10), 87);
    EXPECT_EQ(firstTextColumn(RowAlignment::Centre, 10), 46);
    // A row longer than what shows stays in columns 4..96 whatever its alignment.
    for (auto a : {RowAlignment::None, RowAlignment::Centre, RowAlignment::Right})
        EXPECT_EQ(firstTextColumn(a, 113), 4);
}

TEST(RowLayout, ShownTextAndCharacterColumns) {
    EXPECT_EQ(shownText(row(QByteArray(113, 'a'))).size(), 93);
    LineRecord picture = row("pics/a.png");
    picture.imageStart = 1;
    EXPECT_TRUE(shownText(picture).isEmpty());
    EXPECT_EQ(columnOfCharacter(row("0123456789"), 1), 4);
    EXPECT_EQ(columnOfCharacter(row("0123456789", "AL3"), 10), 96);
    EXPECT_EQ(columnOfCharacter(row("0123456789", "AL2"), 2), 47);
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
    EXPECT_EQ(found[4].number, 1);
    EXPECT_EQ(found[4].position, found[3].position + 3);
    EXPECT_EQ(found[5].number, 2);
    EXPECT_EQ(found[5].position, 2);
    EXPECT_TRUE(findInlineSymbols("\\#00 \\$0 \\#5 \\").empty());
}
