#pragma once

// The head of a score: its title, tempo, meter, key, swing and tail.

#include "tools/assets/music/Score.h"

#include <string_view>
#include <vector>

namespace slotmachine::music {

// Whether `word` starts a line of the head.
bool isHeadKeyword(std::string_view word);

// Reads a line of the head, whose first word is its keyword, into `score`.
void readHeadLine(Score& score, std::string_view content, const std::vector<std::string_view>& words,
                  int line);

} // namespace slotmachine::music
