#include "engine/records/GameStatistics.h"

#include <QCoreApplication>

namespace slotmachine {

namespace {

constexpr int NumberWidth = 10;
constexpr int PercentageWidth = 4;

} // namespace

GameStatistics gameStatistics(const GameState& state) {
    GameStatistics s;
    s.Spins = state.Spins;
    s.Credits = state.Credits;
    s.Borrowed = state.Borrowed;
    s.TotalBets = state.TotalBets;
    s.BonusWon = state.BonusWon;
    s.Payoffs = s.Credits - s.Borrowed + s.TotalBets;
    s.Normal = s.Payoffs - s.BonusWon;
    if (s.TotalBets > 0) {
        s.PayoffPercentage = static_cast<double>(s.Payoffs) / static_cast<double>(s.TotalBets) * 100.0;
    }
    return s;
}

QString statisticsNumber(std::int64_t value, const QLocale& locale) {
    // The C locale leaves out the group separator unless told otherwise.
    QLocale grouped = locale;
    grouped.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return QStringLiteral("%1").arg(grouped.toString(static_cast<qlonglong>(value)), NumberWidth);
}

QString statisticsPercentage(double percent, const QLocale& locale) {
    QLocale ungrouped = locale;
    ungrouped.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    //: A percentage in the statistics window: "98.50%".
    return QCoreApplication::translate("GameStatistics", "%1%").arg(ungrouped.toString(percent, 'f', 2), PercentageWidth);
}

} // namespace slotmachine
