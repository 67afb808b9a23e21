#include "engine/machine/VirtualClock.h"

namespace slotmachine {

void VirtualClock::waitUntil(std::int64_t deadline) {
    ++waits_;
    if (deadline > now_) {
        now_ = deadline;
    }
    if (duringWait_ && !inHook_) {
        inHook_ = true;
        duringWait_();
        inHook_ = false;
    }
}

} // namespace slotmachine
