// Each hook of a game is called where and when its header says, shown on a small
// game of the tests' own whose hooks log themselves.
#include "engine/machine/PointerInput.h"
#include "engine/records/GameRecords.h"
#include "engine/shell/MachineWindow.h"
#include "tests/support/SyntheticGame.h"
#include "tests/support/SyntheticPictures.h"
#include "tests/support/TestMachine.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace slotmachine;
using namespace slotmachine::testing;

namespace {

struct Hooks : ::testing::Test {
    SyntheticGame* game = new SyntheticGame;
    TestMachine m{std::unique_ptr<Game>(game)};

    Hooks() { game->logTo(m.log); }
    // Position of `entry` in the log after position `from`; fails the test when absent.
    int after(int from, const std::string& entry) {
        for (std::size_t i = static_cast<std::size_t>(from + 1); i < m.log.size(); ++i) {
            if (m.log[i] == entry) {
                return static_cast<int>(i);
            }
        }
        ADD_FAILURE() << "no \"" << entry << "\" after entry " << from;
        return static_cast<int>(m.log.size());
    }
    void press(int designX, int designY) {
        const ReelGeometry& g = m.machine.geometry();
        pressMachineAt(m.machine, g.ScaleUnit(designX), g.ScaleUnit(designY), 119);
    }
};

} // namespace

TEST_F(Hooks, SpinCallsEachHookAtItsStep) {
    m.machine.betOne();
    m.machine.spin();
    int at = after(-1, "Hook coinBet");
    at = after(at, "Stop CoinSignBlinking");
    at = after(at, "Hook spinStarting");
    at = after(at, "DrawLamp TitleGlass lit");
    at = after(at, "DrawLamp CoinSign lit");
    at = after(at, "Hook buttonsDimmed");
    for (const char* reel : {"0", "1", "2"}) {
        at = after(at, std::string("Hook reelFeatures ") + reel);
    }
    at = after(at, "Hook evaluate coins 1");
    at = after(at, "Hook spinSettled");
    after(at, "DrawButton BetOne lit");
}

TEST_F(Hooks, FullRepaintRunsTheGameStepsBetweenTheEngineSteps) {
    m.machine.FullRepaint();
    int at = after(-1, "ShowCoins");
    at = after(at, "Hook repaintStep AfterMeters");
    at = after(at, "DrawCaption Coins 250 left");
    at = after(at, "Hook repaintStep AfterCoinsCaption");
    at = after(at, "DrawCaption Winnings 440 right");
    at = after(at, "DrawButton Spin lit");
    at = after(at, "Hook repaintStep AfterButtons");
    after(at, "DrawLogo");
}

TEST_F(Hooks, EveryPressRunsBothPointerHooksAroundTheButtonsBusyOrNot) {
    // What the first hook does (here: a whole feature) never keeps the buttons
    // from their press.
    int features = 0;
    game->beforeButtons = [&features](GameContext& machine) { features += machine.runFeature([] {}) ? 1 : 0; };
    press(600, 400); // Bet One
    int at = after(-1, "Hook pointerPressBeforeButtons 600 400");
    at = after(at, "Hook coinBet");
    after(at, "Hook pointerPressAfterButtons 600 400");
    EXPECT_EQ(features, 1);
    EXPECT_EQ(m.state.Coins, 1);

    m.log.clear();
    m.state.Busy = true;
    press(600, 400);
    EXPECT_EQ(m.count("Hook pointerPressBeforeButtons 600 400"), 1);
    EXPECT_EQ(m.count("Hook coinBet"), 0);
    EXPECT_EQ(m.count("Hook pointerPressAfterButtons 600 400"), 1);
    EXPECT_EQ(features, 1);
}

