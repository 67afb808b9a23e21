#pragma once

// A settled play of the recall log told in plain words, for the Game History window.

#include "engine/core/PlayRecord.h"

#include <QString>
#include <QStringList>
#include <QTimeZone>

namespace slotmachine {

class Game;

// What the words depend on beyond the play: the game's stock and bonus meter, and
// the time zone the time is shown in.
struct PlayTerms {
    QString stockName;       // "holds", "nudges"; empty for a game without a stock
    bool bonusMeter = false; // the game shows bonus points
    QTimeZone zone = QTimeZone::systemTimeZone();
};

// The terms of `game`, with the local time zone.
PlayTerms playTermsOf(const Game& game);

struct PlayDescription {
    QString heading;   // what the play was and at which spin: "Spin 57", "Loan after spin 57"
    QString time;      // when it settled: "8 Dec 2026 at 13:00:05"
    QStringList steps; // what happened, one sentence each, in order
};

PlayDescription describePlay(const PlayRecord& play, const PlayTerms& terms);

// The name of a row's line: "top", "middle" or "bottom" (0 to 2).
QString lineName(int row);

} // namespace slotmachine
