#include "ImageSurface.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace folia {

ImageSurface::ImageSurface(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
}

void ImageSurface::setImage(const QImage& image) {
    m_image = image;
    update();
}

void ImageSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect inside = rect().adjusted(1, 1, -1, -1);
    painter.setClipRect(inside);
    painter.drawImage(contentOrigin(), m_image);
    painter.setClipping(false);
    painter.setPen(hasFocus() ? palette().color(QPalette::Highlight) : QColor(Qt::darkGray));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ImageSurface::mouseMoveEvent(QMouseEvent* event) {
    if (onMove) onMove(event->position().toPoint() - contentOrigin());
    QWidget::mouseMoveEvent(event);
}

void ImageSurface::mousePressEvent(QMouseEvent* event) {
    if (onPress) onPress(event->button(), event->position().toPoint() - contentOrigin());
    QWidget::mousePressEvent(event);
}

void ImageSurface::keyPressEvent(QKeyEvent* event) {
    if (onKey && onKey(event->key())) return;
    QWidget::keyPressEvent(event);
}

} // namespace folia
