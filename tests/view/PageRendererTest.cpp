#include "PageFixture.h"

#include "view/GridText.h"
#include "view/InlineSymbolPainter.h"
#include "view/LineText.h"

#include <QPainter>
#include <QTemporaryDir>
#include <set>

using namespace folia;
using namespace folia::test;

namespace {

class PageRenderer : public PageFixture {};

// Row text of the same characters drawn alone, for comparison.
QImage textOnly(const LineRecord& record, int r) {
    QImage page = PageSurfaces::whitePage();
    QPainter painter(&page);
    drawLineText(painter, record, r);
    return page;
}

} // namespace

TEST_F(PageRenderer, EveryGlyphStandsInItsCell) {
    QByteArray text;
    for (int i = 0; i < 113; ++i)
        text += i % 2 ? ' ' : 'M';
    row(1, text);
    for (auto* code : {"", "AL2", "AL3"})
        row(2, text).setText(TextField::Alignment, code);
    const QImage& page = render();
    for (int r : {1, 2}) {
        for (int column = 1; column <= 99; ++column) {
            const bool shown = column >= 4 && column <= 96;
            const bool letter = shown && (column - 4) % 2 == 0;
            EXPECT_EQ(hasInk(page, cell(column, r)), letter) << "row " << r << " column " << column;
        }
    }
    // Bold and underlined glyphs keep the cells too.
    QImage styled(794, 64, QImage::Format_RGB32);
    styled.fill(Qt::white);
    QPainter painter(&styled);
    drawGridText(painter, 4, 1, QByteArray(93, 'W'), GridFontStyle::Bold, Qt::black);
    drawGridText(painter, 4, 3, "M M M M M M M M M M M M M M M M M M M M M M M M M M M M M M M M",
                 GridFontStyle::Bold, Qt::black);
    EXPECT_TRUE(hasInk(styled, cell(96, 1)));
    EXPECT_FALSE(hasInk(styled, cell(97, 1)));
    EXPECT_FALSE(hasInk(styled, cell(3, 1)));
    EXPECT_TRUE(hasInk(styled, cell(66, 3)));
    EXPECT_FALSE(hasInk(styled, cell(67, 3)));
}

TEST_F(PageRenderer, TextIsBlackOnWhiteWithoutAntialiasing) {
    row(3, "The quick brown fox jumps over the lazy dog 0123456789 ,;.");
    const QImage& page = render();
    std::set<QRgb> colours;
    for (int y = 32; y < 48; ++y)
        for (int x = 0; x < 794; ++x)
            colours.insert(page.pixel(x, y) & 0xFFFFFF);
    EXPECT_EQ(colours, (std::set<QRgb>{0x000000, 0xFFFFFF}));
    // The baseline is 11 pixels below the row's top: "M" ends there, nothing below it.
    row(3, "MMMM");
    const QImage& m = render();
    EXPECT_TRUE(hasInk(m, QRect(24, 32 + 10, 32, 1)));
    EXPECT_FALSE(hasInk(m, QRect(24, 32 + 11, 32, 5)));
}

TEST_F(PageRenderer, AlignedRowsStartWhereTheirCodeSays) {
    row(4, "MMMMMMMMMM").setText(TextField::Alignment, "AL3");
    row(5, "MMMMMMMMMM").setText(TextField::Alignment, "AL2");
    row(6, "MMMMMMMMMM").setText(TextField::Alignment, "AL1");
    const QImage& page = render();
    EXPECT_FALSE(hasInk(page, cell(86, 4)));
    EXPECT_TRUE(hasInk(page, cell(87, 4)));
    EXPECT_TRUE(hasInk(page, cell(96, 4)));
    EXPECT_FALSE(hasInk(page, cell(45, 5)));
    EXPECT_TRUE(hasInk(page, cell(46, 5)));
    EXPECT_TRUE(hasInk(page, cell(55, 5)));
    EXPECT_FALSE(hasInk(page, cell(56, 5)));
    EXPECT_TRUE(hasInk(page, cell(4, 6)));
    EXPECT_FALSE(hasInk(page, cell(14, 6)));
}

