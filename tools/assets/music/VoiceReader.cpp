#include "tools/assets/music/VoiceReader.h"

#include "tools/assets/music/PatternUse.h"
#include "tools/assets/music/ScoreWords.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace slotmachine::music {

void VoiceReader::read(const std::vector<Token>& tokens) {
    for (const Token& token : tokens) {
        voice_.lastLine = token.line;
        switch (token.kind) {
        case Token::Kind::Bar:
            barCheck(token.line);
            break;
        case Token::Kind::Open:
            groups_.open(voice_);
            break;
        case Token::Kind::Close:
            groups_.close(voice_, token);
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

void VoiceReader::finish(int line) {
    if (!groups_.empty()) {
        fail(line, "'(' opens a repeat that no ')' closes");
    }
    if (!voice_.tied.empty()) {
        fail(voice_.lastLine,
             "the tie from " + pitchName(voice_.notes[voice_.tied.front()].key) + " goes past the end");
    }
}

void VoiceReader::endLine(int line) {
    if (!groups_.empty()) {
        fail(line, "'(' opens a repeat that no ')' on this line closes");
    }
}

void VoiceReader::barCheck(int line) {
    const int offset = voice_.position % meter_.barTicks();
    if (offset != 0) {
        fail(line, "bar line falls " + beats(offset, meter_) + " beats into bar " +
                       std::to_string(voice_.position / meter_.barTicks() + 1) + " (a bar has " +
                       std::to_string(meter_.beats) + ")");
    }
}

int VoiceReader::duration(std::string_view text, std::size_t& pos, std::string_view word, int line) {
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

int VoiceReader::pitch(std::string_view text, std::size_t& pos, std::string_view word, int line) {
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

int VoiceReader::drum(std::string_view text, std::size_t& pos, std::string_view word, int line) {
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

void VoiceReader::word(std::string_view text, int line) {
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
        usePattern(voice_, meter_, patterns_, inUse_, text, line);
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

void VoiceReader::chord(const Token& token) {
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
            fail(token.line, "cannot read " + quoted(item) + " in a chord (its duration follows the ']')");
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

void VoiceReader::sound(const std::vector<int>& keys, int length, const Marks& marks, int line,
                        const std::vector<int>& accents) {
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

void VoiceReader::dynamic(std::string_view text, int line) {
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

} // namespace slotmachine::music
