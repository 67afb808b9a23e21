#include "tools/assets/paychart/PaychartRows.h"

#include "engine/state/ClampedMath.h"

#include <algorithm>
#include <span>
#include <stdexcept>
#include <string>

namespace slotmachine::paychart {

SymbolCells symbolCells(const Game& game) {
    SymbolCells cells;
    cells.fill(-1);
    const GameValues& values = game.values();
    for (int reel = 0; reel < ReelCount; ++reel) {
        const std::string_view strip = values.strips[static_cast<std::size_t>(reel)];
        for (int position = 1; position <= StripLength && position <= static_cast<int>(strip.size());
             ++position) {
            const int code = strip[static_cast<std::size_t>(position - 1)] - '0';
            const int cell = game.symbolNumber(reel, position);
            if (code < 0 || code >= SymbolCodeCount || cell < 0) {
                continue;
            }
            int& chosen = cells[static_cast<std::size_t>(code)];
            chosen = chosen < 0 ? cell : std::min(chosen, cell);
        }
    }
    return cells;
}

namespace {

ChartCell symbolCell(int code, const SymbolCells& cells, const PayRule& rule) {
    const int cell = code >= 0 && code < SymbolCodeCount ? cells[static_cast<std::size_t>(code)] : -1;
    if (cell < 0) {
        throw std::invalid_argument("the rule \"" + std::string(rule.description) + "\" names symbol " +
                                    std::to_string(code) + ", which is on no reel strip and has no picture");
    }
    return ChartCell{ChartCell::Kind::Symbol, code, cell};
}

// The codes of a set that have a picture, in ascending order.
std::vector<int> pictured(SymbolSet set, const SymbolCells& cells) {
    std::vector<int> codes;
    for (int code = 0; code < SymbolCodeCount; ++code) {
        if (contains(set, code) && cells[static_cast<std::size_t>(code)] >= 0) {
            codes.push_back(code);
        }
    }
    return codes;
}

// The pictured codes that stand in for others (a wild symbol): those that every
// reel's set accepts wherever a rule accepts several pictured symbols on a reel, when
// at least two rules do. A single rule accepting several symbols is a mix, not a wild.
SymbolSet standIns(std::span<const PayRule> rules, const SymbolCells& cells) {
    int rulesWithSets = 0;
    SymbolSet common = 0;
    for (const PayRule& rule : rules) {
        if (rule.kind != PayRule::Kind::EachReelIn) {
            continue;
        }
        bool counted = false;
        for (const SymbolSet set : rule.reels) {
            if (pictured(set, cells).size() < 2) {
                continue;
            }
            common = rulesWithSets == 0 && !counted ? set : static_cast<SymbolSet>(common & set);
            counted = true;
        }
        rulesWithSets += counted;
    }
    return rulesWithSets >= 2 ? common : SymbolSet{0};
}

} // namespace

std::vector<ChartRow> chartRows(const Game& game, const SymbolCells& cells) {
    const std::int32_t coinLimit = game.values().coinLimit;
    std::vector<ChartRow> rows;
    const SymbolSet standIn = standIns(game.paytable().rules(), cells);
    for (const PayRule& rule : game.paytable().rules()) {
        ChartRow row;
        row.description =
            QString::fromUtf8(rule.description.data(), static_cast<qsizetype>(rule.description.size()));
        if (rule.kind == PayRule::Kind::ExactCount) {
            for (int reel = 0; reel < ReelCount; ++reel) {
                row.cells[static_cast<std::size_t>(reel)] =
                    reel < rule.count ? symbolCell(rule.symbol, cells, rule) : ChartCell{};
            }
        } else {
            for (int reel = 0; reel < ReelCount; ++reel) {
                const SymbolSet set = rule.reels[static_cast<std::size_t>(reel)];
                std::vector<int> codes = pictured(static_cast<SymbolSet>(set & ~standIn), cells);
                if (codes.empty()) {
                    codes = pictured(set, cells);
                } else if (const std::vector<int> wilds =
                               pictured(static_cast<SymbolSet>(set & standIn), cells);
                           !wilds.empty()) {
                    // The row shows the symbol it pays for; the wild is named beside the table.
                    row.wildCell = cells[static_cast<std::size_t>(wilds.front())];
                }
                if (codes.empty()) {
                    throw std::invalid_argument("the rule \"" + std::string(rule.description) +
                                                "\" allows no pictured symbol on reel " +
                                                std::to_string(reel + 1));
                }
                // Each reel shows another member of a set, so a mix looks like one.
                row.cells[static_cast<std::size_t>(reel)] =
                    symbolCell(codes[static_cast<std::size_t>(reel) % codes.size()], cells, rule);
                row.mixed = row.mixed || codes.size() > 1;
            }
        }
        row.payout = rule.payout;
        for (std::int32_t coins = 1; coins <= coinLimit; ++coins) {
            // As the evaluation pays it, never wrapping.
            row.pays.push_back(rule.credits(coins));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace slotmachine::paychart
