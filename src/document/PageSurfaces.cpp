#include "PageSurfaces.h"

namespace folia {

PageSurfaces::PageSurfaces() : m_view(kViewWidth, kViewHeight, QImage::Format_RGB32) {
    m_view.fill(Qt::white);
    m_pages[1] = whitePage();
}

QImage PageSurfaces::whitePage() {
    QImage surface(kPageWidth, kPageHeight, QImage::Format_RGB32);
    surface.fill(Qt::white);
    return surface;
}

QImage& PageSurfaces::page(int page) {
    Q_ASSERT(page >= 1 && page <= 200);
    QImage& surface = m_pages[page];
    if (surface.isNull()) surface = whitePage();
    return surface;
}

bool PageSurfaces::hasPage(int page) const {
    return page >= 1 && page <= 200 && !m_pages[page].isNull();
}

QImage& PageSurfaces::renew(int page) {
    Q_ASSERT(page >= 1 && page <= 200);
    return m_pages[page] = whitePage();
}

void PageSurfaces::reset() {
    for (QImage& surface : m_pages)
        surface = QImage();
    m_pages[1] = whitePage();
}

} // namespace folia
