#pragma once

// A line of notes cut into tokens: words, chords, the brackets of a repeat and bar lines.

#include <string_view>
#include <vector>

namespace slotmachine::music {

struct Token {
    enum class Kind { Word, Chord, Open, Close, Bar };
    Kind kind = Kind::Word;
    std::string_view text; // the word; a chord's inside
    std::string_view tail; // what follows ']' or ')': duration and marks, or the repeat count
    int line = 0;
};

// The tokens of `text`, which is line `line` of the score.
std::vector<Token> lex(std::string_view text, int line);

} // namespace slotmachine::music
