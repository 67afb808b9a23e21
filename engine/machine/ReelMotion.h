#pragma once

#include "engine/core/GameState.h"
#include "engine/core/PlayRecord.h"

#include <array>
#include <cstdint>

namespace slotmachine {

class Clock;
class GameContext;
struct MachineRun;

// The reels' motion: a spin's stops and its animation, and the one-cell moves
// that features make after the reels have stopped.
class ReelMotion {
public:
    ReelMotion(GameContext& machine, Clock& clock, MachineRun& run) : machine_(machine), clock_(clock), run_(run) {}

    // The reels' part of a spin: the stake is counted, each reel the game spins
    // draws its stop (or takes the forced one), the spin is counted, and the
    // reels are shown spinning and stopping left to right.
    void spinReels();

    // A feature's move of a reel by one cell (GameContext::moveReelDown and the rest).
    void moveReelDown(int reel);
    void moveReelUp(int reel);
    void slideReelDown(int reel);
    void slideReelUp(int reel);
    void settleBounce(int reel);

private:
    void showAnimation(const std::array<bool, ReelCount>& spinning);
    // Slides the reel's picture one cell, from the cells of `first` on.
    void slideReelPicture(int reel, int first, bool down);
    // Notes a feature's move of a reel for the recall log.
    void noteMove(int reel, std::int32_t from, std::int32_t to, ReelMover feature);

    GameContext& machine_;
    Clock& clock_;
    MachineRun& run_;
    std::array<std::int32_t, ReelCount> motionOffsets_{};
};

} // namespace slotmachine
