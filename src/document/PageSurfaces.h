#pragma once

#include <QImage>
#include <array>

namespace folia {

// One 794 x 1122 white page surface per page, made when a page is first filled or
// first met in a load, and the 794 x 955 view surface that shows the current page.
class PageSurfaces {
public:
    static constexpr int kPageWidth = 794;
    static constexpr int kPageHeight = 1122;
    static constexpr int kViewWidth = 794;
    static constexpr int kViewHeight = 955;

    PageSurfaces();

    // The surface of page 1..200, created white when missing.
    QImage& page(int page);
    bool hasPage(int page) const;
    // A new white surface for the page (replacing any earlier one).
    QImage& renew(int page);
    // Drops every surface but page 1's, which is cleared to white.
    void reset();

    QImage& view() { return m_view; }

    static QImage whitePage();

private:
    std::array<QImage, 201> m_pages; // index 0 unused
    QImage m_view;
};

} // namespace folia
