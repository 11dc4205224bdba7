#include "output/TextBox.h"
#include "settings/Settings.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

using namespace folia;

namespace {

QImage whiteImage(int width = 800, int height = 120) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QFontMetrics metricsOn(const QImage& image, const QFont& font = labelFont(10)) {
    return QFontMetrics(font, &image);
}

// The columns holding ink on rows top..top+height-1; -1 when blank.
struct InkSpan {
    int left = -1;
    int right = -1;
};
InkSpan inkSpan(const QImage& image, int top, int height) {
    InkSpan span;
    for (int y = top; y < top + height && y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                if (span.left < 0 || x < span.left) span.left = x;
                span.right = std::max(span.right, x);
            }
    return span;
}

QString words(int count, const QString& word = "abcd") {
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << word;
    return list.join(' ');
}

} // namespace

TEST(TextBoxFont, TenPointCellsAreEightPixelsAndTheBoxHolds93Characters) {
    const QImage image = whiteImage();
    const QFontMetrics metrics = metricsOn(image);
    EXPECT_EQ(metrics.horizontalAdvance(QString(93, 'x')), 744);
    EXPECT_EQ(metricsOn(image, labelFont(10, true)).horizontalAdvance(QString(93, 'x')), 744);
    EXPECT_EQ(labelFont(0).pointSize(), 10);
    EXPECT_EQ(labelFont(30000).pointSize(), 200);
}

TEST(TextBoxWrap, BreaksAtTheLastBlankThatFitsAndDropsLeadingBlanksOfLaterLines) {
    const QImage image = whiteImage();
    const QFontMetrics metrics = metricsOn(image);
    EXPECT_EQ(wrapTextBox("short", metrics), QStringList{"short"});
    EXPECT_EQ(wrapTextBox(QString(93, 'x'), metrics), QStringList{QString(93, 'x')});

    // 20 words of 4 letters: 99 characters; character 94 does not fit.
    const QString text = words(20);
    const QStringList pieces = wrapTextBox(text, metrics);
    ASSERT_EQ(pieces.size(), 2);
    EXPECT_EQ(pieces[0], words(18)); // 89 characters, broken at the blank before word 19
    EXPECT_EQ(pieces[1], words(2));

    // Blanks at the start of the text stay; the line breaks at the last blank at or
    // before the first character that does not fit, and the next line loses its blanks.
    const QStringList indented = wrapTextBox("   " + words(18) + "    tail", metrics);
    ASSERT_EQ(indented.size(), 2);
    EXPECT_EQ(indented[0], "   " + words(18) + " ");
    EXPECT_EQ(indented[1], "tail");
}

TEST(TextBoxWrap, AWordWiderThanTheBoxIsBrokenAtTheBoxEdge) {
    const QImage image = whiteImage();
    const QFontMetrics metrics = metricsOn(image);
    const QStringList alone = wrapTextBox(QString(150, 'w'), metrics);
    EXPECT_EQ(alone, (QStringList{QString(93, 'w'), QString(57, 'w')}));

    // After a break the long word starts the next line (measured with the blank it was
    // broken at) and goes on below, rather than leaving empty lines.
    const QStringList after = wrapTextBox("intro " + QString(100, 'w'), metrics);
    EXPECT_EQ(after, (QStringList{"intro", QString(92, 'w'), QString(8, 'w')}));
}

TEST(TextBoxWrap, NeverMoreThanAHundredPieces) {
    const QImage image = whiteImage();
    const QFontMetrics huge = metricsOn(image, labelFont(200)); // a few characters a line
    const QString text = words(137, "ab").left(kTextBoxMaxLength);
    const QStringList pieces = wrapTextBox(text, huge);
    EXPECT_EQ(pieces.size(), kTextBoxMaxPieces);
    EXPECT_EQ(pieces.join(' ').remove(' '), QString(text).remove(' '));
}

TEST(TextBoxDraw, AlignmentsPlaceThePieceInTheBox) {
    const QFont font = labelFont(10);
    QImage left = whiteImage(), right = whiteImage(), centre = whiteImage(), other = whiteImage();
    drawTextBox(left, "MMMM", AlignLeft, 24, 0, font, Qt::black);
    drawTextBox(right, "MMMM", AlignRight, 24, 0, font, Qt::black);
    drawTextBox(centre, "MMMM", AlignCentre, 24, 0, font, Qt::black);
    drawTextBox(other, "MMMM", 137, 24, 0, font, Qt::black);

    const InkSpan l = inkSpan(left, 0, 16);
    EXPECT_GE(l.left, 24);
    EXPECT_LE(l.right, 24 + 32 - 1);
    const InkSpan r = inkSpan(right, 0, 16); // cells 733..764: ends 3 pixels left of x = 768
    EXPECT_EQ(r.left - l.left, 709);
    EXPECT_LE(r.right, 764);
    EXPECT_GE(r.right, 760);
    const InkSpan c = inkSpan(centre, 0, 16); // x = 24 + (744 - 32) / 2
    EXPECT_EQ(c.left - l.left, 356);
    EXPECT_EQ(inkSpan(other, 0, 120).left, -1);
}

TEST(TextBoxDraw, BlackTextWithoutAntiAliasingOnATransparentBackground) {
    QImage image(800, 40, QImage::Format_RGB32);
    image.fill(qRgb(200, 220, 240));
    drawTextBox(image, "Footer & page", AlignLeft, 24, 0, labelFont(10, true, true), Qt::black);
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            EXPECT_TRUE(pixel == qRgb(0, 0, 0) || pixel == qRgb(200, 220, 240));
            ink += pixel == qRgb(0, 0, 0);
        }
    EXPECT_GT(ink, 50);
}

TEST(TextBoxDraw, JustifiedStretchesPiecesOfAtLeastEightTenthsOfTheWidest) {
    const QFont font = labelFont(10);
    // The first line, 18 words, is 89 characters (712 px) wide.
    const QString second = "aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii jjjj kkkk llll mmmm nnnn";
    // 14 words = 69 characters = 552 px, below 0.8 of 712 (569.6): drawn as it is.
    QImage narrow = whiteImage(800, 60);
    drawTextBox(narrow, words(18) + " " + second, AlignJustified, 24, 0, font, Qt::black);
    EXPECT_LE(inkSpan(narrow, 15, 15).right, 24 + 69 * 8);

    // 16 words = 79 characters = 632 px: stretched to 712 px, ending under the first line.
    const QString wide = second + " oooo pppp";
    QImage stretched = whiteImage(800, 60);
    drawTextBox(stretched, words(18) + " " + wide, AlignJustified, 24, 0, font, Qt::black);
    const InkSpan first = inkSpan(stretched, 0, 15);
    const InkSpan last = inkSpan(stretched, 15, 15);
    EXPECT_EQ(last.left, first.left);
    EXPECT_GE(last.right, first.right - 2);
    EXPECT_LE(last.right, 24 + 712);
    EXPECT_GT(last.right, 24 + 79 * 8);
}
