#include "PageRenderer.h"

#include "CharacterGrid.h"
#include "GridText.h"
#include "GuideBar.h"
#include "InlineSymbolPainter.h"
#include "LineText.h"
#include "MarkPainter.h"
#include "PageContext.h"
#include "Pictures.h"
#include "output/PageFurniture.h"
#include "output/PictureLoader.h"
#include "shell/AppState.h"
#include "shell/Ports.h"
#include "shell/QuietPrompts.h"
#include "text/TextSet.h"

#include <QPainter>

namespace folia {
namespace {

PageContext contextFor(const AppState& state, int page, int guideRow) {
    const ColourSettings& colours = state.settings.colours;
    return PageContext{
        .document = state.document,
        .page = page,
        .horizontalColour = colourOf(uint32_t(colours.horizontal)),
        .verticalColour = colourOf(uint32_t(colours.vertical)),
        .linkColour = colourOf(uint32_t(colours.link)),
        .pageBackground = colourOf(state.pageBackground),
        .guideFill = colourOf(state.guideFill),
        .guideRow = guideRow,
    };
}

void paintPage(AppState& state, int page, QImage& surface, const PageLook& look, Prompts& prompts) {
    const PageContext context = contextFor(state, page, look.guideOn ? look.guideRow : 0);
    {
        QPainter painter(&surface);
        PictureLoader loader(prompts, &state.pictures);
        drawPictures(painter, state.document, page, loader);
        drawMarks(painter, context);
        for (int row = 1; row <= grid::kRows; ++row) {
            const LineRecord& record = state.document.row(page, row);
            if (record.lineNumber <= 0) continue;
            drawLineText(painter, record, row);
            drawInlineSymbols(painter, record, row, context.symbolBacking(row));
            if (row == context.guideRow) {
                drawGuideBar(painter, row, look.guideOutline, context.guideFill);
                drawLineText(painter, record, row);
            }
        }
        drawMarks(painter, context);
    }
    if (look.guideOn) drawPageFurniture(surface, page, state.settings, state.texts, true);
}

// A guide bar gets a fresh outline at each drawing, kept in the look so that the same
// surface drawn again after it was dropped looks the same.
PageLook withOutline(PageLook look) {
    if (look.guideOn && !look.guideOutline.isValid()) look.guideOutline = randomGuideOutline();
    return look;
}

} // namespace

void renderPage(AppState& state, int page, bool guideOn, Prompts& prompts) {
    if (page < 1 || page > Document::kMaxPages) return;
    const PageLook look = withOutline(guideLook(state, guideOn));
    state.surfaces.setLook(page, look);
    paintPage(state, page, state.surfaces.page(page), look, prompts);
}

void renderPageOnto(QImage& surface, AppState& state, int page, Prompts& prompts) {
    if (page < 1 || page > Document::kMaxPages) return;
    paintPage(state, page, surface, PageLook{}, prompts);
}

PageLook guideLook(const AppState& state, bool guideOn) {
    return guideOn ? PageLook{true, state.settings.position.guideRow, QColor()} : PageLook{};
}

void renderPagesOnDemand(AppState& state, Prompts& prompts) {
    state.surfaces.setRenderer(
        [&state, &prompts](int page, QImage& surface, const PageLook& stale, bool report) {
            const PageLook look = withOutline(stale);
            state.surfaces.setLook(page, look);
            QuietPrompts quiet;
            paintPage(state, page, surface, look, report ? prompts : quiet);
            drawPageFurniture(surface, page, state.settings, state.texts, true);
        });
}

void refreshView(AppState& state, MainView& view) {
    QImage& shown = state.surfaces.view();
    shown.fill(Qt::white);
    if (state.currentPage >= 1 && state.currentPage <= Document::kMaxPages) {
        QPainter painter(&shown);
        painter.drawImage(0, state.viewOffset, state.surfaces.page(state.currentPage));
    }
    view.showView(shown);
}

void showPageCaption(const AppState& state, MainView& view) {
    view.setCaption(pageCaption(state.texts, state.currentPage, state.document.pageCount));
}

} // namespace folia
