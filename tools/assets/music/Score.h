#pragma once

// A music score as written in a .score file (the format is described in README.md
// beside this file): the track's settings, its parts, its sections of notes and
// the form that strings the sections together.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace slotmachine::music {

// Ticks to a quarter note, in the score and in the MIDI file. Divisible by 3 and 8,
// so that triplets and thirty-second notes land on whole ticks.
constexpr int TicksPerQuarter = 480;

// A fault in a score. `line` counts from 1; 0 when the fault belongs to no line
// (a setting that is missing altogether).
class ScoreError : public std::runtime_error {
public:
    ScoreError(int line, const std::string& message) : std::runtime_error(message), line_(line) {}
    int line() const { return line_; }

private:
    int line_;
};

struct Meter {
    int beats = 4; // to the bar
    int unit = 4;  // the note value of a beat: 2, 4, 8 or 16
    int barTicks() const { return beats * TicksPerQuarter * 4 / unit; }
    int beatTicks() const { return TicksPerQuarter * 4 / unit; }
};

struct KeySignature {
    int sharps = 0; // negative for flats
    bool minor = false;
};

struct Part {
    std::string name;
    int line = 0;
    bool drums = false;
    int program = -1; // 0 to 127 as stored in the file (the score writes 1 to 128); -1: none
    int channel = 0;  // 0 to 15; drums play on 9
    int volume = 80;  // controller 7
    int pan = 0;      // -64 (left) to 63 (right), controller 10 at 64 + pan
    int reverb = 40;  // controller 91
    int velocity = 72;
    int transpose = 0; // semitones, for every note of the part
    int strum = 0;     // ticks between the notes of a chord, lowest first
};

// A note within its section. Its velocity is settled when the track is arranged,
// because a pattern's notes take the dynamic of the place they are used.
struct Note {
    int start = 0; // ticks from the start of the section
    int length = 0;
    int key = 60;       // MIDI key, before the part's and the form's transposition
    int level = -1;     // velocity set by a dynamic mark; -1: the part's own velocity
    int accent = 0;     // added to the velocity
    bool chord = false; // sounded with others as one chord (strummed)
};

struct Section {
    std::string name;
    int line = 0;
    int length = 0;                       // ticks
    std::optional<double> tempo;          // quarter notes a minute; the score's tempo if unset
    std::optional<double> ritardando;     // the tempo the section slows to by its last beat
    std::vector<std::vector<Note>> notes; // by part, in the order of the score's parts
};

struct FormEntry {
    int section = 0; // index into Score::sections
    int transpose = 0;
    int times = 1;
    int line = 0;
};

struct Score {
    std::string title;
    double tempo = 0; // quarter notes a minute
    Meter meter;
    std::optional<KeySignature> key;
    int swing = 50;    // percent of a quarter note that its first eighth takes
    double tail = 2.0; // seconds of silence after the last note, for the sound to die away
    std::vector<Part> parts;
    std::vector<Section> sections;
    std::vector<FormEntry> form;
};

// Parses the text of a score. Throws ScoreError naming the line at fault.
Score parseScore(std::string_view text);

} // namespace slotmachine::music
