#include "tools/sim/CommandLine.h"

#include "games/Catalog.h"

#include <memory>

namespace slotmachine::sim {

CommandLine readCommandLine(const std::vector<std::string>& arguments, const std::set<std::string>& valued,
                            const std::set<std::string>& flags) {
    CommandLine line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        std::optional<std::string> value;
        if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
        }
        if (name == "--help" || name == "-h") {
            line.helpAsked = true;
            return line;
        }
        if (flags.contains(name) && !value) {
            line.flags.insert(name);
            continue;
        }
        if (!valued.contains(name)) {
            line.error = "unknown argument '" + arguments[i] + "'";
            return line;
        }
        if (!value) {
            if (i + 1 >= arguments.size()) {
                line.error = name + " needs a value";
                return line;
            }
            value = arguments[++i];
        }
        line.values[name] = *value;
    }
    return line;
}

std::string joinedGameNames() {
    std::string names;
    for (const std::string_view name : gameNames()) {
        names += (names.empty() ? "" : ", ") + std::string(name);
    }
    return names;
}

std::string joinedStrategyNames(std::string_view game) {
    std::string names;
    for (const SimStrategy& strategy : simStrategies(game)) {
        names += (names.empty() ? "" : ", ") + std::string(strategy.name);
    }
    return names;
}

std::optional<std::string> checkGameChoice(const std::string& game, const std::string& strategy,
                                           std::optional<std::int32_t> coins) {
    const std::unique_ptr<Game> played = makeGame(game);
    if (!played) {
        return "unknown game '" + game + "' (games: " + joinedGameNames() + ")";
    }
    if (!findSimStrategy(game, strategy)) {
        return "unknown strategy '" + strategy + "' for " + game + " (strategies: " + joinedStrategyNames(game) + ")";
    }
    const std::int32_t limit = played->values().coinLimit;
    if (coins && *coins > limit) {
        return game + " takes at most " + std::to_string(limit) + " coins a spin";
    }
    return std::nullopt;
}

} // namespace slotmachine::sim
