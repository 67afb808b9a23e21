#pragma once

#include "engine/core/ClampedMath.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

namespace slotmachine {

// Symbol codes are the strip digits 0 to 9; NoSymbol is what a payline position
// reads as when it must match no rule (a game's bonus-clear symbol).
inline constexpr int NoSymbol = 10;
inline constexpr int SymbolCodeCount = 11;

// A set of symbol codes, one bit per code.
using SymbolSet = std::uint16_t;

constexpr SymbolSet symbolSet(std::initializer_list<int> codes) {
    SymbolSet set = 0;
    for (int code : codes) {
        set = static_cast<SymbolSet>(set | (1u << code));
    }
    return set;
}

constexpr bool contains(SymbolSet set, int code) {
    return code >= 0 && code < SymbolCodeCount && ((set >> code) & 1u) != 0;
}

// How a rule that a line satisfies pays.
enum class Payout {
    PerCoin,   // `pay` credits for every coin bet: one payline that the coins multiply
    PerLine,   // `pay` credits on each active line that shows it; coins open lines
    BonusGame, // starts the bonus game; the line itself pays nothing
    BetBack,   // the coins bet come back
};

// One line of a paytable. Either every reel shows a symbol of its own set, or a
// given symbol stands on exactly `count` of the three reels.
struct PayRule {
    enum class Kind { EachReelIn, ExactCount };

    Kind kind = Kind::EachReelIn;
    std::array<SymbolSet, 3> reels{}; // EachReelIn: allowed symbols of reels 0, 1, 2
    int symbol = 0;                   // ExactCount: the symbol counted
    int count = 0;                    // ExactCount: on how many reels it stands
    std::int32_t pay = 0;             // PerCoin and PerLine: the pay the payout multiplies
    std::string_view description;     // how the pay chart and the manual name the rule
    Payout payout = Payout::PerCoin;

    constexpr bool matches(int c0, int c1, int c2) const {
        if (kind == Kind::ExactCount) {
            return (c0 == symbol) + (c1 == symbol) + (c2 == symbol) == count;
        }
        return contains(reels[0], c0) && contains(reels[1], c1) && contains(reels[2], c2);
    }

    // The credits one line showing this rule wins with `coins` bet; never wraps.
    constexpr std::int32_t credits(std::int32_t coins) const {
        switch (payout) {
        case Payout::PerCoin:
            return multiplyClamped(coins, pay);
        case Payout::PerLine:
            return pay;
        case Payout::BetBack:
            return coins;
        case Payout::BonusGame:
            break;
        }
        return 0;
    }

    // The same rule paying another way: `eachReelIn(...).paying(Payout::PerLine)`.
    constexpr PayRule paying(Payout how) const {
        PayRule rule = *this;
        rule.payout = how;
        return rule;
    }
};

// Every reel shows one of `codes`.
constexpr PayRule eachReelIn(SymbolSet codes, std::int32_t pay, std::string_view description) {
    return PayRule{PayRule::Kind::EachReelIn, {codes, codes, codes}, 0, 0, pay, description};
}

// Reels 0, 1 and 2 show a symbol of their own set.
constexpr PayRule reelsIn(SymbolSet r0, SymbolSet r1, SymbolSet r2, std::int32_t pay,
                          std::string_view description) {
    return PayRule{PayRule::Kind::EachReelIn, {r0, r1, r2}, 0, 0, pay, description};
}

// `symbol` stands on exactly `count` reels.
constexpr PayRule exactCount(int symbol, int count, std::int32_t pay, std::string_view description) {
    return PayRule{PayRule::Kind::ExactCount, {}, symbol, count, pay, description};
}

// An ordered list of rules: the first rule a line satisfies decides its pay. The
// answer for every possible line is worked out once, so a lookup costs nothing.
class Paytable {
public:
    explicit Paytable(std::span<const PayRule> rules);

    // Index of the first rule that the line satisfies, or -1 when none does.
    int firstMatch(int c0, int c1, int c2) const { return firstRule_[index(c0, c1, c2)]; }

    // The first rule the line satisfies, or null when none does.
    const PayRule* match(int c0, int c1, int c2) const {
        const int rule = firstMatch(c0, c1, c2);
        return rule < 0 ? nullptr : &rules_[static_cast<std::size_t>(rule)];
    }

    // The `pay` of the first matching rule, 0 when none matches.
    std::int32_t pay(int c0, int c1, int c2) const {
        const PayRule* rule = match(c0, c1, c2);
        return rule == nullptr ? 0 : rule->pay;
    }

    // The credits the line wins with `coins` bet, 0 when no rule matches.
    std::int32_t credits(int c0, int c1, int c2, std::int32_t coins) const {
        const PayRule* rule = match(c0, c1, c2);
        return rule == nullptr ? 0 : rule->credits(coins);
    }

    std::span<const PayRule> rules() const { return rules_; }

private:
    static int index(int c0, int c1, int c2) {
        return (clampCode(c0) * SymbolCodeCount + clampCode(c1)) * SymbolCodeCount + clampCode(c2);
    }
    static int clampCode(int code) { return code >= 0 && code < SymbolCodeCount ? code : NoSymbol; }

    std::vector<PayRule> rules_;
    std::array<std::int8_t, SymbolCodeCount * SymbolCodeCount * SymbolCodeCount> firstRule_{};
};

} // namespace slotmachine
