// Autoplay without a window: the spins it plays, each stop condition, the bonus game
// and the advice on its way, and the choices it remembers.
#include "engine/records/GameRecords.h"
#include "engine/shell/Autoplay.h"
#include "engine/shell/GameKeeper.h"
#include "engine/shell/PlayerSettings.h"
#include "tests/support/SyntheticGame.h"
#include "tests/support/TestMachine.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace slotmachine;
using namespace slotmachine::testing;

namespace autoplay_test {

class StoredSpins final : public GameRecords {
public:
    void readGame(int, GameState&, RecallLog&) override {}
    void writeGame(int, const GameState& state, const RecallLog&, const QString&) override { stored.push_back(state); }
    QString gameName() const override { return {}; }
    QString gameDate() const override { return {}; }
    std::vector<GameState> stored;
};

// Top-row stops that put these strip positions on the payline.
std::array<std::int32_t, ReelCount> payline(int p0, int p1, int p2) {
    const auto top = [](int p) { return p == 1 ? StripLength : p - 1; };
    return {top(p0), top(p1), top(p2)};
}
const auto Losing = payline(2, 3, 4);    // 1, 2, 3: nothing pays
const auto ThreeZeros = payline(1, 1, 1); // 100 a coin
const auto ThreeEights = payline(9, 9, 9); // the bonus game

// The synthetic game that also gives advice, and logs what is asked of it.
class AdvisingGame final : public Game {
public:
    const GameValues& values() const override { return rules.values(); }
    const Paytable& paytable() const override { return rules.paytable(); }
    int symbolNumber(int reel, int position) const override { return rules.symbolNumber(reel, position); }
    std::optional<Advice> advice(const GameContext&) const override {
        ++asked;
        return advise;
    }
    bool followAdvice(GameContext&, const Advice& given) override {
        followed.push_back(given);
        return true;
    }
    SyntheticGame rules;
    std::optional<Advice> advise;
    mutable int asked = 0;
    std::vector<Advice> followed;
};

struct AutoRun {
    TestMachine m;
    StoredSpins records;
    GameKeeper keeper{m.machine, records, m.dialogs, nullptr};
    Autoplay autoplay{m.machine, keeper};

    explicit AutoRun(std::unique_ptr<Game> game = std::make_unique<SyntheticGame>()) : m(std::move(game)) {
        m.state.Busy = false;
        m.state.Credits = 1000;
        m.state.LastCoins = 3;
    }
    // Plays until autoplay stops (at most 200 spins); the spins it played.
    int playOut(const AutoplayChoices& choices) {
        const std::int32_t before = m.state.Spins;
        autoplay.start(choices);
        for (int i = 0; i < 200 && autoplay.running(); ++i) {
            autoplay.playNext();
        }
        return m.state.Spins - before;
    }
};

} // namespace autoplay_test

using namespace autoplay_test;

TEST(Autoplay, StopsAtEachConditionAfterTheSpinsItShould) {
    struct Case {
        const char* name;
        AutoplayChoices choices;
        std::int32_t credits;
        std::int32_t lastCoins;
        std::array<std::int32_t, ReelCount> stops;
        int spins;
        AutoplayStop why;
    };
    const auto with = [](auto change) {
        AutoplayChoices c;
        change(c);
        return c;
    };
    const Case cases[] = {
        {"the count", with([](AutoplayChoices& c) { c.spins = 25; }), 1000, 3, Losing, 25, AutoplayStop::SpinsPlayed},
        {"credits below", with([](AutoplayChoices& c) { c.creditsBelow = 995; }), 1000, 3, Losing, 2,
         AutoplayStop::CreditsBelow},
        {"a big win", with([](AutoplayChoices& c) { c.winAtLeast = 300; }), 1000, 3, ThreeZeros, 1,
         AutoplayStop::BigWin},
        {"a win below the amount", with([](AutoplayChoices& c) { c.winAtLeast = 301; }), 1000, 3, ThreeZeros, 10,
         AutoplayStop::SpinsPlayed},
        {"a bonus game", with([](AutoplayChoices& c) { c.stopOnBonusGame = true; }), 1000, 3, ThreeEights, 1,
         AutoplayStop::BonusGame},
        {"the next bet unpaid", AutoplayChoices{}, 5, 3, Losing, 1, AutoplayStop::CannotPay},
        {"no last bet: one coin", AutoplayChoices{}, 2, 0, Losing, 2, AutoplayStop::CannotPay},
        {"nothing to bet with", AutoplayChoices{}, 0, 0, Losing, 0, AutoplayStop::CannotPay},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AutoRun run;
        run.m.state.Credits = c.credits;
        run.m.state.LastCoins = c.lastCoins;
        run.m.machine.forceStops(c.stops);
        EXPECT_EQ(run.playOut(c.choices), c.spins);
        EXPECT_FALSE(run.autoplay.running());
        EXPECT_EQ(run.autoplay.stopped(), c.why);
        EXPECT_EQ(run.records.stored.size(), static_cast<std::size_t>(c.spins)) << "each spin stored";
        EXPECT_EQ(run.m.state.Borrowed, 1000) << "never borrows";
        EXPECT_EQ(run.m.state.Coins, 0);
        EXPECT_EQ(run.m.state.SpinWin, 0) << "each win counted up";
    }
}

