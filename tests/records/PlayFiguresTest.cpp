// The player's own figures in the statistics window: this session's tally, the
// machine's returns built into the program, the biggest win and the credits chart
// from the recall log, and the window that shows them below the game's totals.
#include "engine/records/CreditsChart.h"
#include "engine/records/PaybackReturns.h"
#include "engine/records/RecallFigures.h"
#include "engine/records/SessionTally.h"
#include "engine/records/StatisticsWindow.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace play_figures_test {

using namespace slotmachine;

PlayRecord play(PlayKind kind, std::int32_t coins, std::int32_t win, std::int32_t before,
                std::int32_t after) {
    PlayRecord p;
    p.kind = kind;
    p.coins = coins;
    p.win = win;
    p.creditsBefore = before;
    p.creditsAfter = after;
    return p;
}

// A spin that wins, a nudge after it (which names the spin's coins but bets none),
// a loan and a payback, a spin that loses and a bonus game kept due.
std::vector<PlayRecord> somePlays() {
    return {play(PlayKind::Spin, 3, 12, 1000, 1009), play(PlayKind::Nudge, 3, 40, 1009, 1049),
            play(PlayKind::Loan, 0, 0, 1049, 1549),  play(PlayKind::Payback, 0, 0, 1549, 1049),
            play(PlayKind::Spin, 2, 0, 1049, 1047),  play(PlayKind::Bonus, 0, 25, 1047, 1072)};
}

TEST(SessionTally, CountsWhatPlaysWonAndSpinsBetButNoLoans) {
    SessionTally session;
    EXPECT_EQ(session.net(), 0);
    EXPECT_EQ(session.biggestWin(), 0);
    for (const PlayRecord& p : somePlays()) {
        session.add(p);
    }
    EXPECT_EQ(session.plays(), 4);
    EXPECT_EQ(session.won(), 12 + 40 + 25);
    EXPECT_EQ(session.bet(), 3 + 2) << "a nudge bets nothing";
    EXPECT_EQ(session.net(), 72);
    EXPECT_EQ(session.biggestWin(), 40);
}

TEST(SessionTally, TimeReadsAsHoursMinutesAndSeconds) {
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, "0:00:00"}, {59, "0:00:59"}, {3723, "1:02:03"}, {360000, "100:00:00"}, {-5, "0:00:00"}};
    for (const auto& [seconds, text] : cases) {
        EXPECT_EQ(sessionTimeText(seconds), text) << seconds;
    }
}

TEST(RecallFigures, BiggestWinAndCreditsComeFromTheLogOldestFirst) {
    RecallLog log;
    EXPECT_EQ(biggestWin(log), 0);
    EXPECT_TRUE(creditsCourse(log).empty());
    for (const PlayRecord& p : somePlays()) {
        log.add(p);
    }
    EXPECT_EQ(biggestWin(log), 40);
    EXPECT_EQ(creditsCourse(log), (std::vector<std::int32_t>{1000, 1009, 1049, 1549, 1049, 1047, 1072}));
}

