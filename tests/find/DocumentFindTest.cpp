#include "find/DocumentFind.h"
#include "support/DocumentRows.h"
#include "text/TextSet.h"

#include <gtest/gtest.h>

using namespace folia;
using folia::test::putRow;

namespace {

struct Found {
    int count;
    std::vector<HitPiece> current;
};

Found find(DocumentFind& finder, const Document& document, const QString& query,
           bool matchCase = false, int fromPage = 1) {
    finder.search(document, query, matchCase, fromPage);
    return {finder.count(), finder.currentPieces()};
}

void expectPiece(const HitPiece& piece, int page, int row, int first, int last) {
    EXPECT_EQ(piece.page, page);
    EXPECT_EQ(piece.row, row);
    EXPECT_EQ(piece.firstPosition, first);
    EXPECT_EQ(piece.lastPosition, last);
}

} // namespace

TEST(DocumentFind, IgnoresAccentsAlwaysAndCaseUnlessAsked) {
    Document document;
    putRow(document, 1, 1, "Marco Tulio Cicer\xF3n dijo: \xC9L NO; \x8Cuvre \x9Cuvre");
    DocumentFind finder;
    EXPECT_EQ(find(finder, document, "ciceron").count, 1);
    EXPECT_EQ(find(finder, document, "CICERÓN").count, 1);
    EXPECT_EQ(find(finder, document, "ciceron", true).count, 0);
    EXPECT_EQ(find(finder, document, "Ciceron", true).count, 1);
    EXPECT_EQ(find(finder, document, "él no").count, 1);
    EXPECT_EQ(find(finder, document, "œuvre").count, 2);
    EXPECT_EQ(find(finder, document, "œuvre", true).count, 1);
    expectPiece(find(finder, document, "cicerón").current.at(0), 1, 1, 13, 19);
    // A character that Windows-1252 has no form of stands nowhere.
    EXPECT_EQ(find(finder, document, "Cicer\u014Dn").count, 1); // ō is an o
    EXPECT_EQ(find(finder, document, "\u4E2D").count, 0);
}

TEST(DocumentFind, AHitRunsAcrossTheRowEndAsOneBlank) {
    Document document;
    putRow(document, 1, 64, "the quick brown   "); // blanks at a row end do not show
    putRow(document, 1, 65, "fox jumps over");
    putRow(document, 2, 1, "the lazy");
    putRow(document, 2, 2, "dog.png").imageStart = 1; // a picture row is no text
    putRow(document, 2, 3, "dog");
    putRow(document, 2, 4, "");
    putRow(document, 2, 5, "next paragraph");
    DocumentFind finder;
    const Found wrapped = find(finder, document, "brown fox");
    ASSERT_EQ(wrapped.current.size(), 2u);
    expectPiece(wrapped.current[0], 1, 64, 11, 15);
    expectPiece(wrapped.current[1], 1, 65, 1, 3);
    const Found acrossPages = find(finder, document, "over the lazy dog");
    ASSERT_EQ(acrossPages.current.size(), 3u);
    expectPiece(acrossPages.current[2], 2, 3, 1, 3);
    EXPECT_EQ(find(finder, document, "brown  fox").count, 0);
    EXPECT_EQ(find(finder, document, "dog next").count, 0); // an empty row stands between
    EXPECT_EQ(find(finder, document, "png").count, 0);
    // Of a hit that starts with a row end, only what shows is its part.
    const Found afterRowEnd = find(finder, document, " fox");
    ASSERT_EQ(afterRowEnd.current.size(), 1u);
    expectPiece(afterRowEnd.current[0], 1, 65, 1, 3);
}

TEST(DocumentFind, FindsWhatARowShowsUpToItsLastColumn) {
    Document document;
    const QByteArray shown = QByteArray(90, 'x') + "end";
    putRow(document, 1, 1, shown + "hidden");
    DocumentFind finder;
    expectPiece(find(finder, document, "end").current.at(0), 1, 1, 91, 93);
    EXPECT_EQ(finder.litCellsOnPage(document, 1).at(0).lastColumn, 96);
    EXPECT_EQ(find(finder, document, "hidden").count, 0);
}

