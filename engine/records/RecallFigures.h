#pragma once

#include "engine/core/RecallLog.h"

#include <cstdint>
#include <vector>

namespace slotmachine {

// The largest win of a single play in the log; 0 for an empty log.
std::int32_t biggestWin(const RecallLog& log);

// The credits the game held over the plays in the log, oldest first: what the
// oldest play began with, then what each play left. Empty for an empty log.
std::vector<std::int32_t> creditsCourse(const RecallLog& log);

} // namespace slotmachine
