#include "tools/assets/music/PartLine.h"

#include "tools/assets/music/ScoreWords.h"

#include <algorithm>
#include <set>

namespace slotmachine::music {

Part readPart(const std::vector<std::string_view>& words, int line, const std::vector<Part>& parts) {
    if (words.size() < 3) {
        fail(line, "a part needs a name and 'program N' or 'drums'");
    }
    Part part;
    part.name = scoreName(words[1], line, "part");
    part.line = line;
    for (const Part& other : parts) {
        if (other.name == part.name) {
            fail(line,
                 "a part named " + quoted(part.name) + " is already on line " + std::to_string(other.line));
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
        for (const Part& other : parts) {
            if (other.drums) {
                fail(line, "the score has a drum part already (" + other.name + ")");
            }
        }
        part.channel = 9;
    } else {
        const int melodic = static_cast<int>(
            std::count_if(parts.begin(), parts.end(), [](const Part& p) { return !p.drums; }));
        if (melodic == 15) {
            fail(line, "a score has at most 15 parts besides the drums");
        }
        part.channel = melodic < 9 ? melodic : melodic + 1;
    }
    return part;
}

} // namespace slotmachine::music
