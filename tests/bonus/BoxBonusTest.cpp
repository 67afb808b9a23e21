#include "engine/bonus/BoxBonusRound.h"
#include "engine/bonus/BoxShuffle.h"
#include "engine/core/Random.h"
#include "tests/support/SyntheticGame.h"
#include "tests/support/TestMachine.h"

#include <QColor>
#include <QImage>
#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <set>

using namespace slotmachine;
using slotmachine::testing::SyntheticGame;
using slotmachine::testing::TestMachine;

namespace {

using Boxes = std::array<std::int32_t, BoxCount>;

constexpr Boxes GameBoxes = {500, 200, 75, 75, 40, 20, 0, 0};

Boxes sorted(Boxes boxes) {
    std::sort(boxes.begin(), boxes.end());
    return boxes;
}

Boxes shuffled(std::uint32_t seed) {
    GameState state;
    Random random(seed);
    refillAndShuffleBoxes(state, SyntheticGame::Values, random);
    return state.BoxValues;
}

std::unique_ptr<TestMachine> boxMachine() {
    auto m = std::make_unique<TestMachine>(std::make_unique<SyntheticGame>());
    m->state.BoxValues = GameBoxes; // in their unshuffled order, so positions are known
    return m;
}

bool isPrizeYellow(QRgb pixel) {
    return qRed(pixel) > 200 && qGreen(pixel) > 200 && qBlue(pixel) < 80;
}

QImage darkPicture() {
    QImage picture(640, 480, QImage::Format_RGB32);
    picture.fill(QColor(20, 20, 40));
    return picture;
}

struct YellowCount {
    int inTextBand = 0; // right of x 40 and below y 200
    int elsewhere = 0;
    int nearTextCorner = 0; // within the first line's height and a few glyphs from (40, 200)
};

YellowCount countYellow(const QImage& picture) {
    YellowCount count;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (!isPrizeYellow(picture.pixel(x, y))) {
                continue;
            }
            if (x >= 40 && y >= 200) {
                ++count.inTextBand;
                if (x < 100 && y < 250) {
                    ++count.nearTextCorner;
                }
            } else {
                ++count.elsewhere;
            }
        }
    }
    return count;
}

} // namespace

TEST(BoxBonusTest, ShuffleGivesAPermutationOfTheGameBoxes) {
    ASSERT_EQ(SyntheticGame::Values.boxValues, GameBoxes);
    for (const std::uint32_t seed : {0u, 1u, 77u, 4000000000u}) {
        GameState state;
        state.BoxValues = {999, 999, 999, 999, 999, 999, 999, 999}; // whatever the last bonus left
        Random random(seed);
        refillAndShuffleBoxes(state, SyntheticGame::Values, random);
        EXPECT_EQ(sorted(state.BoxValues), sorted(GameBoxes)) << "seed " << seed;
    }
}

TEST(BoxBonusTest, ShuffleDependsOnlyOnTheGenerator) {
    EXPECT_EQ(shuffled(12345), shuffled(12345));

    std::set<Boxes> orders;
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        orders.insert(shuffled(seed));
    }
    // 20 seeds among 10080 distinct orders: nearly all of them differ.
    EXPECT_GE(orders.size(), 15u);
}

TEST(BoxBonusTest, EveryValueReachesEveryBox) {
    GameState state;
    Random random(31337);
    std::array<std::set<std::int32_t>, BoxCount> seen;
    for (int round = 0; round < 300; ++round) {
        refillAndShuffleBoxes(state, SyntheticGame::Values, random);
        for (std::size_t p = 0; p < BoxCount; ++p) {
            seen[p].insert(state.BoxValues[p]);
        }
    }
    const std::set<std::int32_t> all(GameBoxes.begin(), GameBoxes.end());
    for (std::size_t p = 0; p < BoxCount; ++p) {
        EXPECT_EQ(seen[p], all) << "box " << p + 1;
    }
}

