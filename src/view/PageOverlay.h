#pragma once

#include <QPainter>
#include <vector>

namespace folia {

// Something the page view paints over the page's picture as it shows it, never into the
// picture, so that no export or print can show it: the work under way on the page (tick
// boxes, a selection, the keyboard's caret) and whatever else passes over a page.
class PageOverlay {
public:
    virtual ~PageOverlay() = default;
    // Paints in page pixels, the painter's origin at the page's top-left corner.
    // `viewFocused`: the page view has the keyboard focus.
    virtual void paint(QPainter& painter, bool viewFocused) const = 0;
};

// The overlays of the page view, painted in the order they were added: each one over those
// before it.
class PageOverlays {
public:
    // The overlay must outlive this list.
    void add(const PageOverlay& overlay) { m_overlays.push_back(&overlay); }
    void paint(QPainter& painter, bool viewFocused) const {
        for (const PageOverlay* overlay : m_overlays) {
            painter.save(); // what one overlay sets on the painter is not the next one's
            overlay->paint(painter, viewFocused);
            painter.restore();
        }
    }

private:
    std::vector<const PageOverlay*> m_overlays;
};

} // namespace folia