TEST_F(PageRenderer, HorizontalPieceRunsBetweenColumnEdgesTwoPixelsWide) {
    LineRecord& record = row(5);
    record.setText(TextField::HorizontalMarks, "5,9,14;");
    record.hasMarks = 1;
    const QImage& page = render();
    const QColor red = colourOf(kRed);
    for (int x = 72; x < 112; ++x) {
        EXPECT_EQ(at(page, x, 79), red) << x;
        EXPECT_EQ(at(page, x, 80), red) << x;
    }
    EXPECT_TRUE(isWhite(page.pixel(71, 80)));
    EXPECT_TRUE(isWhite(page.pixel(112, 80)));
    EXPECT_TRUE(isWhite(page.pixel(90, 78)));
    EXPECT_TRUE(isWhite(page.pixel(90, 81)));

    // Marked right to left: still drawn between the two edges.
    record.setText(TextField::HorizontalMarks, "5,41,30;");
    const QImage& reversed = render();
    EXPECT_EQ(at(reversed, 240, 80), red);
    EXPECT_EQ(at(reversed, 327, 80), red);
    EXPECT_TRUE(isWhite(reversed.pixel(328, 80)));
}

TEST_F(PageRenderer, BracketFromRow3ToRow7) {
    LineRecord& record = row(3, "three");
    record.setText(TextField::VerticalMarks, "3,7;");
    record.hasMarks = 1;
    const QImage& page = render();
    const QColor blue = colourOf(kBlue);
    for (int y = 31; y < 112; ++y)
        EXPECT_EQ(at(page, 20, y), blue) << y;
    EXPECT_TRUE(isWhite(page.pixel(20, 30)));
    EXPECT_TRUE(isWhite(page.pixel(20, 113)));
    for (int x = 20; x < 30; ++x) {
        EXPECT_EQ(at(page, x, 32), blue) << x;
        EXPECT_EQ(at(page, x, 112), blue) << x;
    }
    EXPECT_TRUE(isWhite(page.pixel(30, 32)));
    EXPECT_TRUE(isWhite(page.pixel(30, 112)));
}

TEST_F(PageRenderer, PiecesRedrawTheirCharacters) {
    LineRecord& record = row(5, "abcdefghijklmnop");
    record.hasMarks = 1;
    record.setText(TextField::TwoColourMarks, "5,4,6,16711680,65535;"); // blue behind yellow
    record.setText(TextField::BoldMarks, "5,8,9;");
    const QImage& page = render();
    const QColor background = colourOf(16711680), foreground = colourOf(65535);
    EXPECT_EQ(at(page, 24, 64), background);
    EXPECT_EQ(at(page, 47, 79), background);
    EXPECT_TRUE(isWhite(page.pixel(48, 64)));
    std::set<QRgb> inCells;
    for (int y = 64; y < 80; ++y)
        for (int x = 24; x < 48; ++x)
            inCells.insert(page.pixel(x, y) & 0xFFFFFF);
    EXPECT_EQ(inCells, (std::set<QRgb>{background.rgb() & 0xFFFFFF, foreground.rgb() & 0xFFFFFF}));
    // Bold makes the letters heavier than the plain text of the same row.
    auto inkCount = [](const QImage& image, const QRect& area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += !isWhite(image.pixel(x, y));
        return count;
    };
    const QImage plain = textOnly(record, 5);
    EXPECT_GT(inkCount(page, QRect(56, 64, 16, 16)), inkCount(plain, QRect(56, 64, 16, 16)));
}

TEST_F(PageRenderer, LinksAreUnderlinedAndDefinitionsDotted) {
    LineRecord& record = row(7, "see there and a word");
    record.hasMarks = 1;
    record.linkKind = 2;
    record.setText(TextField::LinkMarks, "7,8,12,1E1;7,19,20,2E2;");
    const QImage& page = render();
    const QColor green = colourOf(kGreen);
    // Link characters in the link colour with an underline below the baseline.
    bool underlined = false;
    for (int y = 96 + 12; y < 112; ++y) {
        bool full = true;
        for (int x = 56; x < 96; ++x)
            full = full && at(page, x, y) == green;
        underlined = underlined || full;
    }
    EXPECT_TRUE(underlined);
    // The definition's dotted line under columns 19..20 at the row's bottom edge.
    EXPECT_FALSE(isWhite(page.pixel(144, 112)));
    EXPECT_TRUE(isWhite(page.pixel(145, 112)));
    EXPECT_FALSE(isWhite(page.pixel(158, 112)));
    EXPECT_TRUE(isWhite(page.pixel(160, 112)));

    record.linkKind = 3; // outside 1..2: the link list is not drawn
    const QImage& hidden = render();
    EXPECT_EQ(hidden, textOnly(record, 7));
}

