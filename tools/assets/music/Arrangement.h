#pragma once

// A score played through its form: every note at its place in the whole track, with
// its velocity, and the tempo map; and that arrangement as a Standard MIDI File.

#include "tools/assets/music/MidiFile.h"
#include "tools/assets/music/Score.h"

#include <cstdint>
#include <string>
#include <vector>

namespace slotmachine::music {

struct TimedNote {
    std::uint32_t on = 0; // ticks from the start of the track
    std::uint32_t off = 0;
    int key = 60;
    int velocity = 64;
};

struct TempoChange {
    std::uint32_t tick = 0;
    double tempo = 120; // quarter notes a minute
};

struct Arrangement {
    std::string title;
    Meter meter;
    std::optional<KeySignature> key;
    std::vector<TempoChange> tempos; // the first at tick 0
    std::vector<Part> parts;
    std::vector<std::vector<TimedNote>> notes; // by part, in the order they start
    std::uint32_t musicEnd = 0;                // the end of the form, or of the last note if later
    std::uint32_t end = 0;                     // musicEnd and the tail
};

// Plays the form: sections one after another (repeated, transposed), tempo changes
// where the sections ask for them, swing, strummed chords, and velocities from the
// dynamics, the marks and a light stress on the strong beats. Throws ScoreError (on
// the form's line) when a transposition takes a note outside the MIDI keys.
Arrangement arrange(const Score& score);

// Seconds from the start of the track to `tick`, through the tempo map.
double secondsAt(const Arrangement& arrangement, std::uint32_t tick);

// The arrangement as a format 1 file: a track of tempo and meter, then one track
// per part with its name, program, volume, pan and reverb, then its notes.
Bytes toMidiFile(const Arrangement& arrangement);

} // namespace slotmachine::music
