#pragma once

#include "engine/display/MachinePictures.h"

#include <QDir>
#include <optional>

namespace slotmachine {

class Dialogs;

// The pictures of a machine window about to open: the built-in ones, replaced by
// files beside the program, with the symbol sheet `prefix` + ".bmp". A colour depth
// below 16 bits is reported and the machine goes on. Without a readable symbol
// sheet the two missing-file messages are shown and nothing is returned: the
// program must end.
std::optional<MachinePictures> prepareMachinePictures(MachinePictures builtIn, const QDir& programDir,
                                                      const QString& prefix, int colourDepth, Dialogs& dialogs);

} // namespace slotmachine
