#include "marks/MarkLists.h"
#include "document/LineRecord.h"
#include "marks/CharacterGrid.h"

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
    const auto links = linkMarks(withList(TextField::LinkMarks, "1,4,9,1E7;1,12,15;"));
    ASSERT_EQ(links.size(), 2u);
    EXPECT_EQ(links[0].code, "1E7");
    EXPECT_TRUE(links[1].code.isEmpty()); // a missing field reads as empty
}

TEST(MarkLists, RangesAreClippedToTheGridOrDropped) {
    const auto bold = boldPieces(withList(
        TextField::BoldMarks, "3,10,2000000000;3,-5,6;3,20,10;3,-9,-2;3,200,300;0,1,2;66,1,2;"
                              " 3, 4x,99999999999999999999;"));
    ASSERT_EQ(bold.size(), 3u);
    EXPECT_EQ(bold[0].range.first, 10);
    EXPECT_EQ(bold[0].range.last, grid::kColumns);
    EXPECT_EQ(bold[1].range.first, 1);
    EXPECT_EQ(bold[1].range.last, 6);
    EXPECT_EQ(bold[2].range.first, 4);
    EXPECT_EQ(bold[2].entry, 7) << "the place among the stored entries, dropped ones counted";

    // A horizontal line marked right to left is kept: it is drawn between the two edges.
    const auto lines =
        horizontalPieces(withList(TextField::HorizontalMarks, "5,41,30;5,,2147483648;-1,3,4;"));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].before, 41);
    EXPECT_EQ(lines[0].last, 30);
    EXPECT_EQ(lines[1].before, 0);
    EXPECT_EQ(lines[1].last, grid::kColumns);

    EXPECT_EQ(brackets(withList(TextField::VerticalMarks, "3,70;0,5;-3,5;60,65;")).size(), 1u);
    const auto two = twoColourPieces(withList(TextField::TwoColourMarks, "1,1,2,-1,16777215;"));
    EXPECT_EQ(two[0].background, 0xFFFFFFu);
    EXPECT_EQ(two[0].foreground, 0xFFFFFFu);
}

TEST(MarkLists, GarbageNeverYieldsAnOutOfGridValue) {
    QRandomGenerator random(20261208);
    const QByteArray alphabet = "0123456789,;|~-+ .E\t2147483648\xE9";
    for (int round = 0; round < 200; ++round) {
        LineRecord record;
        for (TextField field :
             {TextField::HorizontalMarks, TextField::TwoColourMarks, TextField::VerticalMarks,
              TextField::LinkMarks, TextField::BoldMarks, TextField::DefinitionTexts,
              TextField::LinkTargets}) {
            QByteArray garbage(LineRecord::capacity(field) - 1, ' ');
            for (char& c : garbage)
                c = alphabet[random.bounded(int(alphabet.size()))];
            record.setText(field, garbage);
        }
        auto checkRange = [](const PieceRange& r, bool eitherOrder = false) {
            ASSERT_TRUE(grid::isRow(r.row));
            ASSERT_TRUE(grid::isColumn(r.first) && grid::isColumn(r.last) &&
                        (eitherOrder || r.first <= r.last));
        };
        for (const auto& p : horizontalPieces(record))
            ASSERT_TRUE(grid::isRow(p.row) && p.before >= 0 && p.before < grid::kColumns &&
                        grid::isColumn(p.last));
        for (const auto& p : boldPieces(record))
            checkRange(p.range);
        for (const auto& p : twoColourPieces(record))
            checkRange(p.range);
        for (const auto& b : brackets(record))
            ASSERT_TRUE(grid::isRow(b.firstRow) && grid::isRow(b.lastRow));
        for (const auto& p : linkMarks(record)) {
            checkRange(p.range, true); // a link marked right to left keeps its order
            const auto page = findLinkTarget(record, p.code, 200);
            ASSERT_TRUE(!page || (*page >= 1 && *page <= 200));
        }
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
    EXPECT_EQ(codeKind("1E7"), LinkKind::PageLink);
    EXPECT_EQ(codeKind("2E7"), LinkKind::Definition);
    EXPECT_EQ(codeKind("E1"), LinkKind::None);
}

TEST(MarkLists, DefinitionsResolveByExactCodeAndReadWholeAsTyped) {
    LineRecord record =
        withList(TextField::DefinitionTexts, "a word|2E3~two|parts|2E5~first~second|2E6~");
    // Read whole, as typed.
    EXPECT_EQ(typedDefinition(record, "2E3"), QByteArray("a word"));
    EXPECT_EQ(typedDefinition(record, "2E5"), QByteArray("two|parts"));
    EXPECT_EQ(typedDefinition(record, "2E6"), QByteArray("first~second"));
    EXPECT_EQ(typedDefinition(record, "2E"), std::nullopt);
}
