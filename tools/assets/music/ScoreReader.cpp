#include "tools/assets/music/Score.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <map>
#include <set>

namespace slotmachine::music {

namespace {

constexpr std::array<std::string_view, 10> Keywords = {"title", "tempo", "meter",   "key",     "swing",
                                                       "tail",  "part",  "pattern", "section", "form"};

bool isKeyword(std::string_view word) {
    return std::find(Keywords.begin(), Keywords.end(), word) != Keywords.end();
}

// General MIDI percussion keys by the names a drum part uses.
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

[[noreturn]] void fail(int line, const std::string& message) {
    throw ScoreError(line, message);
}

std::string quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

bool isName(std::string_view word) {
    if (word.empty() || !std::isalpha(static_cast<unsigned char>(word[0]))) {
        return false;
    }
    return std::all_of(word.begin(), word.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
}

bool readInt(std::string_view text, int& value) {
    if (!text.empty() && text[0] == '+') {
        text.remove_prefix(1);
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

int wholeNumber(std::string_view text, int low, int high, int line, std::string_view what) {
    int value = 0;
    if (!readInt(text, value) || value < low || value > high) {
        fail(line, std::string(what) + " must be a whole number from " + std::to_string(low) + " to " +
                       std::to_string(high) + ", not " + quoted(text));
    }
    return value;
}

double number(std::string_view text, double low, double high, int line, std::string_view what) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !(value >= low && value <= high)) {
        std::string range =
            std::to_string(static_cast<int>(low)) + " to " + std::to_string(static_cast<int>(high));
        fail(line, std::string(what) + " must be a number from " + range + ", not " + quoted(text));
    }
    return value;
}

std::vector<std::string_view> splitWords(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos]))) {
            ++pos;
        }
        const std::size_t start = pos;
        while (pos < text.size() && !std::isspace(static_cast<unsigned char>(text[pos]))) {
            ++pos;
        }
        if (pos > start) {
            words.push_back(text.substr(start, pos - start));
        }
    }
    return words;
}

// A '#' that starts a word opens a comment; inside a word it is a sharp.
std::string_view withoutComment(std::string_view line) {
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '#' && (i == 0 || std::isspace(static_cast<unsigned char>(line[i - 1])))) {
            return line.substr(0, i);
        }
    }
    return line;
}

// Beats of the meter, for messages: "3", "2.5".
std::string beats(int ticks, const Meter& meter) {
    const double value = static_cast<double>(ticks) / meter.beatTicks();
    char text[32];
    std::snprintf(text, sizeof text, "%.3g", value);
    return text;
}

// --- Notes -----------------------------------------------------------------------

struct Token {
    enum class Kind { Word, Chord, Open, Close, Bar };
    Kind kind = Kind::Word;
    std::string_view text; // the word; a chord's inside
    std::string_view tail; // what follows ']' or ')': duration and marks, or the repeat count
    int line = 0;
};

bool isDelimiter(char c) {
    return std::isspace(static_cast<unsigned char>(c)) || c == '|' || c == '(' || c == ')' || c == '[' ||
           c == ']';
}

std::vector<Token> lex(std::string_view text, int line) {
    std::vector<Token> tokens;
    std::size_t pos = 0;
    const auto readTail = [&] {
        const std::size_t start = pos;
        while (pos < text.size() && !isDelimiter(text[pos])) {
            ++pos;
        }
        return text.substr(start, pos - start);
    };
    while (pos < text.size()) {
        const char c = text[pos];
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++pos;
        } else if (c == '|') {
            tokens.push_back({Token::Kind::Bar, text.substr(pos, 1), {}, line});
            ++pos;
        } else if (c == '(') {
            tokens.push_back({Token::Kind::Open, text.substr(pos, 1), {}, line});
            ++pos;
        } else if (c == ')') {
            ++pos;
            tokens.push_back({Token::Kind::Close, ")", readTail(), line});
        } else if (c == '[') {
            const std::size_t close = text.find_first_of("[]", pos + 1);
            if (close == std::string_view::npos || text[close] != ']') {
                fail(line, "'[' opens a chord that no ']' closes");
            }
            const std::string_view inside = text.substr(pos + 1, close - pos - 1);
            pos = close + 1;
            tokens.push_back({Token::Kind::Chord, inside, readTail(), line});
        } else if (c == ']') {
            fail(line, "']' closes no chord");
        } else {
            tokens.push_back({Token::Kind::Word, readTail(), {}, line});
        }
    }
    return tokens;
}