TEST_F(Hooks, ANewGameGivesBackStockSetAsideBeforeItsReset) {
    m.state.Credits = 5;
    ASSERT_TRUE(m.machine.newGame());
    // Still the old game's totals when the hook runs; the repaint shows the new one.
    after(after(-1, "Hook returnStockSetAside credits 5"), "DrawMachinePicture");
    EXPECT_EQ(m.state.Credits, 1000);
}

TEST_F(Hooks, TheLogoOpensItsPageBeforeTheLastPointerHook) {
    pressMachineAt(m.machine, 60, 60, 119, [this] { m.log.push_back("Logo page"); });
    after(after(after(-1, "Hook pointerPressBeforeButtons 60 60"), "Logo page"),
          "Hook pointerPressAfterButtons 60 60");
}

TEST_F(Hooks, ButtonHitAreasIncludeAllFourScaledEdges) {
    m.machine.setGeometry(ReelGeometry::forLayoutWidth(1024));
    const ReelGeometry& g = m.machine.geometry();
    struct Case {
        int x, y, coinsAfter;
    } cases[] = {
        {g.ScaleUnit(577), g.ScaleUnit(362), 1},     // top left of Bet One
        {g.ScaleUnit(655), g.ScaleUnit(421), 1},     // bottom right of Bet One
        {g.ScaleUnit(655) + 1, g.ScaleUnit(421), 0}, // one pixel right of it
        {g.ScaleUnit(643), g.ScaleUnit(181), 1},     // the coin sign's last pixel
        {g.ScaleUnit(643), g.ScaleUnit(181) + 1, 0},
    };
    for (const Case& c : cases) {
        m.state.Coins = 0;
        pressMachineAt(m.machine, c.x, c.y, 119);
        EXPECT_EQ(m.state.Coins, c.coinsAfter) << c.x << "," << c.y;
    }
}

TEST_F(Hooks, AReelThatDoesNotSpinKeepsItsStopAndMakesNoClick) {
    m.machine.setAnimated(true);
    m.display.logFrames = true;
    game->heldReel = 1;
    m.state.ReelStop = {5, 17, 9};
    m.machine.betOne();
    m.machine.spin();
    EXPECT_EQ(m.state.ReelStop[1], 17);
    EXPECT_EQ(m.count("Sound 0"), 2);
    EXPECT_EQ(m.count("HoldReelPicture 1"), 0);
    // The payline is still drawn at each of its eight bounce steps, while reel 2 spins.
    EXPECT_EQ(m.count("DrawPayline"), 8);
    for (std::size_t i = 0; i + 1 < m.log.size(); ++i) {
        if (m.log[i] == "DrawPayline") {
            EXPECT_TRUE(m.log[i + 1].starts_with("DrawSpinFrame 2 ")) << m.log[i + 1];
        }
    }
}

// Every payout kind through the engine's own evaluation.
TEST_F(Hooks, EachPayoutKindPaysItsWay) {
    struct Case {
        int p0, p1, p2; // payline positions (symbol = position - 1 mod 10)
        std::int32_t coins, won;
        bool bonus;
    } cases[] = {
        {1, 1, 1, 3, 300, false},  // 0 0 0: 100 a coin
        {2, 12, 22, 3, 10, false}, // 1 1 1: 10 on the line, however many coins
        {9, 19, 29, 2, 0, true},   // 8 8 8: the bonus game, no line pay
        {3, 5, 10, 2, 2, false},   // 2 4 9: the bet back
        {3, 5, 7, 3, 0, false},
    };
    for (const Case& c : cases) {
        m.setPayline(c.p0, c.p1, c.p2);
        m.state.Coins = c.coins;
        m.state.BonusPts = 0;
        m.log.clear();
        m.machine.evaluatePayline();
        EXPECT_EQ(m.machine.lastSpin().lineWin, c.won) << c.p0 << " " << c.p1 << " " << c.p2;
        EXPECT_EQ(m.count("BonusGame"), c.bonus ? 1 : 0) << c.p0 << " " << c.p1 << " " << c.p2;
    }
}

