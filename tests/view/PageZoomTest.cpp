#include "view/PageZoom.h"

#include <gtest/gtest.h>

namespace folia {
namespace {

constexpr int kBar = 16;

TEST(PageZoomTest, FitsTheWidthOfANarrowViewAndShowsAWideOneAtFullSize) {
    const PageZoom automatic;
    EXPECT_DOUBLE_EQ(automatic.scaleFor(397), 0.5);
    EXPECT_DOUBLE_EQ(automatic.scaleFor(794), 1.0);
    EXPECT_DOUBLE_EQ(automatic.scaleFor(1900), 1.0);
    EXPECT_FALSE(automatic.isChosen());

    PageZoom chosen;
    chosen.zoomIn(automatic.scaleFor(600)); // 0.756 shown: the next step up
    EXPECT_TRUE(chosen.isChosen());
    EXPECT_DOUBLE_EQ(chosen.scaleFor(600), 0.9);
    EXPECT_DOUBLE_EQ(chosen.scaleFor(1900), 0.9) << "a chosen scale keeps at any width";
}

TEST(PageZoomTest, StepsStopAtHalfAndDoubleSize) {
    PageZoom zoom;
    std::vector<double> shown;
    double scale = 1.0;
    for (int i = 0; i < 6; ++i) {
        zoom.zoomIn(scale);
        scale = zoom.scaleFor(794);
        shown.push_back(scale);
    }
    EXPECT_EQ(shown, (std::vector<double>{1.1, 1.25, 1.5, 1.75, 2.0, 2.0}));
    for (int i = 0; i < 9; ++i) {
        zoom.zoomOut(scale);
        scale = zoom.scaleFor(794);
    }
    EXPECT_DOUBLE_EQ(scale, 0.5);
    zoom.actualSize();
    EXPECT_DOUBLE_EQ(zoom.scaleFor(300), 1.0);
}

TEST(PageZoomTest, TheFullSizeAreaShowsTheFullViewWithoutScrollBars) {
    const PageViewLayout layout = layOutPageView(PageZoom(), {794, 955}, kBar);
    EXPECT_DOUBLE_EQ(layout.scale, 1.0);
    EXPECT_EQ(layout.view, QSize(794, 955));
    EXPECT_FALSE(layout.verticalBar);
    EXPECT_FALSE(layout.horizontalBar);
    EXPECT_EQ(layOutPageView(PageZoom(), {1900, 1040}, kBar).view, QSize(1900, 1040));
}

TEST(PageZoomTest, AShorterAreaGetsAVerticalBarANarrowerOneFitsTheWidthBesideIt) {
    const PageViewLayout laptop = layOutPageView(PageZoom(), {1356, 620}, kBar);
    EXPECT_DOUBLE_EQ(laptop.scale, 1.0);
    EXPECT_TRUE(laptop.verticalBar);
    EXPECT_FALSE(laptop.horizontalBar);
    EXPECT_EQ(laptop.view, QSize(1340, 620));

    const PageViewLayout narrow = layOutPageView(PageZoom(), {600, 620}, kBar);
    EXPECT_TRUE(narrow.verticalBar);
    EXPECT_FALSE(narrow.horizontalBar);
    EXPECT_DOUBLE_EQ(narrow.scale, 584 / 794.0);

    // Zoomed out far enough, the whole view fits and the bar goes.
    PageZoom half;
    half.zoomOut(0.67);
    EXPECT_FALSE(layOutPageView(half, {794, 500}, kBar).verticalBar);
}

TEST(PageZoomTest, AChosenScaleWiderThanTheAreaAddsTheHorizontalBar) {
    PageZoom zoom;
    zoom.zoomIn(1.75);
    const PageViewLayout layout = layOutPageView(zoom, {794, 955}, kBar);
    EXPECT_TRUE(layout.horizontalBar);
    EXPECT_TRUE(layout.verticalBar);
    EXPECT_EQ(layout.view, QSize(778, 939));
}

TEST(PageZoomTest, PlacementMapsEveryGridCellBackAtEachScale) {
    for (double scale : {0.5, 1.0, 1.5, 2.0}) {
        const ViewPlacement placement(scale, 900, 40);
        for (const QPoint cell : {QPoint(0, 0), QPoint(236, 180), QPoint(793, 954)}) {
            const QRectF shown = placement.toControl(QRectF(cell, QSizeF(1, 1)));
            EXPECT_EQ(placement.toView(shown.center()), cell) << scale;
            EXPECT_EQ(placement.toView(shown.topLeft()), cell) << scale;
        }
    }
}

TEST(PageZoomTest, ANarrowPageIsCentredAWideOneMovesWithTheHorizontalOffset) {
    EXPECT_DOUBLE_EQ(ViewPlacement(1.0, 794, 0).left(), 0);
    EXPECT_DOUBLE_EQ(ViewPlacement(1.0, 994, 50).left(), 100) << "centred, offset unused";
    EXPECT_DOUBLE_EQ(ViewPlacement(2.0, 794, 100).left(), -200);
    EXPECT_EQ(ViewPlacement::horizontalLimit(2.0, 794), 397);
    EXPECT_DOUBLE_EQ(ViewPlacement(2.0, 794, 1000).left(), -794) << "held at the right edge";
    EXPECT_EQ(ViewPlacement(0.5, 397, 0).viewHeightShown(477), 954);
}

TEST(PageZoomTest, TheScrollRangeReachesTheKeysLowestOffsetOrThePagesBottomEdge) {
    const ScrollRange full = verticalScrollRange(0, 955);
    EXPECT_EQ(full.minimum, 0);
    EXPECT_EQ(full.maximum, 561);
    EXPECT_EQ(full.page, 955);
    EXPECT_EQ(verticalScrollRange(0, 300).maximum, 822) << "the bottom edge comes into view";
    EXPECT_EQ(verticalScrollRange(39, 955).minimum, -39) << "Page Up past the top";
    EXPECT_EQ(verticalScrollRange(-600, 955).maximum, 600) << "Page Down past End";
}

} // namespace
} // namespace folia
