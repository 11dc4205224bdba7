#include "PageViewWidget.h"

#include "shell/PageInteraction.h"
#include "text/TextSet.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace folia {

PageViewWidget::PageViewWidget(PageInteraction& interaction, QWidget* parent)
    : QWidget(parent), m_interaction(interaction) {
    resize(kWidth, kHeight);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(interaction.texts().pageViewName);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_image = QImage(kWidth, kHeight, QImage::Format_RGB32);
    m_image.fill(Qt::white);
}

void PageViewWidget::setImage(const QImage& view) {
    m_image = view;
    showOverlays();
}

void PageViewWidget::showOverlays() {
    // Every change of the page view passes here, so its description stays current.
    const QString description = m_interaction.description();
    if (description != accessibleDescription()) setAccessibleDescription(description);
    update();
}

void PageViewWidget::setPlacement(const ViewPlacement& placement) {
    m_placement = placement;
    update();
}

QPoint PageViewWidget::viewPoint(const QMouseEvent* event) const {
    return m_placement.toView(event->position());
}

void PageViewWidget::paintEvent(QPaintEvent*) {
    // A window moved to a screen of another pixel ratio gets its page drawn for that one.
    if (m_paintedRatio != 0 && devicePixelRatioF() != m_paintedRatio)
        QMetaObject::invokeMethod(this, &PageViewWidget::pixelRatioChanged, Qt::QueuedConnection);
    m_paintedRatio = devicePixelRatioF();

    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.translate(m_placement.left(), 0);
    painter.scale(m_placement.scale(), m_placement.scale());
    // Drawn one to one when the view was drawn for this scale, smoothed otherwise.
    painter.setRenderHint(QPainter::SmoothPixmapTransform,
                          m_image.devicePixelRatio() != m_placement.scale() * m_paintedRatio);
    painter.drawImage(0, 0, m_image);
    painter.translate(0, m_interaction.viewOffset());
    m_interaction.paintOverlays(painter, hasFocus());
}

void PageViewWidget::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void PageViewWidget::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

void PageViewWidget::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool control = modifiers & Qt::ControlModifier;
    if (const ZoomKey zoom = zoomKeyOf(event->key(), control); zoom != ZoomKey::None) {
        emit zoomAsked(zoom);
        return;
    }
    if (m_interaction.markingKeyPressed(event->key(), control, modifiers & Qt::ShiftModifier))
        return;
    // The page's keys stop here, so that the window never uses them to move the focus.
    if (!m_interaction.keyPressed(event->key())) QWidget::keyPressEvent(event);
}

void PageViewWidget::wheelEvent(QWheelEvent* event) {
    const QPoint delta = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        const int notches = m_zoomWheel.add(delta.y());
        for (int i = 0; i < std::abs(notches); ++i)
            emit zoomAsked(notches > 0 ? ZoomKey::In : ZoomKey::Out);
    } else if (delta.x() != 0 && delta.y() == 0) {
        emit sidewaysWheelTurned(delta.x());
    } else {
        m_interaction.wheelTurned(delta.y());
    }
    event->accept();
}

void PageViewWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint at = viewPoint(event);
    if (event->button() == Qt::LeftButton)
        m_interaction.leftPressed(at.x(), at.y());
    else if (event->button() == Qt::RightButton)
        m_interaction.rightPressed(at.x(), at.y());
}

void PageViewWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = viewPoint(event);
    m_interaction.leftReleased(at.x(), at.y());
    setCursor(Qt::ArrowCursor);
}

void PageViewWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = viewPoint(event);
    m_interaction.pointerMoved(at.x(), at.y());
}

} // namespace folia
