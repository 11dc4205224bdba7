#include "PageActions.h"

#include "AppState.h"
#include "Ports.h"
#include "output/PageFurniture.h"
#include "view/PageRenderer.h"

namespace folia {

void redrawPage(AppState& state, Prompts& prompts, bool screenMode) {
    const int page = state.currentPage;
    state.surfaces.renew(page);
    renderPage(state, page, state.settings.position.guideOn != 0, prompts);
    drawPageFurniture(state.surfaces.page(page), page, state.settings, state.texts, screenMode);
}

void showView(AppState& state, MainView& view) {
    refreshView(state, view);
}

void redrawAndShow(AppState& state, MainView& view, Prompts& prompts) {
    redrawPage(state, prompts);
    showView(state, view);
}

} // namespace folia
