#pragma once

// The machine window on its screen: the width the machine is laid out at, and the
// window's size and place.

class QMainWindow;
class QScreen;
class QSize;

namespace slotmachine {

// The layout width of the machine in `window` on `screen`: the largest 4:3 area
// below the window's title and menu, in device pixels, and at least a quarter of
// the design width.
int machineLayoutWidthOn(const QMainWindow& window, const QScreen& screen);

// Shows `window` ten pixels smaller than the screen's free area, but never smaller
// than the machine (`surfaceSize`, in device pixels) below its menu, centred on
// that area; screens of low resolution get the whole screen.
void showMachineWindowCentred(QMainWindow& window, const QScreen& screen, QSize surfaceSize);

} // namespace slotmachine
