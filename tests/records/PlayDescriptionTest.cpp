// A play of the recall log in plain words: every kind of play, every reel mover,
// the bonus game's credit and stock prizes, and what a game without a stock or a
// bonus meter leaves out.
#include "engine/records/PlayDescription.h"

#include <gtest/gtest.h>

namespace play_description_test {

using namespace slotmachine;

constexpr std::int64_t Noon = 1796731200; // 2026-12-08 12:00:00 UTC

PlayRecord spin() {
    PlayRecord play;
    play.time = Noon;
    play.spin = 57;
    play.coins = 3;
    play.lines = {1, 0, 2};
    play.stops = {5, 14, 22};
    play.paylines = {{1, {2, 2, 2}, 40}, {0, {1, 3, 4}, 0}, {2, {6, 6, 1}, 0}};
    play.win = 40;
    play.stockBefore = 2;
    play.stockUsed = 1;
    play.creditsBefore = 100;
    play.creditsAfter = 137;
    return play;
}

struct Case {
    const char* name;
    PlayRecord play;
    PlayTerms terms;
    PlayDescription expected;
};

PlayTerms holds() {
    return {QStringLiteral("holds"), false, QTimeZone::utc()};
}

PlayTerms bonusMeter() {
    return {QString(), true, QTimeZone::utc()};
}

const QString Time = QStringLiteral("8 Dec 2026 at 12:00:05");

std::vector<Case> cases() {
    std::vector<Case> all;
    {
        PlayRecord play = spin();
        play.time = Noon + 5;
        play.moves = {{1, 14, 14, ReelMover::Held}};
        all.push_back({"spin with a held reel",
                       play,
                       holds(),
                       {QStringLiteral("Spin 57"),
                        Time,
                        {QStringLiteral("Bet 3 coins on 3 lines"), QStringLiteral("Reel 2 held at stop 14"),
                         QStringLiteral("Reels at rest at stops 5, 14 and 22"),
                         QStringLiteral("Middle line paid 40 credits"),
                         QStringLiteral("Holds: 2 before, 0 earned, 1 used"), QStringLiteral("Credits 100 → 137"),
                         QStringLiteral("Won 40 credits")}}});
    }
    {
        PlayRecord play = spin();
        play.time = Noon + 5;
        play.coins = 1;
        play.lines = {1};
        play.paylines = {{1, {2, 3, 2}, 0}};
        play.moves = {{0, 5, 4, ReelMover::Down}, {2, 21, 22, ReelMover::Up}};
        play.win = 0;
        play.bonusPointsBefore = 3;
        play.bonusPointsAfter = 5;
        play.creditsAfter = 99;
        all.push_back({"spin with Up and Down, no win, in a game with a bonus meter",
                       play,
                       bonusMeter(),
                       {QStringLiteral("Spin 57"),
                        Time,
                        {QStringLiteral("Bet 1 coin on 1 line"), QStringLiteral("Reel 1 moved down from stop 5 to 4"),
                         QStringLiteral("Reel 3 moved up from stop 21 to 22"),
                         QStringLiteral("Reels at rest at stops 5, 14 and 22"), QStringLiteral("No line paid"),
                         QStringLiteral("Bonus points 3 → 5"), QStringLiteral("Credits 100 → 99"),
                         QStringLiteral("No win")}}});
    }
    {
        PlayRecord play = spin();
        play.time = Noon + 5;
        play.kind = PlayKind::Nudge;
        play.moves = {{2, 7, 6, ReelMover::Nudge}};
        play.stops = {5, 14, 6};
        play.paylines = {{1, {2, 2, 2}, 40}, {0, {1, 3, 4}, 0}, {2, {6, 6, 1}, 25}};
        play.win = 65;
        play.stockBefore = 4;
        play.creditsAfter = 165;
        PlayTerms nudges = holds();
        nudges.stockName = QStringLiteral("nudges");
        all.push_back({"nudge that pays two lines",
                       play,
                       nudges,
                       {QStringLiteral("Nudge after spin 57"),
                        Time,
                        {QStringLiteral("Last bet: 3 coins on 3 lines"), QStringLiteral("Reel 3 nudged from stop 7 to 6"),
                         QStringLiteral("Reels at rest at stops 5, 14 and 6"),
                         QStringLiteral("Middle line paid 40 credits"), QStringLiteral("Bottom line paid 25 credits"),
                         QStringLiteral("Nudges: 4 before, 0 earned, 1 used"), QStringLiteral("Credits 100 → 165"),
                         QStringLiteral("Won 65 credits")}}});
    }
    {
        PlayRecord play = spin();
        play.time = Noon + 5;
        play.bonus = BoxPick{2, 100, 100};
        play.win = 140;
        play.bonusPointsBefore = 11;
        play.bonusPointsAfter = 0;
        play.creditsAfter = 237;
        all.push_back({"spin that won the bonus game's credits",
                       play,
                       bonusMeter(),
                       {QStringLiteral("Spin 57"),
                        Time,
                        {QStringLiteral("Bet 3 coins on 3 lines"), QStringLiteral("Reels at rest at stops 5, 14 and 22"),
                         QStringLiteral("Middle line paid 40 credits"), QStringLiteral("Bonus points 11 → 0"),
                         QStringLiteral("Bonus game: box 3 held 100 and paid 100 credits"),
                         QStringLiteral("Credits 100 → 237"), QStringLiteral("Won 140 credits")}}});
    }
    {
        PlayRecord play = spin();
        play.time = Noon + 5;
        play.kind = PlayKind::Bonus;
        play.spin = 0;
        play.coins = 0;
        play.lines.clear();
        play.paylines.clear();
        play.bonus = BoxPick{0, 1, 0};
        play.win = 0;
        play.stockBefore = 2;
        play.stockEarned = 6;
        play.stockUsed = 0;
        play.creditsAfter = 100;
        all.push_back({"bonus game played later that gave holds",
                       play,
                       holds(),
                       {QStringLiteral("Bonus game played later, before the first spin"),
                        Time,
                        {QStringLiteral("Bonus game: box 1 gave a prize of holds"),
                         QStringLiteral("Holds: 2 before, 6 earned, 0 used"), QStringLiteral("Credits 100 → 100"),
                         QStringLiteral("No win")}}});
    }
    for (const PlayKind kind : {PlayKind::Loan, PlayKind::Payback}) {
        PlayRecord play;
        play.kind = kind;
        play.time = Noon + 5;
        play.spin = 57;
        play.loan = 1;
        play.creditsBefore = kind == PlayKind::Loan ? 5 : 6;
        play.creditsAfter = kind == PlayKind::Loan ? 6 : 5;
        const bool loan = kind == PlayKind::Loan;
        all.push_back({loan ? "loan" : "payback",
                       play,
                       holds(),
                       {loan ? QStringLiteral("Loan after spin 57") : QStringLiteral("Payback after spin 57"),
                        Time,
                        {loan ? QStringLiteral("Borrowed 1 credit") : QStringLiteral("Paid back 1 credit"),
                         loan ? QStringLiteral("Credits 5 → 6") : QStringLiteral("Credits 6 → 5")}}});
    }
    return all;
}

TEST(PlayDescription, TellsEachKindOfPlayStepByStep) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        const PlayDescription d = describePlay(c.play, c.terms);
        EXPECT_EQ(d.heading, c.expected.heading);
        EXPECT_EQ(d.time, c.expected.time);
        EXPECT_EQ(d.steps, c.expected.steps);
    }
}

} // namespace play_description_test
