#include "engine/records/RecallFigures.h"

#include <algorithm>

namespace slotmachine {

std::int32_t biggestWin(const RecallLog& log) {
    std::int32_t biggest = 0;
    for (const PlayRecord& play : log) {
        biggest = std::max(biggest, play.win);
    }
    return biggest;
}

std::vector<std::int32_t> creditsCourse(const RecallLog& log) {
    std::vector<std::int32_t> credits;
    if (log.empty()) {
        return credits;
    }
    credits.reserve(log.size() + 1);
    credits.push_back(log[0].creditsBefore);
    for (const PlayRecord& play : log) {
        credits.push_back(play.creditsAfter);
    }
    return credits;
}

} // namespace slotmachine
