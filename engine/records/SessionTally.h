#pragma once

#include "engine/core/PlayRecord.h"

#include <QElapsedTimer>
#include <QString>
#include <cstdint>

namespace slotmachine {

// This session's plays: what the player has won and bet since the program started.
// A session is the player's sitting at the machine, not a game: it runs on across
// New Game and Open Game, which replace the game and its recall log but not the time
// spent or the credits won and lost so far. Loans and paybacks move credits without
// winning or losing any, so they are not counted.
class SessionTally {
public:
    SessionTally() { clock_.start(); }

    // A settled play of the running game, as the machine writes it into the recall log.
    void add(const PlayRecord& play);

    std::int64_t plays() const { return plays_; }    // spins, nudges and bonus games played
    std::int64_t won() const { return won_; }        // credits they paid
    std::int64_t bet() const { return bet_; }        // coins the spins took
    std::int64_t net() const { return won_ - bet_; } // won less bet
    std::int32_t biggestWin() const { return biggestWin_; }
    std::int64_t seconds() const { return clock_.elapsed() / 1000; } // since the program started

private:
    QElapsedTimer clock_;
    std::int64_t plays_ = 0;
    std::int64_t won_ = 0;
    std::int64_t bet_ = 0;
    std::int32_t biggestWin_ = 0;
};

// A length of time as h:mm:ss, the hours growing as far as they need.
QString sessionTimeText(std::int64_t seconds);

} // namespace slotmachine
