#include "view/MarkLists.h"
#include "document/LineRecord.h"
#include "view/CharacterGrid.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace folia;

namespace {

LineRecord withList(TextField field, const QByteArray& list) {
    LineRecord record;
    record.setText(field, list);
    return record;
}

} // namespace

TEST(MarkLists, EntriesIgnoreThePieceAfterTheLastTerminator) {
    EXPECT_TRUE(listEntries("", ';').empty());
    EXPECT_EQ(listEntries("3,10,20;", ';'), std::vector<QByteArray>{"3,10,20"});
    // Cut by the field's capacity: the unterminated entry is not read.
    EXPECT_EQ(listEntries("3,10,20;3,25,3", ';'), std::vector<QByteArray>{"3,10,20"});
    EXPECT_EQ(listEntries("a|b~~", '~'), (std::vector<QByteArray>{"a|b", ""}));
}

TEST(MarkLists, ReadsEachListWithItsFields) {
    const auto bold = boldPieces(withList(TextField::BoldMarks, "3,10,20;4,1,2;"));
    ASSERT_EQ(bold.size(), 2u);
    EXPECT_EQ(bold[0].row, 3);
    EXPECT_EQ(bold[0].first, 10);
    EXPECT_EQ(bold[0].last, 20);

    const auto lines = horizontalPieces(withList(TextField::HorizontalMarks, "5,9,14;"));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].before, 9);
    EXPECT_EQ(lines[0].last, 14);

    const auto two = twoColourPieces(withList(TextField::TwoColourMarks, "2,5,8,0,16777215;"));
    ASSERT_EQ(two.size(), 1u);
    EXPECT_EQ(two[0].background, 0u);
    EXPECT_EQ(two[0].foreground, 16777215u);

    const auto pairs = brackets(withList(TextField::VerticalMarks, "3,7;"));
    ASSERT_EQ(pairs.size(), 1u);
    EXPECT_EQ(pairs[0].firstRow, 3);
    EXPECT_EQ(pairs[0].lastRow, 7);

    const auto links = linkMarks(withList(TextField::LinkMarks, "1,4,9,1E7;1,12,15,2E8;"));
    ASSERT_EQ(links.size(), 2u);
    EXPECT_EQ(links[1].code, "2E8");
    EXPECT_EQ(links[1].range.first, 12);
}

TEST(MarkLists, NumbersAreReadLenientlyAndMissingFieldsReadAsZero) {
    const auto bold = boldPieces(withList(TextField::BoldMarks, " 3, 10x,20.4;"));
    ASSERT_EQ(bold.size(), 1u);
    EXPECT_EQ(bold[0].first, 10);
    EXPECT_EQ(bold[0].last, 20);
    const auto lines = horizontalPieces(withList(TextField::HorizontalMarks, "5,,14;"));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].before, 0);
    const auto links = linkMarks(withList(TextField::LinkMarks, "1,4,9;"));
    ASSERT_EQ(links.size(), 1u);
    EXPECT_TRUE(links[0].code.isEmpty());
    EXPECT_EQ(twoColourPieces(withList(TextField::TwoColourMarks, "1,4,9;"))[0].background, 0u);
}

TEST(MarkLists, RangesAreClippedToTheGridOrDropped) {
    const auto bold = boldPieces(withList(
        TextField::BoldMarks, "3,10,2000000000;3,-5,6;3,20,10;3,-9,-2;3,200,300;0,1,2;66,1,2;"
                              "3,1,99999999999999999999;"));
    ASSERT_EQ(bold.size(), 3u);
    EXPECT_EQ(bold[0].first, 10);
    EXPECT_EQ(bold[0].last, grid::kColumns);
    EXPECT_EQ(bold[1].first, 1);
    EXPECT_EQ(bold[1].last, 6);
    EXPECT_EQ(bold[2].last, grid::kColumns);

    // A horizontal line marked right to left is kept: it is drawn between the two edges.
    const auto lines =
        horizontalPieces(withList(TextField::HorizontalMarks, "5,41,30;5,-7,2147483648;-1,3,4;"));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].before, 41);
    EXPECT_EQ(lines[0].last, 30);
    EXPECT_EQ(lines[1].before, 0);
    EXPECT_EQ(lines[1].last, grid::kColumns);

    EXPECT_EQ(brackets(withList(TextField::VerticalMarks, "3,70;0,5;-3,5;60,65;")).size(), 1u);
    EXPECT_EQ(
        twoColourPieces(withList(TextField::TwoColourMarks, "1,1,2,-1,99999999999;"))[0].background,
        0xFFFFFFu);
}

