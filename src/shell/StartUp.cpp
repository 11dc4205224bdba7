#include "StartUp.h"

#include "AppState.h"
#include "DocumentActions.h"
#include "MainView.h"
#include "MenuStates.h"
#include "PageActions.h"
#include "PageRenderer.h"
#include "document/CacheFile.h"
#include "document/CacheJournal.h"
#include "prompts/Prompts.h"
#include "text/TextSet.h"

#include <QFileInfo>
#include <QImageWriter>

namespace folia {
namespace {

// Stored offsets outside this range cannot come from scrolling (which stops a step past
// PageSurfaces::kLowestKeyOffset) and would show no page.
constexpr int kLowestOffset = -PageSurfaces::kPageHeight;
constexpr int kHighestOffset = PageSurfaces::kViewHeight;

void showStoredPosition(AppState& state, MainView& view, Prompts& prompts) {
    const PositionSettings& position = state.settings.position;
    state.viewOffset = qBound(kLowestOffset, int(position.offsetY), kHighestOffset);
    state.currentPage = qBound(1, int(position.page), state.document.pageCount);
    redrawPage(state, prompts);
    refreshView(state, view);
    showPageCaption(state, view);
}

} // namespace

bool imageCodecsAvailable() {
    return QImageWriter::supportedImageFormats().contains("png");
}

void initialiseMainWindow(AppState& state, const PageViewMode& mode, MainView& view,
                          Prompts& prompts) {
    state.settings.colours.link = 255;
    showMenuStates(state, mode, view);
    refreshView(state, view);

    // A change of the file that stopped half way is completed (or, when its journal is
    // not whole, forgotten) before the file is read.
    recoverJournal(cachePath());
    if (!QFileInfo::exists(cachePath())) return;
    // "Exit" may be chosen while a message of the start-up is on screen; the rest of the
    // start-up then does nothing.
    state.startingUp = true;
    prompts.tell(state.texts.readingCache, state.texts.programmerTitle, MessageIcon::None, true);
    state.currentPage = 1;
    state.rememberedPage = 1;
    // A file that cannot be loaded leaves the window in its empty state.
    if (!state.exited && loadAndRerender(state, view) && !state.exited) {
        showStoredPosition(state, view, prompts);
        showMenuStates(state, mode, view);
    }
    state.startingUp = false;
}

} // namespace folia
