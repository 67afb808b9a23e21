#pragma once

// The reader of one part's notes.

#include "tools/assets/music/NoteTokens.h"
#include "tools/assets/music/NoteValues.h"
#include "tools/assets/music/Voice.h"
#include "tools/assets/music/VoiceRepeats.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace slotmachine::music {

// Reads tokens of one part's notes into its voice: notes, rests, chords, drums,
// dynamics, bar checks, repeats and the patterns it plays.
class VoiceReader {
public:
    // `patternsInUse`: the patterns being read, which none of the notes may play again.
    VoiceReader(Voice& voice, const Meter& meter, const Patterns& patterns,
                std::vector<std::string>& patternsInUse)
        : voice_(voice), meter_(meter), patterns_(patterns), inUse_(patternsInUse) {}

    // Reads the tokens on from where the voice stands.
    void read(const std::vector<Token>& tokens);

    // Call once the voice is complete.
    void finish(int line);

    // Part lines continue each other, but a repeat must close on the line it opens.
    void endLine(int line);

private:
    void barCheck(int line);
    // The duration at text[pos], which carries over to the notes after it; the one
    // carried over when none is written.
    int duration(std::string_view text, std::size_t& pos, std::string_view word, int line);
    // A pitch such as C4, F#, Bb3 at text[pos]; the octave carries over when left out.
    int pitch(std::string_view text, std::size_t& pos, std::string_view word, int line);
    // A drum's name at text[pos].
    int drum(std::string_view text, std::size_t& pos, std::string_view word, int line);
    void word(std::string_view text, int line);
    void chord(const Token& token);
    // Sounds `keys` (or continues the notes tied into them) for `length`.
    void sound(const std::vector<int>& keys, int length, const Marks& marks, int line,
               const std::vector<int>& accents = {});
    void dynamic(std::string_view text, int line);

    Voice& voice_;
    const Meter& meter_;
    const Patterns& patterns_;
    std::vector<std::string>& inUse_;
    RepeatGroups groups_;
};

} // namespace slotmachine::music