// Reads a duration at text[pos]: w h q e s t (whole to thirty-second), up to two dots,
// an optional 3 for a triplet, and more durations joined by '+'. Returns 0 when
// text[pos] starts no duration.
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

struct Marks {
    bool tie = false;
    bool staccato = false;
    int accent = 0;
};

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

struct Pattern {
    std::string name;
    int line = 0;
    std::vector<Token> tokens;
};

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

// Limits on one part of one section: about nine hours at 60 a minute, and a million notes.
constexpr int MaxTicks = 1 << 24;
constexpr std::size_t MaxNotes = 1 << 20;

struct Group {
    std::size_t firstNote = 0;
    int start = 0;
};

class VoiceReader {
public:
    VoiceReader(Voice& voice, const Meter& meter, const std::map<std::string, Pattern, std::less<>>& patterns,
                std::vector<std::string>& patternsInUse)
        : voice_(voice), meter_(meter), patterns_(patterns), inUse_(patternsInUse) {}

    void read(const std::vector<Token>& tokens) {
        for (const Token& token : tokens) {
            voice_.lastLine = token.line;
            switch (token.kind) {
            case Token::Kind::Bar:
                barCheck(token.line);
                break;
            case Token::Kind::Open:
                open();
                break;
            case Token::Kind::Close:
                close(token);
                break;
            case Token::Kind::Chord:
                chord(token);
                break;
            case Token::Kind::Word:
                word(token.text, token.line);
                break;
            }
        }
    }

    // Call once the voice is complete.
    void finish(int line) {
        if (!groups_.empty()) {
            fail(line, "'(' opens a repeat that no ')' closes");
        }
        if (!voice_.tied.empty()) {
            fail(voice_.lastLine,
                 "the tie from " + pitchName(voice_.notes[voice_.tied.front()].key) + " goes past the end");
        }
    }

    // Part lines continue each other, but a repeat must close on the line it opens.
    void endLine(int line) {
        if (!groups_.empty()) {
            fail(line, "'(' opens a repeat that no ')' on this line closes");
        }
    }

    static std::string pitchName(int key) {
        static const std::array<const char*, 12> names = {"C",  "C#", "D",  "D#", "E",  "F",
                                                          "F#", "G",  "G#", "A",  "A#", "B"};
        return names[key % 12] + std::to_string(key / 12 - 1);
    }

private:
    void barCheck(int line) {
        const int offset = voice_.position % meter_.barTicks();
        if (offset != 0) {
            fail(line, "bar line falls " + beats(offset, meter_) + " beats into bar " +
                           std::to_string(voice_.position / meter_.barTicks() + 1) + " (a bar has " +
                           std::to_string(meter_.beats) + ")");
        }
    }

    void open() { groups_.push_back({voice_.notes.size(), voice_.position}); }

    void close(const Token& token) {
        if (groups_.empty()) {
            fail(token.line, "')' closes no repeat");
        }
        if (token.tail.size() < 2 || token.tail[0] != '*') {
            fail(token.line, "')' must be followed by the number of times, as in ')*2'");
        }
        const int times = wholeNumber(token.tail.substr(1), 2, 99, token.line, "the number of times");
        if (!voice_.tied.empty()) {
            fail(token.line, "a tie cannot leave a repeat");
        }
        const Group group = groups_.back();
        groups_.pop_back();
        repeat(group.firstNote, group.start, times, token.line);
    }

    // Plays the notes from `firstNote` on (which began at `start`) `times` times in all.
    void repeat(std::size_t firstNote, int start, int times, int line) {
        const int length = voice_.position - start;
        const std::size_t end = voice_.notes.size();
        // Nested repeats multiply; keep a runaway score from taking all memory.
        if (static_cast<std::int64_t>(voice_.position) + static_cast<std::int64_t>(times - 1) * length >
                MaxTicks ||
            voice_.notes.size() + (end - firstNote) * (times - 1) > MaxNotes) {
            fail(line, "the repeat makes the part longer than a track can be");
        }
        for (int k = 1; k < times; ++k) {
            for (std::size_t i = firstNote; i < end; ++i) {
                Note copy = voice_.notes[i];
                copy.start += k * length;
                voice_.notes.push_back(copy);
            }
        }
        voice_.position += (times - 1) * length;
    }

