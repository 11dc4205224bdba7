#include "PageViewArea.h"

#include "PageViewWidget.h"
#include "shell/MainWindowGeometry.h"
#include "shell/PageInteraction.h"
#include "text/TextSet.h"

#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>

namespace folia {
namespace {

constexpr int kWheelStep = 15; // as the plain wheel moves the page down

QScrollBar* makeBar(Qt::Orientation orientation, const QString& name, QWidget* parent) {
    auto* bar = new QScrollBar(orientation, parent);
    bar->setAccessibleName(name);
    bar->setFocusPolicy(Qt::NoFocus); // the page's own keys move it
    bar->setSingleStep(kWheelStep);
    bar->hide();
    return bar;
}

} // namespace

PageViewArea::PageViewArea(PageInteraction& interaction, QWidget* parent)
    : QWidget(parent), m_interaction(interaction), m_page(new PageViewWidget(interaction, this)),
      m_vertical(makeBar(Qt::Vertical, interaction.texts().pageUpDownName, this)),
      m_horizontal(makeBar(Qt::Horizontal, interaction.texts().pageLeftRightName, this)) {
    setMinimumSize(window::kSmallestClient);
    resize(window::kClientSize);
    connect(m_page, &PageViewWidget::zoomAsked, this, &PageViewArea::zoom);
    connect(m_page, &PageViewWidget::pixelRatioChanged, this, &PageViewArea::layOut);
    connect(m_page, &PageViewWidget::sidewaysWheelTurned, this, [this](int delta) {
        scrollSideways(m_horizontalOffset - delta * kWheelStep / WheelNotches::kNotch);
    });
    connect(m_vertical, &QScrollBar::valueChanged, this,
            [this](int value) { m_interaction.scrollTo(-value); });
    connect(m_horizontal, &QScrollBar::valueChanged, this, &PageViewArea::scrollSideways);
    layOut();
}

void PageViewArea::showView(const QImage& view) {
    m_page->setImage(view);
    followOffset();
}

void PageViewArea::showOverlays() {
    m_page->showOverlays();
}

void PageViewArea::showEvent(QShowEvent* event) {
    layOut();
    QWidget::showEvent(event);
}

void PageViewArea::resizeEvent(QResizeEvent* event) {
    layOut();
    QWidget::resizeEvent(event);
}

void PageViewArea::layOut() {
    const QRect area = window::pageControlArea(size());
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const PageViewLayout layout = layOutPageView(m_zoom, area.size(), extent);
    const QSize view = layout.view;
    m_page->setGeometry(QRect(area.topLeft(), view));
    m_vertical->setGeometry(area.left() + view.width(), area.top(), extent, view.height());
    m_horizontal->setGeometry(area.left(), area.top() + view.height(), view.width(), extent);
    m_vertical->setVisible(layout.verticalBar);
    m_horizontal->setVisible(layout.horizontalBar);

    const int limit = ViewPlacement::horizontalLimit(layout.scale, view.width());
    m_horizontalOffset = std::clamp(m_horizontalOffset, 0, limit);
    {
        const QSignalBlocker blocker(m_horizontal);
        m_horizontal->setRange(0, limit);
        m_horizontal->setPageStep(int(view.width() / layout.scale));
        m_horizontal->setValue(m_horizontalOffset);
    }
    const ViewPlacement placement(layout.scale, view.width(), m_horizontalOffset);
    m_page->setPlacement(placement);
    // Hidden, nothing is shown; showing lays the area out again.
    if (isVisible())
        m_interaction.showViewPart(placement.viewHeightShown(view.height()),
                                   drawingRatio(devicePixelRatioF(), layout.scale));
}

void PageViewArea::zoom(ZoomKey step) {
    const double shown = m_page->placement().scale();
    if (step == ZoomKey::In) m_zoom.zoomIn(shown);
    if (step == ZoomKey::Out) m_zoom.zoomOut(shown);
    if (step == ZoomKey::ActualSize) m_zoom.actualSize();
    layOut();
}

void PageViewArea::scrollSideways(int offset) {
    const ViewPlacement& shown = m_page->placement();
    m_horizontalOffset =
        std::clamp(offset, 0, ViewPlacement::horizontalLimit(shown.scale(), m_page->width()));
    const QSignalBlocker blocker(m_horizontal);
    m_horizontal->setValue(m_horizontalOffset);
    m_page->setPlacement(ViewPlacement(shown.scale(), m_page->width(), m_horizontalOffset));
}

void PageViewArea::followOffset() {
    const ScrollRange range = verticalScrollRange(
        m_interaction.viewOffset(), m_page->placement().viewHeightShown(m_page->height()));
    const QSignalBlocker blocker(m_vertical);
    m_vertical->setRange(range.minimum, range.maximum);
    m_vertical->setPageStep(range.page);
    m_vertical->setValue(-m_interaction.viewOffset());
}

} // namespace folia
