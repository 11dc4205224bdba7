#include "PagePainter.h"

#include "GuideBar.h"
#include "InlineSymbolPainter.h"
#include "LineText.h"
#include "MarkPainter.h"
#include "PageContext.h"
#include "Pictures.h"
#include "common/ColourWord.h"
#include "document/Document.h"
#include "marks/CharacterGrid.h"
#include "output/PageFurniture.h"
#include "settings/Settings.h"
#include "view/PageSurfaces.h"

#include <QPaintEngine>
#include <QPainter>

namespace folia {
namespace {

PageContext contextFor(const Document& document, int page, const PageStyle& style, int guideRow) {
    const ColourSettings& colours = style.settings.colours;
    return PageContext{
        .document = document,
        .page = page,
        .horizontalColour = colourOf(uint32_t(colours.horizontal)),
        .verticalColour = colourOf(uint32_t(colours.vertical)),
        .linkColour = colourOf(uint32_t(colours.link)),
        .pageBackground = colourOf(style.pageBackground),
        .guideFill = colourOf(style.guideFill),
        .guideRow = guideRow,
    };
}

bool keepsText(const QPainter& painter) {
    return painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Pdf;
}

} // namespace

void paintPage(QImage& surface, const Document& document, int page, const PageLook& look,
               const PageStyle& style, PictureLoader& pictures) {
    {
        QPainter painter(&surface);
        paintPage(painter, document, page, look, style, pictures);
    }
    if (look.guideOn) drawPageFurniture(surface, page, style.settings, style.texts, true);
}

void paintPage(QPainter& painter, const Document& document, int page, const PageLook& look,
               const PageStyle& style, PictureLoader& pictures) {
    const PageContext context = contextFor(document, page, style, look.guideOn ? look.guideRow : 0);
    // A device that keeps text (a PDF file) holds each character once, to be searched and
    // copied as the row reads: the marks are drawn on top only, which covers all that
    // drawing them first shows, and the row texts leave out the characters they rewrite.
    const bool textOnce = keepsText(painter);
    const std::vector<PieceRange> leftOut =
        textOnce ? rewrittenRanges(context) : std::vector<PieceRange>{};
    drawPictures(painter, document, page, pictures);
    if (!textOnce) drawMarks(painter, context);
    for (int row = 1; row <= grid::kRows; ++row) {
        const LineRecord& record = document.row(page, row);
        if (record.lineNumber <= 0) continue;
        drawLineText(painter, record, row, leftOut);
        drawInlineSymbols(painter, record, row, context.symbolBacking(row));
        if (row == context.guideRow) {
            drawGuideBar(painter, row, look.guideOutline, context.guideFill);
            drawLineText(painter, record, row, leftOut);
        }
    }
    drawMarks(painter, context);
}

PageLook withOutline(PageLook look) {
    if (look.guideOn && !look.guideOutline.isValid()) look.guideOutline = randomGuideOutline();
    return look;
}

} // namespace folia
