#include "view/PagePainter.h"
#include "output/PictureCache.h"
#include "output/PictureLoader.h"
#include "settings/Settings.h"
#include "support/DocumentRows.h"
#include "support/SeenPictureProblems.h"
#include "text/TextSet.h"
#include "view/GridText.h"
#include "view/InlineSymbolPainter.h"
#include "view/LineText.h"
#include "view/PageSurfaces.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

using namespace folia;
using namespace folia::test;

namespace {

const QColor kRed = colourOf(255), kBlue = colourOf(0xFF0000), kGreen = colourOf(0x00FF00);
const QColor kBlack(Qt::black), kSilver = colourOf(12632256);

// A one-page document whose rows the tests fill, rendered onto a white page.
class PagePainter : public ::testing::Test {
protected:
    PagePainter() {
        settings.colours.horizontal = 255;
        settings.colours.vertical = 0xFF0000;
        settings.colours.link = 0x00FF00;
    }

    LineRecord& row(int r, const QByteArray& text = {}, const QByteArray& alignment = {}) {
        LineRecord& record = putRow(document, 1, r, text);
        record.setText(TextField::Alignment, alignment);
        return record;
    }
    LineRecord& markedRow(int r, const QByteArray& text = {}) {
        LineRecord& record = row(r, text);
        record.hasMarks = 1;
        return record;
    }

    const QImage& render(bool guideOn = false) {
        surface = PageSurfaces::whitePage();
        const PageLook look = guideOn ? PageLook{true, settings.position.guideRow, {}} : PageLook{};
        PictureLoader pictures(seen.recorder(), &decoded);
        paintPage(surface, document, 1, withOutline(look), style, pictures);
        return surface;
    }

    Document document;
    Settings settings;
    PageStyle style{settings, englishTexts(), 16777215, 12632256};
    PictureCache decoded;
    SeenPictureProblems seen;
    QImage surface;
};

QColor at(const QImage& image, int x, int y) {
    return QColor(image.pixel(x, y));
}
bool isWhite(const QImage& image, int x, int y) {
    return at(image, x, y) == QColor(Qt::white);
}
QRect cell(int column, int row) {
    return QRect(8 * (column - 1), 16 * (row - 1), 8, 16);
}

std::set<QRgb> coloursIn(const QImage& image, const QRect& area) {
    std::set<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}
bool hasInk(const QImage& image, const QRect& area) {
    return coloursIn(image, area) != std::set<QRgb>{QColor(Qt::white).rgb()};
}

// The row's text drawn alone, for comparison.
QImage textOnly(const LineRecord& record, int r) {
    QImage page = PageSurfaces::whitePage();
    QPainter painter(&page);
    drawLineText(painter, record, r);
    return page;
}

} // namespace

TEST_F(PagePainter, EveryGlyphStandsInItsCell) {
    QByteArray text;
    for (int i = 0; i < 113; ++i)
        text += i % 2 ? ' ' : 'M';
    row(1, text);
    row(2, text, "AL3");
    markedRow(3, text).setText(TextField::BoldMarks, "3,1,114;");
    const QImage& page = render();
    for (int r = 1; r <= 3; ++r)
        for (int column = 1; column <= 99; ++column) {
            const bool letter = column >= 4 && column <= 96 && (column - 4) % 2 == 0;
            EXPECT_EQ(hasInk(page, cell(column, r)), letter) << "row " << r << " column " << column;
        }
}

TEST_F(PagePainter, TextIsBlackOnWhiteWithoutAntialiasingOnItsBaseline) {
    row(3, "The quick brown fox jumps over the lazy dog 0123456789 ,;.");
    row(4, "MMMM");
    const QImage& page = render();
    EXPECT_EQ(coloursIn(page, QRect(0, 32, 794, 16)),
              (std::set<QRgb>{kBlack.rgb(), QColor(Qt::white).rgb()}));
    EXPECT_TRUE(hasInk(page, QRect(24, 48 + 10, 32, 1))); // "M" stands on top + 11
    EXPECT_FALSE(hasInk(page, QRect(24, 48 + 11, 32, 5)));
}

