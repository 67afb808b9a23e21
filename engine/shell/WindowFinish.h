#pragma once

#include "engine/core/GameValues.h"

#include <QString>

class QWidget;

namespace slotmachine {

// Every window of a game in the game's own finish, grown with its machine: one
// application-wide style sheet made from the game's palette (`GameColours`), a
// `FinishStyle` for the standard icons, and the application's font grown by the
// machine's window scale. A window added later takes the finish without code of its
// own; a window with fixed geometry grows it with `scaledPixels` (WindowScale.h).

// The style sheet of a palette at a window scale (1 up to a layout width of 1024).
// The menu bar keeps the application's unscaled type, so that its height, which the
// machine's layout width is computed from, stays as it was.
QString finishStyleSheet(const GameColours& colours, double scale, double menuBarPointSize);

// Widens `window` so that the caption a title bar shows for it is not cut short: room
// for its title in the bold type title bars use, beside the bar's icon and buttons.
void keepCaptionWhole(QWidget& window);

// Applies the finish to the running application: its style, style sheet and font,
// and sets the window scale.
// `scale` is the machine's window scale (`fixedSizeScale` of its layout width in
// logical pixels).
void applyWindowFinish(const GameColours& colours, double scale);

} // namespace slotmachine
