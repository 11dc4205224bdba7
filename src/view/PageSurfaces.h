#pragma once

#include <QColor>
#include <QImage>
#include <array>
#include <functional>
#include <list>

namespace folia {

// How a page surface was drawn, so that a dropped surface can be drawn again alike: with
// or without the reading-guide bar, its row, and its outline (invalid: a fresh colour at
// the next drawing).
struct PageLook {
    bool guideOn = false;
    int guideRow = 0;
    QColor guideOutline;
};

// The 794 x 1122 page surfaces and the 794 x 955 view surface that shows the current
// page. A page surface is a view of the page's records, drawn when it is needed; only the
// few surfaces used last are held, and one dropped or marked stale is drawn again, with
// its look, the next time it is asked for. So a long document costs the memory and time
// of the pages the reader looks at, not of all of them.
class PageSurfaces {
public:
    static constexpr int kPageWidth = 794;
    static constexpr int kPageHeight = 1122;
    static constexpr int kViewWidth = 794;
    static constexpr int kViewHeight = 955;
    // Where End puts the page: half of it above the view. The keys and the wheel stop
    // once they have passed it, one step at most.
    static constexpr int kLowestKeyOffset = -kPageHeight / 2;
    // The current page, the pages either side and a few more just seen (at one device
    // pixel per page pixel; fewer at a higher ratio).
    static constexpr int kHeldPages = 8;
    static constexpr int kPages = 200;
    static constexpr bool isPage(int page) { return page >= 1 && page <= kPages; }

    // Draws a page from its records onto a white surface with that look; `report` says
    // whether problems such as a missing picture are told to the user.
    using Renderer =
        std::function<void(int page, QImage& surface, const PageLook& look, bool report)>;

    PageSurfaces();

    // Without a renderer, a page that is not held comes back white.
    void setRenderer(Renderer renderer) { m_renderer = std::move(renderer); }

    // The surface of page 1..200 as last drawn; drawn now when it is not held.
    QImage& page(int page);
    // A white surface for the page (replacing what it held), to be drawn by the caller,
    // who records how with setLook.
    QImage& renew(int page);
    void setLook(int page, const PageLook& look) {
        if (isPage(page)) m_looks[page] = look;
    }
    const PageLook& look(int page) const { return m_looks[isPage(page) ? page : 0]; }

    // Every page is drawn again when next asked for, with `look`; `report` as for the
    // renderer. The memory of the held surfaces is kept for reuse.
    void markAllStale(const PageLook& look, bool report);
    bool isHeld(int page) const;
    int heldCount() const;

    QImage& view() { return m_view; }
    // How tall a part of the view the page view shows: the full view, less on a small
    // screen or zoomed in, more zoomed out. The view surface is never less tall than 955.
    void setShownHeight(int height);
    int shownHeight() const { return m_shownHeight; }

    // Device pixels per page pixel of the surfaces shown on screen (the screen's ratio, more
    // when zoomed in), so that their text is drawn at the size it is seen. Surfaces held at
    // another ratio are dropped, to be drawn again with their looks.
    void setPixelRatio(double ratio);
    double pixelRatio() const { return m_ratio; }

    static QImage whitePage();

private:
    struct Held {
        int page = 0; // 0: stale, its memory free for another page
        QImage surface;
    };
    std::list<Held>::iterator find(int page);
    QImage newSurface(int width, int height) const;
    int heldLimit() const;
    // The held entry for the page, first in line, its surface white.
    Held& take(int page);
    QImage& outsidePage();

    std::list<Held> m_held; // most recently used first
    std::array<PageLook, kPages + 1> m_looks;
    std::array<bool, kPages + 1> m_report{};
    Renderer m_renderer;
    double m_ratio = 1;
    int m_shownHeight = kViewHeight;
    QImage m_view;
    QImage m_outside;
};

} // namespace folia
