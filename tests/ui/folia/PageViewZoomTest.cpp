#include "folia/PageViewArea.h"
#include "folia/PageViewWidget.h"
#include "shell/InteractionFakes.h"
#include "shell/PageInteraction.h"
#include "view/MarkEntryBuilders.h"

#include <QApplication>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace folia {
namespace {

using test::makeDocument;
using test::putRow;
using test::xOfColumn;
using test::yOfRow;

// The main window's part: whatever the view shows goes onto the area.
class AreaMainView : public test::RecordingView {
public:
    void showView(const QImage& view) override {
        RecordingView::showView(view);
        if (area) area->showView(view);
    }
    PageViewArea* area = nullptr;
};

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
        return state.surfaces.view().pixel(
            QPoint(xOfColumn(column) - 4, yOfRow(row, state.viewOffset) - 8) *
            state.surfaces.pixelRatio());
    }

    AppState state;
    AreaMainView view;
    test::ScriptedPrompts prompts;
    PageInteraction interaction;
    PageViewArea area{interaction, nullptr};
};

TEST_F(PageViewZoomTest, AtFullSizeThePageControlIsAsBefore) {
    EXPECT_EQ(area.size(), QSize(804, 985));
    EXPECT_EQ(page().geometry(), QRect(5, 5, 794, 955));
    EXPECT_FALSE(area.verticalBar().isVisible());
    EXPECT_FALSE(area.horizontalBar().isVisible());
    EXPECT_DOUBLE_EQ(scale(), 1.0);
    EXPECT_EQ(page().placement().toView(QPointF(236.5, 180.5)), QPoint(236, 180));
    EXPECT_EQ(state.surfaces.view().size(), QSize(794, 955));
}

TEST_F(PageViewZoomTest, ADragSelectsTheSameColumnsAtEveryZoom) {
    for (double wanted : {0.5, 1.0, 1.5, 2.0}) {
        zoomTo(wanted);
        QTest::keyClick(&page(), Qt::Key_Home);
        QTest::mousePress(&page(), Qt::LeftButton, Qt::NoModifier, at(30, 12));
        QTest::mouseMove(&page(), at(36, 12));
        QTest::mouseRelease(&page(), Qt::LeftButton, Qt::NoModifier, at(42, 12));
        EXPECT_EQ(state.interactionState, InteractionState::RangeSelected) << wanted;
        EXPECT_EQ(state.selection.row, 12) << wanted;
        EXPECT_EQ(state.selection.start, 30) << wanted;
        EXPECT_EQ(state.selection.end, 42) << wanted;
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

    state.interactionState = InteractionState::Ticking;
    QTest::mouseClick(&page(), Qt::LeftButton, Qt::NoModifier, at(2, 7)); // in row 7's box
    EXPECT_TRUE(state.tickFlags[7]);
    state.interactionState = InteractionState::Idle;

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
