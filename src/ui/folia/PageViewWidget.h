#pragma once

#include <QImage>
#include <QWidget>

namespace folia {

class PageInteraction;

// The page control of the main window: shows the 794 x 955 view image and hands keys,
// wheel turns and mouse events to the page interaction with the pointer's position.
class PageViewWidget : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 794;
    static constexpr int kHeight = 955;

    explicit PageViewWidget(PageInteraction& interaction, QWidget* parent = nullptr);

    void setImage(const QImage& view);
    const QImage& image() const { return m_image; }

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
    void paintCaret(QPainter& painter);

    PageInteraction& m_interaction;
    QImage m_image;
};

} // namespace folia