    int duration(std::string_view text, std::size_t& pos, std::string_view word, int line) {
        const int ticks = readDuration(text, pos, line);
        if (ticks > 0) {
            voice_.duration = ticks;
            return ticks;
        }
        if (voice_.duration == 0) {
            fail(line, quoted(word) + " needs a duration (none is given before it)");
        }
        return voice_.duration;
    }

    // A pitch such as C4, F#, Bb3 at text[pos]; the octave carries over when left out.
    int pitch(std::string_view text, std::size_t& pos, std::string_view word, int line) {
        static constexpr std::array<int, 7> steps = {9, 11, 0, 2, 4, 5, 7}; // A to G
        int key = steps[text[pos] - 'A'];
        ++pos;
        if (pos < text.size() && (text[pos] == '#' || text[pos] == 'b')) {
            const char sign = text[pos];
            for (int n = 0; n < 2 && pos < text.size() && text[pos] == sign; ++n, ++pos) {
                key += sign == '#' ? 1 : -1;
            }
        }
        if (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]))) {
            voice_.octave = text[pos] - '0';
            ++pos;
            if (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]))) {
                fail(line, "the octave of " + quoted(word) + " must be 0 to 9");
            }
        } else if (voice_.octave < 0) {
            fail(line, quoted(word) + " needs an octave (none is given before it)");
        }
        key += 12 * (voice_.octave + 1);
        if (key < 0 || key > 127) {
            fail(line, quoted(word) + " lies outside the MIDI keys");
        }
        return key;
    }

    int drum(std::string_view text, std::size_t& pos, std::string_view word, int line) {
        const std::size_t start = pos;
        while (pos < text.size() && std::isalnum(static_cast<unsigned char>(text[pos]))) {
            ++pos;
        }
        const auto found = drumKeys().find(text.substr(start, pos - start));
        if (found == drumKeys().end()) {
            fail(line, "unknown drum " + quoted(word));
        }
        return found->second;
    }

    void word(std::string_view text, int line) {
        int ticks = 0;
        const char first = text[0];
        if (isDuration(text, line, ticks)) {
            voice_.duration = ticks;
        } else if (first == 'r' && (text.size() == 1 || isDuration(text.substr(1), line, ticks))) {
            std::size_t pos = 1;
            const int length = duration(text, pos, text, line);
            if (!voice_.tied.empty()) {
                fail(line, "a tie cannot end on a rest");
            }
            voice_.position += length;
        } else if (first == '=') {
            if (voice_.lastKeys.empty()) {
                fail(line, "'=' repeats the note or chord before it, and there is none");
            }
            std::size_t pos = 1;
            const int length = duration(text, pos, text, line);
            sound(voice_.lastKeys, length, readMarks(text, pos, text, line), line);
        } else if (first == '!') {
            dynamic(text, line);
        } else if (first == '@') {
            usePattern(text, line);
        } else if (first >= 'A' && first <= 'G') {
            if (voice_.drums) {
                fail(line, "a drum part plays drums, not the pitch " + quoted(text));
            }
            std::size_t pos = 0;
            const int key = pitch(text, pos, text, line);
            const int length = duration(text, pos, text, line);
            sound({key}, length, readMarks(text, pos, text, line), line);
        } else if (std::islower(static_cast<unsigned char>(first))) {
            if (!voice_.drums) {
                fail(line, "cannot read " + quoted(text) + " (pitches are written in capitals, as C4)");
            }
            std::size_t pos = 0;
            const int key = drum(text, pos, text, line);
            sound({key}, voice_.duration ? voice_.duration : 0, readMarks(text, pos, text, line), line);
        } else {
            fail(line, "cannot read " + quoted(text));
        }
    }

    void chord(const Token& token) {
        std::vector<int> keys;
        std::vector<int> accents; // a note of a chord may be accented or soft on its own
        for (const std::string_view item : splitWords(token.text)) {
            std::size_t pos = 0;
            int key = 0;
            if (voice_.drums) {
                key = drum(item, pos, item, token.line);
            } else if (item[0] >= 'A' && item[0] <= 'G') {
                key = pitch(item, pos, item, token.line);
            } else {
                fail(token.line, "a chord holds pitches only, not " + quoted(item));
            }
            const std::size_t marksAt = pos;
            while (pos < item.size() && (item[pos] == '>' || item[pos] == '_')) {
                ++pos;
            }
            if (pos != item.size()) {
                fail(token.line,
                     "cannot read " + quoted(item) + " in a chord (its duration follows the ']')");
            }
            accents.push_back(readMarks(item, marksAt, item, token.line).accent);
            if (std::find(keys.begin(), keys.end(), key) != keys.end()) {
                fail(token.line, "the chord holds " + quoted(item) + " twice");
            }
            keys.push_back(key);
        }
        if (keys.empty()) {
            fail(token.line, "empty chord");
        }
        const std::string word = "[" + std::string(token.text) + "]" + std::string(token.tail);
        std::size_t pos = 0;
        const int length = duration(token.tail, pos, word, token.line);
        sound(keys, length, readMarks(token.tail, pos, word, token.line), token.line, accents);
    }

    void sound(const std::vector<int>& keys, int length, const Marks& marks, int line,
               const std::vector<int>& accents = {}) {
        if (length == 0) {
            fail(line, "a drum needs a duration given before it, as in 'e kick'");
        }
        std::vector<bool> continued(keys.size(), false);
        for (const std::size_t index : voice_.tied) {
            Note& note = voice_.notes[index];
            const auto found = std::find(keys.begin(), keys.end(), note.key);
            if (found == keys.end()) {
                fail(line,
                     "the tie from " + pitchName(note.key) + " finds no " + pitchName(note.key) + " to join");
            }
            continued[found - keys.begin()] = true;
            note.length = voice_.position + (marks.staccato ? length / 2 : length) - note.start;
        }
        std::vector<std::size_t> tied;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (continued[i]) {
                const auto held = std::find_if(voice_.tied.begin(), voice_.tied.end(),
                                               [&](std::size_t n) { return voice_.notes[n].key == keys[i]; });
                tied.push_back(*held);
                continue;
            }
            Note note;
            note.start = voice_.position;
            note.length = marks.staccato ? std::max(length / 2, 1) : length;
            note.key = keys[i];
            note.level = voice_.level;
            note.accent = marks.accent + (accents.empty() ? 0 : accents[i]);
            note.chord = keys.size() > 1;
            voice_.notes.push_back(note);
            tied.push_back(voice_.notes.size() - 1);
        }
        voice_.tied = marks.tie ? tied : std::vector<std::size_t>{};
        voice_.lastKeys = keys;
        voice_.position += length;
    }

    void dynamic(std::string_view text, int line) {
        const std::string_view mark = text.substr(1);
        const auto found = dynamics().find(mark);
        if (found != dynamics().end()) {
            voice_.level = found->second;
        } else if (!mark.empty() && std::isdigit(static_cast<unsigned char>(mark[0]))) {
            voice_.level = wholeNumber(mark, 1, 127, line, "a velocity");
        } else {
            fail(line, "unknown dynamic " + quoted(text) + " (pp p mp mf f ff, or a velocity such as !70)");
        }
    }

    // @name, @name+3, @name-2, @name*4, @name+3*2
    void usePattern(std::string_view text, int line) {
        std::string_view rest = text.substr(1);
        std::size_t nameEnd = 0;
        while (nameEnd < rest.size() &&
               (std::isalnum(static_cast<unsigned char>(rest[nameEnd])) || rest[nameEnd] == '_')) {
            ++nameEnd;
        }
        const std::string_view name = rest.substr(0, nameEnd);
        rest.remove_prefix(nameEnd);
        int transpose = 0;
        int times = 1;
        if (!rest.empty() && (rest[0] == '+' || rest[0] == '-')) {
            const std::size_t star = rest.find('*');
            transpose = wholeNumber(rest.substr(0, star), -48, 48, line, "a transposition");
            rest = star == std::string_view::npos ? std::string_view() : rest.substr(star);
        }
        if (!rest.empty()) {
            if (rest[0] != '*') {
                fail(line, "cannot read " + quoted(text) + " (use @name, @name+2, @name*3)");
            }
            times = wholeNumber(rest.substr(1), 2, 99, line, "the number of times");
        }
        const auto found = patterns_.find(name);
        if (found == patterns_.end()) {
            fail(line, "no pattern named " + quoted(name) + " comes before this line");
        }
        if (std::find(inUse_.begin(), inUse_.end(), found->first) != inUse_.end()) {
            fail(line, "pattern " + quoted(name) + " uses itself");
        }
        if (transpose != 0 && voice_.drums) {
            fail(line, "a drum part cannot transpose " + quoted(text));
        }
        if (!voice_.tied.empty()) {
            fail(line, "a tie cannot lead into a pattern");
        }

        Voice inner;
        inner.drums = voice_.drums;
        inUse_.push_back(found->first);
        try {
            VoiceReader reader(inner, meter_, patterns_, inUse_);
            reader.read(found->second.tokens);
            reader.finish(found->second.line);
        } catch (const ScoreError& error) {
            fail(error.line(), std::string(error.what()) + " (in pattern " + found->first +
                                   ", used on line " + std::to_string(line) + ")");
        }
        inUse_.pop_back();

        const std::size_t first = voice_.notes.size();
        const int start = voice_.position;
        for (Note note : inner.notes) {
            note.start += start;
            note.key += transpose;
            if (note.key < 0 || note.key > 127) {
                fail(line, quoted(text) + " takes a note outside the MIDI keys");
            }
            if (note.level < 0) {
                note.level = voice_.level;
            }
            voice_.notes.push_back(note);
        }
        voice_.position += inner.position;
        voice_.lastKeys.clear();
        for (const int key : inner.lastKeys) {
            voice_.lastKeys.push_back(key + transpose);
        }
        if (times > 1) {
            repeat(first, start, times, line);
        }
    }

    Voice& voice_;
    const Meter& meter_;
    const std::map<std::string, Pattern, std::less<>>& patterns_;
    std::vector<std::string>& inUse_;
    std::vector<Group> groups_;
};