TEST_F(PagePainter, AlignedRowsStartWhereTheirCodeSays) {
    row(4, "MMMMMMMMMM", "AL3");
    row(5, "MMMMMMMMMM", "AL2");
    const QImage& page = render();
    EXPECT_FALSE(hasInk(page, cell(86, 4)));
    EXPECT_TRUE(hasInk(page, cell(87, 4)) && hasInk(page, cell(96, 4)));
    EXPECT_FALSE(hasInk(page, cell(45, 5)) || hasInk(page, cell(56, 5)));
    EXPECT_TRUE(hasInk(page, cell(46, 5)) && hasInk(page, cell(55, 5)));
}

TEST_F(PagePainter, HorizontalPieceRunsBetweenColumnEdgesTwoPixelsWide) {
    LineRecord& record = markedRow(5);
    record.setText(TextField::HorizontalMarks, "5,9,14;");
    const QImage& page = render();
    EXPECT_EQ(coloursIn(page, QRect(72, 79, 40, 2)), std::set<QRgb>{kRed.rgb()});
    EXPECT_FALSE(hasInk(page, QRect(71, 78, 1, 4)) || hasInk(page, QRect(112, 78, 1, 4)));
    EXPECT_FALSE(hasInk(page, QRect(72, 78, 40, 1)) || hasInk(page, QRect(72, 81, 40, 1)));

    record.setText(TextField::HorizontalMarks, "5,41,30;"); // marked right to left
    const QImage& reversed = render();
    EXPECT_EQ(coloursIn(reversed, QRect(240, 79, 88, 2)), std::set<QRgb>{kRed.rgb()});
    EXPECT_TRUE(isWhite(reversed, 328, 80));
}

TEST_F(PagePainter, BracketFromRow3ToRow7) {
    markedRow(3, "three").setText(TextField::VerticalMarks, "3,7;");
    const QImage& page = render();
    EXPECT_EQ(coloursIn(page, QRect(20, 31, 1, 81)), std::set<QRgb>{kBlue.rgb()});
    EXPECT_TRUE(isWhite(page, 20, 30) && isWhite(page, 20, 113));
    EXPECT_EQ(coloursIn(page, QRect(20, 32, 10, 1)), std::set<QRgb>{kBlue.rgb()});
    EXPECT_EQ(coloursIn(page, QRect(20, 112, 10, 1)), std::set<QRgb>{kBlue.rgb()});
    EXPECT_TRUE(isWhite(page, 30, 32) && isWhite(page, 30, 112));
}

TEST_F(PagePainter, PiecesRedrawTheirCharacters) {
    LineRecord& record = markedRow(5, "abcdefghijklmnop");
    record.setText(TextField::TwoColourMarks, "5,4,6,16711680,65535;"); // yellow on blue
    record.setText(TextField::BoldMarks, "5,8,9;");
    const QImage& page = render();
    EXPECT_EQ(coloursIn(page, QRect(24, 64, 24, 16)),
              (std::set<QRgb>{colourOf(16711680).rgb(), colourOf(65535).rgb()}));
    EXPECT_TRUE(isWhite(page, 48, 64));
    // Bold letters are heavier than the plain ones.
    auto ink = [](const QImage& image) {
        int count = 0;
        for (int y = 64; y < 80; ++y)
            for (int x = 56; x < 72; ++x)
                count += !isWhite(image, x, y);
        return count;
    };
    EXPECT_GT(ink(page), ink(textOnly(record, 5)));
}

