#include "folia/PageViewArea.h"
#include "folia/PageViewWidget.h"
#include "marks/MarkEntryBuilders.h"
#include "shell/CommandIds.h"
#include "shell/InteractionFakes.h"
#include "shell/PageActions.h"
#include "shell/PageInteraction.h"

#include <QApplication>
#include <QScrollBar>
#include <QStyle>
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

// The main window's part: whatever the view shows goes onto the widget or the area.
class WidgetMainView : public test::RecordingView {
public:
    void showView(const QImage& view) override {
        RecordingView::showView(view);
        if (widget) widget->setImage(view);
        if (area) area->showView(view);
    }
    void showOverlays() override {
        RecordingView::showOverlays();
        if (widget) widget->showOverlays();
        if (area) area->showOverlays();
    }
    PageViewWidget* widget = nullptr;
    PageViewArea* area = nullptr;
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
    // As the widget paints it, the overlays over the view.
    QRgb shownCellBackground(int column, int row) {
        return widget.grab().toImage().pixel(8 * (column - 1), 16 * (row - 1) + state.viewOffset);
    }
    const PageViewMode& mode() const { return interaction.mode(); }

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
    EXPECT_EQ(mode().state(), InteractionState::RangeSelected);
    EXPECT_EQ(mode().selection().row, 12);
    EXPECT_EQ(mode().selection().start, 30);
    EXPECT_EQ(mode().selection().end, 42);
    EXPECT_TRUE(view.isEnabled(command::UnderlinePieceBold));
    EXPECT_EQ(shownCellBackground(36, 12), qRgb(0x33, 0x99, 0xFF)) << "selection colour";

    // What the bold command then stores from it.
    const Selection& s = mode().selection();
    addBoldPiece(state.document.editRow(1, s.row), s.row, s.start, s.end);
    EXPECT_EQ(state.document.row(1, 12).text(TextField::BoldMarks), "12,30,42;");
}

TEST_F(PageViewTest, DraggingToAnotherRowStillSelectsOnThePressedRow) {
    press(30, 12);
    drag(38, 20);
    release(40, 20);
    EXPECT_EQ(mode().selection().row, 12);
    EXPECT_EQ(mode().selection().start, 30);
    EXPECT_EQ(mode().selection().end, 40);
    EXPECT_EQ(shownCellBackground(38, 12), qRgb(0x33, 0x99, 0xFF));
    EXPECT_EQ(shownCellBackground(38, 20), qRgb(255, 255, 255));
}

TEST_F(PageViewTest, PressingOnACentredRowStartsNoSelection) {
    state.document.editRow(1, 7).setText(TextField::Alignment, "AL2");
    press(30, 7);
    release(34, 7);
    EXPECT_EQ(mode().state(), InteractionState::Idle);
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
    // The page as shown, without the caret.
    QImage page() { return test::shownPage(state, interaction); }
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
    EXPECT_EQ(mode().state(), InteractionState::RangeSelected);
    EXPECT_EQ(mode().selection().row, 7);
    EXPECT_EQ(mode().selection().start, 30);
    EXPECT_EQ(mode().selection().end, 36);
    EXPECT_TRUE(view.isEnabled(command::UnderlinePieceBold));
    EXPECT_FALSE(view.isEnabled(command::TickControl));
    EXPECT_EQ(widget.accessibleDescription(), "Selected on row 7: t exerc");
    const QImage byKeys = page();

    key(Qt::Key_Escape); // cancels as the next left press would
    EXPECT_EQ(mode().state(), InteractionState::Idle);
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
    EXPECT_EQ(mode().selection().start, 36);
    EXPECT_EQ(mode().selection().end, 37);
}

TEST_F(KeyboardMarking, ShrinkingAndReversingASelection) {
    ctrl(Qt::Key_Down, 5);
    ctrl(Qt::Key_Right, 26);
    const QImage plain = page();
    shiftCtrl(Qt::Key_Right, 3);
    shiftCtrl(Qt::Key_Left, 3);
    EXPECT_EQ(mode().selection().end, 30);
    EXPECT_EQ(shownCellBackground(31, 7), qRgb(255, 255, 255)) << "a cell left behind clears";
    shiftCtrl(Qt::Key_Left, 2);
    EXPECT_EQ(mode().selection().start, 30);
    EXPECT_EQ(mode().selection().end, 28) << "right to left, as a drag to the left stores it";
    EXPECT_EQ(shownCellBackground(28, 7), qRgb(0x33, 0x99, 0xFF));

    ctrl(Qt::Key_Right); // a plain caret move drops the selection
    EXPECT_EQ(mode().state(), InteractionState::Idle);
    EXPECT_EQ(page(), plain);

    state.document.editRow(1, 9).setText(TextField::Alignment, "AL2");
    ctrl(Qt::Key_Down, 2);
    EXPECT_EQ(interaction.caret()->row, 9);
    shiftCtrl(Qt::Key_Right);
    EXPECT_EQ(mode().state(), InteractionState::Idle) << "a centred row takes no range";
}

