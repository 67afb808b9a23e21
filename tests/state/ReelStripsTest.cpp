#include "engine/state/ReelStrips.h"

#include "tests/support/SyntheticGame.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace slotmachine;

TEST(ReelStripsTest, PositionsWrapAroundTheStrip) {
    EXPECT_EQ(nextPosition(1), 2);
    EXPECT_EQ(nextPosition(29), 30);
    EXPECT_EQ(nextPosition(30), 1);
    EXPECT_EQ(previousPosition(30), 29);
    EXPECT_EQ(previousPosition(2), 1);
    EXPECT_EQ(previousPosition(1), 30);
    for (int p = 1; p <= StripLength; ++p) {
        EXPECT_EQ(previousPosition(nextPosition(p)), p);
        EXPECT_EQ(nextPosition(previousPosition(p)), p);
    }
}

TEST(ReelStripsTest, RowsFollowTheStopAcrossTheEndOfTheStrip) {
    GameState state;
    state.ReelStop = {29, 30, 1};

    EXPECT_EQ(rowPosition(state, 0, 0), 29);
    EXPECT_EQ(rowPosition(state, 0, 1), 30);
    EXPECT_EQ(rowPosition(state, 0, 2), 1);

    EXPECT_EQ(rowPosition(state, 1, 0), 30);
    EXPECT_EQ(rowPosition(state, 1, 1), 1);
    EXPECT_EQ(rowPosition(state, 1, 2), 2);

    EXPECT_EQ(rowPosition(state, 2, 0), 1);
    EXPECT_EQ(rowPosition(state, 2, 1), 2);
    EXPECT_EQ(rowPosition(state, 2, 2), 3);

    EXPECT_EQ(paylinePosition(state, 0), 30);
    EXPECT_EQ(paylinePosition(state, 1), 1);
}

TEST(ReelStripsTest, StripValidation) {
    EXPECT_TRUE(isValidStrip("012345678901234567890123456789"));
    EXPECT_FALSE(isValidStrip("01234567890123456789012345678"));   // 29 characters
    EXPECT_FALSE(isValidStrip("0123456789012345678901234567890")); // 31 characters
    EXPECT_FALSE(isValidStrip("01234567890123456789012345678a"));
    EXPECT_FALSE(isValidStrip("012345678901234 67890123456789"));
    EXPECT_FALSE(isValidStrip(""));
}

TEST(ReelStripsTest, FillingRejectsMalformedStripsAndStops) {
    const GameValues good = slotmachine::testing::SyntheticGame::Values;

    GameValues shortStrip = good;
    shortStrip.strips[1] = "01234567890123456789012345678"; // 29 characters
    GameValues letter = good;
    letter.strips[2] = "01234567890123456789012345678x";
    GameValues stopZero = good;
    stopZero.initialStops = {4, 0, 26};
    GameValues stopTooHigh = good;
    stopTooHigh.initialStops = {4, 15, 31};

    for (const GameValues* bad : {&shortStrip, &letter, &stopZero, &stopTooHigh}) {
        GameState state;
        EXPECT_THROW(fillStrips(state, *bad), std::invalid_argument);
    }

    GameValues edgeStops = good;
    edgeStops.initialStops = {1, 30, 15};
    edgeStops.strips[2] = "901234567890123456789012345678";
    GameState state;
    EXPECT_NO_THROW(fillStrips(state, edgeStops));
    EXPECT_EQ(state.ReelStop[0], 1);
    EXPECT_EQ(state.ReelStop[1], 30);
    // A strip's characters are its positions 1 to 30, each reel its own.
    EXPECT_EQ(codeAt(state, 0, 1), 0);
    EXPECT_EQ(codeAt(state, 2, 1), 9);
    EXPECT_EQ(codeAt(state, 2, 30), 8);
}
