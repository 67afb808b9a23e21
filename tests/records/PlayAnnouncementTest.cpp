// A settled play in the one sentence a screen reader announces.
#include "engine/records/PlayAnnouncement.h"
#include "games/emberpeak/EmberpeakGame.h"
#include "games/pawlane/PawlaneGame.h"

#include <gtest/gtest.h>

using namespace slotmachine;

TEST(PlayAnnouncement, NamesEachWinByItsRuleAndLineThenTheBonusAndTheStockEarned) {
    const pawlane::PawlaneGame pawlane;
    const emberpeak::EmberpeakGame emberpeak;
    auto spin = [](std::vector<LineResult> lines) {
        PlayRecord play;
        play.paylines = std::move(lines);
        return play;
    };
    PlayRecord twoLines = spin({{1, {1, 1, 0}, 50}, {0, {7, 7, 7}, 5}, {2, {3, 4, 5}, 0}});
    PlayRecord creditBox = spin({{1, {3, 4, 5}, 0}});
    creditBox.bonus = BoxPick{2, 50, 50};
    PlayRecord holdsBox = creditBox;
    holdsBox.bonus = BoxPick{3, 1, 0};
    holdsBox.stockEarned = 2;
    PlayRecord holdEarned = spin({{1, {3, 4, 5}, 0}});
    holdEarned.stockEarned = 1;
    PlayRecord loan;
    loan.kind = PlayKind::Loan;
    loan.loan = 1000;
    // Emberpeak: the bonus game's line pays nothing itself; the wild alone brings the bet back.
    PlayRecord sos = spin({{1, {8, 8, 9}, 0}});
    sos.bonus = BoxPick{0, 0, 0};
    struct Case {
        const Game& game;
        PlayRecord play;
        const char* said;
    };
    const Case cases[] = {
        {pawlane, spin({{1, {1, 1, 1}, 50}}), "Three Horses on the middle line, 50 credits"},
        {pawlane, twoLines, "Three Horses on the middle line, 50 credits; Three Fish on the top line, 5 credits"},
        {pawlane, spin({{1, {3, 4, 5}, 0}}), "No win"},
        {pawlane, creditBox, "Bonus box 3, 50 credits"},
        {pawlane, holdsBox, "Bonus box 4, a prize of holds; 2 holds earned"},
        {pawlane, holdEarned, "No win; 1 hold earned"},
        {pawlane, loan, "Borrowed 1000 credits"},
        {emberpeak, sos, "Three SOS Bonus signs on the middle line; bonus box 1 held nothing"},
        {emberpeak, spin({{1, {2, 5, 9}, 3}}), "Wild on the right reel on the middle line, 3 credits"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(playAnnouncement(c.play, c.game).toStdString(), c.said);
    }
}
