// Reels that a feature moves by one cell after they have stopped: the picture
// slides in eight steps, then the reel settles with a bounce.
#include "engine/core/MachineDisplay.h"
#include "engine/machine/SlotMachine.h"
#include "engine/state/ReelStrips.h"

#include <iterator>

namespace slotmachine {

namespace {

// Seven steps of 10 design pixels and one of 6 make one 76-pixel cell. Each step
// is scaled on its own, so at other widths the sum may differ by a pixel or two.
constexpr int MoveSteps = 8;
constexpr int MoveStep = 10;
constexpr int LastMoveStep = 6;
constexpr double MoveStepSeconds = 0.05;

// Window pixels the settling picture sits below the reel's top, frame by frame.
constexpr int SettleOffsets[] = {2, 4, 2, 0, -2, -4, -2, 0};
constexpr double SettleStepSeconds = 0.02;
// Design rows left off the bottom of the settling picture, so that it can move
// down without dragging the frame below the reel along.
constexpr int SettleCut = 8;

} // namespace

void SlotMachine::slideReelPicture(int reel, int first, bool down) {
    if (!animated_ || shuttingDown_) {
        return;
    }
    MachineDisplay& d = display();
    d.FillMovePicture(reel, first);
    std::int32_t top = down ? geometry_.SymbolSize : 0;
    for (int step = 1; step <= MoveSteps; ++step) {
        const std::int32_t pixels = geometry_.ScaleUnit(step < MoveSteps ? MoveStep : LastMoveStep);
        top += down ? -pixels : pixels;
        d.DrawMoveFrame(reel, top);
        Delay(MoveStepSeconds);
    }
}

void SlotMachine::slideReelDown(int reel) {
    std::int32_t& stop = state().ReelStop[static_cast<std::size_t>(reel)];
    const int moved = previousPosition(stop);
    slideReelPicture(reel, moved, true);
    stop = moved;
}

void SlotMachine::slideReelUp(int reel) {
    std::int32_t& stop = state().ReelStop[static_cast<std::size_t>(reel)];
    slideReelPicture(reel, stop, false);
    stop = nextPosition(stop);
}

void SlotMachine::moveReelDown(int reel) {
    slideReelDown(reel);
    settleBounce(reel);
}

void SlotMachine::moveReelUp(int reel) {
    slideReelUp(reel);
    settleBounce(reel);
}

void SlotMachine::settleBounce(int reel) {
    if (!animated_ || shuttingDown_) {
        return;
    }
    MachineDisplay& d = display();
    d.TakeReelPicture(reel, geometry_.ScaleUnit(SettleCut));
    for (std::size_t i = 0; i < std::size(SettleOffsets); ++i) {
        d.DrawHeldReel(reel, SettleOffsets[i]);
        if (i + 1 < std::size(SettleOffsets)) {
            Delay(SettleStepSeconds);
        }
    }
}

} // namespace slotmachine
