#pragma once

#include <QString>

namespace slotmachine {

// Before a window program starts Qt: an empty text when a display can be reached
// (or Qt was told which platform to use), otherwise a message that says why not.
QString missingDisplayMessage(const QString& gameTitle);

} // namespace slotmachine
