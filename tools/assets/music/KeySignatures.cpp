#include "tools/assets/music/KeySignatures.h"

#include <array>

namespace slotmachine::music {

namespace {

// Key signatures by the sharps (negative: flats) of the major key and its relative minor.
struct KeyName {
    std::string_view major;
    std::string_view minor;
    int sharps;
};

} // namespace

std::optional<KeySignature> keySignature(std::string_view name) {
    static constexpr std::array<KeyName, 15> keys = {{
        {"Cb", "Abm", -7},
        {"Gb", "Ebm", -6},
        {"Db", "Bbm", -5},
        {"Ab", "Fm", -4},
        {"Eb", "Cm", -3},
        {"Bb", "Gm", -2},
        {"F", "Dm", -1},
        {"C", "Am", 0},
        {"G", "Em", 1},
        {"D", "Bm", 2},
        {"A", "F#m", 3},
        {"E", "C#m", 4},
        {"B", "G#m", 5},
        {"F#", "D#m", 6},
        {"C#", "A#m", 7},
    }};
    for (const KeyName& key : keys) {
        if (key.major == name || key.minor == name) {
            return KeySignature{key.sharps, key.minor == name};
        }
    }
    return std::nullopt;
}

} // namespace slotmachine::music
