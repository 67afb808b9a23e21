#include "tools/assets/paychart/PaychartRows.h"

#include "engine/core/ClampedMath.h"
#include "engine/core/GameText.h"

#include <algorithm>
#include <bit>
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

// For each reel, the codes that every rule of several accepts there and that one
// rule asks for alone: a wild symbol, as with "7, 7, 7 or wild" and "wild alone".
std::array<SymbolSet, ReelCount> wildCodes(std::span<const PayRule> rules) {
    std::array<SymbolSet, ReelCount> common{};
    std::array<SymbolSet, ReelCount> alone{};
    int counted = 0;
    for (const PayRule& rule : rules) {
        if (rule.kind != PayRule::Kind::EachReelIn) {
            continue;
        }
        for (std::size_t reel = 0; reel < ReelCount; ++reel) {
            const SymbolSet set = rule.reels[reel];
            common[reel] = counted == 0 ? set : static_cast<SymbolSet>(common[reel] & set);
            if (std::popcount(static_cast<unsigned>(set)) == 1) {
                alone[reel] = static_cast<SymbolSet>(alone[reel] | set);
            }
        }
        ++counted;
    }
    std::array<SymbolSet, ReelCount> wild{};
    for (std::size_t reel = 0; counted > 1 && reel < ReelCount; ++reel) {
        wild[reel] = static_cast<SymbolSet>(common[reel] & alone[reel]);
    }
    return wild;
}

} // namespace

std::vector<ChartRow> chartRows(const Game& game, const SymbolCells& cells) {
    const std::int32_t coinLimit = game.values().coinLimit;
    const std::vector<int> everySymbol = pictured(static_cast<SymbolSet>((1u << SymbolCodeCount) - 1), cells);
    const std::array<SymbolSet, ReelCount> wild = wildCodes(game.paytable().rules());
    std::vector<ChartRow> rows;
    for (const PayRule& rule : game.paytable().rules()) {
        ChartRow row;
        row.description = gameText(rule.description);
        if (rule.kind == PayRule::Kind::ExactCount) {
            for (int reel = 0; reel < ReelCount; ++reel) {
                row.cells[static_cast<std::size_t>(reel)] =
                    reel < rule.count ? symbolCell(rule.symbol, cells, rule) : ChartCell{};
            }
        } else {
            for (int reel = 0; reel < ReelCount; ++reel) {
                const SymbolSet set = rule.reels[static_cast<std::size_t>(reel)];
                std::vector<int> codes = pictured(set, cells);
                const std::vector<int> own =
                    pictured(static_cast<SymbolSet>(set & ~wild[static_cast<std::size_t>(reel)]), cells);
                if (!own.empty() && own.size() < codes.size()) {
                    row.wildCell = cells[static_cast<std::size_t>(
                        pictured(static_cast<SymbolSet>(set & wild[static_cast<std::size_t>(reel)]), cells)
                            .front())];
                    codes = own;
                }
                if (codes == everySymbol && codes.size() > 1) {
                    row.cells[static_cast<std::size_t>(reel)] = ChartCell{};
                    continue;
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
