#include "tools/assets/music/VoiceRepeats.h"

#include "tools/assets/music/ScoreWords.h"

#include <cstdint>

namespace slotmachine::music {

namespace {

// Limits on one part of one section: about nine hours at 60 a minute, and a million notes.
constexpr int MaxTicks = 1 << 24;
constexpr std::size_t MaxNotes = 1 << 20;

} // namespace

void repeatNotes(Voice& voice, std::size_t firstNote, int start, int times, int line) {
    const int length = voice.position - start;
    const std::size_t end = voice.notes.size();
    // Nested repeats multiply; keep a runaway score from taking all memory.
    if (static_cast<std::int64_t>(voice.position) + static_cast<std::int64_t>(times - 1) * length >
            MaxTicks ||
        voice.notes.size() + (end - firstNote) * (times - 1) > MaxNotes) {
        fail(line, "the repeat makes the part longer than a track can be");
    }
    for (int k = 1; k < times; ++k) {
        for (std::size_t i = firstNote; i < end; ++i) {
            Note copy = voice.notes[i];
            copy.start += k * length;
            voice.notes.push_back(copy);
        }
    }
    voice.position += (times - 1) * length;
}

void RepeatGroups::close(Voice& voice, const Token& token) {
    if (groups_.empty()) {
        fail(token.line, "')' closes no repeat");
    }
    if (token.tail.size() < 2 || token.tail[0] != '*') {
        fail(token.line, "')' must be followed by the number of times, as in ')*2'");
    }
    const int times = wholeNumber(token.tail.substr(1), 2, 99, token.line, "the number of times");
    if (!voice.tied.empty()) {
        fail(token.line, "a tie cannot leave a repeat");
    }
    const Group group = groups_.back();
    groups_.pop_back();
    repeatNotes(voice, group.firstNote, group.start, times, token.line);
}

} // namespace slotmachine::music
