#pragma once

#include "engine/core/GameState.h"

#include <QLocale>
#include <QString>
#include <cstdint>

namespace slotmachine {

// The running game's totals and what the machine has paid. The engine keeps no
// payout total: every credit on the machine was borrowed, won or is left over
// from the bets, so the payouts follow from Credits, Borrowed and TotalBets.
// Everything is 64-bit, as differences of 32-bit totals may not fit in 32 bits.
struct GameStatistics {
    std::int64_t Spins = 0;
    std::int64_t Credits = 0;
    std::int64_t Borrowed = 0;
    std::int64_t TotalBets = 0;
    std::int64_t BonusWon = 0;
    std::int64_t Payoffs = 0;      // everything paid, bonus prizes included
    std::int64_t Normal = 0;       // paid by the paytable alone
    double PayoffPercentage = 0.0; // Payoffs per 100 credits bet; 0 before the first bet
};

GameStatistics gameStatistics(const GameState& state);

// A whole number as the statistics window shows it: no decimals, digits grouped
// by the locale's separator, padded on the left with spaces to ten characters.
QString statisticsNumber(std::int64_t value, const QLocale& locale);

// A percentage with two decimals and the locale's decimal separator, at least
// four characters wide, followed by "%".
QString statisticsPercentage(double percent, const QLocale& locale);

} // namespace slotmachine
