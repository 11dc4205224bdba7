#include "shell/MainWindowGeometry.h"

#include <gtest/gtest.h>

namespace folia {
namespace {

constexpr QSize kWithMenuBar{804, 985 + 22};
const QMargins kFrame(1, 28, 1, 1);
constexpr int kBar = 16;

TEST(MainWindowGeometryTest, ALargeScreenGetsTheFullSizeCentred) {
    const QRect client = window::clientOnScreen(kWithMenuBar, {0, 0, 1920, 1050}, kFrame, kBar);
    EXPECT_EQ(client.size(), kWithMenuBar);
    EXPECT_EQ(client.topLeft(), QPoint((1920 - 806) / 2 + 1, (1050 - 1036) / 2 + 28));
}

TEST(MainWindowGeometryTest, ALaptopScreenGetsAllItsHeightWithTheFrameOnIt) {
    const QRect available(0, 32, 1366, 736); // below a top panel
    const QRect client = window::clientOnScreen(kWithMenuBar, available, kFrame, kBar);
    EXPECT_EQ(client.size(), QSize(804 + kBar, 736 - 29)) << "room for the scroll bar";
    EXPECT_TRUE(available.contains(client.marginsAdded(kFrame)));

    const QRect scaled = window::clientOnScreen(kWithMenuBar, {0, 0, 1536, 824}, kFrame, kBar);
    EXPECT_EQ(scaled.size(), QSize(820, 824 - 29)) << "1920 x 1080 at 125 %";
}

TEST(MainWindowGeometryTest, ATinyScreenKeepsTheTitleBarOnIt) {
    const QRect client = window::clientOnScreen(kWithMenuBar, {0, 0, 300, 200}, kFrame, kBar);
    EXPECT_EQ(client.size(), window::kSmallestClient);
    EXPECT_EQ(client.topLeft(), QPoint(1, 28));
}

TEST(MainWindowGeometryTest, ThePageControlKeepsItsMarginsAtAnySize) {
    EXPECT_EQ(window::pageControlArea({804, 985}), QRect(5, 5, 794, 955));
    EXPECT_EQ(window::pageControlArea({1000, 600}), QRect(5, 5, 990, 570));
}

TEST(MainWindowGeometryTest, TheBusyPictureStaysInsideTheClient) {
    const QSize picture(536, 224);
    EXPECT_EQ(window::busyPicturePlace({804, 985}, picture), QPoint(133, 385));
    EXPECT_EQ(window::busyPicturePlace({1004, 585}, picture), QPoint(233, 185));
    EXPECT_EQ(window::busyPicturePlace({500, 300}, picture), QPoint(0, 43));
}

} // namespace
} // namespace folia