TEST(Autoplay, ABonusGameIsPlayedAndAutoplayGoesOn) {
    AutoRun run;
    run.m.machine.forceStops(ThreeEights);
    EXPECT_EQ(run.playOut(AutoplayChoices{}), 10);
    EXPECT_EQ(run.m.bonus.plays, 10);
    EXPECT_EQ(run.autoplay.stopped(), AutoplayStop::SpinsPlayed);
}

TEST(Autoplay, AStopDuringASpinLetsItSettleAndPlaysNoMore) {
    AutoRun run;
    run.m.machine.forceStops(ThreeEights);
    run.m.bonus.onPlay = [&](GameContext&) { run.autoplay.stop(AutoplayStop::Player); };
    EXPECT_EQ(run.playOut(AutoplayChoices{}), 1);
    EXPECT_EQ(run.autoplay.stopped(), AutoplayStop::Player);
    ASSERT_EQ(run.records.stored.size(), 1u);
    EXPECT_EQ(run.records.stored.back().Spins, run.m.state.Spins);
    EXPECT_EQ(run.m.state.SpinWin, 0);
}

TEST(Autoplay, FollowsTheAdviceBeforeEachSpinOnlyWhenAsked) {
    for (const bool follow : {false, true}) {
        SCOPED_TRACE(follow);
        auto owned = std::make_unique<AdvisingGame>();
        AdvisingGame& game = *owned;
        game.advise = Advice{{true, false, true}, std::nullopt};
        AutoRun run(std::move(owned));
        run.m.machine.forceStops(Losing);
        AutoplayChoices choices;
        choices.followAdvice = follow;
        EXPECT_EQ(run.playOut(choices), 10);
        EXPECT_EQ(game.asked, follow ? 10 : 0);
        EXPECT_EQ(game.followed, std::vector<Advice>(follow ? 10 : 0, *game.advise));
        game.advise.reset(); // no advice: nothing to follow
        game.followed.clear();
        run.playOut(choices);
        EXPECT_TRUE(game.followed.empty());
    }
}

TEST(Autoplay, ChoicesAreRememberedAndReadAsTheFirstOnesWhenAbsurd) {
    QTemporaryDir dir;
    PlayerSettings settings(dir.filePath(QStringLiteral("synthetic-slots-settings.ini")));
    EXPECT_EQ(loadAutoplayChoices(settings), AutoplayChoices{}) << "10 spins, no stop, no advice at first";
    const AutoplayChoices chosen{50, 200, 1000, true, true};
    saveAutoplayChoices(settings, chosen);
    EXPECT_EQ(loadAutoplayChoices(PlayerSettings(settings.path())), chosen);
    saveAutoplayChoices(settings, AutoplayChoices{25, std::nullopt, std::nullopt, false, false});
    EXPECT_EQ(loadAutoplayChoices(settings), (AutoplayChoices{25, std::nullopt, std::nullopt, false, false}));
    settings.setNumber(QStringLiteral("Autoplay/Spins"), 7);
    EXPECT_EQ(loadAutoplayChoices(settings).spins, 10) << "only the counts offered";
    EXPECT_EQ(loadAutoplayChoices(PlayerSettings(QString())), AutoplayChoices{}) << "no file: nothing kept";
}
