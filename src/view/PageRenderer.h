#pragma once

class QImage;

namespace folia {

struct AppState;
class MainView;
class Prompts;

// Draws page `page` from its records onto its surface: pictures, marks, the row texts
// with their inline symbols and, when `guideOn`, the reading-guide bar on the guide row,
// then the marks again on top; with the guide on also the page furniture (screen mode).
// Clears nothing: callers clear the page surface first (PageSurfaces::renew or fill
// white), and show the result with refreshView. Missing or unreadable picture files are
// reported through `prompts`. The current page is left as it is.
void renderPage(AppState& state, int page, bool guideOn, Prompts& prompts);
// The same onto any 794 x 1122 surface, such as a scratch page for printing or export.
void renderPageOnto(QImage& surface, const AppState& state, int page, bool guideOn,
                    Prompts& prompts);

// Copies the current page's surface into state.surfaces.view() at state.viewOffset and shows it.
void refreshView(AppState& state, MainView& view);

// Sets the main window's caption to "Page <current page> of <page count>".
void showPageCaption(const AppState& state, MainView& view);

} // namespace folia
