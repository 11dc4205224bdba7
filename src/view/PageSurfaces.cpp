#include "PageSurfaces.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace folia {

PageSurfaces::PageSurfaces() : m_view(kViewWidth, kViewHeight, QImage::Format_RGB32) {
    m_view.fill(Qt::white);
}

// A number that names no page, in release builds too, gets a white surface that no page
// holds and that nobody draws.
QImage& PageSurfaces::outsidePage() {
    m_outside = newSurface(kPageWidth, kPageHeight);
    m_outside.fill(Qt::white);
    return m_outside;
}

QImage PageSurfaces::whitePage() {
    QImage surface(kPageWidth, kPageHeight, QImage::Format_RGB32);
    surface.fill(Qt::white);
    return surface;
}

QImage PageSurfaces::newSurface(int width, int height) const {
    QImage surface(int(std::ceil(width * m_ratio)), int(std::ceil(height * m_ratio)),
                   QImage::Format_RGB32);
    surface.setDevicePixelRatio(m_ratio);
    return surface;
}

// About the same memory at every ratio, but never fewer than the current page and the
// pages either side.
int PageSurfaces::heldLimit() const {
    return std::max(3, int(kHeldPages / (m_ratio * m_ratio)));
}

void PageSurfaces::setShownHeight(int height) {
    m_shownHeight = height;
    const int viewHeight = std::max(height, int(kViewHeight));
    if (m_view.height() == int(std::ceil(viewHeight * m_ratio))) return;
    m_view = newSurface(kViewWidth, viewHeight);
    m_view.fill(Qt::white);
}

void PageSurfaces::setPixelRatio(double ratio) {
    if (ratio == m_ratio) return;
    m_ratio = ratio;
    m_held.clear();
    m_view = QImage();
    setShownHeight(m_shownHeight);
}

std::list<PageSurfaces::Held>::iterator PageSurfaces::find(int page) {
    return std::find_if(m_held.begin(), m_held.end(),
                        [page](const Held& held) { return held.page == page; });
}

bool PageSurfaces::isHeld(int page) const {
    return std::any_of(m_held.begin(), m_held.end(),
                       [page](const Held& held) { return held.page == page; });
}

int PageSurfaces::heldCount() const {
    return int(std::count_if(m_held.begin(), m_held.end(),
                             [](const Held& held) { return held.page != 0; }));
}

PageSurfaces::Held& PageSurfaces::take(int page) {
    auto entry = find(page);
    if (entry == m_held.end()) entry = find(0); // the memory of a stale surface
    if (entry == m_held.end() && int(m_held.size()) < heldLimit())
        entry = m_held.insert(m_held.begin(), Held{0, newSurface(kPageWidth, kPageHeight)});
    if (entry == m_held.end()) entry = std::prev(m_held.end()); // the one used longest ago
    // Moving a list entry keeps references to the other surfaces valid.
    m_held.splice(m_held.begin(), m_held, entry);
    Held& held = m_held.front();
    held.page = page;
    held.surface.fill(Qt::white);
    return held;
}

QImage& PageSurfaces::page(int page) {
    if (!isPage(page)) return outsidePage();
    if (auto entry = find(page); entry != m_held.end()) {
        m_held.splice(m_held.begin(), m_held, entry);
        return m_held.front().surface;
    }
    QImage& surface = take(page).surface;
    if (m_renderer) m_renderer(page, surface, m_looks[page], std::exchange(m_report[page], false));
    return surface;
}

QImage& PageSurfaces::renew(int page) {
    if (!isPage(page)) return outsidePage();
    m_report[page] = false; // whoever draws it now tells the user what goes wrong
    return take(page).surface;
}

void PageSurfaces::markAllStale(const PageLook& look, bool report) {
    m_looks.fill(look);
    m_report.fill(report);
    for (Held& held : m_held)
        held.page = 0;
}

} // namespace folia