TEST(MarkLists, GarbageNeverYieldsAnOutOfGridValue) {
    QRandomGenerator random(20261208);
    const QByteArray alphabet = "0123456789,;|~-+ .E\t2147483648";
    for (int round = 0; round < 200; ++round) {
        LineRecord record;
        for (TextField field :
             {TextField::HorizontalMarks, TextField::TwoColourMarks, TextField::VerticalMarks,
              TextField::LinkMarks, TextField::BoldMarks, TextField::DefinitionTexts,
              TextField::LinkTargets}) {
            QByteArray garbage;
            const int length = LineRecord::capacity(field) - 1;
            for (int i = 0; i < length; ++i)
                garbage += alphabet[random.bounded(int(alphabet.size()))];
            record.setText(field, garbage);
        }
        for (const auto& p : horizontalPieces(record)) {
            ASSERT_TRUE(grid::isRow(p.row));
            ASSERT_TRUE(p.before >= 0 && p.before < grid::kColumns);
            ASSERT_TRUE(grid::isColumn(p.last));
        }
        auto checkRange = [](const PieceRange& r) {
            ASSERT_TRUE(grid::isRow(r.row));
            ASSERT_TRUE(grid::isColumn(r.first) && grid::isColumn(r.last) && r.first <= r.last);
        };
        for (const auto& p : boldPieces(record))
            checkRange(p);
        for (const auto& p : twoColourPieces(record)) {
            checkRange(p.range);
            ASSERT_LE(p.foreground, 0xFFFFFFu);
        }
        for (const auto& p : linkMarks(record)) {
            checkRange(p.range);
            if (const auto page = findLinkTarget(record, p.code, 200)) {
                ASSERT_TRUE(*page >= 1 && *page <= 200);
            }
            findDefinition(record, p.code);
        }
        for (const auto& b : brackets(record))
            ASSERT_TRUE(grid::isRow(b.firstRow) && grid::isRow(b.lastRow));
    }
}

TEST(MarkLists, LinkTargetsResolveByExactCode) {
    LineRecord record = withList(TextField::LinkTargets, " 3,1E1;7,1E10;x,1E2;250,1E4;3,1E4;");
    EXPECT_EQ(findLinkTarget(record, "1E1", 12), 3); // typed with a leading blank
    EXPECT_EQ(findLinkTarget(record, "1E10", 12), 7);
    EXPECT_EQ(findLinkTarget(record, "1E3", 12), std::nullopt);
    EXPECT_EQ(findLinkTarget(record, "1E2", 12), std::nullopt); // page 0
    // The first entry with the code decides, even when its page is out of range.
    EXPECT_EQ(findLinkTarget(record, "1E4", 12), std::nullopt);
    EXPECT_EQ(findLinkTarget(record, "1E4", 300), 250);
}

TEST(MarkLists, DefinitionsResolveByExactCodeWithoutEscaping) {
    LineRecord record =
        withList(TextField::DefinitionTexts, "a word|2E3~two|parts|2E5~first~second|2E6~");
    EXPECT_EQ(findDefinition(record, "2E3"), QByteArray("a word"));
    EXPECT_EQ(findDefinition(record, "2E5"), std::nullopt); // the "|" in it shifts the code
    EXPECT_EQ(findDefinition(record, "2E6"), QByteArray("second"));
    EXPECT_EQ(findDefinition(record, "2E"), std::nullopt);
}

TEST(MarkLists, CodesAndTheirKinds) {
    EXPECT_EQ(linkCode(LinkKind::PageLink, 7), "1E7");
    EXPECT_EQ(linkCode(LinkKind::Definition, 12), "2E12");
    EXPECT_EQ(codeKind("1E7"), LinkKind::PageLink);
    EXPECT_EQ(codeKind("2E7"), LinkKind::Definition);
    EXPECT_EQ(codeKind("3E7"), LinkKind::None);
    EXPECT_EQ(codeKind(""), LinkKind::None);
    EXPECT_EQ(codeKind("E1"), LinkKind::None);
}
