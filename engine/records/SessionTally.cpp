#include "engine/records/SessionTally.h"

#include <algorithm>

namespace slotmachine {

void SessionTally::add(const PlayRecord& play) {
    if (play.kind == PlayKind::Loan || play.kind == PlayKind::Payback) {
        return;
    }
    ++plays_;
    won_ += play.win;
    // A nudge replays the spin's lines and bets nothing of its own.
    if (play.kind == PlayKind::Spin) {
        bet_ += play.coins;
    }
    biggestWin_ = std::max(biggestWin_, play.win);
}

QString sessionTimeText(std::int64_t seconds) {
    seconds = std::max<std::int64_t>(seconds, 0);
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace slotmachine
