#include "tools/par/ParCommand.h"

#include "games/Catalog.h"
#include "tools/par/ParSheetText.h"
#include "tools/sim/CommandLine.h"

#include <chrono>
#include <cstdio>
#include <ostream>

namespace slotmachine::par {

namespace {

std::string threeDecimals(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.3f", value);
    return buffer;
}

} // namespace

std::string usage() {
    std::string text =
        "usage: slots-par --game NAME [--coins N] [--strategy NAME] [--spins M] [--json]\n"
        "Works out the game's PAR sheet by playing every stop combination through its rules.\n"
        "  --game NAME      the game: " +
        sim::joinedGameNames() +
        "\n"
        "  --coins N        coins per spin, 1 to the game's coin limit (default: each in turn)\n"
        "  --strategy NAME  how the holds or nudges are spent (default none):\n";
    for (const std::string_view game : gameNames()) {
        text += "                   " + std::string(game) + ": " + sim::joinedStrategyNames(game) + "\n";
    }
    text += "  --spins M        spins the simulator plays for a strategy whose figures are estimated\n"
            "                   (one that keeps reels still between spins; default 400000)\n"
            "  --json           one JSON object per coin count instead of the table\n";
    return text;
}

int runCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    auto bad = [&](const std::string& message) {
        err << "slots-par: " << message << "\n" << usage();
        return 2;
    };
    const sim::CommandLine line =
        sim::readCommandLine(arguments, {"--game", "--coins", "--strategy", "--spins"}, {"--json"});
    if (line.helpAsked) {
        out << usage();
        return 0;
    }
    if (!line.error.empty()) {
        return bad(line.error);
    }
    const bool json = line.flags.contains("--json");
    const std::optional<std::string> game = line.value("--game");
    if (!game) {
        return bad("--game is required");
    }
    ParRequest request;
    request.strategy = line.value("--strategy").value_or(request.strategy);
    if (const std::optional<std::string> spins = line.value("--spins");
        spins && (!sim::parseNumber(*spins, request.estimateSpins) || request.estimateSpins < 10)) {
        return bad("--spins must be a whole number of at least 10, not '" + *spins + "'");
    }
    std::optional<std::int32_t> coins;
    if (const std::optional<std::string> given = line.value("--coins")) {
        std::int32_t n = 0;
        if (!sim::parseNumber(*given, n) || n < 1) {
            return bad("--coins must be a whole number of at least 1, not '" + *given + "'");
        }
        coins = n;
    }
    if (const std::optional<std::string> wrong = sim::checkGameChoice(*game, request.strategy, coins)) {
        return bad(*wrong);
    }
    const CatalogEntry& entry = *findGame(*game);
    const std::int32_t limit = entry.make()->values().coinLimit;
    try {
        const std::int32_t first = coins.value_or(1);
        const std::int32_t last = coins.value_or(limit);
        for (std::int32_t n = first; n <= last; ++n) {
            request.coins = n;
            const auto started = std::chrono::steady_clock::now();
            const ParSheet sheet = computeParSheet(entry, request);
            const double seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
            if (json) {
                out << toJson(sheet) << "\n";
            } else {
                out << (n > first ? "\n" : "") << toTable(sheet) << "  "
                    << "Worked out in " << threeDecimals(seconds) << " s\n";
            }
        }
        return 0;
    } catch (const std::exception& e) {
        err << "slots-par: " << e.what() << "\n";
        return 1;
    }
}

} // namespace slotmachine::par