TEST_F(Hooks, AFeaturePaysTheLastBetWithoutChargeAndIsRefusedInsideAnother) {
    m.state.LastCoins = 3;
    m.state.Credits = 50;
    m.state.Coins = 1; // bet after the last spin, before the feature
    m.state.Credits -= 1;
    m.setPayline(1, 1, 1);
    const std::uint64_t finished = m.machine.operationsFinished();
    bool ranInside = true;
    const bool ran = m.machine.runFeature([&] {
        ranInside = m.machine.runFeature([] {});
        m.machine.evaluateWithLastBet();
    });
    EXPECT_TRUE(ran);
    EXPECT_FALSE(ranInside);
    EXPECT_EQ(m.count("Hook evaluate coins 3"), 1);
    EXPECT_EQ(m.machine.lastSpin().lineWin, 300);
    EXPECT_EQ(m.state.Credits, 49 + 300);
    EXPECT_EQ(m.state.Coins, 1);
    EXPECT_EQ(m.state.Spins, 0);
    EXPECT_EQ(m.state.TotalBets, 0);
    EXPECT_EQ(m.machine.operationsFinished(), finished + 1);

    m.state.Busy = true;
    EXPECT_FALSE(m.machine.runFeature([] { ADD_FAILURE() << "ran while busy"; }));
}

namespace {

// Keeps the running game in memory and notes each store in the hook log.
class LoggingRecords final : public GameRecords {
public:
    explicit LoggingRecords(EventLog& log) : log_(log) {}
    void readGame(int, GameState&, RecallLog&) override { log_.push_back("ReadGame"); }
    void writeGame(int, const GameState&, const RecallLog&, const QString&) override { log_.push_back("WriteGame"); }
    QString gameName() const override { return {}; }
    QString gameDate() const override { return {}; }

private:
    EventLog& log_;
};

} // namespace

TEST(WindowHooks, CreatedAfterTheFirstRepaintTimersTickTheGameClosingBeforeTheLastStore) {
    QTemporaryDir dir;
    cells(4, 4, 76, 76, symbolColour).save(dir.filePath(QStringLiteral("Synth.bmp")), "BMP");
    EventLog log;
    SyntheticGame game(log);
    LoggingRecords records(log);
    EventLog audioLog;
    RecordingEffects effects{audioLog};
    RecordingMusic music{audioLog};
    auto window = MachineWindow::create(game, records, {effects, music}, dir.filePath(QStringLiteral("synthetic-slots")));
    ASSERT_TRUE(window);
    const auto at = [&log](const std::string& entry) {
        return std::find(log.begin(), log.end(), entry) - log.begin();
    };
    // The full repaint after the read of the running game comes before the hook.
    const auto lastRepaint = std::find(log.rbegin(), log.rend(), "Hook repaintStep AfterButtons");
    ASSERT_NE(lastRepaint, log.rend());
    EXPECT_LT(at("ReadGame"), log.rend() - lastRepaint - 1);
    EXPECT_LT(log.rend() - lastRepaint - 1, at("Hook windowCreated"));
    EXPECT_EQ(at("Hook windowCreated"), static_cast<std::ptrdiff_t>(log.size()) - 1);
    EXPECT_FALSE(window->isActive(MachineTimer::GameFeature1));

    window->start(MachineTimer::GameFeature2);
    QEventLoop wait;
    QTimer::singleShot(700, &wait, &QEventLoop::quit);
    wait.exec();
    EXPECT_GE(std::count(log.begin(), log.end(), "Hook timerTick 7"), 1);

    log.clear();
    window->close();
    QCoreApplication::processEvents();
    ASSERT_NE(at("Hook closing"), static_cast<std::ptrdiff_t>(log.size()));
    EXPECT_LT(at("Hook closing"), at("WriteGame"));
    EXPECT_FALSE(window->isActive(MachineTimer::GameFeature2));
}