TEST_F(PageRenderer, SecondPassPutsLinesOverTheGuideBar) {
    LineRecord& marked = row(5, "abcdefghij");
    marked.hasMarks = 1;
    marked.setText(TextField::TwoColourMarks, "5,10,14,0,16777215;");
    marked.setText(TextField::HorizontalMarks, "5,9,14;");
    row(6, "guide row");
    state.settings.position.guideRow = 6;
    const QImage& page = render(true);
    const QColor red = colourOf(kRed);
    EXPECT_EQ(at(page, 80, 79), red); // over the two-colour cell
    EXPECT_EQ(at(page, 80, 80), red); // over the guide bar's outline
}

TEST_F(PageRenderer, MarksOfAlignedRows) {
    LineRecord& left = row(10, "left aligned text");
    left.setText(TextField::Alignment, "AL1");
    left.hasMarks = 1;
    left.setText(TextField::HorizontalMarks, "10,3,8;");
    left.setText(TextField::VerticalMarks, "10,12;");
    left.setText(TextField::TwoColourMarks, "10,4,8,0,16777215;");
    left.setText(TextField::BoldMarks, "10,4,8;");
    left.linkKind = 1;
    left.setText(TextField::LinkMarks, "10,4,8,1E1;");
    const QImage& page = render();
    EXPECT_EQ(at(page, 30, 160), colourOf(kRed));
    EXPECT_EQ(at(page, 20, 170), colourOf(kBlue));
    QImage expected = textOnly(left, 10);
    const QRect textRow(30, 145, 764, 14);                 // clear of the bracket and the line
    EXPECT_EQ(page.copy(textRow), expected.copy(textRow)); // no piece drew over the text

    left.setText(TextField::Alignment, "AL2");
    const QImage& centred = render();
    EXPECT_TRUE(isWhite(centred.pixel(20, 170)));
    EXPECT_TRUE(isWhite(centred.pixel(30, 160)));
}

TEST_F(PageRenderer, AbsurdNumbersStayOnTheGrid) {
    LineRecord& record = row(2, QByteArray(113, 'x'));
    record.hasMarks = 1;
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
    // The two-colour piece fills shown characters only: columns 90..96, not beyond.
    EXPECT_EQ(at(page, 8 * 89, 17), QColor(Qt::black));
    EXPECT_EQ(at(page, 8 * 96 - 1, 17), QColor(Qt::black));
    EXPECT_FALSE(hasInk(page, QRect(8 * 96, 16, 794 - 8 * 96, 15)));
    // The full-width horizontal line and the valid bracket were drawn.
    EXPECT_EQ(at(page, 0, 32), colourOf(kRed));
    EXPECT_EQ(at(page, 793, 32), colourOf(kRed));
    EXPECT_EQ(at(page, 20, 1000), colourOf(kBlue));
}

TEST_F(PageRenderer, GuideBarIsAPillOverItsRow) {
    row(10, "MMMM");
    state.settings.position.guideRow = 10;
    const QImage& page = render(true);
    const QColor silver = colourOf(12632256);
    EXPECT_EQ(at(page, 400, 152), silver);
    EXPECT_NE(at(page, 400, 144), silver); // the outline
    EXPECT_FALSE(isWhite(page.pixel(400, 144)));
    EXPECT_TRUE(isWhite(page.pixel(5, 152)));        // left of the bar
    EXPECT_TRUE(isWhite(page.pixel(8, 144)));        // cut by the rounded end
    EXPECT_EQ(at(page, 8, 152), at(page, 400, 144)); // the outline round the end
    EXPECT_TRUE(hasInk(page, cell(4, 10)));
    std::set<QRgb> text;
    for (int y = 146; y < 158; ++y)
        for (int x = 24; x < 56; ++x)
            text.insert(page.pixel(x, y) & 0xFFFFFF);
    EXPECT_TRUE(text.count(0)); // the row's text stands on the bar
    // With the guide on, the page furniture (with its frame) comes with the render.
    EXPECT_EQ(at(page, 0, 500), QColor(Qt::black));
    EXPECT_TRUE(isWhite(render(false).pixel(0, 500)));
}

