#include "tools/assets/music/ScoreHead.h"

#include "tools/assets/music/KeySignatures.h"
#include "tools/assets/music/ScoreWords.h"

#include <cctype>

namespace slotmachine::music {

bool isHeadKeyword(std::string_view first) {
    return first == "title" || first == "tempo" || first == "meter" || first == "key" || first == "swing" ||
           first == "tail";
}

void readHeadLine(Score& score, std::string_view content, const std::vector<std::string_view>& words,
                  int line) {
    const std::string_view first = words[0];
    if (first == "title") {
        const std::size_t at = content.find("title") + 5;
        std::string_view title = content.substr(at);
        while (!title.empty() && std::isspace(static_cast<unsigned char>(title.front()))) {
            title.remove_prefix(1);
        }
        while (!title.empty() && std::isspace(static_cast<unsigned char>(title.back()))) {
            title.remove_suffix(1);
        }
        score.title = title;
        return;
    }
    if (words.size() != 2) {
        fail(line, quoted(first) + " takes one value");
    }
    const std::string_view value = words[1];
    if (first == "tempo") {
        score.tempo = number(value, 20, 300, line, "the tempo");
    } else if (first == "meter") {
        const std::size_t slash = value.find('/');
        if (slash == std::string_view::npos) {
            fail(line, "the meter is written as beats/unit, as 4/4 or 6/8, not " + quoted(value));
        }
        score.meter.beats = wholeNumber(value.substr(0, slash), 1, 16, line, "the beats of a bar");
        score.meter.unit = wholeNumber(value.substr(slash + 1), 2, 16, line, "the beat unit");
        if (score.meter.unit != 2 && score.meter.unit != 4 && score.meter.unit != 8 &&
            score.meter.unit != 16) {
            fail(line, "the beat unit must be 2, 4, 8 or 16");
        }
    } else if (first == "key") {
        score.key = keySignature(value);
        if (!score.key) {
            fail(line, "unknown key " + quoted(value) + " (such as G, Bb, F#m, Em)");
        }
    } else if (first == "swing") {
        score.swing = wholeNumber(value, 50, 75, line, "the swing");
    } else if (first == "tail") {
        score.tail = number(value, 0, 10, line, "the tail");
    }
}

} // namespace slotmachine::music
