#include "MainWindowGeometry.h"

#include "view/PageSurfaces.h"

#include <algorithm>

namespace folia::window {

QRect clientOnScreen(QSize wanted, QRect available, QMargins frame, int barExtent) {
    const QSize room = available.size().shrunkBy(frame);
    if (wanted.height() > room.height()) wanted.rwidth() += barExtent;
    const QSize client = wanted.boundedTo(room).expandedTo(kSmallestClient);
    const QSize framed = client.grownBy(frame);
    // The title bar stays on the screen even when not even the smallest client fits.
    const QPoint corner =
        available.topLeft() + QPoint(std::max(0, (available.width() - framed.width()) / 2),
                                     std::max(0, (available.height() - framed.height()) / 2));
    return {corner + QPoint(frame.left(), frame.top()), client};
}

QRect pageControlArea(QSize client) {
    const QSize margins =
        kClientSize - QSize(PageSurfaces::kViewWidth, PageSurfaces::kViewHeight); // 10 x 30
    return {kPageControlPlace, (client - margins).expandedTo({1, 1})};
}

QPoint busyPicturePlace(QSize client, QSize picture) {
    const QSize grown = client - kClientSize;
    const QPoint place = kBusyPicturePlace + QPoint(grown.width() / 2, grown.height() / 2);
    return {std::clamp(place.x(), 0, std::max(0, client.width() - picture.width())),
            std::clamp(place.y(), 0, std::max(0, client.height() - picture.height()))};
}

} // namespace folia::window
