#include "DocumentActions.h"

#include "AppState.h"
#include "CommandIds.h"
#include "PageActions.h"
#include "Ports.h"
#include "WriteFailureReport.h"
#include "common/EventPump.h"
#include "document/CacheFile.h"
#include "view/PageRenderer.h"

namespace folia {
namespace {

// Runs work under the busy animation.
template <typename Work> auto whileBusy(MainView& view, Work&& work) {
    view.startBusyAnimation();
    EventPump pump;
    pump.pumpNow(); // let the animation appear before the work starts
    auto result = work(pump);
    view.stopBusyAnimation();
    return result;
}

} // namespace

WriteResult saveSnapshot(AppState& state, MainView& view) {
    view.setCommandEnabled(command::Undo, false);
    const WriteResult result = whileBusy(
        view, [&](EventPump& pump) { return saveCache(state.document, cachePath(), &pump); });
    view.setCommandEnabled(command::Undo, result.ok());
    return result;
}

void takeSnapshot(AppState& state, MainView& view, Prompts& prompts) {
    reportWriteFailure(prompts, state.texts, cachePath(), saveSnapshot(state, view));
}

void rememberPage(AppState& state, MainView& view) {
    state.rememberedPage = state.currentPage;
    view.setCommandEnabled(command::Undo, false);
}

bool loadAndRerender(AppState& state, MainView& view) {
    const bool loaded = whileBusy(view, [&](EventPump& pump) {
        if (!loadCache(state.document, cachePath(), &pump)) return false;
        state.documentPresent = true;
        // Each page is drawn when it is first shown.
        state.surfaces.markAllStale(guideLook(state, false), true);
        return true;
    });
    if (loaded) {
        // The remembered page is shown, so the caption names it.
        state.currentPage = qBound(1, state.rememberedPage, state.document.pageCount);
        showPageCaption(state, view);
        view.focusPage();
    }
    showView(state, view);
    return loaded;
}

} // namespace folia
