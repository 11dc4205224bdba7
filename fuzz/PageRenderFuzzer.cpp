// Any records on a page, any settings: drawing the page, its furniture and the view must
// neither crash nor leave the page's size. The input is read twice: as page lines (see
// FuzzedPage.h) and as the settings file, whose reader skips those lines.

#include "FuzzSupport.h"
#include "FuzzedPage.h"
#include "output/PageFurniture.h"
#include "settings/SettingsFile.h"
#include "shell/AppState.h"
#include "shell/PageRenderer.h"
#include "support/FakePorts.h"
#include "text/TextSet.h"

#include <QImage>

using namespace folia;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::ensureGuiApplication();
    fuzz::writeSamplePicture();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = fuzz::bytesOf(data, size);

    // One state for every run, its surfaces' memory reused as the program reuses it
    // between documents; every page is drawn afresh.
    static AppState state(englishTexts());
    state.surfaces.markAllStale(PageLook{}, false);
    state.settings = readSettings(IniFile::fromBytes(input));
    const int guideRow = fuzz::readPageInto(state.document, input);
    state.settings.position.guideRow = static_cast<int16_t>(guideRow);
    test::RecordingView view;
    test::ScriptedPrompts prompts;

    const bool guideOn = guideRow != 0;
    renderPage(state, 1, guideOn, prompts);
    QImage& surface = state.surfaces.page(1);
    fuzz::check(surface.width() == PageSurfaces::kPageWidth &&
                    surface.height() == PageSurfaces::kPageHeight,
                "a page keeps its size");
    drawPageFurniture(surface, 1, state.settings, state.texts, false);
    state.viewOffset = state.settings.position.offsetY;
    refreshView(state, view);
    fuzz::check(view.lastView.size() == QSize(PageSurfaces::kViewWidth, PageSurfaces::kViewHeight),
                "the view keeps its size");
    // What a run gives memory to it frees: a run that did not would be checked for leaks.
    state.document.clear();
    return 0;
}
