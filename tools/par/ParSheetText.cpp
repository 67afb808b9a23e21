#include "tools/par/ParSheetText.h"

#include <cstdio>

namespace slotmachine::par {

namespace {

std::string number(double value, int decimals = 6) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

std::string jsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char ch : text) {
        if (ch == '"' || ch == '\\') {
            quoted += '\\';
        }
        quoted += ch;
    }
    return quoted + "\"";
}

std::string oneIn(double probability) {
    return probability > 0 ? number(1.0 / probability, 1) : std::string("never");
}

} // namespace

std::string toJson(const ParSheet& s) {
    std::string json = "{\"game\":" + jsonString(s.game) + ",\"coins\":" + std::to_string(s.coins) +
                       ",\"exact\":" + (s.exact ? "true" : "false");
    if (s.exact) {
        json += ",\"cycle\":" + std::to_string(s.cycle);
    } else {
        json += ",\"spins\":" + std::to_string(s.simulatedSpins);
    }
    json += ",\"rtp\":" + number(s.rtp, 8);
    if (!s.exact) {
        json += ",\"rtp_standard_error\":" + number(s.rtpStandardError, 8);
    }
    json += ",\"hit_frequency\":" + number(s.hitFrequency, 8) +
            ",\"bonus_frequency\":" + number(s.bonusFrequency, 8);
    if (s.exact) {
        json += ",\"line_return\":" + number(s.lineReturn, 8) +
                ",\"bonus_return\":" + number(s.bonusReturn, 8) +
                ",\"strategy_return\":" + number(s.strategyReturn, 8) +
                ",\"bonus_expected_credits\":" + number(s.bonusCredits, 6);
    }
    json += ",\"volatility\":" + (s.volatility ? number(*s.volatility, 6) : std::string("null"));
    if (!s.stockName.empty()) {
        if (s.exact) {
            json += ",\"" + std::string(s.stockName) + "_earned_per_spin\":" + number(s.stockEarned, 8);
        }
        json += ",\"" + std::string(s.stockName) + "_used_per_spin\":" + number(s.stockUsed, 8);
    }
    if (!s.carriedPoints.empty()) {
        json += ",\"carried_points\":[";
        for (std::size_t i = 0; i < s.carriedPoints.size(); ++i) {
            json += (i > 0 ? "," : "") + number(s.carriedPoints[i], 8);
        }
        json += "]";
    }
    json += ",\"rules\":[";
    for (std::size_t i = 0; i < s.rules.size(); ++i) {
        const RuleFigures& r = s.rules[i];
        json += std::string(i > 0 ? "," : "") + "{\"rule\":" + jsonString(r.description) +
                ",\"combinations\":" + std::to_string(r.combinations) +
                ",\"probability\":" + number(r.probability, 8) +
                ",\"one_in\":" + (r.probability > 0 ? number(1.0 / r.probability, 2) : std::string("null")) +
                ",\"credits\":" + std::to_string(r.credits) + ",\"return\":" + number(r.contribution, 8) +
                (r.payout == Payout::BonusGame ? ",\"bonus_game\":true" : "") + "}";
    }
    json += "],\"strategy\":" + jsonString(s.strategy) + "}";
    return json;
}

std::string toTable(const ParSheet& s) {
    std::string text;
    char line[256];
    std::snprintf(line, sizeof line, "%s, %d coin%s, strategy %s: %s\n", s.game.c_str(), s.coins,
                  s.coins == 1 ? "" : "s", s.strategy.c_str(),
                  s.exact ? "exact, every stop combination played" : "ESTIMATE from the simulator");
    text += line;
    if (s.exact) {
        std::snprintf(line, sizeof line, "\n  %-46s %12s %12s %10s %8s %10s\n", "Pay rule", "Combinations",
                      "Probability", "1 in", "Pays", "Return");
        text += line;
        for (const RuleFigures& r : s.rules) {
            const std::string pays = r.payout == Payout::BonusGame ? "bonus" : std::to_string(r.credits);
            std::snprintf(line, sizeof line, "  %-46.46s %12lld %12s %10s %8s %10s\n",
                          std::string(r.description).c_str(), static_cast<long long>(r.combinations),
                          number(r.probability, 7).c_str(), oneIn(r.probability).c_str(), pays.c_str(),
                          number(r.contribution, 5).c_str());
            text += line;
        }
        std::snprintf(line, sizeof line, "  %-46s %12lld\n\n", "Stop combinations in a cycle",
                      static_cast<long long>(s.cycle));
        text += line;
    } else {
        text += "\n";
    }
    auto row = [&](const char* label, const std::string& value) {
        std::snprintf(line, sizeof line, "  %-40s %s\n", label, value.c_str());
        text += line;
    };
    if (s.exact) {
        row("Line return per credit", number(s.lineReturn, 6));
        row("Bonus game prizes per credit", number(s.bonusReturn, 6));
        if (s.strategy != "none") {
            row("Strategy's wins per credit", number(s.strategyReturn, 6));
        }
        row("Total return per credit (RTP)", number(s.rtp, 6));
    } else {
        row("Total return per credit (RTP), estimate",
            number(s.rtp, 6) + " +/- " + number(s.rtpStandardError, 6) + " (one standard error, " +
                std::to_string(s.simulatedSpins) + " simulated spins)");
    }
    row("Hit frequency (own line wins)",
        number(s.hitFrequency, 6) + "  (1 in " + oneIn(s.hitFrequency) + ")");
    row("Bonus games per spin", number(s.bonusFrequency, 6) + "  (1 in " + oneIn(s.bonusFrequency) + ")");
    if (s.exact) {
        row("Expected credit prize of a bonus game", number(s.bonusCredits, 3));
    }
    if (s.volatility) {
        row("Volatility (SD of a spin's win per credit)", number(*s.volatility, 4));
    }
    if (!s.stockName.empty()) {
        const std::string name(s.stockName);
        if (s.exact) {
            row((name + " earned per spin").c_str(), number(s.stockEarned, 6));
        }
        if (s.strategy != "none") {
            std::string note;
            if (s.exact) {
                note = s.stockEarned >= s.stockUsed
                           ? "  (exact with the stock never empty: more are earned than used, so it grows)"
                           : "  (exact only while the stock lasts: fewer are earned than used)";
            }
            row((name + " used per spin").c_str(), number(s.stockUsed, 6) + note);
        }
    }
    if (!s.carriedPoints.empty()) {
        std::string points;
        for (std::size_t i = 0; i < s.carriedPoints.size(); ++i) {
            points += (i > 0 ? " " : "") + number(s.carriedPoints[i], 4);
        }
        row("Bonus points carried in (0, 1, ...)", points);
    }
    return text;
}

} // namespace slotmachine::par
