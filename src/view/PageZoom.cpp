#include "PageZoom.h"

#include "marks/CharacterGrid.h"
#include "view/PageSurfaces.h"

#include <Qt>
#include <algorithm>
#include <array>
#include <cmath>

namespace folia {
namespace {

constexpr std::array<double, 10> kSteps{0.5, 0.67, 0.75, 0.9, 1.0, 1.1, 1.25, 1.5, 1.75, 2.0};
// Fit width gives any scale; one that close to a step counts as that step.
constexpr double kSameScale = 0.005;
constexpr int kPageWidth = PageSurfaces::kPageWidth;
constexpr double kFinestRatio = 3; // a page then takes 32 MB

} // namespace

double PageZoom::scaleFor(int viewWidth) const {
    if (m_chosen) return *m_chosen;
    return viewWidth < kPageWidth ? std::max(1, viewWidth) / double(kPageWidth) : 1.0;
}

void PageZoom::zoomIn(double shown) {
    const auto next = std::find_if(kSteps.begin(), kSteps.end(),
                                   [shown](double step) { return step > shown + kSameScale; });
    m_chosen = next == kSteps.end() ? kSteps.back() : *next;
}

void PageZoom::zoomOut(double shown) {
    const auto next = std::find_if(kSteps.rbegin(), kSteps.rend(),
                                   [shown](double step) { return step < shown - kSameScale; });
    m_chosen = next == kSteps.rend() ? kSteps.front() : *next;
}

ZoomKey zoomKeyOf(int qtKey, bool control) {
    if (!control) return ZoomKey::None;
    switch (qtKey) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return ZoomKey::In;
    case Qt::Key_Minus:
        return ZoomKey::Out;
    case Qt::Key_0:
        return ZoomKey::ActualSize;
    default:
        return ZoomKey::None;
    }
}

PageViewLayout layOutPageView(const PageZoom& zoom, QSize area, int barExtent) {
    PageViewLayout layout;
    QSize view = area;
    layout.scale = zoom.scaleFor(view.width());
    const auto showsLessThanFullView = [&] {
        return view.height() / layout.scale < PageSurfaces::kViewHeight;
    };
    if (showsLessThanFullView()) {
        layout.verticalBar = true;
        view.rwidth() -= barExtent;
        layout.scale = zoom.scaleFor(view.width());
    }
    // Fit width never makes the page wider than the view: only a chosen scale does.
    if (kPageWidth * layout.scale > view.width() + kSameScale) {
        layout.horizontalBar = true;
        view.rheight() -= barExtent;
        if (!layout.verticalBar && showsLessThanFullView()) {
            layout.verticalBar = true;
            view.rwidth() -= barExtent;
        }
    }
    layout.view = view.expandedTo({1, 1});
    return layout;
}

double drawingRatio(double screenRatio, double scale) {
    return std::max(screenRatio, std::min(kFinestRatio, screenRatio * std::max(1.0, scale)));
}

ViewPlacement::ViewPlacement(double scale, int controlWidth, int horizontalOffset)
    : m_scale(scale) {
    const double width = kPageWidth * scale;
    m_left = width <= controlWidth
                 ? std::floor((controlWidth - width) / 2)
                 : -std::clamp(horizontalOffset, 0, horizontalLimit(scale, controlWidth)) * scale;
}

QPoint ViewPlacement::toView(QPointF inControl) const {
    return {int(std::floor((inControl.x() - m_left) / m_scale)),
            int(std::floor(inControl.y() / m_scale))};
}

QRectF ViewPlacement::toControl(const QRectF& inView) const {
    return {inView.x() * m_scale + m_left, inView.y() * m_scale, inView.width() * m_scale,
            inView.height() * m_scale};
}

int ViewPlacement::viewHeightShown(int controlHeight) const {
    return int(std::ceil(controlHeight / m_scale));
}

int ViewPlacement::horizontalLimit(double scale, int controlWidth) {
    return std::max(0, int(std::ceil(kPageWidth - controlWidth / scale)));
}

ScrollRange verticalScrollRange(int offset, int viewHeightShown) {
    const int toBottomEdge = PageSurfaces::kPageHeight - viewHeightShown;
    return {std::min(0, -offset),
            std::max({-PageSurfaces::kLowestKeyOffset, toBottomEdge, -offset}), viewHeightShown};
}

int offsetShowingRow(int offset, int row, int viewHeightShown) {
    const int top = grid::rowTop(row), bottom = grid::rowBottom(row);
    if (top + offset < 0) return -top;
    if (bottom + offset > viewHeightShown) return viewHeightShown - bottom;
    return offset;
}

} // namespace folia
