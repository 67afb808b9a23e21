#include "games/emberpeak/WildAnimation.h"

#include "engine/core/MachineDisplay.h"

namespace slotmachine::emberpeak {

namespace {
constexpr int WildReel = 2;
constexpr int PaylineRow = 1;
constexpr int LastFrame = 2;
} // namespace

void WildAnimation::tick(MachineDisplay& display) {
    frame_ += step_;
    display.DrawSymbolCell(WildReel, PaylineRow, cell());
    if (frame_ >= LastFrame || frame_ <= 0) {
        step_ = -step_;
    }
}

} // namespace slotmachine::emberpeak
