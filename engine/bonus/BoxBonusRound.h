#pragma once

#include "engine/bonus/BoxAward.h"

#include <cstdint>

class QImage;

namespace slotmachine {

class GameContext;

// The rules of one box bonus game, shared by the bonus window and the simulator:
// opening a box and closing the game. Pictures and timers belong to the window.
class BoxBonusRound {
public:
    // `prizePicture` receives the prize text; null when nothing is drawn.
    BoxBonusRound(GameContext& machine, QImage* prizePicture);

    // Opens box `position` (1 to 8): an empty box plays sound 4, a prize box makes
    // its value the prize and plays sound 5; then the game's award step runs.
    // Returns the value found in the box. Only the first opening of a game counts:
    // any later one opens nothing and returns 0.
    std::int32_t open(int position);

    // Closing the game adds a won credit prize to the game's bonus total.
    void close();

    // The prize picture is shown `scale` times its own size; the prize text grows with it.
    void setPrizeScale(double scale) { award_.prizeScale = scale; }

    std::int32_t BonusPrize() const { return award_.BonusPrize; }
    bool anyOpened() const { return opened_; }

private:
    GameContext& machine_;
    BoxAward award_;
    bool opened_ = false;
};

} // namespace slotmachine
