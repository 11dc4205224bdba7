#include "folia/PageViewWidget.h"
#include "shell/CommandIds.h"
#include "shell/InteractionFakes.h"
#include "shell/PageActions.h"
#include "shell/PageInteraction.h"
#include "view/MarkEntryBuilders.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <vector>

namespace folia {
namespace {

using test::makeDocument;
using test::putRow;
using test::xOfColumn;
using test::yOfRow;

// The main window's part: whatever the view shows goes onto the widget.
class WidgetMainView : public test::RecordingView {
public:
    void showView(const QImage& view) override {
        RecordingView::showView(view);
        if (widget) widget->setImage(view);
    }
    PageViewWidget* widget = nullptr;
};

class PageViewTest : public ::testing::Test {
protected:
    PageViewTest() : state(englishTexts()), interaction(state, view, prompts), widget(interaction) {
        view.widget = &widget;
        makeDocument(state, 4);
        for (int page = 1; page <= 4; ++page)
            for (int row = 1; row <= 30; ++row)
                putRow(state, page, row, "Reading is to the mind what exercise is to the body.");
        widget.show();
        widget.setFocus();
    }

    QPoint at(int column, int row) const {
        return {xOfColumn(column), yOfRow(row, state.viewOffset)};
    }
    void press(int column, int row) {
        QTest::mousePress(&widget, Qt::LeftButton, Qt::NoModifier, at(column, row));
    }
    void drag(int column, int row) { QTest::mouseMove(&widget, at(column, row)); }
    void release(int column, int row) {
        QTest::mouseRelease(&widget, Qt::LeftButton, Qt::NoModifier, at(column, row));
    }
    void key(Qt::Key k, int times = 1) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(&widget, k);
    }
    QRgb shownCellBackground(int column, int row) const {
        return widget.image().pixel(8 * (column - 1), 16 * (row - 1) + state.viewOffset);
    }

    AppState state;
    WidgetMainView view;
    test::ScriptedPrompts prompts;
    PageInteraction interaction;
    PageViewWidget widget;
};

TEST_F(PageViewTest, IsThePageControlOfTheWindow) {
    EXPECT_EQ(widget.size(), QSize(794, 955));
    EXPECT_EQ(widget.accessibleName(), "Page view");
    EXPECT_EQ(widget.focusPolicy(), Qt::StrongFocus);
}

TEST_F(PageViewTest, ADragStoresItsRowAndColumnsForThePieceCommands) {
    press(30, 12);
    drag(36, 12);
    release(42, 12);
    EXPECT_EQ(state.interactionState, InteractionState::RangeSelected);
    EXPECT_EQ(state.selection.row, 12);
    EXPECT_EQ(state.selection.start, 30);
    EXPECT_EQ(state.selection.end, 42);
    EXPECT_TRUE(view.isEnabled(command::UnderlinePieceBold));
    EXPECT_EQ(shownCellBackground(36, 12), qRgb(0x33, 0x99, 0xFF)) << "selection colour";

    // What the bold command then stores from it.
    const Selection& s = state.selection;
    addBoldPiece(state.document.editRow(1, s.row), s.row, s.start, s.end);
    EXPECT_EQ(state.document.row(1, 12).text(TextField::BoldMarks), "12,30,42;");
}

TEST_F(PageViewTest, DraggingToAnotherRowStillSelectsOnThePressedRow) {
    press(30, 12);
    drag(38, 20);
    release(40, 20);
    EXPECT_EQ(state.selection.row, 12);
    EXPECT_EQ(state.selection.start, 30);
    EXPECT_EQ(state.selection.end, 40);
    EXPECT_EQ(shownCellBackground(38, 12), qRgb(0x33, 0x99, 0xFF));
    EXPECT_EQ(shownCellBackground(38, 20), qRgb(255, 255, 255));
}

TEST_F(PageViewTest, PressingOnACentredRowStartsNoSelection) {
    state.document.editRow(1, 7).setText(TextField::Alignment, "AL2");
    press(30, 7);
    release(34, 7);
    EXPECT_EQ(state.interactionState, InteractionState::Idle);
    EXPECT_FALSE(state.dragFlag);
    EXPECT_FALSE(view.isEnabled(command::UnderlinePieceBold));
}

TEST_F(PageViewTest, PageKeysScrollInStepsWithinTheirBounds) {
    std::vector<int> offsets;
    for (int i = 0; i < 7; ++i) {
        key(Qt::Key_PageDown);
        offsets.push_back(state.viewOffset);
    }
    EXPECT_EQ(offsets, (std::vector<int>{-100, -200, -300, -400, -500, -600, -600}));
    key(Qt::Key_End);
    EXPECT_EQ(state.viewOffset, -561);
    offsets.clear();
    for (int i = 0; i < 6; ++i) {
        key(Qt::Key_PageUp);
        offsets.push_back(state.viewOffset);
    }
    EXPECT_EQ(offsets, (std::vector<int>{-461, -361, -261, -161, -61, 39}));
    key(Qt::Key_PageUp);
    EXPECT_EQ(state.viewOffset, 39);
    EXPECT_EQ(widget.image().pixel(400, 38), qRgb(255, 255, 255)) << "white above the page";
    key(Qt::Key_Home);
    EXPECT_EQ(state.viewOffset, 0);
}

TEST_F(PageViewTest, FollowingALinkKeepsTheOffset) {
    addPageLink(state.document.editRow(1, 20), state.document.markSerial, 20, 10, 16, "3");
    key(Qt::Key_PageDown, 2);
    press(12, 20);
    release(12, 20);
    EXPECT_EQ(state.currentPage, 3);
    EXPECT_EQ(state.viewOffset, -200);
    EXPECT_EQ(view.captions.back(), "Page 3 of 4");
}

TEST_F(PageViewTest, ARightClickShowsTheDefinition) {
    addDefinition(state.document.editRow(1, 5), state.document.markSerial, 5, 4, 10,
                  "the act of reading");
    QTest::mouseClick(&widget, Qt::RightButton, Qt::NoModifier, at(6, 5));
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].title, "Reading");
}

