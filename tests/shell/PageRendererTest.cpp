#include "shell/PageRenderer.h"
#include "support/FakePorts.h"
#include "text/TextSet.h"

#include <gtest/gtest.h>

using namespace folia;
using namespace folia::test;

namespace {

bool isBlank(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != QColor(Qt::white).rgb()) return false;
    return true;
}

} // namespace

TEST(PageRenderer, ViewShowsTheCurrentPageAtTheOffset) {
    AppState state(englishTexts());
    state.document.pageCount = 5;
    state.currentPage = 2;
    state.surfaces.renew(2).setPixel(10, 10, qRgb(1, 2, 3));
    RecordingView view;
    state.viewOffset = 39;
    refreshView(state, view);
    ASSERT_EQ(view.lastView.size(), QSize(794, 955));
    EXPECT_EQ(QColor(view.lastView.pixel(10, 49)), QColor(1, 2, 3));
    EXPECT_TRUE(isBlank(view.lastView, QRect(0, 0, 794, 39)));
    state.viewOffset = -561;
    refreshView(state, view);
    EXPECT_TRUE(isBlank(view.lastView, QRect(0, 561, 794, 955 - 561)));
    showPageCaption(state, view);
    EXPECT_EQ(view.caption, "Page 2 of 5");
}
