#pragma once

// The reader of one section of a score.

#include "tools/assets/music/Voice.h"

#include <string>
#include <string_view>
#include <vector>

namespace slotmachine::music {

// Reads a section: its 'section' line, the lines of its parts' notes, and at its
// end the check that every part that plays lasts as long as the others.
class SectionReader {
public:
    // `score`: its head and parts, read already.
    SectionReader(const Score& score, const Patterns& patterns, std::vector<std::string>& patternsInUse)
        : score_(score), patterns_(patterns), inUse_(patternsInUse) {}

    // Starts the section of a line 'section NAME [tempo N] [rit N]' after the `earlier` ones.
    void start(const std::vector<std::string_view>& words, int line, const std::vector<Section>& earlier);
    // A line of a part's notes: 'PART: notes', or notes that go on with the part of the line above.
    void partLine(std::string_view content, const std::vector<std::string_view>& words, int line);
    // The section, complete.
    Section close();

private:
    const Score& score_;
    const Patterns& patterns_;
    std::vector<std::string>& inUse_;
    Section section_;
    std::vector<Voice> voices_;
    std::vector<bool> voiceUsed_;
    int currentPart_ = -1; // the part the section's last line was for
};

} // namespace slotmachine::music
