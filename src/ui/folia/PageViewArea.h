#pragma once

#include "view/PageZoom.h"

#include <QWidget>

class QScrollBar;

namespace folia {

class PageInteraction;
class PageViewWidget;

// The main window's client: the page control with the margins of the full-size window and
// the scroll bars it needs at the window's size and the zoom.
class PageViewArea : public QWidget {
    Q_OBJECT
public:
    PageViewArea(PageInteraction& interaction, QWidget* parent);

    PageViewWidget& pageView() { return *m_page; }
    QScrollBar& verticalBar() { return *m_vertical; }
    QScrollBar& horizontalBar() { return *m_horizontal; }
    // Shows the view image and moves the scroll bars with its offset.
    void showView(const QImage& view);
    void showOverlays();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void layOut();
    void zoom(ZoomKey step);
    void scrollSideways(int offset);
    void followOffset();

    PageInteraction& m_interaction;
    PageViewWidget* m_page;
    QScrollBar* m_vertical;
    QScrollBar* m_horizontal;
    PageZoom m_zoom;
    int m_horizontalOffset = 0;
};

} // namespace folia
