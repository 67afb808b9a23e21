#pragma once

#include "engine/core/ReelGeometry.h"

#include <QRect>
#include <QString>
#include <vector>

namespace slotmachine {

class Game;
class GameContext;

// A win of at least this many times the bet gets a moment of its own.
inline constexpr int BigWinTimesBet = 20;

// What a win shows on the machine while its lamps flash: the symbols that paid,
// framed, and a short line of what won. Nothing of it is stored.
struct WinShow {
    std::vector<QRect> cells; // the paid symbols' cells, in surface pixels
    QString words;            // "Three Ingots · 250"; with several lines paid, the best one
    bool big = false;

    bool empty() const { return cells.empty() && words.isEmpty(); }
};

// The show of the win the machine is paying now: its coins (GameState::Coins) and
// line win (GameState::SpinWin), read while the win lamps start.
WinShow winShowFor(const Game& game, const GameContext& machine, const ReelGeometry& geometry);

} // namespace slotmachine
