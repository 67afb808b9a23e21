#pragma once

// The small readers of a note's words: durations, marks, drum names and dynamics,
// and the name of a pitch for messages.

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace slotmachine::music {

// General MIDI percussion keys by the names a drum part uses.
const std::map<std::string, int, std::less<>>& drumKeys();

// Velocities by the dynamic marks (pp to ff).
const std::map<std::string, int, std::less<>>& dynamics();

// Reads a duration at text[pos]: w h q e s t (whole to thirty-second), up to two dots,
// an optional 3 for a triplet, and more durations joined by '+'. Returns 0 when
// text[pos] starts no duration.
int readDuration(std::string_view text, std::size_t& pos, int line);

// Whether the whole of `word` is a duration, and its `ticks` if so.
bool isDuration(std::string_view word, int line, int& ticks);

// What follows a note's duration: tied, staccato, accented (+16) or soft (-16).
struct Marks {
    bool tie = false;
    bool staccato = false;
    int accent = 0;
};

// The marks at text[pos] on, to the end of `text`; `word` names the whole in messages.
Marks readMarks(std::string_view text, std::size_t pos, std::string_view word, int line);

// "C4", "F#2": the name of a MIDI key.
std::string pitchName(int key);

} // namespace slotmachine::music
