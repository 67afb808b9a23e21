#pragma once

#include "engine/core/DesignRect.h"

#include <string_view>

namespace slotmachine {

// A game's own control over one reel, such as a hold lamp or a nudge button. The
// keys 1 to 3, a pad and a screen reader press it as the pointer does, at the
// middle of its place, so every refusal and sound stays the pointer's.
struct ReelControl {
    std::string_view name; // what a press does to its reel: "Hold", "Nudge"
    DesignRect place;      // where a pointer press takes it
    bool offered = false;  // a press would act now
    bool on = false;       // lit for good: the reel is held
};

} // namespace slotmachine
