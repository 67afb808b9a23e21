#include "tools/assets/music/ScoreWords.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>

namespace slotmachine::music {

namespace {

constexpr std::array<std::string_view, 10> Keywords = {"title", "tempo", "meter",   "key",     "swing",
                                                       "tail",  "part",  "pattern", "section", "form"};

bool isName(std::string_view word) {
    if (word.empty() || !std::isalpha(static_cast<unsigned char>(word[0]))) {
        return false;
    }
    return std::all_of(word.begin(), word.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
}

bool readInt(std::string_view text, int& value) {
    if (!text.empty() && text[0] == '+') {
        text.remove_prefix(1);
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

} // namespace

bool isKeyword(std::string_view word) {
    return std::find(Keywords.begin(), Keywords.end(), word) != Keywords.end();
}

[[noreturn]] void fail(int line, const std::string& message) {
    throw ScoreError(line, message);
}

std::string quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

std::string scoreName(std::string_view word, int line, std::string_view what) {
    if (!isName(word) || isKeyword(word)) {
        fail(line,
             "a " + std::string(what) + " name is a letter and letters, digits or '_', not " + quoted(word));
    }
    return std::string(word);
}

int wholeNumber(std::string_view text, int low, int high, int line, std::string_view what) {
    int value = 0;
    if (!readInt(text, value) || value < low || value > high) {
        fail(line, std::string(what) + " must be a whole number from " + std::to_string(low) + " to " +
                       std::to_string(high) + ", not " + quoted(text));
    }
    return value;
}

double number(std::string_view text, double low, double high, int line, std::string_view what) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !(value >= low && value <= high)) {
        std::string range =
            std::to_string(static_cast<int>(low)) + " to " + std::to_string(static_cast<int>(high));
        fail(line, std::string(what) + " must be a number from " + range + ", not " + quoted(text));
    }
    return value;
}

std::vector<std::string_view> splitWords(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos]))) {
            ++pos;
        }
        const std::size_t start = pos;
        while (pos < text.size() && !std::isspace(static_cast<unsigned char>(text[pos]))) {
            ++pos;
        }
        if (pos > start) {
            words.push_back(text.substr(start, pos - start));
        }
    }
    return words;
}

// A '#' that starts a word opens a comment; inside a word it is a sharp.
std::string_view withoutComment(std::string_view line) {
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '#' && (i == 0 || std::isspace(static_cast<unsigned char>(line[i - 1])))) {
            return line.substr(0, i);
        }
    }
    return line;
}

// Beats of the meter, for messages: "3", "2.5".
std::string beats(int ticks, const Meter& meter) {
    const double value = static_cast<double>(ticks) / meter.beatTicks();
    char text[32];
    std::snprintf(text, sizeof text, "%.3g", value);
    return text;
}

} // namespace slotmachine::music
