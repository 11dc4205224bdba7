#include "view/DocumentPdf.h"
#include "common/ColourWord.h"
#include "view/PageSurfaces.h"
#include "output/PageFurniture.h"
#include "output/PdfAnnotations.h"
#include "output/PictureCache.h"
#include "output/PictureLoader.h"
#include "settings/Settings.h"
#include "support/DocumentRows.h"
#include "text/TextSet.h"
#include "view/PagePainter.h"

#include <gtest/gtest.h>
#include <poppler-qt6.h>

using namespace folia;
using namespace folia::test;

namespace {

// "Café crème €": characters above 127 in Windows-1252.
const QByteArray kAccented = "Caf\xe9 cr\xe8me \x80 5";

// Three pages: the first with every kind of mark, a link to page 3 and a definition.
class DocumentPdf : public ::testing::Test {
protected:
    DocumentPdf() {
        settings.colours.horizontal = 255;    // red
        settings.colours.vertical = 0xFF0000; // blue
        settings.colours.link = 0x00FF00;     // green
        settings.pageNumber.enabled = 1;
        putRow(document, 1, 2, kAccented);
        putRow(document, 1, 3, "plain words of the third row");
        LineRecord& marked = putRow(document, 1, 5, "abcdefghijklmnop qrstuvwxyz");
        marked.hasMarks = 1;
        marked.setText(TextField::HorizontalMarks, "5,20,28;");
        marked.setText(TextField::TwoColourMarks, "5,4,6,8421376,65535;");
        marked.setText(TextField::VerticalMarks, "5,7;");
        LineRecord& linked = putRow(document, 1, 7, "see there and a word");
        linked.hasMarks = 1;
        linked.linkKind = 2;
        linked.setText(TextField::LinkMarks, "7,8,12,1E1;7,20,23,2E2;");
        linked.setText(TextField::LinkTargets, "3,1E1;");
        linked.setText(TextField::DefinitionTexts, "Stra\xdf"
                                                   "e is a street|2E2~");
        putRow(document, 2, 1, "second page");
        putRow(document, 3, 1, "the end");
    }

    std::unique_ptr<Poppler::Document> exported() {
        PictureLoader pictures([](const PictureProblem&) {}, &decoded);
        int drawn = 0;
        const auto bytes =
            documentAsPdf(document, style, pictures, "FOLIA ENGLISH", [&](int) { ++drawn; });
        EXPECT_EQ(drawn, 3);
        if (!bytes) return nullptr;
        auto pdf = Poppler::Document::loadFromData(*bytes);
        if (pdf) {
            pdf->setRenderHint(Poppler::Document::Antialiasing, false);
            pdf->setRenderHint(Poppler::Document::TextAntialiasing, false);
        }
        return pdf;
    }

    // The page as "Save Image" exports it.
    QImage exportedImage(int page) {
        QImage image = PageSurfaces::whitePage();
        PictureLoader pictures([](const PictureProblem&) {}, &decoded);
        paintPage(image, document, page, PageLook{}, style, pictures);
        drawPageFurniture(image, page, settings, style.texts, false);
        return image;
    }

    Document document;
    Settings settings;
    PageStyle style{settings, englishTexts(), 16777215, 12632256};
    PictureCache decoded;
};

// The smallest rectangle holding the pixels that `belongs` picks.
template <typename Pick> QRect boxOf(const QImage& image, const QRect& within, Pick belongs) {
    QRect box;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (belongs(QColor(image.pixel(x, y)))) box |= QRect(x, y, 1, 1);
    return box;
}

void expectNear(const QRect& pdf, const QRect& image, const char* what) {
    EXPECT_FALSE(image.isEmpty()) << what;
    EXPECT_LE(std::abs(pdf.left() - image.left()), 2) << what;
    EXPECT_LE(std::abs(pdf.top() - image.top()), 2) << what;
    EXPECT_LE(std::abs(pdf.right() - image.right()), 2) << what;
    EXPECT_LE(std::abs(pdf.bottom() - image.bottom()), 2) << what;
}

} // namespace

TEST_F(DocumentPdf, EveryPageIsAnA4SheetWithItsRowsAsText) {
    const auto pdf = exported();
    ASSERT_TRUE(pdf);
    ASSERT_EQ(pdf->numPages(), 3);
    EXPECT_NEAR(pdf->page(0)->pageSizeF().width(), 595.3, 0.1);
    EXPECT_NEAR(pdf->page(0)->pageSizeF().height(), 841.9, 0.1);
    const QString text = pdf->page(0)->text(QRectF());
    const QStringList rows{QStringLiteral("Café crème € 5"), "plain words of the third row",
                           "abcdefghijklmnop qrstuvwxyz", "see there and a word", "Page 1"};
    qsizetype from = 0;
    for (const QString& row : rows) {
        const qsizetype at = text.indexOf(row, from);
        EXPECT_GE(at, from) << row.toStdString() << " in " << text.toStdString();
        from = std::max(from, at);
    }
    EXPECT_TRUE(pdf->page(2)->text(QRectF()).contains("the end"));
    EXPECT_EQ(pdf->info("Title"), QStringLiteral("Café crème € 5"));
    EXPECT_EQ(pdf->info("Creator"), "FOLIA ENGLISH");
}

TEST_F(DocumentPdf, PageLinksLeadToTheirPagesAndDefinitionsAreNotes) {
    const auto pdf = exported();
    ASSERT_TRUE(pdf);
    const auto annotations = pdf->page(0)->annotations();
    ASSERT_EQ(annotations.size(), 2u);
    const auto* link = dynamic_cast<const Poppler::LinkAnnotation*>(annotations[0].get());
    ASSERT_TRUE(link);
    const auto* target = dynamic_cast<const Poppler::LinkGoto*>(link->linkDestination());
    ASSERT_TRUE(target);
    EXPECT_EQ(target->destination().pageNumber(), 3);
    const QRectF over = link->boundary();
    expectNear(
        QRectF(over.x() * 794, over.y() * 1122, over.width() * 794, over.height() * 1122).toRect(),
        QRect(56, 96, 40, 16), "columns 8..12 of row 7");
    const auto* note = dynamic_cast<const Poppler::TextAnnotation*>(annotations[1].get());
    ASSERT_TRUE(note);
    EXPECT_EQ(note->contents(), QStringLiteral("Straße is a street"));
    EXPECT_EQ(note->author(), "word");
    EXPECT_TRUE(pdf->page(1)->annotations().empty());
    EXPECT_FALSE(
        withAnnotations("not a PDF", {{595.3, 841.9}, {794, 1122}}, {}, {{1, {}, {}, "a note"}}));
}

TEST_F(DocumentPdf, PagesShowAsTheExportedImages) {
    const auto pdf = exported();
    ASSERT_TRUE(pdf);
    const QImage rendered = pdf->page(0)->renderToImage(96, 96);
    const QImage image = exportedImage(1);
    const QRect page = rendered.rect() & image.rect();
    for (const QColor colour : {colourOf(255), colourOf(0xFF0000), colourOf(0x00FF00),
                                colourOf(8421376), colourOf(65535)}) {
        const auto same = [&](const QColor& pixel) { return pixel == colour; };
        expectNear(boxOf(rendered, page, same), boxOf(image, page, same),
                   colour.name().toLatin1().constData());
    }
    const auto ink = [](const QColor& pixel) { return pixel == Qt::black; };
    for (int row : {2, 3, 7, 68}) { // 7: the note shows nothing over the text
        const QRect band = QRect(0, 16 * (row - 1), 794, 16) & page;
        expectNear(boxOf(rendered, band, ink), boxOf(image, band, ink), "row ink");
    }
}
