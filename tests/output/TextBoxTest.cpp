#include "output/TextBox.h"
#include "settings/Settings.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

using namespace folia;

namespace {

QString words(int count) {
    return QStringList(count, "abcd").join(' ');
}

} // namespace

TEST(TextBoxWrap, BreaksAtTheLastBlankThatFitsAndDropsLaterLeadingBlanks) {
    const QImage image(800, 100, QImage::Format_RGB32);
    const QFontMetrics metrics(labelFont(10), &image); // 8-pixel cells: 93 to a line
    EXPECT_EQ(wrapTextBox(QString(93, 'x'), metrics), QStringList{QString(93, 'x')});
    EXPECT_EQ(wrapTextBox(words(20), metrics), (QStringList{words(18), words(2)}));
    // Character 94 is a blank: the line breaks there and keeps the one before it.
    EXPECT_EQ(wrapTextBox("   " + words(18) + "    tail", metrics),
              (QStringList{"   " + words(18) + " ", "tail"}));
    // A word wider than the box is broken at the box edge instead of sinking below.
    EXPECT_EQ(wrapTextBox(QString(150, 'w'), metrics),
              (QStringList{QString(93, 'w'), QString(57, 'w')}));
    EXPECT_EQ(wrapTextBox("intro " + QString(100, 'w'), metrics),
              (QStringList{"intro", QString(92, 'w'), QString(8, 'w')}));
    // Never more than 100 lines, whatever the font.
    const QFontMetrics huge(labelFont(200), &image);
    EXPECT_EQ(wrapTextBox(QStringList(137, "ab").join(' '), huge).size(), kTextBoxMaxPieces);
}

TEST(TextBoxDraw, JustifiedStretchesLinesOfAtLeastEightTenthsOfTheWidest) {
    auto lastInk = [](const QString& secondLine) {
        QImage image(800, 32, QImage::Format_RGB32);
        image.fill(Qt::white);
        drawTextBox(image, words(18) + " " + secondLine, AlignJustified, 24, 0, labelFont(10),
                    Qt::black);
        int right = -1;
        for (int y = 15; y < 30; ++y)
            for (int x = 0; x < 800; ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255)) right = std::max(right, x);
        return right;
    };
    // The first line is 712 pixels wide; 552 is below 0.8 of it, 632 is not.
    EXPECT_LT(lastInk(words(14)), 24 + 552);
    EXPECT_GT(lastInk(words(16)), 24 + 712 - 8);
    EXPECT_LT(lastInk(words(16)), 24 + 712);
}
