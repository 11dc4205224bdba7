#include "marks/MarkEntryBuilders.h"
#include "document/LineRecord.h"
#include "marks/MarkLists.h"

#include <gtest/gtest.h>

using namespace folia;

namespace {

LineRecord rowWithText(const QByteArray& text, const QByteArray& alignment = {}) {
    LineRecord record;
    record.setText(TextField::Text, text);
    record.setText(TextField::Alignment, alignment);
    return record;
}

} // namespace

TEST(MarkEntryBuilders, EntriesInTheirStoredForm) {
    LineRecord record = rowWithText("some text to mark");
    addHorizontalPiece(record, 5, 10, 14);
    addHorizontalPiece(record, 5, 42, 30); // marked right to left
    EXPECT_EQ(record.text(TextField::HorizontalMarks), "5,9,14;5,41,30;");
    EXPECT_EQ(record.hasBold, 0);
    addTwoColourPiece(record, 5, 4, 8, 0, 16777215);
    EXPECT_EQ(record.text(TextField::TwoColourMarks), "5,4,8,0,16777215;");
    addBoldPiece(record, 5, 6, 7);
    EXPECT_EQ(record.text(TextField::BoldMarks), "5,6,7;");
    EXPECT_EQ(record.hasBold, 1);
    addBracket(record, 3, 7);
    EXPECT_EQ(record.text(TextField::VerticalMarks), "3,7;");
    EXPECT_EQ(record.hasMarks, 1);

    LineRecord full = rowWithText("   abc");
    EXPECT_TRUE(addFullHorizontalLine(full, 12));
    EXPECT_EQ(full.text(TextField::HorizontalMarks), "12,6,9;");
    LineRecord blank = rowWithText("     "), centred = rowWithText("abc", "AL2");
    EXPECT_FALSE(addFullHorizontalLine(blank, 1) || addFullHorizontalLine(centred, 1));
    EXPECT_EQ(blank.hasMarks + centred.hasMarks, 0);
}

TEST(MarkEntryBuilders, LinksAndDefinitionsShareTheDocumentSerial) {
    int32_t serial = 4;
    LineRecord record = rowWithText("see page three");
    addPageLink(record, serial, 2, 8, 11, " 3");
    addDefinition(record, serial, 2, 13, 17, "a number");
    EXPECT_EQ(serial, 6);
    EXPECT_EQ(record.text(TextField::LinkMarks), "2,8,11,1E5;2,13,17,2E6;");
    EXPECT_EQ(record.text(TextField::LinkTargets), " 3,1E5;");
    EXPECT_EQ(record.text(TextField::DefinitionTexts), "a number|2E6~");
    EXPECT_EQ(record.linkKind, 2);
    EXPECT_EQ(findLinkTarget(record, "1E5", 3), 3);
}

TEST(MarkEntryBuilders, AListCutAtCapacityKeepsItsEarlierEntries) {
    LineRecord record = rowWithText("text");
    for (int i = 0; i < 60; ++i)
        addBoldPiece(record, 1, 10, 20); // 8 characters each
    const QByteArray list = record.text(TextField::BoldMarks);
    EXPECT_EQ(list.size(), LineRecord::capacity(TextField::BoldMarks) - 1);
    EXPECT_EQ(boldPieces(record).size(), size_t(451 / 8));
    addBoldPiece(record, 1, 30, 40);
    EXPECT_EQ(record.text(TextField::BoldMarks), list);
}

TEST(MarkEntryBuilders, AlignmentOnlyOnUnmarkedRowsWithText) {
    LineRecord record = rowWithText("title", "AL2");
    EXPECT_TRUE(setRowAlignment(record, RowAlignment::Left));
    EXPECT_EQ(record.text(TextField::Alignment), "AL1");
    addHorizontalPiece(record, 1, 4, 6);
    EXPECT_FALSE(setRowAlignment(record, RowAlignment::Centre));
    EXPECT_EQ(record.text(TextField::Alignment), "AL1");
    LineRecord blank = rowWithText("  ");
    EXPECT_FALSE(setRowAlignment(blank, RowAlignment::Right));
}

TEST(MarkEntryBuilders, ExactlyTwoTickedRows) {
    std::array<bool, 66> ticks{};
    ticks[9] = ticks[5] = true;
    EXPECT_EQ(twoTickedRows(ticks), std::make_pair(5, 9));
    ticks[65] = true;
    EXPECT_EQ(twoTickedRows(ticks), std::nullopt);
}
