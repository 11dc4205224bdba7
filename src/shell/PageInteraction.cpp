#include "PageInteraction.h"

#include "AppState.h"
#include "MainView.h"
#include "MenuStates.h"
#include "PageActions.h"
#include "PageRenderer.h"
#include "PageViewDescription.h"
#include "common/Cp1252.h"
#include "marks/CharacterGrid.h"
#include "prompts/Prompts.h"
#include "text/TextSet.h"
#include "view/LinkFollowing.h"
#include "view/PageZoom.h"
#include "view/RowLayout.h"
#include "view/TickBoxes.h"

#include <Qt>
#include <algorithm>

namespace folia {
namespace {

constexpr int kPageStep = 100;
constexpr int kWheelStep = 15;
constexpr int kLastPressColumn = 93; // presses further right are ignored

// Division that rounds towards minus infinity, so that a point above the page's top
// edge falls in row 0, not row 1.
int floorDiv(int value, int divisor) {
    return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

// The grid column under x, with x held on the control: a drag that leaves the control
// ends at its edge.
int columnUnder(int x) {
    return std::clamp(x, 0, PageSurfaces::kViewWidth - 1) / grid::kCellWidth + 1;
}

} // namespace

PageInteraction::PageInteraction(AppState& state, MainView& view, Prompts& prompts)
    : m_state(state), m_view(view), m_prompts(prompts), m_guide(state), m_caret(state),
      m_selection(state, m_mode) {
    // The page view draws each page when it comes to be shown.
    renderPagesOnDemand(m_state, m_prompts);
    m_overlays.add(m_tickBoxes);
    m_overlays.add(m_selection);
    m_overlays.add(m_caret);
}

PageInteraction::~PageInteraction() {
    m_state.surfaces.setRenderer({});
}

const TextSet& PageInteraction::texts() const {
    return m_state.texts;
}

QString PageInteraction::description() const {
    return describePageView(m_state, m_mode, caret());
}

void PageInteraction::paintOverlays(QPainter& painter, bool viewFocused) const {
    if (m_state.documentPresent) m_overlays.paint(painter, viewFocused);
}

void PageInteraction::showMenus() {
    showMenuStates(m_state, m_mode, m_view);
}

int PageInteraction::viewOffset() const {
    return m_state.viewOffset;
}

bool PageInteraction::PagePoint::onText() const {
    return grid::isRow(row) && column >= 1 && column <= kLastPressColumn;
}

PageInteraction::PagePoint PageInteraction::pagePoint(int x, int y) const {
    return {floorDiv(y - m_state.viewOffset, grid::kCellHeight) + 1, columnUnder(x)};
}

bool PageInteraction::keyPressed(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (!m_guide.isOn() && m_state.documentPresent) turnPage(qtKey == Qt::Key_Left ? -1 : 1);
        break;
    case Qt::Key_Down:
    case Qt::Key_Up:
        if (m_guide.isOn()) moveGuide(qtKey == Qt::Key_Down);
        break;
    case Qt::Key_PageDown:
        if (m_state.viewOffset > PageSurfaces::kLowestKeyOffset) m_state.viewOffset -= kPageStep;
        refreshView(m_state, m_view);
        break;
    case Qt::Key_PageUp:
        if (m_state.viewOffset < 0) m_state.viewOffset += kPageStep;
        refreshView(m_state, m_view);
        break;
    case Qt::Key_End:
        m_state.viewOffset = PageSurfaces::kLowestKeyOffset;
        refreshView(m_state, m_view);
        break;
    case Qt::Key_Home:
        m_state.viewOffset = 0;
        refreshView(m_state, m_view);
        break;
    default:
        return false;
    }
    return true;
}

bool PageInteraction::markingKeyPressed(int qtKey, bool control, bool shift) {
    if (!m_state.documentPresent) return false;
    const InteractionState mode = m_mode.state();
    if (qtKey == Qt::Key_Escape) {
        if (mode != InteractionState::RangeSelected) return false;
        cancelSelection();
    } else if (qtKey == Qt::Key_Space && !control && !shift) {
        if (mode != InteractionState::Ticking) return false;
        if (const std::optional<GridCell> cell = m_caret.place()) m_mode.toggleTick(cell->row);
    } else if (!control) {
        return false;
    } else if (qtKey == Qt::Key_Left || qtKey == Qt::Key_Right) {
        const int step = qtKey == Qt::Key_Left ? -1 : 1;
        if (shift) {
            extendSelectionByKey(step);
        } else if (mode != InteractionState::Selecting) {
            if (mode == InteractionState::RangeSelected) cancelSelection();
            m_caret.moveColumn(step);
        }
    } else if (qtKey == Qt::Key_Up || qtKey == Qt::Key_Down) {
        // A selection keeps to its row, as a drag does.
        if (shift || mode == InteractionState::Selecting) return true;
        if (mode == InteractionState::RangeSelected) cancelSelection();
        m_caret.moveRow(qtKey == Qt::Key_Up ? -1 : 1);
    } else {
        return false;
    }
    m_state.viewOffset = m_caret.offsetShowingCaret(m_state.viewOffset);
    refreshView(m_state, m_view);
    showMenus();
    return true;
}

void PageInteraction::wheelTurned(int angleDeltaY) {
    const int notches = m_wheel.add(angleDeltaY);
    for (int i = 0; i < std::abs(notches); ++i)
        scrollBy(notches > 0 ? kWheelStep : -kWheelStep);
    if (notches != 0) refreshView(m_state, m_view);
}

void PageInteraction::scrollTo(int offset) {
    if (offset == m_state.viewOffset) return;
    m_state.viewOffset = offset;
    refreshView(m_state, m_view);
}

void PageInteraction::showPlace(int page, int row) {
    const bool turning = page != m_state.currentPage;
    m_state.currentPage = page;
    m_state.viewOffset = offsetShowingRow(m_state.viewOffset, row, m_state.surfaces.shownHeight());
    if (turning)
        showCurrentPage(false);
    else
        refreshView(m_state, m_view);
}

void PageInteraction::showViewPart(int shownHeight, double pixelRatio) {
    m_state.surfaces.setShownHeight(shownHeight);
    m_state.surfaces.setPixelRatio(pixelRatio);
    refreshView(m_state, m_view);
}

void PageInteraction::scrollBy(int pixels) {
    if (pixels < 0 ? m_state.viewOffset > PageSurfaces::kLowestKeyOffset : m_state.viewOffset < 0)
        m_state.viewOffset += pixels;
}

// Only what passes over the page changes: the page itself is not copied again.
void PageInteraction::pointerMoved(int x, int /*y*/) {
    // The selection keeps to the row it started on, wherever the pointer goes.
    if (!m_state.documentPresent || !m_mode.is(InteractionState::Selecting)) return;
    m_mode.dragOver(columnUnder(x));
    m_view.showOverlays();
}

void PageInteraction::leftPressed(int x, int y) {
    const PagePoint point = pagePoint(x, y);
    if (!m_state.documentPresent || !point.onText()) return;
    switch (m_mode.state()) {
    case InteractionState::Ticking:
        if (tickbox::contains(point.row, x, y - m_state.viewOffset)) m_mode.toggleTick(point.row);
        break;
    case InteractionState::Idle:
        followLinks(point);
        if (point.column >= grid::kFirstTextColumn &&
            !isCentredOrRight(alignmentOf(m_state.document.row(m_state.currentPage, point.row))))
            startSelection(point);
        break;
    case InteractionState::RangeSelected:
        cancelSelection();
        break;
    case InteractionState::Selecting:
        break;
    }
    m_view.showOverlays();
    showMenus();
}

void PageInteraction::leftReleased(int x, int y) {
    const PagePoint point = pagePoint(x, y);
    if (m_mode.is(InteractionState::Idle) && !m_mode.pressUsed()) followLinks(point);
    if (m_state.documentPresent && m_mode.is(InteractionState::Selecting)) {
        m_mode.commitDrag(point.column);
        m_view.showOverlays();
    }
    showMenus();
}

void PageInteraction::rightPressed(int x, int y) {
    const PagePoint point = pagePoint(x, y);
    if (!m_state.documentPresent || !point.onText()) return;
    for (const DefinitionHit& hit :
         definitionsAt(m_state.document, m_state.currentPage, point.row, point.column)) {
        m_prompts.message({fromCp1252(hit.text), fromCp1252(hit.marked), MessageButtons::Ok,
                           MessageIcon::Question, true});
        m_mode.usePress();
    }
    m_view.showOverlays();
    showMenus();
}

bool PageInteraction::switchGuideOn() {
    return m_guide.switchOn();
}

void PageInteraction::resetState() {
    m_mode.reset();
    m_wheel.reset();
}

void PageInteraction::turnPage(int step) {
    const int page = m_state.currentPage + step;
    if (page >= 1 && page <= m_state.document.pageCount) m_state.currentPage = page;
    showCurrentPage(true);
}

void PageInteraction::moveGuide(bool down) {
    if (down)
        m_guide.moveDown();
    else
        m_guide.moveUp();
    redrawPage(m_state, m_prompts);
    showCurrentPage(true);
}

void PageInteraction::showCurrentPage(bool unaccentedCaption) {
    refreshView(m_state, m_view);
    const int page = m_state.currentPage;
    const int count = m_state.document.pageCount;
    m_view.setCaption(unaccentedCaption ? pageCaptionUnaccented(m_state.texts, page, count)
                                        : pageCaption(m_state.texts, page, count));
}

// The target page is shown as last drawn, at the offset the reader had.
void PageInteraction::followLinks(const PagePoint& point) {
    const std::vector<int> targets =
        linkTargetsAt(m_state.document, m_state.currentPage, point.row, point.column);
    for (int target : targets) {
        m_state.currentPage = target;
        showCurrentPage(false);
        m_mode.usePress();
    }
}

void PageInteraction::startSelection(const PagePoint& point) {
    m_mode.beginDrag(point.row, point.column);
}

void PageInteraction::cancelSelection() {
    m_mode.endSelection();
}

// Starts a selection at the caret or goes on with the one there is, from its end cell,
// as a drag over the same cells would.
void PageInteraction::extendSelectionByKey(int step) {
    const bool starting = m_mode.is(InteractionState::Idle);
    if (starting) {
        const std::optional<GridCell> cell = m_caret.place();
        if (!cell ||
            isCentredOrRight(alignmentOf(m_state.document.row(m_state.currentPage, cell->row))))
            return;
        m_mode.selectByKeys(cell->row, cell->column);
    } else if (!m_mode.is(InteractionState::RangeSelected) ||
               !m_caret.moveTo({m_mode.selection().row, m_mode.selection().end})) {
        return; // tick mode, a drag under way, or a mouse selection on a row without text
    }
    if (!m_caret.moveColumn(step) && !starting) return;
    m_mode.moveRangeEnd(m_caret.cell()->column);
}

} // namespace folia
