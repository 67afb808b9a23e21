#pragma once

#include <charconv>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace slotmachine::sim {

// The command line of slots-sim and slots-par: options with a value, given as
// "--name value" or "--name=value", flags without one, and "--help" or "-h".
struct CommandLine {
    std::map<std::string, std::string> values; // the last value of each option given
    std::set<std::string> flags;               // the flags given
    bool helpAsked = false;
    std::string error; // what is wrong with the arguments, if anything

    std::optional<std::string> value(const std::string& name) const {
        const auto given = values.find(name);
        return given == values.end() ? std::nullopt : std::optional<std::string>(given->second);
    }
};

// Reads `arguments` knowing the options that take a value and the flags; stops at
// the first argument it cannot place, or at a help request.
CommandLine readCommandLine(const std::vector<std::string>& arguments, const std::set<std::string>& valued,
                            const std::set<std::string>& flags);

// The whole of `text` as a number of the type; false leaves `value` as it was.
template <typename T> bool parseNumber(const std::string& text, T& value) {
    const char* end = text.data() + text.size();
    T parsed{};
    auto [ptr, ec] = std::from_chars(text.data(), end, parsed);
    if (ec != std::errc() || ptr != end || text.empty()) {
        return false;
    }
    value = parsed;
    return true;
}

// The games, and the strategies of one game, joined for a message or a usage text.
std::string joinedGameNames();
std::string joinedStrategyNames(std::string_view game);

// What is wrong with playing `game` with `strategy` and `coins` coins a spin (no
// coins: any count), if anything.
std::optional<std::string> checkGameChoice(const std::string& game, const std::string& strategy,
                                           std::optional<std::int32_t> coins);

} // namespace slotmachine::sim
