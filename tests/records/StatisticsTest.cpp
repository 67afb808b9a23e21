// The statistics window's figures: what the machine has paid, derived from the
// totals, and how the numbers read in the player's locale.
#include "engine/records/GameStatistics.h"
#include "engine/records/StatisticsWindow.h"
#include "engine/state/LoanDesk.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>
#include <limits>

using namespace slotmachine;

namespace {

const QLocale English(QLocale::English, QLocale::UnitedStates);
const QLocale German(QLocale::German, QLocale::Germany);
constexpr std::int32_t Max32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Min32 = std::numeric_limits<std::int32_t>::min();

QString number(std::int64_t value, const QLocale& locale = English) {
    return statisticsNumber(value, locale);
}

} // namespace

TEST(Statistics, PayoffsCountBonusPrizesAndNotLoans) {
    GameState state;
    GameStatistics s = gameStatistics(state);
    EXPECT_EQ(s.Payoffs, 0);
    EXPECT_EQ(s.Normal, 0);
    EXPECT_EQ(statisticsPercentage(s.PayoffPercentage, English), "0.00%") << "nothing bet yet";

    state.TotalBets = 100;
    state.Credits = 1000 - 100 + 85;
    s = gameStatistics(state);
    EXPECT_EQ(s.Payoffs, 85);
    EXPECT_EQ(s.Normal, 85);
    EXPECT_EQ(statisticsPercentage(s.PayoffPercentage, English), "85.00%");

    state.Credits += 250;
    state.BonusWon = 250;
    s = gameStatistics(state);
    EXPECT_EQ(s.Payoffs, 335);
    EXPECT_EQ(s.Normal, 85);
    EXPECT_EQ(s.BonusWon, 250);

    ASSERT_TRUE(borrow(state, 500).done);
    EXPECT_EQ(gameStatistics(state).Payoffs, 335);
    ASSERT_TRUE(payBack(state, 1200).done);
    EXPECT_EQ(gameStatistics(state).Payoffs, 335);
    EXPECT_EQ(gameStatistics(state).Normal, 85);
}

TEST(Statistics, NumbersAreGroupedAndPaddedInTheLocale) {
    EXPECT_EQ(number(1234567), " 1,234,567");
    EXPECT_EQ(number(1234567, German), " 1.234.567");
    EXPECT_EQ(number(-4321), "    -4,321");
    EXPECT_EQ(number(-4321, German), "    -4.321");
    EXPECT_EQ(number(0), "         0");
    EXPECT_EQ(number(1000, QLocale::c()), "     1,000") << "the C locale groups too";
    EXPECT_EQ(number(12345678901), "12,345,678,901") << "longer numbers are not cut";

    EXPECT_EQ(statisticsPercentage(85.0, German), "85,00%");
    EXPECT_EQ(statisticsPercentage(1.005e3, English), "1005.00%") << "percentages are not grouped";
    EXPECT_EQ(statisticsPercentage(2.0 / 3.0, English), "0.67%");
    EXPECT_EQ(statisticsPercentage(-12.5, English), "-12.50%");
}

TEST(Statistics, ExtremeTotalsDoNotOverflow) {
    GameState state;
    state.Credits = Max32;
    state.Borrowed = Min32;
    state.TotalBets = Max32;
    state.BonusWon = Min32;
    GameStatistics s = gameStatistics(state);
    EXPECT_EQ(s.Payoffs, 6442450942);
    EXPECT_EQ(s.Normal, 8589934590);
    EXPECT_EQ(number(s.Normal, German), "8.589.934.590");
    EXPECT_EQ(statisticsPercentage(s.PayoffPercentage, English), "300.00%");

    state.Credits = Min32;
    state.Borrowed = Max32;
    state.TotalBets = 1;
    state.BonusWon = Max32;
    s = gameStatistics(state);
    EXPECT_EQ(s.Payoffs, -4294967294);
    EXPECT_EQ(s.Normal, -6442450941);
    EXPECT_EQ(statisticsPercentage(s.PayoffPercentage, English), "-429496729400.00%");
}

namespace {

// The window reads the user's locale; these tests fix it to English.
struct StatsWindow : ::testing::Test {
    QLocale saved;
    StatsWindow() { QLocale::setDefault(English); }
    ~StatsWindow() override { QLocale::setDefault(saved); }
};

} // namespace

TEST_F(StatsWindow, ShowsEachFigureInItsLabelAndChangesNothing) {
    GameState state;
    state.Spins = 1234;
    state.Credits = 5680;
    state.Borrowed = 2000;
    state.TotalBets = 40000;
    state.BonusWon = 900;
    const GameState before = state;
    StatisticsWindow form(state);

    EXPECT_EQ(form.windowTitle(), "Your Game Statistics");
    EXPECT_EQ(form.size(), QSize(632, 207));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags() & (Qt::WindowContextHelpButtonHint | Qt::WindowMaximizeButtonHint));
    const std::pair<QLabel*, const char*> shown[] = {
        {form.spinsValue, "     1,234"}, {form.creditsValue, "     5,680"}, {form.borrowedValue, "     2,000"},
        {form.totalBetsValue, "    40,000"}, {form.payoffsValue, "    43,680"}, {form.normalValue, "    42,780"},
        {form.bonusValue, "       900"}, {form.payoffPercentageValue, "109.20%"},
    };
    for (const auto& [label, text] : shown) {
        EXPECT_EQ(label->text(), text);
    }
    EXPECT_EQ(form.okButton->geometry(), QRect(536, 168, 89, 33));
    form.okButton->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(state.Credits, before.Credits);
    EXPECT_EQ(state.TotalBets, before.TotalBets);
    EXPECT_EQ(state.BonusWon, before.BonusWon);
}

TEST_F(StatsWindow, ValuesKeepTheirRightEdgesShowWholeAndCoverNoCaption) {
    GameState extreme;
    extreme.Spins = Max32;
    extreme.Credits = Min32;
    extreme.Borrowed = Max32;
    extreme.TotalBets = 1;
    extreme.BonusWon = Max32;
    for (const GameState& state : {GameState{}, extreme}) {
        StatisticsWindow form(state);
        const std::pair<QLabel*, int> rightEdges[] = {
            {form.spinsValue, 281}, {form.creditsValue, 281}, {form.borrowedValue, 281}, {form.totalBetsValue, 609},
            {form.payoffsValue, 609}, {form.normalValue, 585}, {form.bonusValue, 585}, {form.payoffPercentageValue, 617},
        };
        for (const auto& [value, right] : rightEdges) {
            EXPECT_EQ(value->geometry().x() + value->width(), right) << value->text().toStdString();
            EXPECT_GE(value->width(), value->sizeHint().width()) << value->text().toStdString();
            EXPECT_TRUE(value->font().bold());
            EXPECT_TRUE(value->alignment() & Qt::AlignRight);
            for (const QLabel* other : form.findChildren<QLabel*>()) {
                EXPECT_TRUE(other == value || !other->geometry().intersects(value->geometry()))
                    << value->text().toStdString() << " covers " << other->text().toStdString();
            }
        }
    }
}
