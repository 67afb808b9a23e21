#include "engine/state/NewGame.h"

namespace slotmachine {

void resetGameTotals(GameState& state, const GameValues& values) {
    state.BonusPts = 0;
    state.BonusDue = 0;
    state.TotalBets = 0;
    state.Credits = NewGameCredits;
    state.Borrowed = NewGameCredits;
    state.Spins = 0;
    state.BonusWon = 0;
    state.Busy = false;
    if (values.stock) {
        state.Stock = values.stock->atNewGame;
    }
}

} // namespace slotmachine
