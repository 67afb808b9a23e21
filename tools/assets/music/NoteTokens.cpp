#include "tools/assets/music/NoteTokens.h"

#include "tools/assets/music/ScoreWords.h"

#include <cctype>

namespace slotmachine::music {

namespace {

bool isDelimiter(char c) {
    return std::isspace(static_cast<unsigned char>(c)) || c == '|' || c == '(' || c == ')' || c == '[' ||
           c == ']';
}

} // namespace

std::vector<Token> lex(std::string_view text, int line) {
    std::vector<Token> tokens;
    std::size_t pos = 0;
    const auto readTail = [&] {
        const std::size_t start = pos;
        while (pos < text.size() && !isDelimiter(text[pos])) {
            ++pos;
        }
        return text.substr(start, pos - start);
    };
    while (pos < text.size()) {
        const char c = text[pos];
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++pos;
        } else if (c == '|') {
            tokens.push_back({Token::Kind::Bar, text.substr(pos, 1), {}, line});
            ++pos;
        } else if (c == '(') {
            tokens.push_back({Token::Kind::Open, text.substr(pos, 1), {}, line});
            ++pos;
        } else if (c == ')') {
            ++pos;
            tokens.push_back({Token::Kind::Close, ")", readTail(), line});
        } else if (c == '[') {
            const std::size_t close = text.find_first_of("[]", pos + 1);
            if (close == std::string_view::npos || text[close] != ']') {
                fail(line, "'[' opens a chord that no ']' closes");
            }
            const std::string_view inside = text.substr(pos + 1, close - pos - 1);
            pos = close + 1;
            tokens.push_back({Token::Kind::Chord, inside, readTail(), line});
        } else if (c == ']') {
            fail(line, "']' closes no chord");
        } else {
            tokens.push_back({Token::Kind::Word, readTail(), {}, line});
        }
    }
    return tokens;
}

} // namespace slotmachine::music
