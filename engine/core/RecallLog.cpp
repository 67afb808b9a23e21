#include "engine/core/RecallLog.h"

#include <utility>

namespace slotmachine {

void RecallLog::add(PlayRecord play) {
    if (plays_.size() == Capacity) {
        plays_.pop_front();
    }
    plays_.push_back(std::move(play));
}

} // namespace slotmachine
