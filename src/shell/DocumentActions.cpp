#include "DocumentActions.h"

#include "AppState.h"
#include "MainView.h"
#include "PageActions.h"
#include "PageRenderer.h"
#include "PictureProblemReport.h"
#include "common/EventPump.h"
#include "document/CacheFile.h"
#include "document/TextImport.h"
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

// Takes the result of the write that has ended, if any, waiting for it first when asked.
// After a failed write the file's state is not known: the next Undo or Redo writes the
// document again; the document in memory is untouched.
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
    state.fileState = result->ok() ? state.stateBeingWritten : 0;
    return result;
}

void reportEndOfWrite(AppState& state, MainView& view, Prompts& prompts, bool waitForIt) {
    if (const std::optional<WriteResult> result = endOfWrite(state, view, waitForIt))
        reportWriteFailure(prompts, state.texts, cachePath(), *result);
}

} // namespace

void takeSnapshot(AppState& state, MainView& view, Prompts& prompts, CacheWriteScope scope) {
    waitForSnapshot(state, view, prompts);
    state.stateBeingWritten = state.history.stateId();
    state.snapshots.start(snapshotOf(state.document), cachePath(), scope);
}

void beginChange(AppState& state, MainView& view, Prompts& prompts, int page) {
    takeSnapshot(state, view, prompts);
    state.history.beginChange(state.document, page);
}

void endChange(AppState& state) {
    state.history.endChange(state.document);
}

void keepFileAsShown(AppState& state, MainView& view, Prompts& prompts) {
    waitForSnapshot(state, view, prompts);
    if (state.fileState != state.history.stateId()) takeSnapshot(state, view, prompts);
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

bool loadAndRerender(AppState& state, MainView& view) {
    const bool loaded = whileBusy(view, [&](EventPump& pump) {
        CacheSnapshot asRead;
        if (!loadCache(state.document, cachePath(), &pump, &asRead)) return false;
        state.snapshots.fileWasRead(std::move(asRead), cachePath());
        state.documentPresent = true;
        state.history.clear();
        state.fileState = state.history.stateId();
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
    refreshView(state, view);
    return loaded;
}

bool importTextFile(AppState& state, MainView& view, Prompts& prompts, const QString& path) {
    const TextSet& texts = state.texts;
    PictureLoader pictures(tellPictureProblems(prompts), &state.pictures);
    const auto pictureHeight = [&pictures](const QByteArray& name) {
        const std::optional<QImage> picture = pictures.load(name, 0, 0, false);
        return picture ? picture->height() : 0;
    };
    view.startBusyAnimation();
    const auto imported = importText(state.document, pictureHeight, path, [&](int page) {
        state.currentPage = page;
        view.setCaption(texts.pageWord + QString::number(page) + texts.importingSuffix);
    });
    view.stopBusyAnimation();
    if (!imported) return false;
    // The import has told about the pictures it could not load; drawing the pages later
    // stays quiet about them.
    state.surfaces.markAllStale(PageLook{}, false);
    state.documentPresent = true;
    state.history.clear();
    state.currentPage = 1;
    showPageCaption(state, view);
    if (imported->replacedCharacters > 0)
        prompts.tell(texts.charactersReplaced + QString::number(imported->replacedCharacters),
                     texts.programmerTitle, MessageIcon::Warning);
    view.focusPage();
    return true;
}

} // namespace folia
