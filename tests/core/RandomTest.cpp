#include "engine/core/Random.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <gtest/gtest.h>

using namespace slotmachine;

// Expected values were worked out by hand from the recurrence
// state' = state * 134775813 + 1 (mod 2^32), result = (state' * n) >> 32.
TEST(RandomTest, FollowsTheRecurrenceExactly) {
    Random fromZero(0);
    EXPECT_EQ(fromZero(30), 0);
    EXPECT_EQ(fromZero.state(), 1u);
    EXPECT_EQ(fromZero(30), 0);
    EXPECT_EQ(fromZero.state(), 134775814u);
    EXPECT_EQ(fromZero(30), 25);
    EXPECT_EQ(fromZero.state(), 3698175007u);
    EXPECT_EQ(fromZero(456), 92);
    EXPECT_EQ(fromZero.state(), 870078620u);
    EXPECT_EQ(fromZero(8), 2);
    EXPECT_EQ(fromZero.state(), 1172187917u);

    Random other(12345);
    EXPECT_EQ(other(100), 38);
    EXPECT_EQ(other(100), 28);
    EXPECT_EQ(other(7), 0);
    EXPECT_EQ(other.state(), 342459380u);
}

TEST(RandomTest, UsesTheFull64BitProduct) {
    // A large state times a large n overflows 32 bits; only the upper half of the
    // 64-bit product is the result.
    Random random(0xFFFFFFFFu);
    EXPECT_EQ(random(1000), 968);
    EXPECT_EQ(random.state(), 4160191484u);
    EXPECT_EQ(random(2147483647), 433171958);
    EXPECT_EQ(random.state(), 866343917u);
}

TEST(RandomTest, EqualSeedsGiveEqualSequences) {
    Random a(987654321u);
    Random b(987654321u);
    for (int i = 0; i < 1000; ++i) {
        const int n = 1 + i % 50;
        ASSERT_EQ(a(n), b(n)) << "draw " << i;
    }
    EXPECT_EQ(a.state(), b.state());

    // Re-seeding restarts the sequence.
    Random c(5);
    const int first = c(1000);
    c(1000);
    c.seed(5);
    EXPECT_EQ(c(1000), first);
}

TEST(RandomTest, ResultsStayWithinRange) {
    Random random(42);
    for (const int n : {1, 30, 456, 8}) {
        int lowest = n;
        int highest = -1;
        for (int i = 0; i < 20000; ++i) {
            const int value = random(n);
            ASSERT_GE(value, 0) << "n = " << n;
            ASSERT_LT(value, n) << "n = " << n;
            lowest = std::min(lowest, value);
            highest = std::max(highest, value);
        }
        // Both ends of the range are reached.
        EXPECT_EQ(lowest, 0) << "n = " << n;
        EXPECT_EQ(highest, n - 1) << "n = " << n;
    }
}

TEST(RandomTest, DrawOfOneIsZeroButAdvancesTheState) {
    Random random(1);
    EXPECT_EQ(random(1), 0);
    EXPECT_EQ(random.state(), 134775814u);
    EXPECT_EQ(random(1), 0);
    EXPECT_EQ(random.state(), 3698175007u);
    // The next draw continues from the advanced state.
    EXPECT_EQ(random(30), 6);
}

TEST(RandomTest, CountBelowOneIsTakenAsOne) {
    for (const int n : {0, -1, -30, INT32_MIN}) {
        Random random(1);
        EXPECT_EQ(random(n), 0) << "n = " << n;
        EXPECT_EQ(random.state(), 134775814u) << "n = " << n;
    }
}

TEST(RandomTest, ThirtyOutcomesAreRoughlyEven) {
    Random random(20240611u);
    constexpr int Draws = 300000;
    std::array<int, 30> counts{};
    for (int i = 0; i < Draws; ++i) {
        ++counts[static_cast<std::size_t>(random(30))];
    }
    // 10000 expected per value; the standard deviation is about 98.
    for (int value = 0; value < 30; ++value) {
        EXPECT_GT(counts[static_cast<std::size_t>(value)], 9400) << "value " << value;
        EXPECT_LT(counts[static_cast<std::size_t>(value)], 10600) << "value " << value;
    }
}

TEST(RandomTest, TimeOfDaySeedCountsMillisecondsSinceMidnight) {
    EXPECT_EQ(Random::timeOfDaySeed(0, 0, 0, 0), 0u);
    EXPECT_EQ(Random::timeOfDaySeed(0, 0, 0, 1), 1u);
    EXPECT_EQ(Random::timeOfDaySeed(0, 0, 1, 0), 1000u);
    EXPECT_EQ(Random::timeOfDaySeed(0, 1, 0, 0), 60000u);
    EXPECT_EQ(Random::timeOfDaySeed(1, 0, 0, 0), 3600000u);
    EXPECT_EQ(Random::timeOfDaySeed(12, 34, 56, 789), 45296789u);
    EXPECT_EQ(Random::timeOfDaySeed(23, 59, 59, 999), 86399999u);

    // Whatever the time, a clock seed lies within one day.
    Random random;
    random.seedFromTimeOfDay();
    EXPECT_LT(random.state(), 86400000u);
}
