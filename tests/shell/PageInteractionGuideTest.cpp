#include "InteractionFakes.h"
#include "shell/ReadingGuide.h"

#include <gtest/gtest.h>

namespace folia {
namespace {

using test::makeDocument;
using test::putRow;

class ReadingGuideTest : public ::testing::Test {
protected:
    ReadingGuideTest() : state(englishTexts()), guide(state) {}

    void putPicture(int page, int row) {
        putRow(state, page, row, "C:\\pictures\\map.png").imageStart = 1;
    }
    void standAt(int page, int row) {
        state.currentPage = page;
        state.settings.position.guideRow = static_cast<int16_t>(row);
    }
    GuidePlace place() const { return {state.currentPage, state.settings.position.guideRow}; }

    AppState state;
    ReadingGuide guide;
};

TEST_F(ReadingGuideTest, SearchesSkipEmptyAndPictureRowsAcrossPages) {
    makeDocument(state, 3);
    putRow(state, 1, 10, "first");
    putRow(state, 1, 11, "");
    putPicture(1, 12);
    putRow(state, 3, 2, "third page");

    EXPECT_EQ(nextGuidePlace(state.document, {1, 10}), (GuidePlace{3, 2}));
    EXPECT_EQ(previousGuidePlace(state.document, {3, 2}), (GuidePlace{1, 10}));
    EXPECT_EQ(firstGuidePlace(state.document, 2), (GuidePlace{3, 2}));
    EXPECT_EQ(nextGuidePlace(state.document, {3, 2}), std::nullopt);
    EXPECT_EQ(previousGuidePlace(state.document, {1, 10}), std::nullopt);
}

TEST_F(ReadingGuideTest, SearchesEndOnADocumentWithoutText) {
    makeDocument(state, 200);
    putPicture(5, 1);
    EXPECT_EQ(firstGuidePlace(state.document, 1), std::nullopt);
    EXPECT_EQ(nextGuidePlace(state.document, {1, 1}), std::nullopt);
    EXPECT_EQ(previousGuidePlace(state.document, {200, 65}), std::nullopt);

    makeDocument(state, 0);
    EXPECT_EQ(firstGuidePlace(state.document, 1), std::nullopt);
}

TEST_F(ReadingGuideTest, SwitchingOnTakesTheFirstTextRowFromTheCurrentPageOn) {
    makeDocument(state, 3);
    putRow(state, 1, 3, "behind the reader");
    putRow(state, 3, 7, "ahead");
    state.currentPage = 2;

    ASSERT_TRUE(guide.switchOn());
    EXPECT_EQ(state.settings.position.guideOn, 3);
    EXPECT_EQ(place(), (GuidePlace{3, 7}));
}

TEST_F(ReadingGuideTest, SwitchingOnWithNothingAheadChangesNothing) {
    makeDocument(state, 2);
    putRow(state, 1, 3, "behind the reader");
    state.currentPage = 2;
    state.settings.position.guideRow = 9;

    EXPECT_FALSE(guide.switchOn());
    EXPECT_EQ(state.settings.position.guideOn, 0);
    EXPECT_EQ(place(), (GuidePlace{2, 9}));
}

TEST_F(ReadingGuideTest, MovingSetsTheOffsetByTheRowItLandsOn) {
    makeDocument(state, 2);
    for (int row : {50, 51, 52, 65})
        putRow(state, 1, row, "text");
    putRow(state, 2, 1, "next page");
    standAt(1, 50);

    guide.moveDown();
    EXPECT_EQ(place(), (GuidePlace{1, 51}));
    EXPECT_EQ(state.viewOffset, 0);
    guide.moveDown();
    EXPECT_EQ(place(), (GuidePlace{1, 52}));
    EXPECT_EQ(state.viewOffset, -200);
    guide.moveDown();
    guide.moveDown();
    EXPECT_EQ(place(), (GuidePlace{2, 1}));
    EXPECT_EQ(state.viewOffset, 0);

    guide.moveUp();
    EXPECT_EQ(place(), (GuidePlace{1, 65}));
    EXPECT_EQ(state.viewOffset, -200);
}

TEST_F(ReadingGuideTest, PastTheEndOrTheStartTheGuideStaysOnItsLastRow) {
    makeDocument(state, 2);
    putRow(state, 1, 4, "first");
    putRow(state, 2, 60, "last");
    standAt(1, 4);
    guide.moveDown();
    ASSERT_EQ(place(), (GuidePlace{2, 60}));

    guide.moveDown();
    EXPECT_EQ(place(), (GuidePlace{2, 60}));
    EXPECT_EQ(state.viewOffset, -200);

    standAt(1, 4);
    guide.moveUp();
    EXPECT_EQ(place(), (GuidePlace{1, 4}));
    EXPECT_EQ(state.viewOffset, 0);
}

TEST_F(ReadingGuideTest, NothingLeftAheadOnLaterPagesKeepsTheGuideOnItsPage) {
    // Pages 2 and 3 hold nothing to stop on: the guide must not wander onto them.
    makeDocument(state, 3);
    putRow(state, 1, 30, "only text");
    standAt(1, 30);
    guide.moveDown();
    EXPECT_EQ(place(), (GuidePlace{1, 30}));
}

} // namespace
} // namespace folia
