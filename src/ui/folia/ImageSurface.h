#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

namespace folia {

// A drawing surface with a one-pixel border that shows a picture drawn elsewhere and
// reports the pointer and the keys in the coordinates inside its border.
class ImageSurface : public QWidget {
    Q_OBJECT
public:
    explicit ImageSurface(QWidget* parent);

    void setImage(const QImage& image);
    // Where the content starts inside the widget.
    static QPoint contentOrigin() { return {1, 1}; }

    std::function<void(QPoint)> onMove;
    std::function<void(Qt::MouseButton, QPoint)> onPress;
    // True when the key was used.
    std::function<bool(int key)> onKey;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QImage m_image;
};

} // namespace folia