// --- Statements --------------------------------------------------------------------

// Key signatures by the sharps (negative: flats) of the major key and its relative minor.
struct KeyName {
    std::string_view major;
    std::string_view minor;
    int sharps;
};

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

class ScoreReader {
public:
    Score read(std::string_view text) {
        int line = 0;
        std::size_t pos = 0;
        while (pos <= text.size()) {
            std::size_t end = text.find('\n', pos);
            if (end == std::string_view::npos) {
                end = text.size();
            }
            ++line;
            std::string_view content = withoutComment(text.substr(pos, end - pos));
            if (!content.empty() && content.back() == '\r') {
                content.remove_suffix(1);
            }
            statement(content, line);
            pos = end + 1;
        }
        closeBlock();
        return finish();
    }

private:
    enum class Block { None, Pattern, Section, Form };

    void statement(std::string_view content, int line) {
        const auto words = splitWords(content);
        if (words.empty()) {
            return;
        }
        const std::string_view first = words[0];
        if (!isKeyword(first)) {
            blockLine(content, words, line);
            return;
        }
        closeBlock();
        const bool head = first == "title" || first == "tempo" || first == "meter" || first == "key" ||
                          first == "swing" || first == "tail";
        if (head) {
            if (bodyStarted_) {
                fail(line, quoted(first) + " belongs in the head of the score, before the parts");
            }
            if (!seen_.insert(std::string(first)).second) {
                fail(line, "the score sets its " + std::string(first) + " twice");
            }
        }
        if (first == "title") {
            const std::size_t at = content.find("title") + 5;
            std::string_view title = content.substr(at);
            while (!title.empty() && std::isspace(static_cast<unsigned char>(title.front()))) {
                title.remove_prefix(1);
            }
            while (!title.empty() && std::isspace(static_cast<unsigned char>(title.back()))) {
                title.remove_suffix(1);
            }
            score_.title = title;
            return;
        }
        if (first == "part") {
            part(words, line);
            return;
        }
        if (first == "pattern") {
            pattern(words, line);
            return;
        }
        if (first == "section") {
            section(words, line);
            return;
        }
        if (first == "form") {
            if (formLine_ != 0) {
                fail(line, "the score has a form already (on line " + std::to_string(formLine_) + ")");
            }
            formLine_ = line;
            block_ = Block::Form;
            formItems(words, 1, line);
            return;
        }
        if (words.size() != 2) {
            fail(line, quoted(first) + " takes one value");
        }
        const std::string_view value = words[1];
        if (first == "tempo") {
            score_.tempo = number(value, 20, 300, line, "the tempo");
        } else if (first == "meter") {
            const std::size_t slash = value.find('/');
            if (slash == std::string_view::npos) {
                fail(line, "the meter is written as beats/unit, as 4/4 or 6/8, not " + quoted(value));
            }
            score_.meter.beats = wholeNumber(value.substr(0, slash), 1, 16, line, "the beats of a bar");
            score_.meter.unit = wholeNumber(value.substr(slash + 1), 2, 16, line, "the beat unit");
            if (score_.meter.unit != 2 && score_.meter.unit != 4 && score_.meter.unit != 8 &&
                score_.meter.unit != 16) {
                fail(line, "the beat unit must be 2, 4, 8 or 16");
            }
        } else if (first == "key") {
            score_.key = keySignature(value);
            if (!score_.key) {
                fail(line, "unknown key " + quoted(value) + " (such as G, Bb, F#m, Em)");
            }
        } else if (first == "swing") {
            score_.swing = wholeNumber(value, 50, 75, line, "the swing");
        } else if (first == "tail") {
            score_.tail = number(value, 0, 10, line, "the tail");
        }
    }

