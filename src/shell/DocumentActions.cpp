#include "DocumentActions.h"

#include "AppState.h"
#include "CommandIds.h"
#include "PageActions.h"
#include "Ports.h"
#include "WriteFailureReport.h"
#include "common/EventPump.h"
#include "document/CacheFile.h"
#include "view/PageRenderer.h"

#include <optional>

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

namespace {

// Waits for the write in flight, if any, and takes its result: "Undo" back once the file
// holds the state before the last change. After a failed write the file holds an older
// state, so "Undo" stays greyed; the document in memory is untouched.
WriteResult endOfWrite(AppState& state, MainView& view) {
    if (state.snapshots.inFlight())
        whileBusy(view, [&](EventPump& pump) {
            state.snapshots.wait(&pump);
            return true;
        });
    const std::optional<WriteResult> result = state.snapshots.takeResult();
    if (!result) return {};
    if (result->ok()) view.setCommandEnabled(command::Undo, true);
    return *result;
}

} // namespace

void takeSnapshot(AppState& state, MainView& view, Prompts& prompts) {
    waitForSnapshot(state, view, prompts);
    view.setCommandEnabled(command::Undo, false);
    state.snapshots.start(snapshotOf(state.document), cachePath());
}

void waitForSnapshot(AppState& state, MainView& view, Prompts& prompts) {
    reportWriteFailure(prompts, state.texts, cachePath(), endOfWrite(state, view));
}

WriteResult saveSnapshot(AppState& state, MainView& view, Prompts& prompts) {
    takeSnapshot(state, view, prompts);
    return endOfWrite(state, view);
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
