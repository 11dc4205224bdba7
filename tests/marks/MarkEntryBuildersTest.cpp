#include "marks/MarkEntryBuilders.h"
#include "document/LineRecord.h"
#include "marks/MarkLists.h"
#include "marks/MarkRemoval.h"

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

TEST(MarkRemoval, APieceRemovalTakesEveryMarkOverTheRangeAndKeepsTheRest) {
    LineRecord record = rowWithText("some text to mark, with enough words for every kind of mark");
    int32_t serial = 0;
    addHorizontalPiece(record, 5, 10, 14);
    addHorizontalPiece(record, 5, 30, 35);
    addTwoColourPiece(record, 5, 12, 20, 0, 255);
    addTwoColourPiece(record, 5, 40, 45, 0, 255);
    addBoldPiece(record, 5, 14, 14);
    addBoldPiece(record, 5, 15, 18);
    addPageLink(record, serial, 5, 8, 10, "3");
    addDefinition(record, serial, 5, 11, 13, "a note");
    addPageLink(record, serial, 5, 50, 55, "4");

    EXPECT_EQ(removePieceMarks(record, 5, 14, 10), 5) << "a range selected right to left";
    EXPECT_EQ(record.text(TextField::HorizontalMarks), "5,29,35;");
    EXPECT_EQ(record.text(TextField::TwoColourMarks), "5,40,45,0,255;");
    EXPECT_EQ(record.text(TextField::BoldMarks), "5,15,18;");
    EXPECT_EQ(record.text(TextField::LinkMarks), "5,50,55,1E3;");
    EXPECT_EQ(record.text(TextField::LinkTargets), "4,1E3;") << "the link's target went too";
    EXPECT_EQ(record.text(TextField::DefinitionTexts), "") << "and the definition's text";
    EXPECT_EQ(record.hasMarks + record.hasBold + record.linkKind, 3);
    // Stored as a writer stores a list: the text, one zero byte, the old bytes after it.
    QByteArray image(LineRecord::kImageSize, '\0');
    record.writeImage(image.data());
    EXPECT_EQ(image.mid(122, 16), QByteArray("5,29,35;", 9) + "29,35;" + '\0');

    EXPECT_EQ(removePieceMarks(record, 4, 1, 114), 0) << "another row's entries only";
    EXPECT_EQ(removePieceMarks(record, 5, 1, 114), 4);
    EXPECT_EQ(record.hasMarks + record.hasBold + record.linkKind, 0);
    EXPECT_TRUE(setRowAlignment(record, RowAlignment::Centre)) << "a row without marks again";
    EXPECT_EQ(serial, 3);
}

TEST(MarkRemoval, AListCutByItsCapacityKeepsItsWholeEntriesOnly) {
    LineRecord record = rowWithText("some text");
    addBoldPiece(record, 5, 60, 70);
    while (record.text(TextField::BoldMarks).size() <
           LineRecord::capacity(TextField::BoldMarks) - 1)
        addBoldPiece(record, 5, 10, 14);
    const std::vector<QByteArray> before = listEntries(record.text(TextField::BoldMarks), ';');
    ASSERT_FALSE(record.text(TextField::BoldMarks).endsWith(';')) << "the last entry is cut";

    EXPECT_EQ(removePieceMarks(record, 5, 65, 65), 1);
    const QByteArray after = record.text(TextField::BoldMarks);
    EXPECT_TRUE(after.endsWith(';')) << "the cut piece cannot join a later entry";
    EXPECT_EQ(listEntries(after, ';'), std::vector<QByteArray>(before.begin() + 1, before.end()));
    addBoldPiece(record, 5, 80, 90);
    EXPECT_TRUE(record.text(TextField::BoldMarks).endsWith("5,80,90;"));
}

TEST(MarkRemoval, TickedRowsLoseTheirFullLinesAlignmentAndBrackets) {
    std::vector<LineRecord> rows(65, rowWithText("a row of text"));
    rows[2] = rowWithText("   abc");
    addFullHorizontalLine(rows[2], 3);
    addHorizontalPiece(rows[2], 3, 20, 25);
    rows[3] = rowWithText("centred", "AL2");
    addBracket(rows[3], 4, 8);
    addBracket(rows[1], 2, 3);
    addBracket(rows[1], 2, 10);
    addBracket(rows[6], 7, 9);
    std::array<bool, 66> ticked{};
    ticked[3] = ticked[4] = true;

    EXPECT_EQ(removeWholeRowMarks(rows, ticked), 4);
    EXPECT_EQ(rows[2].text(TextField::HorizontalMarks), "3,19,25;") << "a piece is no full line";
    EXPECT_EQ(rows[1].text(TextField::VerticalMarks), "2,10;");
    EXPECT_EQ(rows[6].text(TextField::VerticalMarks), "7,9;");
    EXPECT_EQ(rows[3].text(TextField::Alignment), "");
    EXPECT_EQ(rows[3].hasMarks, 0);
    EXPECT_TRUE(setRowAlignment(rows[3], RowAlignment::Right));
}