struct ReturnsFile : ::testing::Test {
    QTemporaryDir dir;
    QString write(const QByteArray& bytes) {
        const QString path = dir.filePath(QStringLiteral("payback.json"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return path;
    }
};

const PaybackReturns TwoColumns{
    {QStringLiteral("Pays back"), {{1.0323315077087205, true}, {0.9800623626439748, true}}},
    {QStringLiteral("With holds played well"), {{1.04842, false}, {1.091549, false}}},
};

TEST_F(ReturnsFile, ReadsBackWhatWasWrittenAndShowsItAsTheManualDoes) {
    const std::optional<PaybackReturns> read = readPaybackReturns(write(paybackReturnsJson(TwoColumns)));
    ASSERT_TRUE(read);
    ASSERT_EQ(read->size(), 2u);
    const QLocale english(QLocale::English);
    EXPECT_EQ((*read)[1].caption, "With holds played well");
    EXPECT_EQ(machineReturnText((*read)[0].byCoins[0], english), "103.23%");
    EXPECT_EQ(machineReturnText((*read)[0].byCoins[1], english), "98.01%");
    EXPECT_EQ(machineReturnText((*read)[1].byCoins[1], english), "about 109%");
    EXPECT_EQ(paybackReturnsResource("pawlane-slots"), ":/figures/pawlane-slots/payback.json");
}

TEST_F(ReturnsFile, AMissingOrDamagedFileReadsAsNothing) {
    EXPECT_FALSE(readPaybackReturns(dir.filePath(QStringLiteral("none.json"))));
    const char* damaged[] = {
        "",
        "not json",
        R"({"columns": []})",
        R"({"columns": [{"caption": "Pays back", "returns": []}]})",
        R"({"columns": [{"caption": "Pays back", "returns": [{"rtp": "high", "exact": true}]}]})",
        R"({"columns": [{"returns": [{"rtp": 0.9, "exact": true}]}]})",
        R"({"columns": [{"caption": "A", "returns": [{"rtp": 0.9, "exact": true}]},
                        {"caption": "B", "returns": [{"rtp": 0.9, "exact": true}, {"rtp": 1, "exact": true}]}]})",
    };
    for (const char* text : damaged) {
        EXPECT_FALSE(readPaybackReturns(write(text))) << text;
    }
}

struct FullStatsWindow : ReturnsFile {
    QLocale saved;
    FullStatsWindow() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    ~FullStatsWindow() override { QLocale::setDefault(saved); }
};

TEST_F(FullStatsWindow, ShowsThePlayersFiguresBelowTheTotalsAsTheyAreAlone) {
    GameState state;
    state.Spins = 1234;
    state.Credits = 5680;
    state.TotalBets = 40000;
    state.BonusWon = 900;
    RecallLog log;
    SessionTally session;
    for (const PlayRecord& p : somePlays()) {
        log.add(p);
        session.add(p);
    }
    GameValues values;
    values.coinLimit = 3;
    values.colours = {.ground = 0x102030, .line = 0xffd24a};
    const StatisticsWindow alone(state);
    const StatisticsWindow form(state,
                                PlayFigures{log, session, values, write(paybackReturnsJson(TwoColumns))});

    for (const auto& [left, right] : {std::pair{alone.spinsValue, form.spinsValue},
                                      {alone.payoffsValue, form.payoffsValue},
                                      {alone.payoffPercentageValue, form.payoffPercentageValue}}) {
        EXPECT_EQ(left->text(), right->text());
        EXPECT_EQ(left->geometry(), right->geometry());
    }
    const PlayFiguresPanel& figures = *form.playFigures;
    ASSERT_EQ(figures.returnValues.size(), 3u) << "a row for each bet";
    EXPECT_EQ(figures.returnValues[0][0]->text(), "103.23%");
    EXPECT_EQ(figures.returnValues[1][1]->text(), "about 109%");
    EXPECT_EQ(figures.returnValues[2][0]->text(), "\u2013") << "a bet the file has no figure for";
    EXPECT_EQ(figures.sessionNetValue->text(), "+72");
    EXPECT_EQ(figures.sessionBiggestWinValue->text(), "40");
    EXPECT_EQ(figures.recallBiggestWinValue->text(), "40");
    EXPECT_EQ(figures.chart->credits(), creditsCourse(log));
    figures.chart->resize(300, 200);
    EXPECT_EQ(figures.chart->grab().toImage().pixelColor(2, 2), QColor::fromRgb(values.colours.ground))
        << "drawn in the game's colours";

    const StatisticsWindow missing(state,
                                   PlayFigures{log, session, values, dir.filePath(QStringLiteral("none"))});
    ASSERT_EQ(missing.playFigures->returnValues.size(), 3u);
    for (const auto& row : missing.playFigures->returnValues) {
        ASSERT_EQ(row.size(), 1u);
        EXPECT_EQ(row[0]->text(), "\u2013");
    }
}

} // namespace play_figures_test
