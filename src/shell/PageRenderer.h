#pragma once

class QImage;

namespace folia {

struct AppState;
struct PageLook;
struct PageStyle;
class MainView;
class Prompts;

// The settings and colours in force, as pages are drawn with them.
PageStyle pageStyle(const AppState& state);

// Draws page `page` from its records onto its surface: pictures, marks, the row texts
// with their inline symbols and, when `guideOn`, the reading-guide bar on the guide row,
// then the marks again on top; with the guide on also the page furniture (screen mode).
// Clears nothing: callers clear the page surface first (PageSurfaces::renew), and show
// the result with refreshView. Missing or unreadable picture files are reported through
// `prompts`. The current page is left as it is.
void renderPage(AppState& state, int page, bool guideOn, Prompts& prompts);

// The same without the guide onto any 794 x 1122 surface, such as a page drawn for
// printing or export; the page's held surface is left alone.
void renderPageOnto(QImage& surface, AppState& state, int page, Prompts& prompts);

// How a page is drawn with the reading guide on (on its present row) or off.
PageLook guideLook(const AppState& state, bool guideOn);

// Pages that are not held are drawn when they are asked for as the callers of renderPage
// draw them: renderPage with their look, then the page furniture in screen mode.
// Pictures that fail are reported through `prompts` on the first drawing after the pages
// were marked stale for reporting; drawing a dropped surface again stays quiet.
void renderPagesOnDemand(AppState& state, Prompts& prompts);

// Copies the current page's surface into state.surfaces.view() at state.viewOffset and shows it.
void refreshView(AppState& state, MainView& view);

// Sets the main window's caption to "Page <current page> of <page count>".
void showPageCaption(const AppState& state, MainView& view);

} // namespace folia
