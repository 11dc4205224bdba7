#include "view/PageSurfaces.h"

#include <gtest/gtest.h>
#include <vector>

using namespace folia;

namespace {

// Draws the page number into pixel (0, 0) and records every drawing.
class CountingSurfaces : public ::testing::Test {
protected:
    struct Drawing {
        int page;
        bool guideOn;
        bool report;
    };
    CountingSurfaces() {
        surfaces.setRenderer([this](int page, QImage& surface, const PageLook& look, bool report) {
            EXPECT_EQ(surface.pixel(0, 0), qRgb(255, 255, 255)) << "drawn on a white surface";
            surface.setPixel(0, 0, qRgb(page, 0, 0));
            drawings.push_back({page, look.guideOn, report});
        });
    }
    int drawn(int page) const {
        return int(std::count_if(drawings.begin(), drawings.end(),
                                 [page](const Drawing& d) { return d.page == page; }));
    }

    PageSurfaces surfaces;
    std::vector<Drawing> drawings;
};

TEST_F(CountingSurfaces, APageIsDrawnWhenFirstAskedForAndHeldAfterwards) {
    EXPECT_EQ(surfaces.heldCount(), 0) << "a fresh start holds no page";
    EXPECT_EQ(qRed(surfaces.page(7).pixel(0, 0)), 7);
    surfaces.page(7).setPixel(5, 5, qRgb(1, 2, 3)); // a tick box, say
    EXPECT_EQ(surfaces.page(7).pixel(5, 5), qRgb(1, 2, 3)) << "as last drawn";
    EXPECT_EQ(drawn(7), 1);

    // renew gives a white surface that its caller draws; nothing is drawn for it.
    EXPECT_EQ(surfaces.renew(8).pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(drawn(8), 0);
    EXPECT_EQ(surfaces.renew(7).pixel(5, 5), qRgb(255, 255, 255));
}

TEST_F(CountingSurfaces, ANumberThatNamesNoPageGetsAWhiteSurfaceNoPageHolds) {
    for (int page : {0, 201, -3}) {
        surfaces.page(page).setPixel(1, 1, qRgb(1, 2, 3));
        EXPECT_EQ(surfaces.page(page).pixel(1, 1), qRgb(255, 255, 255)) << page;
        EXPECT_EQ(surfaces.renew(page).pixel(1, 1), qRgb(255, 255, 255)) << page;
    }
    EXPECT_TRUE(drawings.empty());
    EXPECT_EQ(surfaces.heldCount(), 0);
}

TEST_F(CountingSurfaces, OnlyTheMostRecentlyUsedPagesAreHeld) {
    for (int page = 1; page <= 20; ++page)
        surfaces.page(page);
    EXPECT_EQ(surfaces.heldCount(), PageSurfaces::kHeldPages);
    EXPECT_FALSE(surfaces.isHeld(1));
    EXPECT_TRUE(surfaces.isHeld(20));

    // Using page 13 again keeps it while newer pages push the others out.
    surfaces.page(13);
    for (int page = 30; page < 30 + PageSurfaces::kHeldPages - 1; ++page)
        surfaces.page(page);
    EXPECT_TRUE(surfaces.isHeld(13));
    EXPECT_FALSE(surfaces.isHeld(20));

    // A dropped page is drawn again from its records when it comes back.
    EXPECT_EQ(qRed(surfaces.page(1).pixel(0, 0)), 1);
    EXPECT_EQ(drawn(1), 2);
}

TEST_F(CountingSurfaces, StalePagesAreDrawnAgainWithTheirLookAndReportOnce) {
    surfaces.page(1);
    surfaces.markAllStale(PageLook{true, 4, QColor()}, true);
    EXPECT_EQ(surfaces.heldCount(), 0);
    surfaces.page(1);
    ASSERT_EQ(drawings.size(), 2u);
    EXPECT_TRUE(drawings.back().guideOn);
    EXPECT_TRUE(drawings.back().report) << "the first drawing after a load tells of problems";

    // Dropped and drawn again: the user has been told already.
    for (int page = 2; page <= PageSurfaces::kHeldPages + 1; ++page)
        surfaces.page(page);
    surfaces.page(1);
    EXPECT_FALSE(drawings.back().report);

    // A page drawn by its caller (renew) is not reported again when drawn on demand.
    surfaces.markAllStale(PageLook{}, true);
    surfaces.renew(3);
    for (int page = 10; page < 10 + PageSurfaces::kHeldPages; ++page)
        surfaces.page(page);
    surfaces.page(3);
    EXPECT_FALSE(drawings.back().report);
    EXPECT_FALSE(drawings.back().guideOn);
}

TEST(PageSurfaces, WithoutARendererAPageComesBackWhite) {
    PageSurfaces surfaces;
    const QImage& page = surfaces.page(3);
    EXPECT_EQ(page.size(), QSize(794, 1122));
    EXPECT_EQ(page.pixel(400, 500), qRgb(255, 255, 255));
    EXPECT_EQ(surfaces.view().size(), QSize(794, 955));
}

} // namespace