TEST_F(KeyboardMarking, SpaceTicksTheCaretsRowInTickModeOnly) {
    ctrl(Qt::Key_Down, 4); // row 6
    key(Qt::Key_Space);
    EXPECT_FALSE(mode().ticks()[6]);
    interaction.mode().tickModeOn(tickbox::Shape::Square);
    key(Qt::Key_Space);
    EXPECT_TRUE(mode().ticks()[6]);
    EXPECT_TRUE(widget.accessibleDescription().startsWith("Tick mode, 1 rows ticked. Row 6,"));
    shiftCtrl(Qt::Key_Right);
    EXPECT_EQ(mode().state(), InteractionState::Ticking) << "no range in tick mode";
    key(Qt::Key_Space);
    EXPECT_FALSE(mode().ticks()[6]);
}

TEST_F(KeyboardMarking, TheCaretIsDrawnOnTheFocusedViewOnly) {
    widget.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&widget));
    widget.setFocus();
    const QImage before = state.surfaces.page(1).copy();
    ctrl(Qt::Key_Right, 9); // column 12 of row 1, after the blank in column 11 (x 80..87)
    QImage shown = widget.grab().toImage();
    EXPECT_EQ(shown.pixel(87, 8), qRgb(0, 0, 0)) << "the caret's frame";
    EXPECT_EQ(state.surfaces.page(1), before) << "nothing of the caret on the page";
    widget.clearFocus();
    shown = widget.grab().toImage();
    EXPECT_EQ(shown.pixel(87, 8), qRgb(255, 255, 255));
}

// The page control in the main window's client, at the window's size and the zoom.
class PageViewZoomTest : public ::testing::Test {
protected:
    PageViewZoomTest() : state(englishTexts()), interaction(state, view, prompts) {
        makeDocument(state, 3);
        for (int page = 1; page <= 3; ++page)
            for (int row = 1; row <= 40; ++row)
                putRow(state, page, row, "Reading is to the mind what exercise is to the body.");
        view.area = &area;
        area.show();
        page().setFocus();
    }

    PageViewWidget& page() { return area.pageView(); }
    const PageViewMode& mode() const { return interaction.mode(); }
    double scale() { return page().placement().scale(); }
    // Where grid cell (column, row) is shown on the page control.
    QPoint at(int column, int row) {
        const QPoint inView(xOfColumn(column), yOfRow(row, state.viewOffset));
        return page().placement().toControl(QRectF(inView, QSizeF(1, 1))).center().toPoint();
    }
    void ctrl(Qt::Key key) { QTest::keyClick(&page(), key, Qt::ControlModifier); }
    void zoomTo(double wanted) {
        ctrl(Qt::Key_0);
        for (int i = 0; i < 10 && scale() < wanted; ++i)
            ctrl(Qt::Key_Plus);
        for (int i = 0; i < 10 && scale() > wanted; ++i)
            ctrl(Qt::Key_Minus);
        ASSERT_DOUBLE_EQ(scale(), wanted);
    }
    void wheel(int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QPointF centre(200, 200);
        QWheelEvent event(centre, page().mapToGlobal(centre), QPoint(), QPoint(0, delta),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&page(), &event);
    }
    // The page as shown, in the view's pixels.
    QRgb shownCellBackground(int column, int row) {
        const QPointF inView(xOfColumn(column) - 3, yOfRow(row, state.viewOffset) - 7);
        const QRectF onControl = page().placement().toControl(QRectF(inView, QSizeF(1, 1)));
        return page().grab().toImage().pixel(onControl.center().toPoint());
    }

    AppState state;
    WidgetMainView view;
    test::ScriptedPrompts prompts;
    PageInteraction interaction;
    PageViewArea area{interaction, nullptr};
};

TEST_F(PageViewZoomTest, ADragSelectsTheSameColumnsAtEveryZoom) {
    for (double wanted : {0.5, 1.0, 1.5, 2.0}) {
        zoomTo(wanted);
        QTest::keyClick(&page(), Qt::Key_Home);
        QTest::mousePress(&page(), Qt::LeftButton, Qt::NoModifier, at(30, 12));
        QTest::mouseMove(&page(), at(36, 12));
        QTest::mouseRelease(&page(), Qt::LeftButton, Qt::NoModifier, at(42, 12));
        EXPECT_EQ(mode().state(), InteractionState::RangeSelected) << wanted;
        EXPECT_EQ(mode().selection().row, 12) << wanted;
        EXPECT_EQ(mode().selection().start, 30) << wanted;
        EXPECT_EQ(mode().selection().end, 42) << wanted;
        EXPECT_EQ(shownCellBackground(36, 12), qRgb(0x33, 0x99, 0xFF)) << wanted;
        QTest::keyClick(&page(), Qt::Key_Escape);
    }
}

