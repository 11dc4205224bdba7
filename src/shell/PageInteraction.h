#pragma once

#include "KeyboardCaret.h"
#include "PageViewMode.h"
#include "ReadingGuide.h"
#include "WorkOverlays.h"
#include "view/PageOverlay.h"
#include "view/WheelNotches.h"

#include <QString>

namespace folia {

struct AppState;
struct TextSet;
class MainView;
class Prompts;

// What the page view does with keys, the wheel and the mouse: page turning, scrolling,
// the reading guide, row ticks in tick mode, selecting a character range, following
// page links and showing definitions. The widget passes the pointer's position on the
// page control (794 x 955); the page lies at the view offset within it. What the reader
// is doing is the page view's mode; the view paints it over the page, from the overlays.
class PageInteraction {
public:
    // Pages that are not held are drawn on demand from then on, their problems told
    // through `prompts`.
    PageInteraction(AppState& state, MainView& view, Prompts& prompts);
    ~PageInteraction();
    PageInteraction(const PageInteraction&) = delete;
    PageInteraction& operator=(const PageInteraction&) = delete;

    // Qt::Key values; false for a key the page view has no use for.
    bool keyPressed(int qtKey);
    // Marking from the keyboard: Ctrl+arrows move the caret over the rows with text,
    // Shift+Ctrl+Left/Right select on its row as a drag would, Space ticks its row in
    // tick mode, Escape cancels a selection as the next left press would. False for any
    // other key.
    bool markingKeyPressed(int qtKey, bool control, bool shift);
    // Where the page view draws the keyboard's caret, if anywhere.
    std::optional<GridCell> caret() const { return m_caret.cell(); }
    const PageViewMode& mode() const { return m_mode; }
    // For the commands' moves: tick mode, the end of a selection.
    PageViewMode& mode() { return m_mode; }
    // What is painted over the current page: the tick boxes, the selection and the caret
    // (in that order), then whatever was added. Painted in page pixels.
    PageOverlays& overlays() { return m_overlays; }
    void paintOverlays(QPainter& painter, bool viewFocused) const;
    // The range, tick mode or caret row, in words for a screen reader.
    QString description() const;
    void wheelTurned(int angleDeltaY); // positive = away from the user
    void pointerMoved(int x, int y);
    void leftPressed(int x, int y);
    void leftReleased(int x, int y);
    void rightPressed(int x, int y);
    // The scroll bar's move: the page at that offset.
    void scrollTo(int offset);
    // Turns to `page`, if it is not the current one, and scrolls as little as shows `row`.
    void showPlace(int page, int row);
    // The page view shows that much of the view's height, `pixelRatio` device pixels to a
    // page pixel; a new ratio draws the current page again with what is under way on it.
    void showViewPart(int shownHeight, double pixelRatio);

    // For the "Guide Reader" command: puts the guide on the first row with text from the
    // current page on (the page may change). False, with nothing changed, when no row
    // qualifies. Redrawing and the caption are the command's.
    bool switchGuideOn();
    // At rest, nothing ticked, the wheel's part notch forgotten (a new document).
    void resetState();

    const TextSet& texts() const;
    int viewOffset() const; // where the page lies in the view

private:
    struct PagePoint {
        int row = 0;
        int column = 0;
        bool onText() const; // rows 1..65, columns 1..93: where presses count
    };
    PagePoint pagePoint(int x, int y) const;

    void turnPage(int step);
    void moveGuide(bool down);
    void scrollBy(int pixels);
    void toggleTick(const PagePoint& point);
    void followLinks(const PagePoint& point);
    void startSelection(const PagePoint& point);
    void cancelSelection();
    void extendSelectionByKey(int step);
    void showCurrentPage(bool unaccentedCaption);
    void showMenus();

    AppState& m_state;
    MainView& m_view;
    Prompts& m_prompts;
    ReadingGuide m_guide;
    KeyboardCaret m_caret;
    WheelNotches m_wheel;
    PageViewMode m_mode;
    TickBoxOverlay m_tickBoxes{m_mode};
    SelectionOverlay m_selection;
    PageOverlays m_overlays;
};

} // namespace folia
