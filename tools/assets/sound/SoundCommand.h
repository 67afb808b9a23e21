#pragma once

#include "tools/assets/sound/SoundSet.h"

#include <QStringList>

namespace slotmachine::assets {

// OUT-PREFIX: synthesizes every sound effect of the set and writes
// OUT-PREFIX<name>.wav for each. Returns the process exit status.
int runSoundsCommand(const sound::GameSounds& set, const QStringList& args);

// The whole of a game's sounds program, <game>-sounds OUT-PREFIX (its main is
// written by slots_add_game with the game's recipes).
int runSoundsProgram(int argc, char** argv, sound::GameSounds (*sounds)());

} // namespace slotmachine::assets
