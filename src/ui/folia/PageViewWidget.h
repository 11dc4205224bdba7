#pragma once

#include "view/PageSurfaces.h"
#include "view/PageZoom.h"
#include "view/WheelNotches.h"

#include <QImage>
#include <QWidget>

namespace folia {

class PageInteraction;

// The page control of the main window: shows the view image at the placement's scale, the
// page interaction's overlays painted over it, and hands keys, wheel turns and mouse events
// to the page interaction with the pointer's position in view pixels, so that they mean
// the same at any zoom.
class PageViewWidget : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = PageSurfaces::kViewWidth;
    static constexpr int kHeight = PageSurfaces::kViewHeight;

    explicit PageViewWidget(PageInteraction& interaction, QWidget* parent = nullptr);

    void setImage(const QImage& view);
    // The overlays changed over the same view image.
    void showOverlays();
    const QImage& image() const { return m_image; }
    void setPlacement(const ViewPlacement& placement);
    const ViewPlacement& placement() const { return m_placement; }

signals:
    void zoomAsked(ZoomKey step);
    void sidewaysWheelTurned(int angleDelta); // positive = to the left
    void pixelRatioChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPoint viewPoint(const QMouseEvent* event) const;

    PageInteraction& m_interaction;
    QImage m_image;
    ViewPlacement m_placement;
    WheelNotches m_zoomWheel;
    double m_paintedRatio = 0;
};

} // namespace folia
