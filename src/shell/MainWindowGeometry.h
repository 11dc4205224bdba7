#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace folia {

// Where FOLIA's main window and its children go. The client area is 804 x 985 with the page
// control at 5,5 when the screen has room; on a smaller screen the window takes the largest
// size that fits, and whatever size the reader gives it the page control keeps the margins.
namespace window {

inline constexpr QSize kClientSize{804, 985};
inline constexpr QSize kSmallestClient{320, 240};
inline constexpr QPoint kPageControlPlace{5, 5};
inline constexpr QPoint kBusyPicturePlace{133, 385};

// The window's client rectangle on the screen: `wanted` (the client with its menu bar) if
// it fits the available area with the frame around it, else as much as fits, centred. A
// client cut in height is made wider by the page's scroll bar, so that the page keeps its
// full size beside it.
QRect clientOnScreen(QSize wanted, QRect available, QMargins frame, int barExtent);

// The area the page control and its scroll bars share in a client of that size.
QRect pageControlArea(QSize client);

// The busy picture: where it stands in the full-size client, moved with the client's centre,
// and kept inside the client.
QPoint busyPicturePlace(QSize client, QSize picture);

} // namespace window
} // namespace folia