TEST_F(PageRenderer, BulletsAndPictureSymbolsReplaceTheirCharacters) {
    row(3, "\\$5");
    EXPECT_EQ(render(), textOnly(state.document.row(1, 3), 3)); // not a symbol: plain text

    row(3, "\\$1 \\$2 \\$3 \\$4");
    const QImage& page = render();
    const int top = 32;
    // Square: 7 x 7 from the left edge of the token's second cell, 6 below the top.
    for (int y = top + 6; y < top + 13; ++y)
        for (int x = 32; x < 39; ++x)
            EXPECT_EQ(at(page, x, y), QColor(Qt::black));
    EXPECT_TRUE(isWhite(page.pixel(39, top + 6)));
    EXPECT_FALSE(hasInk(page, QRect(24, top + 3, 8, 11))); // the backslash is covered
    EXPECT_EQ(at(page, 66, top + 8), QColor(Qt::black));   // circle in (64, 38)-(68, 42)
    EXPECT_TRUE(isWhite(page.pixel(69, top + 8)));
    EXPECT_EQ(at(page, 100, top + 6), QColor(Qt::black)); // diamond centre
    EXPECT_EQ(at(page, 104, top + 6), QColor(Qt::black)); // diamond right tip
    EXPECT_TRUE(isWhite(page.pixel(105, top + 6)));
    EXPECT_TRUE(isWhite(page.pixel(100, top + 11)));
    EXPECT_EQ(at(page, 135, top + 6), QColor(Qt::black)); // triangle tip
    EXPECT_TRUE(isWhite(page.pixel(136, top + 6)));
    EXPECT_TRUE(isWhite(page.pixel(135, top + 9)));

    // A picture symbol on the guide row is backed in the guide's fill.
    row(4, "\\#05");
    state.settings.position.guideRow = 4;
    const QImage& guided = render(true);
    EXPECT_EQ(at(guided, 24, 48 + 3), colourOf(12632256));
    EXPECT_TRUE(hasInk(guided, QRect(32, 48, 18, 18)));
}

TEST(SymbolPictures, MagentaStaysTransparent) {
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 255));
    picture.setPixel(1, 0, qRgb(10, 20, 30));
    const QImage keyed = withMagentaKey(picture);
    EXPECT_EQ(qAlpha(keyed.pixel(0, 0)), 0);
    EXPECT_EQ(keyed.pixel(1, 0), qRgb(10, 20, 30));

    EXPECT_EQ(symbolPicture(1).size(), QSize(18, 18));
    EXPECT_EQ(symbolPicture(9).size(), QSize(18, 12));
    EXPECT_EQ(symbolPicture(22).size(), QSize(18, 12));
    EXPECT_TRUE(symbolPicture(0).isNull());
    EXPECT_TRUE(symbolPicture(100).isNull());
}

TEST_F(PageRenderer, PicturesAreReadAgainAtEveryRender) {
    QTemporaryDir folder;
    const QString path = folder.filePath("dot.png");
    QImage dot(20, 10, QImage::Format_RGB32);
    dot.fill(Qt::red);
    ASSERT_TRUE(dot.save(path));
    LineRecord& picture = row(6, path.toLocal8Bit());
    picture.imageStart = 1;
    const QImage& page = render();
    EXPECT_EQ(at(page, 27, 83), QColor(Qt::red));
    EXPECT_EQ(at(page, 46, 92), QColor(Qt::red));
    EXPECT_TRUE(isWhite(page.pixel(26, 83)));
    EXPECT_TRUE(isWhite(page.pixel(47, 92)));
    EXPECT_TRUE(prompts.messages.empty());

    ASSERT_TRUE(QFile::remove(path));
    render();
    render();
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[1].title, "Programador");
    EXPECT_EQ(prompts.messages[1].text,
              "[GraphicLoadImageFileToBitmap] called on <" + path + "> Missing file");
}

TEST_F(PageRenderer, ViewShowsTheCurrentPageAtTheOffset) {
    state.document.pageCount = 5;
    state.currentPage = 2;
    state.surfaces.renew(2).setPixel(10, 10, qRgb(1, 2, 3));
    RecordingView view;
    state.viewOffset = 39;
    refreshView(state, view);
    ASSERT_EQ(view.shown.size(), QSize(794, 955));
    EXPECT_EQ(view.shown.pixel(10, 49) & 0xFFFFFF, 0x010203u);
    EXPECT_FALSE(hasInk(view.shown, QRect(0, 0, 794, 39)));
    state.viewOffset = -561;
    refreshView(state, view);
    EXPECT_FALSE(hasInk(view.shown, QRect(0, 1122 - 561, 794, 955 - (1122 - 561))));
    showPageCaption(state, view);
    EXPECT_EQ(view.caption, "Page 2 of 5");
}
