#include "DocumentActions.h"

#include "AppState.h"
#include "CommandIds.h"
#include "MainView.h"
#include "PageActions.h"
#include "PageRenderer.h"
#include "common/EventPump.h"
#include "document/CacheFile.h"
#include "document/TextImport.h"
#include "output/PictureLoader.h"
#include "prompts/Prompts.h"
#include "prompts/WriteFailureReport.h"
#include "text/TextSet.h"

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

bool importTextFile(AppState& state, MainView& view, Prompts& prompts, const QString& path) {
    const TextSet& texts = state.texts;
    PictureLoader pictures(prompts, &state.pictures);
    view.startBusyAnimation();
    const bool imported = importText(state.document, state.surfaces, pictures, path, [&](int page) {
        state.currentPage = page;
        view.setCaption(texts.pageWord + QString::number(page) + texts.importingSuffix);
    });
    view.stopBusyAnimation();
    if (!imported) return false;
    state.documentPresent = true;
    state.currentPage = 1;
    showPageCaption(state, view);
    view.focusPage();
    return true;
}

} // namespace folia