    void blockLine(std::string_view content, const std::vector<std::string_view>& words, int line) {
        switch (block_) {
        case Block::None:
            fail(line, "cannot read " + quoted(words[0]) + " here (notes belong in a section or a pattern)");
        case Block::Form:
            formItems(words, 0, line);
            return;
        case Block::Pattern: {
            if (words[0].back() == ':') {
                fail(line, "a pattern holds notes only; part lines belong in a section");
            }
            auto tokens = lex(content, line);
            auto& body = pattern_.tokens;
            body.insert(body.end(), tokens.begin(), tokens.end());
            return;
        }
        case Block::Section: {
            // A line without a part's label goes on with the part of the line above.
            const std::string_view label = words[0];
            std::size_t at = 0;
            if (label.size() >= 2 && label.back() == ':') {
                const std::string_view name = label.substr(0, label.size() - 1);
                const auto found = std::find_if(score_.parts.begin(), score_.parts.end(),
                                                [&](const Part& p) { return p.name == name; });
                if (found == score_.parts.end()) {
                    fail(line, "no part is named " + quoted(name));
                }
                currentPart_ = static_cast<int>(found - score_.parts.begin());
                at = content.find(label) + label.size();
            } else if (currentPart_ < 0) {
                fail(line, "a section line starts with its part's name and a colon, as 'bass:'");
            }
            Voice& voice = voices_[currentPart_];
            if (!voiceUsed_[currentPart_]) {
                voiceUsed_[currentPart_] = true;
                voice.drums = score_.parts[currentPart_].drums;
            }
            VoiceReader reader(voice, score_.meter, patterns_, inUse_);
            reader.read(lex(content.substr(at), line));
            reader.endLine(line);
            voice.lastLine = line;
            return;
        }
        }
    }

