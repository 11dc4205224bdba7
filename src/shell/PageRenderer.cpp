#include "PageRenderer.h"

#include "AppState.h"
#include "MainView.h"
#include "PictureProblemReport.h"
#include "common/ColourWord.h"
#include "output/PageFurniture.h"
#include "prompts/Prompts.h"
#include "prompts/QuietPrompts.h"
#include "text/TextSet.h"
#include "view/PagePainter.h"

#include <QPainter>

namespace folia {
namespace {

void paintStatePage(AppState& state, int page, QImage& surface, const PageLook& look,
                    Prompts& prompts) {
    PictureLoader pictures(tellPictureProblems(prompts), &state.pictures);
    paintPage(surface, state.document, page, look, pageStyle(state), pictures);
}

} // namespace

PageStyle pageStyle(const AppState& state) {
    // The page and the guide bar have the same colours in every run, whatever the
    // settings file holds.
    return PageStyle{state.settings, state.texts, kWhiteWord, kSilverWord};
}

void renderPage(AppState& state, int page, bool guideOn, Prompts& prompts) {
    if (page < 1 || page > Document::kMaxPages) return;
    const PageLook look = withOutline(guideLook(state, guideOn));
    state.surfaces.setLook(page, look);
    paintStatePage(state, page, state.surfaces.page(page), look, prompts);
}

void renderPageOnto(QImage& surface, AppState& state, int page, Prompts& prompts) {
    if (page < 1 || page > Document::kMaxPages) return;
    paintStatePage(state, page, surface, PageLook{}, prompts);
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
            paintStatePage(state, page, surface, look, report ? prompts : quiet);
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
