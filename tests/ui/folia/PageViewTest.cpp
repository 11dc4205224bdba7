#include "folia/PageViewWidget.h"
#include "shell/CommandIds.h"
#include "view/InteractionFakes.h"
#include "view/MarkEntryBuilders.h"
#include "view/PageInteraction.h"

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

} // namespace
} // namespace folia