    // The parts, patterns and sections read their notes against the head's meter and tempo.
    void startBody(int line) {
        if (!bodyStarted_) {
            if (score_.tempo == 0) {
                fail(line, "the score's head sets no tempo before its parts");
            }
            if (!seen_.count("meter")) {
                fail(line, "the score's head sets no meter before its parts");
            }
        }
        bodyStarted_ = true;
    }

    void part(const std::vector<std::string_view>& words, int line) {
        startBody(line);
        if (!sections_.empty()) {
            fail(line, "parts come before the sections");
        }
        if (words.size() < 3) {
            fail(line, "a part needs a name and 'program N' or 'drums'");
        }
        Part part;
        part.name = name(words[1], line, "part");
        part.line = line;
        for (const Part& other : score_.parts) {
            if (other.name == part.name) {
                fail(line, "a part named " + quoted(part.name) + " is already on line " +
                               std::to_string(other.line));
            }
        }
        std::set<std::string_view> given;
        for (std::size_t i = 2; i < words.size(); ++i) {
            const std::string_view option = words[i];
            if (!given.insert(option).second) {
                fail(line, quoted(option) + " is given twice");
            }
            if (option == "drums") {
                part.drums = true;
                continue;
            }
            if (i + 1 >= words.size()) {
                fail(line, quoted(option) + " needs a value");
            }
            const std::string_view value = words[++i];
            if (option == "program") {
                part.program = wholeNumber(value, 1, 128, line, "the program") - 1;
            } else if (option == "volume") {
                part.volume = wholeNumber(value, 0, 127, line, "the volume");
            } else if (option == "pan") {
                part.pan = wholeNumber(value, -64, 63, line, "the pan");
            } else if (option == "reverb") {
                part.reverb = wholeNumber(value, 0, 127, line, "the reverb");
            } else if (option == "velocity") {
                part.velocity = wholeNumber(value, 1, 127, line, "the velocity");
            } else if (option == "transpose") {
                part.transpose = wholeNumber(value, -48, 48, line, "the transposition");
            } else if (option == "strum") {
                part.strum = wholeNumber(value, 0, 120, line, "the strum");
            } else {
                fail(line, "unknown part option " + quoted(option) +
                               " (program, drums, volume, pan, reverb, velocity, transpose, strum)");
            }
        }
        if (!part.drums && part.program < 0) {
            fail(line, "part " + quoted(part.name) + " needs 'program N' (1 to 128) or 'drums'");
        }
        if (part.drums) {
            if (part.transpose != 0) {
                fail(line, "a drum part cannot be transposed");
            }
            for (const Part& other : score_.parts) {
                if (other.drums) {
                    fail(line, "the score has a drum part already (" + other.name + ")");
                }
            }
            part.channel = 9;
        } else {
            const int melodic = static_cast<int>(std::count_if(score_.parts.begin(), score_.parts.end(),
                                                               [](const Part& p) { return !p.drums; }));
            if (melodic == 15) {
                fail(line, "a score has at most 15 parts besides the drums");
            }
            part.channel = melodic < 9 ? melodic : melodic + 1;
        }
        score_.parts.push_back(part);
    }