TEST_F(PageViewTest, TheWheelScrollsFifteenPixelsANotch) {
    const QPointF centre(400, 400);
    QWheelEvent toward(centre, widget.mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                       Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&widget, &toward);
    EXPECT_EQ(state.viewOffset, -15);
}

// Marking from the keyboard, for readers who cannot drag.
class KeyboardMarking : public PageViewTest {
protected:
    KeyboardMarking() {
        putRow(state, 1, 2, "");                                // an empty row the caret skips
        putRow(state, 1, 3, "{@@pic,none.png}").imageStart = 1; // and a picture row
        redrawPage(state, prompts);
    }
    void ctrl(Qt::Key k, int times = 1, Qt::KeyboardModifiers extra = Qt::NoModifier) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(&widget, k, Qt::ControlModifier | extra);
    }
    void shiftCtrl(Qt::Key k, int times = 1) { ctrl(k, times, Qt::ShiftModifier); }
    QImage page() { return state.surfaces.page(1).copy(); }
};

TEST_F(KeyboardMarking, TheCaretWalksTheRowsWithTextAndArrowsKeepTheirMeaning) {
    ctrl(Qt::Key_Right); // the first press places the caret on the first row with text
    EXPECT_EQ(interaction.caret(), (GridCell{1, 4}));
    EXPECT_EQ(widget.accessibleDescription(),
              "Row 1, column 4: Reading is to the mind what exercise is to the body.");
    ctrl(Qt::Key_Right, 5);
    ctrl(Qt::Key_Down);
    EXPECT_EQ(interaction.caret(), (GridCell{4, 9})) << "rows 2 and 3 show no text";
    ctrl(Qt::Key_Up);
    EXPECT_EQ(interaction.caret(), (GridCell{1, 9}));
    ctrl(Qt::Key_Left, 20);
    EXPECT_EQ(interaction.caret(), (GridCell{1, 4})) << "held at the row's first character";
    EXPECT_EQ(state.currentPage, 1) << "Ctrl+Left moves the caret, not the page";

    ctrl(Qt::Key_Down, 40); // to row 30, the last with text: the view follows
    EXPECT_EQ(interaction.caret()->row, 30);
    ctrl(Qt::Key_Down);
    EXPECT_EQ(interaction.caret()->row, 30);
    key(Qt::Key_Home);
    EXPECT_EQ(state.viewOffset, 0);
    key(Qt::Key_Right);
    EXPECT_EQ(state.currentPage, 2) << "the plain arrow still turns the page";
    EXPECT_EQ(interaction.caret(), (GridCell{30, 4}));
    putRow(state, 1, 60, "far down the page");
    key(Qt::Key_Left);
    ctrl(Qt::Key_Down);
    EXPECT_EQ(interaction.caret()->row, 60);
    EXPECT_EQ(state.viewOffset, 955 - 16 * 60) << "scrolled just enough to show the row";
}

