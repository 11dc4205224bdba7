#include "PageSurfaces.h"

#include <algorithm>
#include <utility>

namespace folia {

PageSurfaces::PageSurfaces() : m_view(kViewWidth, kViewHeight, QImage::Format_RGB32) {
    m_view.fill(Qt::white);
}

QImage PageSurfaces::whitePage() {
    QImage surface(kPageWidth, kPageHeight, QImage::Format_RGB32);
    surface.fill(Qt::white);
    return surface;
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
    if (entry == m_held.end() && int(m_held.size()) < kHeldPages)
        entry = m_held.insert(m_held.begin(),
                              Held{0, QImage(kPageWidth, kPageHeight, QImage::Format_RGB32)});
    if (entry == m_held.end()) entry = std::prev(m_held.end()); // the one used longest ago
    // Moving a list entry keeps references to the other surfaces valid.
    m_held.splice(m_held.begin(), m_held, entry);
    Held& held = m_held.front();
    held.page = page;
    held.surface.fill(Qt::white);
    return held;
}

QImage& PageSurfaces::page(int page) {
    Q_ASSERT(page >= 1 && page <= 200);
    if (auto entry = find(page); entry != m_held.end()) {
        m_held.splice(m_held.begin(), m_held, entry);
        return m_held.front().surface;
    }
    QImage& surface = take(page).surface;
    if (m_renderer) m_renderer(page, surface, m_looks[page], std::exchange(m_report[page], false));
    return surface;
}

QImage& PageSurfaces::renew(int page) {
    Q_ASSERT(page >= 1 && page <= 200);
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
