#include "output/PageFurniture.h"
#include "output/TextBox.h"
#include "settings/Settings.h"
#include "text/TextSet.h"

#include <gtest/gtest.h>

using namespace folia;

namespace {

constexpr QRgb kWhite = 0xffffffff;

QImage whitePage() {
    QImage page(794, 1122, QImage::Format_RGB32);
    page.fill(Qt::white);
    return page;
}

// The rows y in [top, bottom) that hold ink, ignoring the frame's outermost pixels.
std::pair<int, int> inkRows(const QImage& page) {
    int first = -1, last = -1;
    for (int y = 1; y < page.height() - 1; ++y)
        for (int x = 1; x < page.width() - 1; ++x)
            if (page.pixel(x, y) != kWhite) {
                if (first < 0) first = y;
                last = y;
                break;
            }
    return {first, last};
}

int rightmostInk(const QImage& page, int top, int bottom) {
    int right = -1;
    for (int y = top; y < bottom; ++y)
        for (int x = 1; x < page.width() - 1; ++x)
            if (page.pixel(x, y) != kWhite) right = std::max(right, x);
    return right;
}

int leftmostInk(const QImage& page, int top, int bottom) {
    for (int x = 1; x < page.width() - 1; ++x)
        for (int y = top; y < bottom; ++y)
            if (page.pixel(x, y) != kWhite) return x;
    return -1;
}

Settings footerOnly(int which, const QByteArray& text, int alignment = AlignLeft) {
    Settings settings;
    FooterSettings& footer = which == 1 ? settings.footer1 : settings.footer2;
    footer.enabled = 1;
    footer.text = text;
    footer.alignment = alignment;
    return settings;
}

QImage furniture(const Settings& settings, bool screen = false, int page = 7) {
    QImage image = whitePage();
    drawPageFurniture(image, page, settings, englishTexts(), screen);
    return image;
}

} // namespace

TEST(PageNumberText, ArabicOrRomanWithOrWithoutTheWord) {
    PageNumberSettings number;
    number.withPageWord = 1;
    number.numeralSystem = 2;
    number.romanCase = 2;
    EXPECT_EQ(pageNumberText(4, number, englishTexts()), "Page iv");
    number.romanCase = 1;
    EXPECT_EQ(pageNumberText(7, number, englishTexts()), "Page VII");
    number.withPageWord = 0;
    number.numeralSystem = 1;
    EXPECT_EQ(pageNumberText(4, number, englishTexts()), "4");
    EXPECT_EQ(pageNumberText(200, number, englishTexts()), "200");
}

TEST(PageFurniture, FrameOnScreenOnly) {
    const Settings nothingOn;
    const QImage screen = furniture(nothingOn, true);
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(793, 0), QPoint(0, 1121), QPoint(793, 1121), QPoint(400, 0),
          QPoint(400, 1121), QPoint(0, 600), QPoint(793, 600)})
        EXPECT_EQ(screen.pixel(corner), qRgb(0, 0, 0)) << corner.x() << "," << corner.y();
    EXPECT_EQ(screen.pixel(1, 1), kWhite);
    EXPECT_EQ(screen.pixel(792, 1120), kWhite);
    EXPECT_EQ(inkRows(screen).first, -1); // nothing inside the frame

    const QImage output = furniture(nothingOn, false);
    EXPECT_EQ(output.pixel(0, 0), kWhite);
    EXPECT_EQ(output.pixel(793, 1121), kWhite);
    EXPECT_EQ(output.pixel(0, 600), kWhite);
}

TEST(PageFurniture, EachLabelOnItsRowAndOnlyWhenSwitchedOn) {
    const auto [f1Top, f1Bottom] = inkRows(furniture(footerOnly(1, "Footer one")));
    EXPECT_GE(f1Top, 1040);
    EXPECT_LT(f1Bottom, 1056);

    const auto [f2Top, f2Bottom] = inkRows(furniture(footerOnly(2, "Footer two")));
    EXPECT_GE(f2Top, 1056);
    EXPECT_LT(f2Bottom, 1072);

    Settings number;
    number.pageNumber.enabled = 1;
    const auto [nTop, nBottom] = inkRows(furniture(number));
    EXPECT_GE(nTop, 1072);
    EXPECT_LT(nBottom, 1088);

    Settings off = footerOnly(1, "Footer one");
    off.footer1.enabled = 0;
    EXPECT_EQ(inkRows(furniture(off)).first, -1);
    EXPECT_EQ(inkRows(furniture(footerOnly(1, ""))).first, -1);
}

TEST(PageFurniture, RightAlignedFooterEndsThreePixelsLeftOfTheBoxEdge) {
    const QImage page = furniture(footerOnly(1, "MMM", AlignRight));
    const int right = rightmostInk(page, 1040, 1056);
    EXPECT_LE(right, 764); // the last cell is 757..764
    EXPECT_GE(right, 760);
    EXPECT_GE(leftmostInk(page, 1040, 1056), 741);
}

TEST(PageFurniture, LongFooterWrapsOntoTheNextLineWithoutLeadingBlanks) {
    // 18 words fill 89 columns; the blanks at the break must not push "tail" right.
    QByteArray text = "  ";
    for (int i = 0; i < 18; ++i)
        text += "abcd ";
    text += "    tail";
    const QImage page = furniture(footerOnly(1, text));
    EXPECT_EQ(leftmostInk(page, 1040, 1054) / 8, 40 / 8); // first line keeps its two blanks
    const int secondLineLeft = leftmostInk(page, 1056, 1068);
    EXPECT_GE(secondLineLeft, 24);
    EXPECT_LT(secondLineLeft, 32); // "tail" in the first text column
    EXPECT_LT(inkRows(page).second, 1072);
    EXPECT_EQ(rightmostInk(page, 1056, 1068), rightmostInk(page, 1056, 1072));
}

TEST(PageFurniture, PageNumberIgnoresTheFooterStyles) {
    Settings styled;
    styled.pageNumber.enabled = 1;
    styled.pageNumber.numeralSystem = 2;
    styled.footer1.bold = styled.footer1.italic = styled.footer1.underlined = 1;
    styled.footer2.bold = styled.footer2.italic = styled.footer2.underlined = 1;
    const QImage page = furniture(styled, false, 188);

    QImage plain = whitePage();
    drawTextBox(plain, "Page CLXXXVIII", AlignCentre, 24, 1072, labelFont(10), Qt::black);
    QImage bold = whitePage();
    drawTextBox(bold, "Page CLXXXVIII", AlignCentre, 24, 1072, labelFont(10, true), Qt::black);
    EXPECT_NE(plain, bold); // bold would show
    EXPECT_EQ(page, plain);
}

TEST(PageFurniture, FooterStylesAndSizeComeFromTheirSettings) {
    Settings bold = footerOnly(1, "Footer");
    bold.footer1.bold = 1;
    Settings plain = footerOnly(1, "Footer");
    EXPECT_NE(furniture(bold), furniture(plain));

    Settings big = footerOnly(2, "Footer");
    big.footer2.fontSize = 20;
    const auto [top, bottom] = inkRows(furniture(big));
    EXPECT_GT(bottom - top, 14); // 10 points would stay within 12 rows
}
