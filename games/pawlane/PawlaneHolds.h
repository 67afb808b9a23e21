#pragma once

#include "engine/core/DesignRect.h"
#include "engine/core/GameState.h"

#include <array>
#include <cstdint>

namespace slotmachine {
class GameContext;
}

namespace slotmachine::pawlane {

// The hold lamps above the reels, each also the place a press holds its reel.
inline constexpr std::array<DesignRect, ReelCount> HoldLampPlaces{{
    {260, 246, 332, 263},
    {364, 246, 436, 263},
    {468, 246, 540, 263},
}};
inline constexpr int MostHoldsPerSpin = 2;
// The Holds meter's right edge and its caption's left edge, in design x.
inline constexpr std::int32_t HoldsMeterRight = 330;
inline constexpr std::int32_t HoldsCaptionLeft = 302;
// The Holds meter's room, in digit cells: two digits and the cell cleared beside
// them, which at 800 pixels ends where the Coins meter's cleared cell begins.
inline constexpr int HoldsMeterCells = 3;

// The player's holds between spins: which reels the coming spin leaves alone, how
// many holds it has used, and whether holds may be chosen now (after a losing
// spin). The stock itself is GameState::Stock, kept with the saved games.
class PawlaneHolds {
public:
    bool held(int reel) const { return held_[static_cast<std::size_t>(reel)]; }
    int used() const { return used_; }
    bool allowed() const { return allowed_; }

    // The Holds meter.
    static void show(GameContext& machine);
    // A reel's lamp, lit or unlit; the lamp of a held reel keeps what it shows.
    void drawLamp(GameContext& machine, int reel, bool lit) const;
    void drawLamps(GameContext& machine, bool lit) const;
    // The lamps of the held reels, lit: a full repaint (after the loan desk) draws the
    // machine's unlit lamps over them.
    void drawHeldLamps(GameContext& machine) const;

    // The evaluation's part: holds close when it starts, and a losing spin opens
    // them again, with the lamps blinking if there are holds to spend.
    void close() { allowed_ = false; }
    void openAfterLoss(GameContext& machine);

    // Holds `reel` for the coming spin, spending one hold. Refused (false) unless
    // holds are open, the stock is not empty, fewer than two reels are held, the
    // reel is not held yet and no machine operation runs.
    bool hold(GameContext& machine, int reel);
    // Whether hold(machine, reel) would hold the reel now.
    bool mayHold(const GameContext& machine, int reel) const;
    // A pointer press before the machine's buttons: a press on a lamp holds its reel.
    void press(GameContext& machine, int x, int y);
    // The last step of every pointer press: an empty stock closes the holds.
    void afterPress(GameContext& machine);
    // A tick of the lamps' blinking; the lamps of `steady` (the advised reels) stay lit.
    void blink(GameContext& machine, const std::array<bool, ReelCount>& steady = {});
    // The lamps drawn again in the blink's present phase, with `steady` lit.
    void drawBlinking(GameContext& machine, const std::array<bool, ReelCount>& steady);
    // After the evaluation of a spin: every reel spins again next time.
    void spinSettled();
    // The game is saved or left before the spin the holds were chosen for: they go
    // back into the stock, and the lamps blink again if holds may still be chosen.
    void giveBack(GameContext& machine);

private:
    std::array<bool, ReelCount> held_{};
    int used_ = 0;
    bool allowed_ = false;
    bool phase_ = false;
};

} // namespace slotmachine::pawlane