    void pattern(const std::vector<std::string_view>& words, int line) {
        startBody(line);
        if (words.size() != 2) {
            fail(line, "a pattern line is 'pattern NAME', its notes on the lines below");
        }
        pattern_ = Pattern{name(words[1], line, "pattern"), line, {}};
        if (const auto found = patterns_.find(pattern_.name); found != patterns_.end()) {
            fail(line, "a pattern named " + quoted(pattern_.name) + " is already on line " +
                           std::to_string(found->second.line));
        }
        block_ = Block::Pattern;
    }

    void section(const std::vector<std::string_view>& words, int line) {
        startBody(line);
        if (score_.parts.empty()) {
            fail(line, "a section comes after the parts");
        }
        if (words.size() < 2) {
            fail(line, "a section needs a name");
        }
        Section section;
        section.name = name(words[1], line, "section");
        section.line = line;
        for (const Section& other : sections_) {
            if (other.name == section.name) {
                fail(line, "a section named " + quoted(section.name) + " is already on line " +
                               std::to_string(other.line));
            }
        }
        for (std::size_t i = 2; i < words.size(); i += 2) {
            if (i + 1 >= words.size()) {
                fail(line, quoted(words[i]) + " needs a value");
            }
            if (words[i] == "tempo" && !section.tempo) {
                section.tempo = number(words[i + 1], 20, 300, line, "the tempo");
            } else if (words[i] == "rit" && !section.ritardando) {
                section.ritardando = number(words[i + 1], 20, 300, line, "the ritardando's tempo");
            } else {
                fail(line, "unknown or repeated section option " + quoted(words[i]) + " (tempo, rit)");
            }
        }
        section_ = section;
        currentPart_ = -1;
        voices_.assign(score_.parts.size(), Voice{});
        voiceUsed_.assign(score_.parts.size(), false);
        block_ = Block::Section;
    }

