#pragma once

#include <QStringList>

namespace slotmachine::assets {

// slots-music SCORE OUT.mid: composes the track written in SCORE into a
// Standard MIDI File. Returns the process exit status.
int runMusicCommand(const QStringList& args);

} // namespace slotmachine::assets
