#include "shell/PageInteraction.h"
#include "InteractionFakes.h"
#include "marks/MarkEntryBuilders.h"
#include "shell/CommandIds.h"
#include "shell/FindSession.h"

#include <QColor>
#include <Qt>
#include <gtest/gtest.h>
#include <utility>

namespace folia {
namespace {

using test::makeDocument;
using test::putRow;
using test::xOfColumn;
using test::yOfRow;

constexpr QRgb kSilver = qRgb(192, 192, 192);
constexpr QRgb kWhite = qRgb(255, 255, 255);

class PageInteractionTest : public ::testing::Test {
protected:
    PageInteractionTest() : state(englishTexts()), interaction(state, view, prompts) {
        makeDocument(state, 5);
        for (int page = 1; page <= 5; ++page)
            for (int row = 1; row <= 20; ++row)
                putRow(state, page, row, "The quick brown fox jumps over the lazy dog again.");
    }

    void pressAt(int column, int row) {
        interaction.leftPressed(xOfColumn(column), yOfRow(row, state.viewOffset));
    }
    void releaseAt(int column, int row) {
        interaction.leftReleased(xOfColumn(column), yOfRow(row, state.viewOffset));
    }
    void moveTo(int column, int row) {
        interaction.pointerMoved(xOfColumn(column), yOfRow(row, state.viewOffset));
    }
    // As the page view shows it.
    QRgb pagePixel(int x, int y) { return test::shownPage(state, interaction).pixel(x, y); }
    const PageViewMode& mode() const { return interaction.mode(); }
    // The background of a cell, sampled at its top-left pixel (glyphs never reach it).
    QRgb cellBackground(int column, int row) { return pagePixel(8 * (column - 1), 16 * (row - 1)); }
    QRgb selectionBackground() const {
        const uint32_t word = uint32_t(state.settings.colours.selector);
        return qRgb(word & 0xFF, (word >> 8) & 0xFF, (word >> 16) & 0xFF);
    }
    bool rangeCommandsEnabled() { return view.isEnabled(command::UnderlinePieceBold); }

