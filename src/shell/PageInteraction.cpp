#include "PageInteraction.h"

#include "AppState.h"
#include "MainView.h"
#include "MenuStates.h"
#include "PageActions.h"
#include "PageRenderer.h"
#include "PageViewDescription.h"
#include "common/Cp1252.h"
#include "prompts/Prompts.h"
#include "text/TextSet.h"
#include "view/CharacterGrid.h"
#include "view/GridText.h"
#include "view/LinkFollowing.h"
#include "view/RowLayout.h"
#include "view/TickBoxes.h"

#include <QPainter>
#include <Qt>
#include <algorithm>

namespace folia {
namespace {

constexpr int kPageStep = 100;
constexpr int kWheelStep = 15;
constexpr int kLowestOffset = -561;  // half a page up
constexpr int kLastPressColumn = 93; // presses further right are ignored
constexpr int kControlWidth = 794;

// Division that rounds towards minus infinity, so that a point above the page's top
// edge falls in row 0, not row 1.
int floorDiv(int value, int divisor) {
    return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

// The grid column under x, with x held on the control: a drag that leaves the control
// ends at its edge.
int columnUnder(int x) {
    return std::clamp(x, 0, kControlWidth - 1) / grid::kCellWidth + 1;
}

} // namespace

PageInteraction::PageInteraction(AppState& state, MainView& view, Prompts& prompts)
    : m_state(state), m_view(view), m_prompts(prompts), m_guide(state), m_caret(state) {
    // The page view draws each page when it comes to be shown.
    renderPagesOnDemand(m_state, m_prompts);
}

PageInteraction::~PageInteraction() {
    m_state.surfaces.setRenderer({});
}

const TextSet& PageInteraction::texts() const {
    return m_state.texts;
}

QString PageInteraction::description() const {
    return describePageView(m_state, caret());
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
        if (m_state.viewOffset > kLowestOffset) m_state.viewOffset -= kPageStep;
        refreshView(m_state, m_view);
        break;
    case Qt::Key_PageUp:
        if (m_state.viewOffset < 0) m_state.viewOffset += kPageStep;
        refreshView(m_state, m_view);
        break;
    case Qt::Key_End:
        m_state.viewOffset = kLowestOffset;
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
    const InteractionState mode = m_state.interactionState;
    if (qtKey == Qt::Key_Escape) {
        if (mode != InteractionState::RangeSelected) return false;
        cancelSelection();
    } else if (qtKey == Qt::Key_Space && !control && !shift) {
        if (mode != InteractionState::Ticking) return false;
        if (const std::optional<GridCell> cell = m_caret.place()) toggleTick({cell->row, 0});
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

void PageInteraction::showViewPart(int shownHeight, double pixelRatio) {
    const bool sharper = pixelRatio != m_state.surfaces.pixelRatio();
    m_state.surfaces.setShownHeight(shownHeight);
    m_state.surfaces.setPixelRatio(pixelRatio);
    if (sharper) redrawWorkUnderWay();
    refreshView(m_state, m_view);
}

// A page drawn again from its records lacks what the reader is doing on it: the tick boxes
// and ticks, or the cells of a selection.
void PageInteraction::redrawWorkUnderWay() {
    if (!m_state.documentPresent) return;
    QImage& page = m_state.surfaces.page(m_state.currentPage);
    switch (m_state.interactionState) {
    case InteractionState::Ticking:
        drawEmptyTickBoxes();
        for (int row = 1; row <= grid::kRows; ++row)
            if (m_state.tickFlags[row]) tickbox::drawMark(page, row, true);
        break;
    case InteractionState::Selecting:
    case InteractionState::RangeSelected: {
        const auto [first, last] = std::minmax(m_state.selection.start, m_state.selection.end);
        for (int column = first; column <= last; ++column)
            paintSelectedCell(column);
        break;
    }
    case InteractionState::Idle:
        break;
    }
}

void PageInteraction::scrollBy(int pixels) {
    if (pixels < 0 ? m_state.viewOffset > kLowestOffset : m_state.viewOffset < 0)
        m_state.viewOffset += pixels;
}

void PageInteraction::pointerMoved(int x, int /*y*/) {
    // The selection keeps to the row it started on, wherever the pointer goes.
    if (!m_state.documentPresent || m_state.interactionState != InteractionState::Selecting ||
        !m_state.dragFlag)
        return;
    paintSelectedCell(columnUnder(x));
    refreshView(m_state, m_view);
}

void PageInteraction::leftPressed(int x, int y) {
    const PagePoint point = pagePoint(x, y);
    if (!m_state.documentPresent || !point.onText()) return;
    switch (m_state.interactionState) {
    case InteractionState::Ticking:
        if (tickbox::contains(point.row, x, y - m_state.viewOffset)) toggleTick(point);
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
    refreshView(m_state, m_view);
}

void PageInteraction::leftReleased(int x, int y) {
    const PagePoint point = pagePoint(x, y);
    if (m_state.interactionState == InteractionState::Idle && !m_state.dragFlag) followLinks(point);
    if (m_state.documentPresent && m_state.interactionState == InteractionState::Selecting &&
        m_state.dragFlag) {
        m_state.interactionState = InteractionState::RangeSelected;
        m_state.selection.end = point.column;
        applyRangeSelectedMenu(m_view);
    }
}

void PageInteraction::rightPressed(int x, int y) {
    const PagePoint point = pagePoint(x, y);
    if (!m_state.documentPresent || !point.onText()) return;
    for (const DefinitionHit& hit :
         definitionsAt(m_state.document, m_state.currentPage, point.row, point.column)) {
        m_prompts.message({fromCp1252(hit.text), fromCp1252(hit.marked), MessageButtons::Ok,
                           MessageIcon::Question, true});
        m_state.dragFlag = true;
        m_state.interactionState = InteractionState::Idle;
    }
}

bool PageInteraction::switchGuideOn() {
    return m_guide.switchOn();
}

void PageInteraction::resetState() {
    m_state.interactionState = InteractionState::Idle;
    m_state.dragFlag = false;
    m_wheel.reset();
}

void PageInteraction::drawEmptyTickBoxes() {
    tickbox::drawEmptyForAllRows(m_state.surfaces.page(m_state.currentPage),
                                 tickbox::shapeFromSetting(m_state.settings.tickShape));
}

void PageInteraction::resetTicks() {
    m_state.tickFlags.fill(false);
    drawEmptyTickBoxes();
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

void PageInteraction::toggleTick(const PagePoint& point) {
    bool& tick = m_state.tickFlags[point.row];
    tick = !tick;
    tickbox::drawMark(m_state.surfaces.page(m_state.currentPage), point.row, tick);
}

// The target page is shown as last drawn, at the offset the reader had.
void PageInteraction::followLinks(const PagePoint& point) {
    const std::vector<int> targets =
        linkTargetsAt(m_state.document, m_state.currentPage, point.row, point.column);
    for (int target : targets) {
        m_state.currentPage = target;
        showCurrentPage(false);
        m_state.dragFlag = true;
        m_state.interactionState = InteractionState::Idle;
    }
}

void PageInteraction::startSelection(const PagePoint& point) {
    m_state.interactionState = InteractionState::Selecting;
    m_state.dragFlag = true;
    m_state.selection = {point.row, point.column, point.column};
    paintSelectedCell(point.column);
}

void PageInteraction::cancelSelection() {
    redrawPage(m_state, m_prompts);
    m_state.interactionState = InteractionState::Idle;
    m_state.dragFlag = false;
    applyDocumentMenu(m_view);
}

// Starts a selection at the caret or goes on with the one there is, from its end cell,
// and paints it as a drag over the same cells would.
void PageInteraction::extendSelectionByKey(int step) {
    Selection& selection = m_state.selection;
    const bool starting = m_state.interactionState == InteractionState::Idle;
    if (starting) {
        const std::optional<GridCell> cell = m_caret.place();
        if (!cell ||
            isCentredOrRight(alignmentOf(m_state.document.row(m_state.currentPage, cell->row))))
            return;
        m_state.interactionState = InteractionState::RangeSelected;
        m_state.dragFlag = true;
        selection = {cell->row, cell->column, cell->column};
        applyRangeSelectedMenu(m_view);
    } else if (m_state.interactionState != InteractionState::RangeSelected ||
               !m_caret.moveTo({selection.row, selection.end})) {
        return; // tick mode, a drag under way, or a mouse selection on a row without text
    }
    if (!m_caret.moveColumn(step) && !starting) return;
    const int before = selection.end;
    selection.end = m_caret.cell()->column;
    // Cells left behind when the range shrinks go back to the page's own drawing.
    if (std::abs(selection.end - selection.start) < std::abs(before - selection.start))
        redrawPage(m_state, m_prompts);
    const auto [first, last] = std::minmax(selection.start, selection.end);
    for (int column = first; column <= last; ++column)
        paintSelectedCell(column);
}

void PageInteraction::paintSelectedCell(int column) {
    const int row = m_state.selection.row;
    const QByteArray shown = shownText(m_state.document.row(m_state.currentPage, row));
    const int position = column - 3;
    if (position < 1 || position > shown.size()) return;
    const ColourSettings& colours = m_state.settings.colours;
    QPainter painter(&m_state.surfaces.page(m_state.currentPage));
    drawGridText(painter, column, row, shown.mid(position - 1, 1), GridFontStyle::Normal,
                 colourOf(uint32_t(colours.selectorText)), colourOf(uint32_t(colours.selector)));
}

} // namespace folia
