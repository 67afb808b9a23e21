#pragma once

#include "engine/core/GameState.h"
#include "engine/core/GameValues.h"

namespace slotmachine {

class Random;

// Fills the eight boxes with the game's values and shuffles them: 1001 rounds in
// which every position in turn swaps with a randomly drawn one.
void refillAndShuffleBoxes(GameState& state, const GameValues& values, Random& random);

} // namespace slotmachine
