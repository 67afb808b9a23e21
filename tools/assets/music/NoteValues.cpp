#include "tools/assets/music/NoteValues.h"

#include "tools/assets/music/Score.h"
#include "tools/assets/music/ScoreWords.h"

#include <array>
#include <set>

namespace slotmachine::music {

const std::map<std::string, int, std::less<>>& drumKeys() {
    static const std::map<std::string, int, std::less<>> keys = {
        {"kick", 36},    {"softkick", 35}, {"rim", 37},     {"snare", 38},    {"clap", 39},
        {"snare2", 40},  {"floortom", 41}, {"hat", 42},     {"lowtom", 45},   {"pedal", 44},
        {"ohat", 46},    {"midtom", 47},   {"crash", 49},   {"hitom", 50},    {"ride", 51},
        {"bell", 53},    {"tamb", 54},     {"splash", 55},  {"cowbell", 56},  {"bongohi", 60},
        {"bongolo", 61}, {"congahi", 63},  {"congalo", 64}, {"cabasa", 69},   {"shaker", 70},
        {"claves", 75},  {"woodhi", 76},   {"woodlo", 77},  {"triangle", 81}, {"mutetri", 80},
    };
    return keys;
}

const std::map<std::string, int, std::less<>>& dynamics() {
    static const std::map<std::string, int, std::less<>> levels = {
        {"pp", 36}, {"p", 48}, {"mp", 60}, {"mf", 72}, {"f", 86}, {"ff", 100},
    };
    return levels;
}

int readDuration(std::string_view text, std::size_t& pos, int line) {
    int total = 0;
    while (true) {
        if (pos >= text.size()) {
            return total;
        }
        int ticks = 0;
        switch (text[pos]) {
        case 'w':
            ticks = 4 * TicksPerQuarter;
            break;
        case 'h':
            ticks = 2 * TicksPerQuarter;
            break;
        case 'q':
            ticks = TicksPerQuarter;
            break;
        case 'e':
            ticks = TicksPerQuarter / 2;
            break;
        case 's':
            ticks = TicksPerQuarter / 4;
            break;
        case 't':
            ticks = TicksPerQuarter / 8;
            break;
        default:
            return total;
        }
        ++pos;
        int added = ticks;
        for (int dots = 0; pos < text.size() && text[pos] == '.'; ++dots, ++pos) {
            if (dots == 2) {
                fail(line, "more than two dots in " + quoted(text));
            }
            added /= 2;
            ticks += added;
        }
        if (pos < text.size() && text[pos] == '3') {
            ticks = ticks * 2 / 3;
            ++pos;
        }
        total += ticks;
        if (pos >= text.size() || text[pos] != '+') {
            return total;
        }
        ++pos;
        if (pos >= text.size() || std::string_view("whqest").find(text[pos]) == std::string_view::npos) {
            fail(line, "'+' in " + quoted(text) + " joins no duration");
        }
    }
}

bool isDuration(std::string_view word, int line, int& ticks) {
    std::size_t pos = 0;
    ticks = readDuration(word, pos, line);
    return ticks > 0 && pos == word.size();
}

Marks readMarks(std::string_view text, std::size_t pos, std::string_view word, int line) {
    Marks marks;
    std::set<char> seen;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (!seen.insert(c).second) {
            fail(line, std::string("the mark ") + c + " is given twice in " + quoted(word));
        }
        switch (c) {
        case '~':
            marks.tie = true;
            break;
        case '\'':
            marks.staccato = true;
            break;
        case '>':
            marks.accent = 16;
            break;
        case '_':
            marks.accent = -16;
            break;
        default:
            fail(line, "cannot read " + quoted(word) + " (unexpected " + quoted(text.substr(pos, 1)) + ")");
        }
    }
    if (seen.count('>') && seen.count('_')) {
        fail(line, quoted(word) + " is both accented and soft");
    }
    if (marks.tie && marks.staccato) {
        fail(line, quoted(word) + " is both tied and staccato");
    }
    return marks;
}

std::string pitchName(int key) {
    static const std::array<const char*, 12> names = {"C",  "C#", "D",  "D#", "E",  "F",
                                                      "F#", "G",  "G#", "A",  "A#", "B"};
    return names[key % 12] + std::to_string(key / 12 - 1);
}

} // namespace slotmachine::music
