#pragma once

#include <QPoint>
#include <QRectF>
#include <QSize>
#include <optional>

namespace folia {

// The scale at which the page view shows the page. Until the reader chooses one, the page
// fits the width of a view narrower than the page and is shown at 100 % in a wider one.
class PageZoom {
public:
    static constexpr double kSmallest = 0.5;
    static constexpr double kLargest = 2.0;

    // The scale in a view that many pixels wide.
    double scaleFor(int viewWidth) const;
    bool isChosen() const { return m_chosen.has_value(); }

    // From the scale shown now to the next step up or down (kept at the ends), or 100 %.
    void zoomIn(double shown);
    void zoomOut(double shown);
    void actualSize() { m_chosen = 1.0; }

private:
    std::optional<double> m_chosen;
};

enum class ZoomKey { None, In, Out, ActualSize };
// Ctrl with plus (or the equals key that carries it), minus or 0.
ZoomKey zoomKeyOf(int qtKey, bool control);

// How the page control fills an area, with scroll bars `barExtent` thick taken off it:
// the vertical one when the view shows less of the page than the full-size view does,
// the horizontal one when the page is wider than the view.
struct PageViewLayout {
    double scale = 1;
    QSize view;
    bool verticalBar = false;
    bool horizontalBar = false;
};
PageViewLayout layOutPageView(const PageZoom& zoom, QSize area, int barExtent);

// Device pixels per page pixel at which the page is drawn for the screen: the screen's
// ratio, so that text is drawn at the size it is seen, and more when zoomed in, up to 3.
double drawingRatio(double screenRatio, double scale);

// Where the 794-pixel-wide view, with the page at its vertical offset, lies in the page
// control: scaled, centred when it is narrower than the control, otherwise moved left by
// the horizontal offset (in view pixels). The page view's logic works in view pixels;
// this turns them into the control's pixels and back.
class ViewPlacement {
public:
    ViewPlacement() = default;
    ViewPlacement(double scale, int controlWidth, int horizontalOffset);

    double scale() const { return m_scale; }
    double left() const { return m_left; }
    QPoint toView(QPointF inControl) const;
    QRectF toControl(const QRectF& inView) const;
    // How many view pixels a control of that height shows.
    int viewHeightShown(int controlHeight) const;
    // The largest horizontal offset: the page's right edge at the control's.
    static int horizontalLimit(double scale, int controlWidth);

private:
    double m_scale = 1;
    double m_left = 0;
};

// The vertical scroll bar's range, in pixels the page is moved up (minus the offset):
// from the top of the page to the lowest offset of the keys, or on to the page's bottom
// edge when the view shows less; an offset the keys left outside the range widens it.
struct ScrollRange {
    int minimum = 0;
    int maximum = 0;
    int page = 0;
};
ScrollRange verticalScrollRange(int offset, int viewHeightShown);

// The view offset nearest to `offset` at which the whole of grid row `row` is within the
// top `viewHeightShown` pixels of the view.
int offsetShowingRow(int offset, int row, int viewHeightShown);

} // namespace folia
