#include "tools/assets/music/PatternUse.h"

#include "tools/assets/music/ScoreWords.h"
#include "tools/assets/music/VoiceReader.h"
#include "tools/assets/music/VoiceRepeats.h"

#include <algorithm>
#include <cctype>

namespace slotmachine::music {

void usePattern(Voice& voice, const Meter& meter, const Patterns& patterns, std::vector<std::string>& inUse,
                std::string_view text, int line) {
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
    const auto found = patterns.find(name);
    if (found == patterns.end()) {
        fail(line, "no pattern named " + quoted(name) + " comes before this line");
    }
    if (std::find(inUse.begin(), inUse.end(), found->first) != inUse.end()) {
        fail(line, "pattern " + quoted(name) + " uses itself");
    }
    if (transpose != 0 && voice.drums) {
        fail(line, "a drum part cannot transpose " + quoted(text));
    }
    if (!voice.tied.empty()) {
        fail(line, "a tie cannot lead into a pattern");
    }

    Voice inner;
    inner.drums = voice.drums;
    inUse.push_back(found->first);
    try {
        VoiceReader reader(inner, meter, patterns, inUse);
        reader.read(found->second.tokens);
        reader.finish(found->second.line);
    } catch (const ScoreError& error) {
        fail(error.line(), std::string(error.what()) + " (in pattern " + found->first + ", used on line " +
                               std::to_string(line) + ")");
    }
    inUse.pop_back();

    const std::size_t first = voice.notes.size();
    const int start = voice.position;
    for (Note note : inner.notes) {
        note.start += start;
        note.key += transpose;
        if (note.key < 0 || note.key > 127) {
            fail(line, quoted(text) + " takes a note outside the MIDI keys");
        }
        if (note.level < 0) {
            note.level = voice.level;
        }
        voice.notes.push_back(note);
    }
    voice.position += inner.position;
    voice.lastKeys.clear();
    for (const int key : inner.lastKeys) {
        voice.lastKeys.push_back(key + transpose);
    }
    if (times > 1) {
        repeatNotes(voice, first, start, times, line);
    }
}

} // namespace slotmachine::music
