#include "PageActions.h"

#include "AppState.h"
#include "MainView.h"
#include "PageRenderer.h"
#include "output/PageFurniture.h"
#include "prompts/Prompts.h"

namespace folia {

void redrawPage(AppState& state, Prompts& prompts) {
    const int page = state.currentPage;
    state.surfaces.renew(page);
    renderPage(state, page, state.settings.position.guideOn != 0, prompts);
    drawPageFurniture(state.surfaces.page(page), page, state.settings, state.texts, true);
}

void redrawAndShow(AppState& state, MainView& view, Prompts& prompts) {
    redrawPage(state, prompts);
    refreshView(state, view);
}

} // namespace folia
