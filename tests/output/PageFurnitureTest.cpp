#include "output/PageFurniture.h"
#include "output/TextBox.h"
#include "settings/Settings.h"
#include "text/TextSet.h"

#include <gtest/gtest.h>

using namespace folia;

namespace {

// The box holding the ink inside the frame's outermost pixels; null when blank.
QRect inkBox(const QImage& page, int top = 1, int bottom = 1121) {
    QRect box;
    for (int y = top; y < bottom; ++y)
        for (int x = 1; x < 793; ++x)
            if (page.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
    return box;
}

QImage furniture(const Settings& settings, bool screen = false, int pageNumber = 7) {
    QImage page(794, 1122, QImage::Format_RGB32);
    page.fill(Qt::white);
    drawPageFurniture(page, pageNumber, settings, englishTexts(), screen);
    return page;
}

Settings withFooter(FooterSettings Settings::*which, const QByteArray& text, int alignment) {
    Settings settings;
    (settings.*which).enabled = 1;
    (settings.*which).text = text;
    (settings.*which).alignment = alignment;
    return settings;
}

} // namespace

TEST(PageNumberText, ArabicOrRomanWithOrWithoutTheWord) {
    PageNumberSettings number{.withPageWord = 1, .numeralSystem = 2, .romanCase = 2};
    EXPECT_EQ(pageNumberText(4, number, englishTexts()), "Page iv");
    number.romanCase = 1;
    EXPECT_EQ(pageNumberText(7, number, englishTexts()), "Page VII");
    number.withPageWord = 0;
    number.numeralSystem = 1;
    EXPECT_EQ(pageNumberText(4, number, englishTexts()), "4");
}

TEST(PageFurniture, FrameOnScreenOnly) {
    const QImage screen = furniture(Settings{}, true);
    for (const QPoint edge : {QPoint(0, 0), QPoint(793, 1121), QPoint(400, 0), QPoint(0, 600),
                              QPoint(793, 600), QPoint(400, 1121)})
        EXPECT_EQ(screen.pixel(edge), qRgb(0, 0, 0));
    EXPECT_TRUE(inkBox(screen).isNull()); // one pixel wide, no fill, no labels
    EXPECT_TRUE(inkBox(furniture(Settings{}, false), 0, 1122).isNull());
}

TEST(PageFurniture, EachLabelOnItsRowWhenSwitchedOn) {
    const QRect footer1 = inkBox(furniture(withFooter(&Settings::footer1, "One", AlignLeft)));
    EXPECT_GE(footer1.top(), 1040);
    EXPECT_LT(footer1.bottom(), 1056);
    EXPECT_GE(footer1.left(), 24);
    EXPECT_LT(footer1.right(), 48);
    const QRect footer2 = inkBox(furniture(withFooter(&Settings::footer2, "Two", AlignCentre)));
    EXPECT_GE(footer2.top(), 1056);
    EXPECT_LT(footer2.bottom(), 1072);
    EXPECT_GE(footer2.left(), 24 + 360); // cells 384..407
    EXPECT_LT(footer2.right(), 24 + 384);
    Settings number;
    number.pageNumber.enabled = 1;
    const QRect label = inkBox(furniture(number));
    EXPECT_GE(label.top(), 1072);
    EXPECT_LT(label.bottom(), 1088);

    Settings off = withFooter(&Settings::footer1, "One", AlignLeft);
    off.footer1.enabled = 0;
    EXPECT_TRUE(inkBox(furniture(off)).isNull());
    EXPECT_TRUE(inkBox(furniture(withFooter(&Settings::footer1, "One", 137))).isNull());
}

TEST(PageFurniture, RightAlignedFooterEndsThreePixelsLeftOfTheBoxEdge) {
    const QRect ink = inkBox(furniture(withFooter(&Settings::footer1, "MMM", AlignRight)));
    EXPECT_LE(ink.right(), 764); // the last cell is 757..764
    EXPECT_GE(ink.right(), 760);
    EXPECT_GE(ink.left(), 741);
}

TEST(PageFurniture, LongFooterWrapsOntoTheNextLineWithoutLeadingBlanks) {
    QByteArray text = "  ";
    for (int i = 0; i < 18; ++i)
        text += "abcd ";
    const QImage page = furniture(withFooter(&Settings::footer1, text + "    tail", AlignLeft));
    EXPECT_EQ(inkBox(page, 1040, 1054).left() / 8, 5); // two blanks kept: column 6
    const QRect second = inkBox(page, 1056, 1072);
    EXPECT_EQ(second.left() / 8, 3); // "tail" in the first text column
    EXPECT_LT(second.right(), 24 + 32);
    for (int y = 1040; y < 1072; ++y) // black text, never anti-aliased
        for (int x = 0; x < 794; ++x)
            ASSERT_TRUE(page.pixel(x, y) == qRgb(0, 0, 0) ||
                        page.pixel(x, y) == qRgb(255, 255, 255));
}

TEST(PageFurniture, PageNumberIgnoresTheFooterStyles) {
    Settings styled;
    styled.pageNumber.enabled = 1;
    styled.pageNumber.numeralSystem = 2;
    styled.footer1.bold = styled.footer1.italic = styled.footer1.underlined = 1;
    styled.footer2.bold = styled.footer2.italic = styled.footer2.underlined = 1;
    auto drawn = [](const QFont& font) {
        QImage page(794, 1122, QImage::Format_RGB32);
        page.fill(Qt::white);
        drawTextBox(page, "Page CLXXXVIII", AlignCentre, 24, 1072, font, Qt::black);
        return page;
    };
    ASSERT_NE(drawn(labelFont(10)), drawn(labelFont(10, true)));
    EXPECT_EQ(furniture(styled, false, 188), drawn(labelFont(10)));
    // Footers do take them.
    Settings bold = withFooter(&Settings::footer1, "One", AlignLeft);
    bold.footer1.bold = 1;
    EXPECT_NE(furniture(bold), furniture(withFooter(&Settings::footer1, "One", AlignLeft)));
}
