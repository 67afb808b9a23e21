#pragma once

#include <QStringList>

namespace slotmachine::assets {

// slots-assets sounds GAME OUT-PREFIX: synthesizes every sound effect of GAME and
// writes OUT-PREFIX<name>.wav for each. Returns the process exit status.
int runSoundsCommand(const QStringList& args);

} // namespace slotmachine::assets
