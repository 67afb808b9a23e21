#pragma once

// What a game's sounds are: a named recipe per file, each with its length limit.
// The games' recipes live in games/<game>/sound/; the build makes each game a
// program of its own that writes them (<game>-sounds, cmake/SlotsGame.cmake).

#include "tools/assets/sound/Synth.h"

#include <functional>
#include <string>
#include <vector>

namespace slotmachine::sound {

struct SoundRecipe {
    std::string name;          // the file is OUT-PREFIX<name>.wav
    double maxSeconds;         // the finished sound is never longer
    double trimDb = 0.0;       // deliberate offset from the common loudness
    std::function<Wave()> mix; // the raw mix, before finishing
};

struct GameSounds {
    std::string game; // the game's short name, as on the command line
    std::vector<SoundRecipe> sounds;
};

struct FinishedSound {
    std::string name;
    Wave wave;
};

// Mixes and finishes one recipe.
Wave render(const SoundRecipe& recipe);
// Mixes and finishes every sound of a game, in its listed order.
std::vector<FinishedSound> render(const GameSounds& set);

} // namespace slotmachine::sound