TEST(DocumentFind, EmptyQueriesRowEndsAloneAndOverlapsGiveNoExtraHits) {
    Document document;
    putRow(document, 1, 1, "aaaaa b");
    putRow(document, 1, 2, "c");
    DocumentFind finder;
    EXPECT_EQ(find(finder, document, "").count, 0);
    EXPECT_EQ(finder.currentIndex(), -1);
    EXPECT_TRUE(finder.currentPieces().empty());
    EXPECT_EQ(find(finder, document, "aa").count, 2); // at 1 and 3, not at 2 and 4
    expectPiece(finder.currentPieces().at(0), 1, 1, 1, 2);
    finder.next();
    expectPiece(finder.currentPieces().at(0), 1, 1, 3, 4);
    EXPECT_EQ(find(finder, document, " ").count, 1); // the row end lights nothing
}

TEST(DocumentFind, HitsGoInReadingOrderAndWrapAtBothEnds) {
    Document document;
    putRow(document, 1, 9, "word one, word two");
    putRow(document, 2, 3, "a word");
    putRow(document, 3, 1, "last word");
    DocumentFind finder;
    ASSERT_EQ(find(finder, document, "word", false, 2).count, 4);
    EXPECT_EQ(finder.currentIndex(), 2); // the first on the page shown
    finder.next();
    finder.next();
    EXPECT_EQ(finder.currentIndex(), 0);
    finder.previous();
    expectPiece(finder.currentPieces().at(0), 3, 1, 6, 9);
    // Past the last hit the search goes round to the first; typing on keeps the place.
    find(finder, document, "word ");
    EXPECT_EQ(finder.currentIndex(), 0);
    finder.next();
    expectPiece(find(finder, document, "word t").current.at(0), 1, 9, 11, 16);
    EXPECT_EQ(find(finder, document, "word tx", false, 2).count, 0);
    find(finder, document, "word", false, 2);
    EXPECT_EQ(finder.currentIndex(), 1) << "the place is kept through a query with no hit";
    finder.clear();
    finder.search(document, u"word", false, 9);
    EXPECT_EQ(finder.currentIndex(), 0);
}

TEST(DocumentFind, LightsTheCellsWhereTheRowShowsAndSeesChangedText) {
    Document document;
    putRow(document, 1, 1, "centre word").setText(TextField::Alignment, "AL2");
    putRow(document, 1, 2, "a word");
    DocumentFind finder;
    finder.search(document, u"word", false, 1);
    const std::vector<LitCells> lit = finder.litCellsOnPage(document, 1);
    ASSERT_EQ(lit.size(), 2u);
    // "centre word" (11 characters) starts in column (96 - 11) / 2 + 3 = 45.
    EXPECT_EQ(lit[0].firstColumn, 52);
    EXPECT_EQ(lit[0].lastColumn, 55);
    EXPECT_TRUE(lit[0].current);
    EXPECT_EQ(lit[1].firstColumn, 6);
    EXPECT_FALSE(lit[1].current);
    EXPECT_TRUE(finder.litCellsOnPage(document, 2).empty());
    document.editRow(1, 2).setText(TextField::Text, "no more");
    finder.search(document, u"word", false, 1);
    EXPECT_EQ(finder.count(), 1);
}

TEST(DocumentFind, CounterSaysWhichHitOfHowMany) {
    EXPECT_EQ(findCounter(englishTexts(), 3, 12), "3 of 12");
    EXPECT_EQ(findCounter(spanishTexts(), 3, 12), "3 de 12");
    EXPECT_EQ(findCounter(englishTexts(), 0, 0), "No matches");
    EXPECT_EQ(findCounter(spanishTexts(), 0, 0), "Sin coincidencias");
}
