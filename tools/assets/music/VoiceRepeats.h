#pragma once

// Repeats within a part: the groups '(' ... ')*N' and the notes played again.

#include "tools/assets/music/NoteTokens.h"
#include "tools/assets/music/Voice.h"

#include <cstddef>
#include <vector>

namespace slotmachine::music {

// Plays the notes of `voice` from `firstNote` on (which began at `start`) `times`
// times in all.
void repeatNotes(Voice& voice, std::size_t firstNote, int start, int times, int line);

// The repeats open in a part's line, innermost last.
class RepeatGroups {
public:
    // '(': a repeat starts here.
    void open(const Voice& voice) { groups_.push_back({voice.notes.size(), voice.position}); }
    // ')*N': the innermost repeat ends here and plays N times in all.
    void close(Voice& voice, const Token& token);
    bool empty() const { return groups_.empty(); }

private:
    struct Group {
        std::size_t firstNote = 0;
        int start = 0;
    };
    std::vector<Group> groups_;
};

} // namespace slotmachine::music