TEST(BoxBonusTest, EmptyBoxPaysNothing) {
    auto m = boxMachine();
    m->state.BonusWon = 77;
    m->state.SpinWin = 0;
    BoxBonusRound round(m->machine, nullptr);

    EXPECT_EQ(round.open(7), 0);
    EXPECT_TRUE(round.anyOpened());
    EXPECT_EQ(m->count("Sound 4"), 1);
    EXPECT_EQ(m->count("Sound 5"), 0);
    EXPECT_EQ(round.BonusPrize(), 0);
    EXPECT_EQ(m->state.SpinWin, 0);

    round.close();
    EXPECT_EQ(m->state.BonusWon, 77);
    EXPECT_EQ(m->state.SpinWin, 0);
}

TEST(BoxBonusTest, PrizeBoxBecomesThePendingWin) {
    auto m = boxMachine();
    m->state.BonusWon = 100;
    const std::int32_t credits = m->state.Credits;
    BoxBonusRound round(m->machine, nullptr);

    EXPECT_EQ(round.open(5), 40);
    EXPECT_EQ(m->count("Sound 5"), 1);
    EXPECT_EQ(m->count("Sound 4"), 0);
    EXPECT_EQ(round.BonusPrize(), 40);
    EXPECT_EQ(m->state.SpinWin, 40);
    // The engine counts the win in after the game; the round itself does not.
    EXPECT_EQ(m->state.Credits, credits);
    EXPECT_EQ(m->state.BonusWon, 100);

    round.close();
    EXPECT_EQ(m->state.BonusWon, 140);
}

TEST(BoxBonusTest, OnlyTheFirstBoxOpensAndPays) {
    auto m = boxMachine();
    BoxBonusRound round(m->machine, nullptr);
    EXPECT_EQ(round.open(5), 40);
    m->log.clear();
    EXPECT_EQ(round.open(1), 0) << "a second box of 500 stays shut";
    EXPECT_EQ(round.open(8), 0);
    EXPECT_TRUE(m->log.empty()) << "and plays no sound";
    EXPECT_EQ(round.BonusPrize(), 40);
    EXPECT_EQ(m->state.SpinWin, 40);
    round.close();
    EXPECT_EQ(m->state.BonusWon, 40);
}

TEST(BoxBonusTest, PositionsOutsideTheBoardOpenNothing) {
    auto m = boxMachine();
    m->state.BoxValues.fill(50);
    BoxBonusRound round(m->machine, nullptr);
    for (const int position : {0, 9, -1, 100}) {
        EXPECT_EQ(round.open(position), 0) << position;
    }
    EXPECT_FALSE(round.anyOpened());
    EXPECT_EQ(round.BonusPrize(), 0);
    EXPECT_EQ(m->state.SpinWin, 0);
    EXPECT_TRUE(m->log.empty());
    round.close();
    EXPECT_EQ(m->state.BonusWon, 0);

    // Positions 1 and 8 are the ends of the board.
    EXPECT_EQ(round.open(1), 50);
    BoxBonusRound another(m->machine, nullptr);
    EXPECT_EQ(another.open(8), 50);
}

TEST(BoxBonusTest, PrizeTextIsWrittenInYellowBelowAndRightOfItsCorner) {
    auto m = boxMachine();
    QImage picture = darkPicture();
    BoxBonusRound round(m->machine, &picture);
    round.open(5);

    const YellowCount yellow = countYellow(picture);
    EXPECT_GT(yellow.inTextBand, 100);
    EXPECT_GT(yellow.nearTextCorner, 0);
    EXPECT_EQ(yellow.elsewhere, 0);
    EXPECT_EQ(m->state.SpinWin, 40);
}

TEST(BoxBonusTest, EmptyBoxLeavesThePrizePictureAlone) {
    auto m = boxMachine();
    QImage picture = darkPicture();
    const QImage before = picture.copy();
    BoxBonusRound round(m->machine, &picture);
    round.open(7);
    round.open(8);
    EXPECT_EQ(picture, before);
}
