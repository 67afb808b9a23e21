#include "engine/reels/ReelStrips.h"

#include "games/orevein/OreveinGame.h"

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
    const GameValues good = orevein::oreveinValues();

    GameValues shortStrip = good;
    shortStrip.strips[1] = "39492939294939094929193949192"; // 29 characters
    GameValues letter = good;
    letter.strips[2] = "4939194939294909391949293949x9";
    GameValues stopZero = good;
    stopZero.initialStops = {22, 0, 28};
    GameValues stopTooHigh = good;
    stopTooHigh.initialStops = {22, 14, 31};

    for (const GameValues* bad : {&shortStrip, &letter, &stopZero, &stopTooHigh}) {
        GameState state;
        EXPECT_THROW(fillStrips(state, *bad), std::invalid_argument);
    }

    GameValues edgeStops = good;
    edgeStops.initialStops = {1, 30, 15};
    GameState state;
    EXPECT_NO_THROW(fillStrips(state, edgeStops));
    EXPECT_EQ(state.ReelStop[0], 1);
    EXPECT_EQ(state.ReelStop[1], 30);
}

TEST(ReelStripsTest, OreveinStripsStartWithThreeTopSymbolsOnThePayline) {
    GameState state;
    fillStrips(state, orevein::oreveinValues());

    EXPECT_EQ(state.ReelStrip[0], "493919294909294919394909294939");
    EXPECT_EQ(state.ReelStrip[1], "394929392949390949291939491929");
    EXPECT_EQ(state.ReelStrip[2], "493919493929490939194929394909");
    EXPECT_EQ(state.ReelStop[0], 22);
    EXPECT_EQ(state.ReelStop[1], 14);
    EXPECT_EQ(state.ReelStop[2], 28);

    EXPECT_EQ(paylinePosition(state, 0), 23);
    EXPECT_EQ(paylinePosition(state, 1), 15);
    EXPECT_EQ(paylinePosition(state, 2), 29);
    for (int reel = 0; reel < ReelCount; ++reel) {
        EXPECT_EQ(codeAt(state, reel, paylinePosition(state, reel)), 0) << "reel " << reel;
        // Blanks above and below the symbol.
        EXPECT_EQ(codeAt(state, reel, rowPosition(state, reel, 0)), 9) << "reel " << reel;
        EXPECT_EQ(codeAt(state, reel, rowPosition(state, reel, 2)), 9) << "reel " << reel;
    }
    // The first and last characters are positions 1 and 30.
    EXPECT_EQ(codeAt(state, 0, 1), 4);
    EXPECT_EQ(codeAt(state, 0, 30), 9);
    EXPECT_EQ(codeAt(state, 1, 1), 3);
}
