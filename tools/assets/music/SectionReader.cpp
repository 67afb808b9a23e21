#include "tools/assets/music/SectionReader.h"

#include "tools/assets/music/ScoreWords.h"
#include "tools/assets/music/VoiceReader.h"

#include <algorithm>

namespace slotmachine::music {

void SectionReader::start(const std::vector<std::string_view>& words, int line,
                          const std::vector<Section>& earlier) {
    if (score_.parts.empty()) {
        fail(line, "a section comes after the parts");
    }
    if (words.size() < 2) {
        fail(line, "a section needs a name");
    }
    Section section;
    section.name = scoreName(words[1], line, "section");
    section.line = line;
    for (const Section& other : earlier) {
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
}

void SectionReader::partLine(std::string_view content, const std::vector<std::string_view>& words, int line) {
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
}

Section SectionReader::close() {
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
    return std::move(section_);
}

} // namespace slotmachine::music
