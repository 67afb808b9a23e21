#pragma once

// A part's notes as they are read, and the patterns a part can play.

#include "tools/assets/music/NoteTokens.h"
#include "tools/assets/music/Score.h"

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace slotmachine::music {

// A named phrase, kept as its tokens and read afresh wherever a part plays it.
struct Pattern {
    std::string name;
    int line = 0;
    std::vector<Token> tokens;
};

using Patterns = std::map<std::string, Pattern, std::less<>>;

// One part's notes as they are read: the notes so far and what carries over from
// one note to the next (the duration, the octave and the dynamic).
struct Voice {
    bool drums = false;
    std::vector<Note> notes;
    int position = 0;
    int duration = 0; // 0: none given yet
    int octave = -1;  // -1: none given yet
    int level = -1;
    std::vector<std::size_t> tied; // notes waiting for their continuation
    std::vector<int> lastKeys;     // of the last note or chord, for '='
    int lastLine = 0;
};

} // namespace slotmachine::music
