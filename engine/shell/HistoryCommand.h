#pragma once

#include <optional>

namespace slotmachine {

struct GameValues;

// `--history` and `--history --json`: the running game's recall log, read from the
// record file without changing it, printed on standard output oldest first (a
// table, or one JSON object a line), without a window, a display or the lock, so
// that it answers while the game runs. Returns the exit status: 0 printed, 1 the
// log cannot be read (said on standard error), 2 an argument beside them that it
// does not take; std::nullopt when the command line does not ask for the history.
std::optional<int> answerHistory(int argc, char** argv, const GameValues& values);

} // namespace slotmachine