    AppState state;
    test::RecordingView view;
    test::ScriptedPrompts prompts;
    PageInteraction interaction;
};

TEST_F(PageInteractionTest, WheelScrollsFifteenPixelsANotchWithinTheBounds) {
    for (int i = 0; i < 40; ++i)
        interaction.wheelTurned(-120);
    EXPECT_EQ(state.viewOffset, -570) << "steps while above -561, so one step passes it";
    interaction.wheelTurned(120);
    EXPECT_EQ(state.viewOffset, -555);
    interaction.wheelTurned(60);
    EXPECT_EQ(state.viewOffset, -555) << "half a notch waits for the other half";
    interaction.wheelTurned(60);
    EXPECT_EQ(state.viewOffset, -540);
    interaction.wheelTurned(240);
    EXPECT_EQ(state.viewOffset, -510);
    state.viewOffset = -5;
    interaction.wheelTurned(120);
    interaction.wheelTurned(120);
    EXPECT_EQ(state.viewOffset, 10);
}

TEST_F(PageInteractionTest, ArrowsTurnPagesOnlyWithTheGuideOff) {
    interaction.keyPressed(Qt::Key_Left);
    EXPECT_EQ(state.currentPage, 1);
    interaction.keyPressed(Qt::Key_Right);
    EXPECT_EQ(state.currentPage, 2);
    EXPECT_EQ(view.captions.back(), "Page 2 of 5");

    state.currentPage = 5;
    interaction.keyPressed(Qt::Key_Right);
    EXPECT_EQ(state.currentPage, 5);

    state.settings.position.guideOn = 3;
    EXPECT_TRUE(interaction.keyPressed(Qt::Key_Left)) << "a page key, though it does nothing now";
    EXPECT_EQ(state.currentPage, 5);
    EXPECT_FALSE(interaction.keyPressed(Qt::Key_Escape));
}

TEST_F(PageInteractionTest, GuideKeysMoveTheGuideAndRedrawWithTheCaption) {
    state.settings.position.guideOn = 3;
    state.settings.position.guideRow = 20;
    interaction.keyPressed(Qt::Key_Down);
    EXPECT_EQ(state.currentPage, 2);
    EXPECT_EQ(state.settings.position.guideRow, 1);
    EXPECT_EQ(view.captions.back(), "Page 2 of 5");
    EXPECT_GT(view.viewsShown, 0);

    interaction.keyPressed(Qt::Key_Up);
    EXPECT_EQ(state.currentPage, 1);
    EXPECT_EQ(state.settings.position.guideRow, 20);

    state.settings.position.guideOn = 0;
    interaction.keyPressed(Qt::Key_Down);
    EXPECT_EQ(state.settings.position.guideRow, 20);
}

TEST_F(PageInteractionTest, SwitchingTheGuideOnMovesToTheFirstPageWithText) {
    makeDocument(state, 3);
    putRow(state, 3, 9, "text at last");
    EXPECT_TRUE(interaction.switchGuideOn());
    EXPECT_EQ(state.currentPage, 3);
    EXPECT_EQ(state.settings.position.guideRow, 9);
    EXPECT_EQ(state.settings.position.guideOn, 3);

    makeDocument(state, 3);
    EXPECT_FALSE(interaction.switchGuideOn());
}

TEST_F(PageInteractionTest, ADragSelectsOnThePressedRowAndPaintsOnlyThatRow) {
    pressAt(30, 12);
    EXPECT_EQ(mode().state(), InteractionState::Selecting);
    EXPECT_EQ(cellBackground(30, 12), selectionBackground());
    EXPECT_EQ(state.surfaces.page(1).pixel(8 * 29, 16 * 11), kWhite) << "over the page, not in it";

    const int viewsShown = view.viewsShown;
    moveTo(35, 18);
    EXPECT_EQ(view.viewsShown, viewsShown) << "a move copies no page, it paints over it";
    EXPECT_GT(view.overlaysShown, 0);
    EXPECT_EQ(cellBackground(35, 12), selectionBackground());
    EXPECT_EQ(cellBackground(35, 18), kWhite);
    EXPECT_EQ(cellBackground(33, 12), kWhite) << "only cells the pointer crossed";

    releaseAt(42, 18);
    EXPECT_EQ(mode().state(), InteractionState::RangeSelected);
    EXPECT_EQ(mode().selection().row, 12);
    EXPECT_EQ(mode().selection().start, 30);
    EXPECT_EQ(mode().selection().end, 42);
    EXPECT_TRUE(rangeCommandsEnabled());
    EXPECT_FALSE(view.isEnabled(command::Undo));
}

TEST_F(PageInteractionTest, SelectionPaintsNothingBeyondTheShownText) {
    pressAt(30, 12);
    moveTo(60, 12); // the row's text ends in column 53
    EXPECT_EQ(cellBackground(60, 12), kWhite);
}

TEST_F(PageInteractionTest, ReleasingLeftOfThePressStoresTheEarlierEnd) {
    pressAt(30, 12);
    releaseAt(25, 12);
    EXPECT_EQ(mode().selection().start, 30);
    EXPECT_EQ(mode().selection().end, 25);
}

TEST_F(PageInteractionTest, PressesThatStartNoSelection) {
    state.document.editRow(1, 5).setText(TextField::Alignment, "AL2");
    state.document.editRow(1, 6).setText(TextField::Alignment, "AL3");
    pressAt(30, 5);
    pressAt(30, 6);
    pressAt(3, 7);  // margin columns serve only the tick boxes
    pressAt(94, 7); // right of column 93
    pressAt(10, 66);
    EXPECT_EQ(mode().state(), InteractionState::Idle);

    state.documentPresent = false;
    pressAt(30, 7);
    EXPECT_EQ(mode().state(), InteractionState::Idle);
}

TEST_F(PageInteractionTest, APointAboveThePageTopIsNoRow) {
    state.viewOffset = 39;
    interaction.leftPressed(xOfColumn(30), 30); // 9 pixels above the page
    EXPECT_EQ(mode().state(), InteractionState::Idle);
    interaction.leftPressed(xOfColumn(30), 40);
    EXPECT_EQ(mode().selection().row, 1);
}

TEST_F(PageInteractionTest, APressWhileARangeIsSelectedCancelsIt) {
    pressAt(30, 12);
    releaseAt(42, 12);
    pressAt(50, 3);
    EXPECT_EQ(mode().state(), InteractionState::Idle);
    EXPECT_FALSE(rangeCommandsEnabled());
    EXPECT_TRUE(view.isEnabled(command::GoTo));
    EXPECT_EQ(cellBackground(30, 12), kWhite) << "the page shows without it";
}

TEST_F(PageInteractionTest, TickModePressesInsideTheBoxFlipTheTick) {
    interaction.mode().tickModeOn(tickbox::Shape::Square);
    const int top = 16 * 9; // row 10
    interaction.leftPressed(3, top + 3);
    EXPECT_TRUE(mode().ticks()[10]);
    EXPECT_EQ(pagePixel(5, top + 5), kSilver);
    EXPECT_EQ(pagePixel(12, top + 12), kSilver);
    EXPECT_EQ(pagePixel(13, top + 13), kWhite);

    interaction.leftPressed(15, top + 15);
    EXPECT_FALSE(mode().ticks()[10]);
    EXPECT_EQ(pagePixel(5, top + 5), kWhite);

    interaction.leftPressed(16, top + 8);
    interaction.leftPressed(8, top + 2);
    EXPECT_FALSE(mode().ticks()[10]);
    EXPECT_FALSE(mode().ticks()[9]);
    EXPECT_EQ(mode().state(), InteractionState::Ticking);
}

TEST_F(PageInteractionTest, TickBoxesAreSquareOrRoundAsSetWhenTickModeBegan) {
    const int top = 16 * 4; // row 5
    interaction.mode().tickModeOn(tickbox::shapeFromSetting(0));
    EXPECT_EQ(pagePixel(3, top + 3), kSilver);
    EXPECT_EQ(pagePixel(14, top + 14), kSilver);
    EXPECT_EQ(pagePixel(15, top + 15), kWhite) << "12 x 12 pixels";
    EXPECT_EQ(pagePixel(9, top + 9), kWhite) << "not filled";
    EXPECT_EQ(pagePixel(3, 16 * 64 + 3), kSilver) << "row 65";
    EXPECT_EQ(state.surfaces.page(1).pixel(3, top + 3), kWhite) << "over the page, not in it";

    interaction.mode().tickModeOff();
    EXPECT_EQ(pagePixel(3, top + 3), kWhite);
    interaction.mode().tickModeOn(tickbox::shapeFromSetting(1));
    EXPECT_EQ(pagePixel(3, top + 3), kWhite);
    EXPECT_EQ(pagePixel(9, top + 3), kSilver);
    EXPECT_EQ(pagePixel(3, top + 9), kSilver);
}

TEST_F(PageInteractionTest, PressingALinkFollowsItAtTheSameOffset) {
    addPageLink(state.document.editRow(1, 4), state.document.markSerial, 4, 10, 14, "3");
    state.viewOffset = -100;
    const int shownBefore = view.viewsShown;
    pressAt(12, 4);
    EXPECT_EQ(state.currentPage, 3);
    EXPECT_EQ(state.viewOffset, -100);
    EXPECT_EQ(view.captions.back(), "Page 3 of 5");
    EXPECT_GT(view.viewsShown, shownBefore);

    releaseAt(12, 4);
    EXPECT_EQ(state.currentPage, 3) << "the release of that press follows nothing";
}

TEST_F(PageInteractionTest, AReleaseAfterAnIgnoredPressFollowsALink) {
    addPageLink(state.document.editRow(1, 4), state.document.markSerial, 4, 10, 14, " 2");
    pressAt(2, 4);
    releaseAt(11, 4);
    EXPECT_EQ(state.currentPage, 2);
    EXPECT_EQ(mode().state(), InteractionState::Idle);
    addPageLink(state.document.editRow(2, 4), state.document.markSerial, 4, 10, 14, "3");
    pressAt(2, 4);
    releaseAt(11, 4);
    EXPECT_EQ(state.currentPage, 2) << "once a press was used, until the view is at rest again";
}

TEST_F(PageInteractionTest, LinksOutsideTheDocumentOrTheRangeDoNothing) {
    addPageLink(state.document.editRow(1, 4), state.document.markSerial, 4, 10, 14, "9");
    addPageLink(state.document.editRow(1, 5), state.document.markSerial, 5, 10, 14, "0");
    addPageLink(state.document.editRow(1, 6), state.document.markSerial, 6, 10, 14, "2");
    for (const auto& [column, row] : {std::pair{12, 4}, {12, 5}, {15, 6}, {9, 6}}) {
        interaction.resetState();
        pressAt(column, row);
        EXPECT_EQ(state.currentPage, 1) << "row " << row << ", column " << column;
    }
}

TEST_F(PageInteractionTest, ARightPressShowsTheDefinitionTitledWithItsWords) {
    addDefinition(state.document.editRow(1, 8), state.document.markSerial, 8, 8, 12,
                  "a swift animal");
    interaction.rightPressed(xOfColumn(10), yOfRow(8, 0));
    ASSERT_EQ(prompts.messages.size(), 1);
    const MessageRequest& box = prompts.messages[0];
    EXPECT_EQ(box.text, "a swift animal");
    EXPECT_EQ(box.title, "quick");
    EXPECT_EQ(box.icon, MessageIcon::Question);
    EXPECT_TRUE(box.systemModal);
    EXPECT_EQ(mode().state(), InteractionState::Idle);
    EXPECT_TRUE(mode().pressUsed());

    // Typed with the list's own separators, it still shows whole.
    addDefinition(state.document.editRow(1, 8), state.document.markSerial, 8, 20, 24,
                  "either | or ~ both");
    interaction.resetState();
    interaction.rightPressed(xOfColumn(22), yOfRow(8, 0));
    ASSERT_EQ(prompts.messages.size(), 2);
    EXPECT_EQ(prompts.messages[1].text, "either | or ~ both");
}

TEST_F(PageInteractionTest, DefinitionsAndLinksAnswerOnlyTheirOwnButton) {
    addDefinition(state.document.editRow(1, 8), state.document.markSerial, 8, 8, 12, "def");
    addPageLink(state.document.editRow(1, 9), state.document.markSerial, 9, 8, 12, "4");
    pressAt(10, 8);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(state.currentPage, 1);
    interaction.rightPressed(xOfColumn(10), yOfRow(9, 0));
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(state.currentPage, 1);
}

TEST_F(PageInteractionTest, AFoundHitIsShownThenLeftSelectedWhereADragCouldSelect) {
    putRow(state, 3, 60, "a needle here");
    putRow(state, 4, 2, "centred needle").setText(TextField::Alignment, "AL2");
    FindSession find(state, interaction, view);
    find.search("NEEDLE", false);
    EXPECT_EQ(find.counter(), "1 of 2");
    EXPECT_EQ(view.captions.back(), "Page 3 of 5");
    EXPECT_EQ(state.viewOffset, 955 - 16 * 60) << "scrolled just enough to show row 60";
    EXPECT_EQ(find.currentHitDescription(), "Row 60: a needle here");

    find.next(); // a centred row takes no selection
    find.close();
    EXPECT_EQ(state.currentPage, 4);
    EXPECT_TRUE(mode().is(InteractionState::Idle));

    find.search("needle", false); // from the page shown on
    EXPECT_EQ(find.counter(), "2 of 2");
    find.previous();
    interaction.mode().tickModeOn(tickbox::Shape::Square);
    find.close();
    EXPECT_TRUE(mode().is(InteractionState::Ticking)) << "the ticks are kept";
    interaction.mode().tickModeOff();

    find.search("needle", false);
    find.close();
    EXPECT_TRUE(mode().is(InteractionState::RangeSelected));
    EXPECT_EQ(mode().selection().row, 60);
    EXPECT_EQ(mode().selection().start, 6);
    EXPECT_EQ(mode().selection().end, 11);
    EXPECT_TRUE(rangeCommandsEnabled());
    find.search("nothing like it", false);
    EXPECT_EQ(find.counter(), "No matches");
    EXPECT_TRUE(find.nothingFound());
}

} // namespace
} // namespace folia