TEST_F(KeyboardMarking, ASelectionMadeWithKeysIsAMouseSelection) {
    ctrl(Qt::Key_Down, 5);   // placed on row 1, then down to row 7
    ctrl(Qt::Key_Right, 26); // column 30
    shiftCtrl(Qt::Key_Right, 6);
    EXPECT_EQ(state.interactionState, InteractionState::RangeSelected);
    EXPECT_EQ(state.selection.row, 7);
    EXPECT_EQ(state.selection.start, 30);
    EXPECT_EQ(state.selection.end, 36);
    EXPECT_TRUE(view.isEnabled(command::UnderlinePieceBold));
    EXPECT_FALSE(view.isEnabled(command::TickControl));
    EXPECT_EQ(widget.accessibleDescription(), "Selected on row 7: t exerc");
    const QImage byKeys = page();

    key(Qt::Key_Escape); // cancels as the next left press would
    EXPECT_EQ(state.interactionState, InteractionState::Idle);
    EXPECT_FALSE(view.isEnabled(command::UnderlinePieceBold));
    EXPECT_TRUE(view.isEnabled(command::TickControl));
    const QImage plain = page();
    EXPECT_NE(plain, byKeys);

    press(30, 7);
    for (int column = 31; column <= 36; ++column)
        drag(column, 7);
    release(36, 7);
    EXPECT_EQ(page(), byKeys) << "painted as a drag over the same cells";

    key(Qt::Key_Escape);
    shiftCtrl(Qt::Key_Right); // from the caret, where it was left
    EXPECT_EQ(state.selection.start, 36);
    EXPECT_EQ(state.selection.end, 37);
}

TEST_F(KeyboardMarking, ShrinkingAndReversingASelection) {
    ctrl(Qt::Key_Down, 5);
    ctrl(Qt::Key_Right, 26);
    const QImage plain = page();
    shiftCtrl(Qt::Key_Right, 3);
    shiftCtrl(Qt::Key_Left, 3);
    EXPECT_EQ(state.selection.end, 30);
    EXPECT_EQ(shownCellBackground(31, 7), qRgb(255, 255, 255)) << "a cell left behind clears";
    shiftCtrl(Qt::Key_Left, 2);
    EXPECT_EQ(state.selection.start, 30);
    EXPECT_EQ(state.selection.end, 28) << "right to left, as a drag to the left stores it";
    EXPECT_EQ(shownCellBackground(28, 7), qRgb(0x33, 0x99, 0xFF));

    ctrl(Qt::Key_Right); // a plain caret move drops the selection
    EXPECT_EQ(state.interactionState, InteractionState::Idle);
    EXPECT_EQ(page(), plain);

    state.document.editRow(1, 9).setText(TextField::Alignment, "AL2");
    ctrl(Qt::Key_Down, 2);
    EXPECT_EQ(interaction.caret()->row, 9);
    shiftCtrl(Qt::Key_Right);
    EXPECT_EQ(state.interactionState, InteractionState::Idle) << "a centred row takes no range";
}

TEST_F(KeyboardMarking, SpaceTicksTheCaretsRowInTickModeOnly) {
    ctrl(Qt::Key_Down, 4); // row 6
    key(Qt::Key_Space);
    EXPECT_FALSE(state.tickFlags[6]);
    state.interactionState = InteractionState::Ticking;
    key(Qt::Key_Space);
    EXPECT_TRUE(state.tickFlags[6]);
    EXPECT_TRUE(widget.accessibleDescription().startsWith("Tick mode, 1 rows ticked. Row 6,"));
    shiftCtrl(Qt::Key_Right);
    EXPECT_EQ(state.interactionState, InteractionState::Ticking) << "no range in tick mode";
    key(Qt::Key_Space);
    EXPECT_FALSE(state.tickFlags[6]);
}

TEST_F(KeyboardMarking, TheCaretIsDrawnOnTheFocusedViewOnly) {
    widget.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&widget));
    widget.setFocus();
    const QImage before = page();
    ctrl(Qt::Key_Right, 9); // column 12 of row 1, after the blank in column 11 (x 80..87)
    QImage shown = widget.grab().toImage();
    EXPECT_EQ(shown.pixel(87, 8), qRgb(0, 0, 0)) << "the caret's frame";
    EXPECT_EQ(page(), before) << "nothing of the caret on the page";
    widget.clearFocus();
    shown = widget.grab().toImage();
    EXPECT_EQ(shown.pixel(87, 8), qRgb(255, 255, 255));
}

} // namespace
} // namespace folia
