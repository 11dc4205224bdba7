#include "DocumentActions.h"

#include "AppState.h"
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

// Takes the result of the write that has ended, if any, waiting for it first when asked:
// "Undo" is offered again once the file holds the state before the last change. After a
// failed write the file holds an older state, so "Undo" stays greyed until a snapshot is
// written; the document in memory is untouched.
std::optional<WriteResult> endOfWrite(AppState& state, MainView& view, bool waitForIt) {
    if (waitForIt && state.snapshots.writing()) {
        const SnapshotWriter::ResultClaim claim(state.snapshots);
        whileBusy(view, [&](EventPump& pump) {
            state.snapshots.wait(&pump);
            return true;
        });
    }
    const std::optional<WriteResult> result = state.snapshots.takeResult();
    if (!result) return result;
    state.snapshotFailed = !result->ok();
    if (result->ok()) state.undoUsed = false;
    return result;
}

void reportEndOfWrite(AppState& state, MainView& view, Prompts& prompts, bool waitForIt) {
    if (const std::optional<WriteResult> result = endOfWrite(state, view, waitForIt))
        reportWriteFailure(prompts, state.texts, cachePath(), *result);
}

} // namespace

void takeSnapshot(AppState& state, MainView& view, Prompts& prompts) {
    waitForSnapshot(state, view, prompts);
    state.snapshots.start(snapshotOf(state.document), cachePath());
}

void waitForSnapshot(AppState& state, MainView& view, Prompts& prompts) {
    reportEndOfWrite(state, view, prompts, true);
}

void finishEndedSnapshot(AppState& state, MainView& view, Prompts& prompts) {
    reportEndOfWrite(state, view, prompts, false);
}

WriteResult saveSnapshot(AppState& state, MainView& view, Prompts& prompts) {
    takeSnapshot(state, view, prompts);
    return endOfWrite(state, view, true).value_or(WriteResult{});
}

void rememberPage(AppState& state) {
    state.rememberedPage = state.currentPage;
    state.undoUsed = true;
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
    const auto imported = importText(state.document, state.surfaces, pictures, path, [&](int page) {
        state.currentPage = page;
        view.setCaption(texts.pageWord + QString::number(page) + texts.importingSuffix);
    });
    view.stopBusyAnimation();
    if (!imported) return false;
    state.documentPresent = true;
    state.currentPage = 1;
    showPageCaption(state, view);
    if (imported->replacedCharacters > 0)
        prompts.tell(texts.charactersReplaced + QString::number(imported->replacedCharacters),
                     texts.programmerTitle, MessageIcon::Warning);
    view.focusPage();
    return true;
}

} // namespace folia
