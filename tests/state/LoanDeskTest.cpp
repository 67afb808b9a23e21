#include "engine/state/LoanDesk.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>

using namespace slotmachine;

namespace {

constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();

GameState withTotals(std::int32_t credits, std::int32_t borrowed) {
    GameState state;
    state.Credits = credits;
    state.Borrowed = borrowed;
    return state;
}

} // namespace

TEST(LoanDeskTest, BorrowingAddsToBothTotals) {
    GameState state; // a new game: 1000 credits, all of them borrowed
    EXPECT_TRUE(borrow(state, 1000).done);
    const LoanResult second = borrow(state, 1000);
    EXPECT_TRUE(second.done);
    EXPECT_TRUE(second.refusal.isEmpty());
    EXPECT_EQ(state.Credits, 3000);
    EXPECT_EQ(state.Borrowed, 3000);

    EXPECT_TRUE(borrow(state, 1).done);
    EXPECT_EQ(state.Credits, 3001);
    EXPECT_EQ(state.Borrowed, 3001);
}

TEST(LoanDeskTest, PayingBackMoreThanTheCreditsIsRefused) {
    GameState state = withTotals(999, 5000);
    const LoanResult result = payBack(state, 1000);
    EXPECT_FALSE(result.done);
    EXPECT_EQ(result.refusal.toStdString(), "You do not have 1000.00 credits!");
    EXPECT_EQ(state.Credits, 999);
    EXPECT_EQ(state.Borrowed, 5000);

    // The amount is right-aligned in seven characters.
    GameState poor = withTotals(0, 0);
    EXPECT_EQ(payBack(poor, 1).refusal.toStdString(),
              std::string("You do not have ") + "   1.00" + " credits!");
}

TEST(LoanDeskTest, CreditsAreCheckedBeforeTheLoan) {
    GameState state = withTotals(5, 0);
    const LoanResult result = payBack(state, 10);
    EXPECT_FALSE(result.done);
    // One space after "have", then the amount padded to seven characters.
    EXPECT_EQ(result.refusal.toStdString(), std::string("You do not have ") + "  10.00" + " credits!");
    EXPECT_EQ(state.Credits, 5);
    EXPECT_EQ(state.Borrowed, 0);
}

TEST(LoanDeskTest, PayingBackMoreThanTheLoanIsRefused) {
    GameState state = withTotals(500, 50);
    const LoanResult result = payBack(state, 100);
    EXPECT_FALSE(result.done);
    EXPECT_EQ(result.refusal.toStdString(), "You cannot pay back more credits than you have borrowed!");
    EXPECT_EQ(state.Credits, 500);
    EXPECT_EQ(state.Borrowed, 50);
}

TEST(LoanDeskTest, TheWholeLoanCanBePaidBack) {
    GameState state = withTotals(500, 50);
    const LoanResult result = payBack(state, 50);
    EXPECT_TRUE(result.done);
    EXPECT_TRUE(result.refusal.isEmpty());
    EXPECT_EQ(state.Credits, 450);
    EXPECT_EQ(state.Borrowed, 0);

    // Credits exactly equal to the loan: both go to 0.
    GameState even = withTotals(1000, 1000);
    EXPECT_TRUE(payBack(even, 1000).done);
    EXPECT_EQ(even.Credits, 0);
    EXPECT_EQ(even.Borrowed, 0);
}

TEST(LoanDeskTest, BorrowingPastTheLimitIsRefused) {
    // Credits at the limit.
    GameState fullCredits = withTotals(Max, 10);
    LoanResult result = borrow(fullCredits, 1);
    EXPECT_FALSE(result.done);
    EXPECT_FALSE(result.refusal.isEmpty());
    EXPECT_EQ(fullCredits.Credits, Max);
    EXPECT_EQ(fullCredits.Borrowed, 10);

    // The loan at the limit, credits far from it.
    GameState fullLoan = withTotals(10, Max - 999);
    result = borrow(fullLoan, 1000);
    EXPECT_FALSE(result.done);
    EXPECT_EQ(fullLoan.Credits, 10);
    EXPECT_EQ(fullLoan.Borrowed, Max - 999);

    // Up to the limit exactly is still allowed.
    GameState nearly = withTotals(Max - 1000, Max - 1000);
    EXPECT_TRUE(borrow(nearly, 1000).done);
    EXPECT_EQ(nearly.Credits, Max);
    EXPECT_EQ(nearly.Borrowed, Max);
}

TEST(LoanDeskTest, NothingToMoveIsRefused) {
    for (const std::int32_t amount : {0, -1, -1000, std::numeric_limits<std::int32_t>::min()}) {
        GameState state = withTotals(500, 500);
        const LoanResult borrowed = borrow(state, amount);
        EXPECT_FALSE(borrowed.done) << amount;
        EXPECT_FALSE(borrowed.refusal.isEmpty()) << amount;
        const LoanResult paid = payBack(state, amount);
        EXPECT_FALSE(paid.done) << amount;
        EXPECT_FALSE(paid.refusal.isEmpty()) << amount;
        EXPECT_EQ(state.Credits, 500) << amount;
        EXPECT_EQ(state.Borrowed, 500) << amount;
    }
}