TEST_F(PagePainter, LinksAreUnderlinedAndDefinitionsDotted) {
    LineRecord& record = markedRow(7, "see there and a word");
    record.linkKind = 2;
    record.setText(TextField::LinkMarks, "7,8,12,1E1;7,19,20,2E2;");
    const QImage& page = render();
    bool underlined = false;
    for (int y = 96 + 12; y < 112; ++y)
        underlined |= coloursIn(page, QRect(56, y, 40, 1)) == std::set<QRgb>{kGreen.rgb()};
    EXPECT_TRUE(underlined);
    EXPECT_TRUE(coloursIn(page, QRect(56, 96, 40, 12)).count(QColor(Qt::white).rgb()));
    EXPECT_FALSE(isWhite(page, 144, 112)); // dotted under columns 19..20
    EXPECT_TRUE(isWhite(page, 145, 112));
    EXPECT_FALSE(isWhite(page, 158, 112));
    EXPECT_TRUE(isWhite(page, 160, 112));

    // Marked right to left: no characters, but the dotted line between the two edges.
    record.setText(TextField::LinkMarks, "7,25,19,2E2;");
    const QImage backwards = render();
    EXPECT_FALSE(isWhite(backwards, 152, 112)); // right edge of column 19
    EXPECT_TRUE(isWhite(backwards, 153, 112));
    EXPECT_FALSE(isWhite(backwards, 190, 112));
    EXPECT_TRUE(isWhite(backwards, 192, 112)); // left edge of column 25
    EXPECT_EQ(backwards.copy(0, 96, 794, 16), textOnly(record, 7).copy(0, 96, 794, 16));

    record.linkKind = 3; // outside 1..2: the link list is not drawn
    EXPECT_EQ(render(), textOnly(record, 7));
}

TEST_F(PagePainter, SecondPassPutsLinesOnTop) {
    LineRecord& marked = markedRow(5, "abcdefghij");
    marked.setText(TextField::TwoColourMarks, "5,10,14,0,16777215;");
    marked.setText(TextField::HorizontalMarks, "5,9,14;");
    row(6, "guide row");
    settings.position.guideRow = 6;
    const QImage& page = render(true);
    EXPECT_EQ(at(page, 80, 79), kRed); // over the two-colour cell
    EXPECT_EQ(at(page, 80, 80), kRed); // over the guide bar's outline
}

TEST_F(PagePainter, MarksOfAlignedRows) {
    LineRecord& left = markedRow(10, "left aligned text");
    left.setText(TextField::Alignment, "AL1");
    left.setText(TextField::HorizontalMarks, "10,3,8;");
    left.setText(TextField::VerticalMarks, "10,12;");
    left.setText(TextField::TwoColourMarks, "10,4,8,0,16777215;");
    left.setText(TextField::BoldMarks, "10,4,8;");
    left.linkKind = 1;
    left.setText(TextField::LinkMarks, "10,4,8,1E1;");
    const QImage& page = render();
    EXPECT_EQ(at(page, 30, 160), kRed);
    EXPECT_EQ(at(page, 20, 170), kBlue);
    const QRect textRow(30, 145, 764, 14); // clear of the bracket and the line
    EXPECT_EQ(page.copy(textRow), textOnly(left, 10).copy(textRow));

    left.setText(TextField::Alignment, "AL2");
    const QImage& centred = render();
    EXPECT_TRUE(isWhite(centred, 20, 170) && isWhite(centred, 30, 160));
}

TEST_F(PagePainter, AbsurdNumbersStayOnTheGrid) {
    LineRecord& record = markedRow(2, QByteArray(113, 'x'));
    record.linkKind = 2;
    record.setText(TextField::BoldMarks, "2,10,2000000000;2,-2147483648,2147483647;");
    record.setText(TextField::HorizontalMarks, "2,-99999999999,99999999999;99999,1,2;");
    record.setText(TextField::TwoColourMarks, "2,90,2000000000,0,0;-5,1,9,0,0;");
    record.setText(TextField::VerticalMarks, "1,2000000000;-3,65;2,65;");
    record.setText(TextField::LinkMarks, "2,1,2000000000,2E1;2,95,99,1E2;");
    QByteArray garbage;
    for (int i = 0; i < 3841; ++i)
        garbage += "|~,;9-"[i % 6];
    record.setText(TextField::DefinitionTexts, garbage);
    const QImage& page = render();
    // The two-colour piece fills the shown characters only: columns 90..96.
    EXPECT_EQ(at(page, 8 * 89, 17), kBlack);
    EXPECT_EQ(at(page, 8 * 96 - 1, 17), kBlack);
    EXPECT_FALSE(hasInk(page, QRect(8 * 96, 16, 794 - 8 * 96, 15)));
    EXPECT_EQ(at(page, 0, 32), kRed); // the line across the whole grid
    EXPECT_EQ(at(page, 793, 32), kRed);
    EXPECT_EQ(at(page, 20, 1000), kBlue); // the one valid bracket
}

