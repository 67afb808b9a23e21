#include "tools/assets/music/NoteTokens.h"
#include "tools/assets/music/PartLine.h"
#include "tools/assets/music/Score.h"
#include "tools/assets/music/ScoreForm.h"
#include "tools/assets/music/ScoreHead.h"
#include "tools/assets/music/ScoreWords.h"
#include "tools/assets/music/SectionReader.h"
#include "tools/assets/music/Voice.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace slotmachine::music {

namespace {

// Reads a score line by line: the head, then the parts, the patterns and the
// sections, and the form; each pattern or section runs until the next statement.
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
        if (isHeadKeyword(first)) {
            if (bodyStarted_) {
                fail(line, quoted(first) + " belongs in the head of the score, before the parts");
            }
            if (!seen_.insert(std::string(first)).second) {
                fail(line, "the score sets its " + std::string(first) + " twice");
            }
            readHeadLine(score_, content, words, line);
        } else if (first == "part") {
            startBody(line);
            if (!sections_.empty()) {
                fail(line, "parts come before the sections");
            }
            score_.parts.push_back(readPart(words, line, score_.parts));
        } else if (first == "pattern") {
            pattern(words, line);
        } else if (first == "section") {
            startBody(line);
            section_.start(words, line, sections_);
            block_ = Block::Section;
        } else { // the form
            if (formLine_ != 0) {
                fail(line, "the score has a form already (on line " + std::to_string(formLine_) + ")");
            }
            formLine_ = line;
            block_ = Block::Form;
            readFormItems(words, 1, line, score_.form, formNames_);
        }
    }

    void blockLine(std::string_view content, const std::vector<std::string_view>& words, int line) {
        switch (block_) {
        case Block::None:
            fail(line, "cannot read " + quoted(words[0]) + " here (notes belong in a section or a pattern)");
        case Block::Form:
            readFormItems(words, 0, line, score_.form, formNames_);
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
        case Block::Section:
            section_.partLine(content, words, line);
            return;
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

    void pattern(const std::vector<std::string_view>& words, int line) {
        startBody(line);
        if (words.size() != 2) {
            fail(line, "a pattern line is 'pattern NAME', its notes on the lines below");
        }
        pattern_ = Pattern{scoreName(words[1], line, "pattern"), line, {}};
        if (const auto found = patterns_.find(pattern_.name); found != patterns_.end()) {
            fail(line, "a pattern named " + quoted(pattern_.name) + " is already on line " +
                           std::to_string(found->second.line));
        }
        block_ = Block::Pattern;
    }

    void closeBlock() {
        if (block_ == Block::Pattern) {
            if (pattern_.tokens.empty()) {
                fail(pattern_.line, "pattern " + quoted(pattern_.name) + " has no notes");
            }
            patterns_.emplace(pattern_.name, pattern_);
        } else if (block_ == Block::Section) {
            sections_.push_back(section_.close());
        }
        block_ = Block::None;
    }

    Score finish() {
        if (score_.parts.empty()) {
            fail(0, "the score has no parts");
        }
        if (score_.form.empty()) {
            fail(formLine_, formLine_ ? "the form is empty" : "the score has no form");
        }
        findFormSections(score_.form, formNames_, sections_);
        score_.sections = std::move(sections_);
        return std::move(score_);
    }

    Score score_;
    std::set<std::string> seen_;
    bool bodyStarted_ = false;
    Block block_ = Block::None;
    Pattern pattern_;
    Patterns patterns_;
    std::vector<std::string> inUse_;
    SectionReader section_{score_, patterns_, inUse_};
    std::vector<Section> sections_;
    std::vector<std::string> formNames_;
    int formLine_ = 0;
};

} // namespace

Score parseScore(std::string_view text) {
    return ScoreReader().read(text);
}

} // namespace slotmachine::music
