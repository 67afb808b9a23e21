#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace slotmachine {

// The room a window manager's title bar and borders take around a window that has
// not been shown yet, whose own frame is not known: enough for the common desktops.
inline constexpr QMargins ExpectedFrame{8, 40, 8, 8};

// The client area of a window that would like `wanted` on a screen whose free area
// is `available`: as large as wanted but no larger than the area leaves once the
// frame is around it, placed so that the frame is centred on the area. A window
// larger than the area (`fixed`, it cannot shrink) is placed with its title bar at
// the area's top left, where it can still be reached.
QRect fittedClientArea(QSize wanted, const QRect& available, QMargins frame, bool fixed);

// Sizes and places a top-level window that would like `wanted` on its screen's
// free area: every window of the games fits the screen together with its frame.
// A window of fixed size keeps it and is only placed.
void placeOnScreen(QWidget& window, QSize wanted);

} // namespace slotmachine