TEST_F(PageViewZoomTest, TicksLinksAndDefinitionsAnswerThePointerZoomedIn) {
    addPageLink(state.document.editRow(1, 20), state.document.markSerial, 20, 10, 16, "3");
    addDefinition(state.document.editRow(1, 5), state.document.markSerial, 5, 4, 10,
                  "the act of reading");
    zoomTo(1.5);
    QTest::mouseClick(&page(), Qt::RightButton, Qt::NoModifier, at(6, 5));
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].title, "Reading");

    interaction.mode().tickModeOn(tickbox::Shape::Square);
    QTest::mouseClick(&page(), Qt::LeftButton, Qt::NoModifier, at(2, 7)); // in row 7's box
    EXPECT_TRUE(interaction.mode().ticks()[7]);
    interaction.mode().tickModeOff();

    QTest::mouseClick(&page(), Qt::LeftButton, Qt::NoModifier, at(12, 20));
    EXPECT_EQ(state.currentPage, 3);
}

TEST_F(PageViewZoomTest, ControlWheelZoomsThePlainWheelScrollsAsItDid) {
    ctrl(Qt::Key_Plus);
    EXPECT_DOUBLE_EQ(scale(), 1.1);
    wheel(120, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(scale(), 1.25);
    wheel(-60, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(scale(), 1.25) << "half a notch";
    wheel(-60, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(scale(), 1.1);
    EXPECT_EQ(state.viewOffset, 0);
    wheel(-120);
    EXPECT_EQ(state.viewOffset, -15);
    ctrl(Qt::Key_0);
    EXPECT_DOUBLE_EQ(scale(), 1.0);
}

TEST_F(PageViewZoomTest, ZoomedInTheBarsReachEveryCornerOfThePage) {
    zoomTo(2.0);
    ASSERT_TRUE(area.verticalBar().isVisible());
    ASSERT_TRUE(area.horizontalBar().isVisible());
    area.verticalBar().setValue(area.verticalBar().maximum());
    area.horizontalBar().setValue(area.horizontalBar().maximum());
    const QPoint corner = page().placement().toView(QPointF(page().width(), page().height()));
    EXPECT_GE(corner.x(), 793);
    EXPECT_GE(corner.y() - state.viewOffset, 1121) << "the page's bottom row in view";
    EXPECT_DOUBLE_EQ(state.surfaces.pixelRatio(), 2.0) << "drawn for the scale it is seen at";
}

TEST_F(PageViewZoomTest, AShortWindowKeepsTheFullSizeBesideAScrollBar) {
    area.resize(804 + area.style()->pixelMetric(QStyle::PM_ScrollBarExtent), 600);
    EXPECT_DOUBLE_EQ(scale(), 1.0);
    EXPECT_EQ(page().geometry(), QRect(5, 5, 794, 570));
    ASSERT_TRUE(area.verticalBar().isVisible());
    area.verticalBar().setValue(300);
    EXPECT_EQ(state.viewOffset, -300);
    QTest::keyClick(&page(), Qt::Key_PageDown);
    EXPECT_EQ(state.viewOffset, -400) << "the keys keep their steps";
    EXPECT_EQ(area.verticalBar().value(), 400);
    EXPECT_EQ(area.verticalBar().maximum(), 561) << "as far as End goes";
}

TEST_F(PageViewZoomTest, TheKeyboardCaretStaysInAShortView) {
    area.resize(804 + area.style()->pixelMetric(QStyle::PM_ScrollBarExtent), 600);
    ctrl(Qt::Key_Right);
    for (int row = 1; row < 40; ++row)
        ctrl(Qt::Key_Down);
    EXPECT_EQ(interaction.caret()->row, 40);
    EXPECT_EQ(state.viewOffset, 570 - 16 * 40) << "scrolled just enough to show the row";
}

TEST_F(PageViewZoomTest, ANarrowWindowFitsThePageWidthAndShowsMoreOfItsHeight) {
    area.resize(500, 985);
    EXPECT_DOUBLE_EQ(scale(), 490 / 794.0);
    EXPECT_FALSE(area.horizontalBar().isVisible());
    EXPECT_FALSE(area.verticalBar().isVisible()) << "the whole full-size view fits";
    EXPECT_EQ(state.surfaces.view().height(), 1548);
    area.resize(804, 985);
    EXPECT_DOUBLE_EQ(scale(), 1.0) << "fit width follows the window until a zoom is chosen";
}

} // namespace
} // namespace folia