TEST_F(PagePainter, GuideBarIsAPillUnderItsRowText) {
    row(10, "MMMM");
    settings.position.guideRow = 10;
    const QImage& page = render(true);
    EXPECT_EQ(at(page, 400, 152), kSilver);
    const QColor outline = at(page, 400, 144);
    EXPECT_NE(outline, kSilver);
    EXPECT_NE(outline, QColor(Qt::white));
    EXPECT_EQ(at(page, 8, 152), outline); // round the left end
    EXPECT_TRUE(isWhite(page, 8, 144));   // the corner is cut
    EXPECT_TRUE(isWhite(page, 5, 152));
    EXPECT_TRUE(coloursIn(page, QRect(24, 146, 32, 12)).count(kBlack.rgb()));
    // With the guide on, the page furniture (and its frame) comes with the render.
    EXPECT_EQ(at(page, 0, 500), kBlack);
    EXPECT_TRUE(isWhite(render(false), 0, 500));
}

TEST_F(PagePainter, BulletsAndPictureSymbolsReplaceTheirCharacters) {
    row(3, "\\$5");
    EXPECT_EQ(render(), textOnly(document.row(1, 3), 3)); // not a symbol: plain text

    row(3, "\\$1 \\$2 \\$3 \\$4");
    const QImage& page = render();
    const int y = 32 + 6;
    EXPECT_EQ(coloursIn(page, QRect(32, y, 7, 7)), std::set<QRgb>{kBlack.rgb()}); // square
    EXPECT_TRUE(isWhite(page, 39, y));
    EXPECT_FALSE(hasInk(page, QRect(24, 32, 8, 16))) << "no trace of the \\ around the bullet";
    EXPECT_EQ(at(page, 66, y + 2), kBlack); // circle in (64, 38)-(68, 42)
    EXPECT_TRUE(isWhite(page, 69, y + 2));
    EXPECT_EQ(at(page, 104, y), kBlack); // diamond's right tip
    EXPECT_TRUE(isWhite(page, 105, y) && isWhite(page, 100, y + 5));
    EXPECT_EQ(at(page, 135, y), kBlack); // triangle's tip
    EXPECT_TRUE(isWhite(page, 136, y) && isWhite(page, 135, y + 3));

    row(4, "\\#05"); // on the guide row: backed in the guide's fill
    settings.position.guideRow = 4;
    const QImage& guided = render(true);
    EXPECT_EQ(at(guided, 24, 48 + 3), kSilver);
    EXPECT_TRUE(hasInk(guided, QRect(32, 48, 18, 18)));
    EXPECT_FALSE(hasInk(render(), QRect(24, 48, 32, 3))) << "nothing of the code above the picture";
}

TEST(SymbolPictures, MagentaStaysTransparent) {
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 255));
    picture.setPixel(1, 0, qRgb(10, 20, 30));
    const QImage keyed = withMagentaKey(picture);
    EXPECT_EQ(qAlpha(keyed.pixel(0, 0)), 0);
    EXPECT_EQ(keyed.pixel(1, 0), qRgb(10, 20, 30));
    EXPECT_EQ(symbolPicture(1).size(), QSize(18, 18));
    EXPECT_EQ(symbolPicture(22).size(), QSize(18, 12));
    EXPECT_TRUE(symbolPicture(100).isNull());
}

TEST_F(PagePainter, PicturesAreReadAgainAtEveryRender) {
    QTemporaryDir folder;
    const QString path = folder.filePath("dot.png");
    QImage dot(20, 10, QImage::Format_RGB32);
    dot.fill(Qt::red);
    ASSERT_TRUE(dot.save(path));
    row(6, path.toLocal8Bit()).imageStart = 1;
    const QImage& page = render();
    EXPECT_EQ(coloursIn(page, QRect(27, 83, 20, 10)), std::set<QRgb>{QColor(Qt::red).rgb()});
    EXPECT_FALSE(hasInk(page, QRect(26, 83, 1, 10)) || hasInk(page, QRect(47, 83, 1, 10)));
    EXPECT_TRUE(seen.lines.empty());

    ASSERT_TRUE(QFile::remove(path));
    render();
    render();
    EXPECT_EQ(seen.lines, (QStringList{"missing " + path, "missing " + path}));
}
