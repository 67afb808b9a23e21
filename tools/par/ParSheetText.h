#pragma once

// The PAR sheet written out: as JSON for programs, as a table for people.

#include "tools/par/ParSheet.h"

#include <string>

namespace slotmachine::par {

// One JSON object; the keys shared with slots-sim have its names.
std::string toJson(const ParSheet& sheet);
// A table for people.
std::string toTable(const ParSheet& sheet);

} // namespace slotmachine::par