    void formItems(const std::vector<std::string_view>& words, std::size_t first, int line) {
        for (std::size_t i = first; i < words.size(); ++i) {
            const std::string_view item = words[i];
            std::size_t end = 0;
            while (end < item.size() &&
                   (std::isalnum(static_cast<unsigned char>(item[end])) || item[end] == '_')) {
                ++end;
            }
            FormEntry entry;
            entry.line = line;
            std::string_view rest = item.substr(end);
            if (!rest.empty() && (rest[0] == '+' || rest[0] == '-')) {
                const std::size_t star = rest.find('*');
                entry.transpose = wholeNumber(rest.substr(0, star), -24, 24, line, "a transposition");
                rest = star == std::string_view::npos ? std::string_view() : rest.substr(star);
            }
            if (end == 0 || (!rest.empty() && rest[0] != '*')) {
                fail(line, "cannot read the form item " + quoted(item) + " (use A, A*2, A+2, A-3*2)");
            }
            if (!rest.empty()) {
                entry.times = wholeNumber(rest.substr(1), 1, 99, line, "the number of times");
            }
            formNames_.emplace_back(item.substr(0, end));
            score_.form.push_back(entry);
        }
    }

    std::string name(std::string_view word, int line, std::string_view what) {
        if (!isName(word) || isKeyword(word)) {
            fail(line, "a " + std::string(what) + " name is a letter and letters, digits or '_', not " +
                           quoted(word));
        }
        return std::string(word);
    }

    void closeBlock() {
        if (block_ == Block::Pattern) {
            if (pattern_.tokens.empty()) {
                fail(pattern_.line, "pattern " + quoted(pattern_.name) + " has no notes");
            }
            patterns_.emplace(pattern_.name, pattern_);
        } else if (block_ == Block::Section) {
            closeSection();
        }
        block_ = Block::None;
    }

    void closeSection() {
        int reference = -1;
        for (std::size_t i = 0; i < voices_.size(); ++i) {
            if (!voiceUsed_[i]) {
                continue;
            }
            VoiceReader(voices_[i], score_.meter, patterns_, inUse_).finish(voices_[i].lastLine);
            if (reference < 0) {
                reference = static_cast<int>(i);
            } else if (voices_[i].position != voices_[reference].position) {
                fail(voices_[i].lastLine, "in section " + section_.name + ", " + score_.parts[i].name +
                                              " lasts " + beats(voices_[i].position, score_.meter) +
                                              " beats but " + score_.parts[reference].name + " lasts " +
                                              beats(voices_[reference].position, score_.meter));
            }
        }
        if (reference < 0 || voices_[reference].position == 0) {
            fail(section_.line, "section " + quoted(section_.name) + " has no music");
        }
        section_.length = voices_[reference].position;
        for (Voice& voice : voices_) {
            section_.notes.push_back(std::move(voice.notes));
        }
        if (section_.ritardando && *section_.ritardando >= section_.tempo.value_or(score_.tempo)) {
            fail(section_.line, "a ritardando slows down: its tempo must be below the section's");
        }
        sections_.push_back(std::move(section_));
    }

    Score finish() {
        if (score_.parts.empty()) {
            fail(0, "the score has no parts");
        }
        if (score_.form.empty()) {
            fail(formLine_, formLine_ ? "the form is empty" : "the score has no form");
        }
        for (std::size_t i = 0; i < score_.form.size(); ++i) {
            const auto found = std::find_if(sections_.begin(), sections_.end(),
                                            [&](const Section& s) { return s.name == formNames_[i]; });
            if (found == sections_.end()) {
                fail(score_.form[i].line,
                     "the form names " + quoted(formNames_[i]) + ", which is no section");
            }
            score_.form[i].section = static_cast<int>(found - sections_.begin());
        }
        score_.sections = std::move(sections_);
        return std::move(score_);
    }

    Score score_;
    std::set<std::string> seen_;
    bool bodyStarted_ = false;
    Block block_ = Block::None;
    Pattern pattern_;
    std::map<std::string, Pattern, std::less<>> patterns_;
    std::vector<std::string> inUse_;
    Section section_;
    std::vector<Section> sections_;
    std::vector<Voice> voices_;
    std::vector<bool> voiceUsed_;
    int currentPart_ = -1; // the part the section's last line was for
    std::vector<std::string> formNames_;
    int formLine_ = 0;
};

} // namespace

Score parseScore(std::string_view text) {
    return ScoreReader().read(text);
}

} // namespace slotmachine::music
