#pragma once

// The words and numbers of a score's lines, and the faults found in them.

#include "tools/assets/music/Score.h"

#include <string>
#include <string_view>
#include <vector>

namespace slotmachine::music {

// The words that start a statement: the head's settings, part, pattern, section, form.
bool isKeyword(std::string_view word);

// Throws the ScoreError of `line`.
[[noreturn]] void fail(int line, const std::string& message);

// `text` in single quotes, for messages.
std::string quoted(std::string_view text);

// The name of a part, pattern or section (`what`): a letter, then letters, digits
// or '_', and no keyword.
std::string scoreName(std::string_view word, int line, std::string_view what);

// A whole number from `low` to `high` (a leading '+' allowed), or a fault naming `what`.
int wholeNumber(std::string_view text, int low, int high, int line, std::string_view what);

// A number from `low` to `high`, or a fault naming `what`.
double number(std::string_view text, double low, double high, int line, std::string_view what);

// The words of `text`, split at white space.
std::vector<std::string_view> splitWords(std::string_view text);

// A '#' that starts a word opens a comment; inside a word it is a sharp.
std::string_view withoutComment(std::string_view line);

// Beats of the meter, for messages: "3", "2.5".
std::string beats(int ticks, const Meter& meter);

} // namespace slotmachine::music
