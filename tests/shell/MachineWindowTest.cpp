// The machine window as a player drives it: keys, the close in the middle of a
// spin, and the game handed to the record store.
#include "engine/bonus/BonusWindow.h"
#include "engine/records/CreditsChart.h"
#include "engine/records/GameRecords.h"
#include "engine/records/GameStatistics.h"
#include "engine/records/SaveOpenWindow.h"
#include "engine/records/StatisticsWindow.h"
#include "engine/shell/GameHistoryWindow.h"
#include "engine/shell/GameKeeper.h"
#include "engine/shell/LoanDeskWindow.h"
#include "engine/shell/MachineMenu.h"
#include "engine/shell/MachineView.h"
#include "engine/shell/MachineWindow.h"
#include "engine/shell/PayChartWindow.h"
#include "engine/shell/PlayerSettings.h"
#include "engine/shell/TerminationSignals.h"
#include "engine/shell/VolumeWindow.h"
#include "games/orevein/OreveinGame.h"
#include "tests/support/Recorders.h"
#include "tests/support/SyntheticPictures.h"
#include "tests/support/TestWindow.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <tuple>
#include <QElapsedTimer>
#include <csignal>
#include <limits>
#include <map>

using namespace slotmachine;
using namespace slotmachine::testing;

namespace {

// The running game reads as 777 credits and a saved game as 5; writes of the
// running game are kept.
class RecordingRecords final : public GameRecords {
public:
    void readGame(int index, GameState& state, RecallLog&) override {
        if (index != CurrentGameIndex) {
            state.Credits = 5;
            return;
        }
        ++loads;
        state.Credits = 777;
        state.BonusDue = bonusDue;
    }
    void writeGame(int index, const GameState& state, const RecallLog&, const QString& name) override {
        EXPECT_EQ(index, CurrentGameIndex);
        EXPECT_EQ(name, QStringLiteral("CurrentGame"));
        if (failWrites) {
            throw RecordWriteError("Unable to write to the test file");
        }
        stored.push_back(state);
    }
    bool failWrites = false;
    std::int32_t bonusDue = 0; // of the running game
    QString gameName() const override { return {}; }
    QString gameDate() const override { return {}; }
    int loads = 0;
    std::vector<GameState> stored;
};

struct MachineWindowTest : ::testing::Test {
    QTemporaryDir dir;
    orevein::OreveinGame game;
    RecordingRecords records;
    EventLog audioLog;
    RecordingEffects effects{audioLog};
    RecordingMusic music{audioLog};

    std::unique_ptr<MachineWindow> open() {
        return openTestWindow(QDir(dir.path()), game, records, {effects, music});
    }
    static void press(QWidget& window, Qt::Key key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &event);
    }
    // The menus with their items' captions, separators as "-".
    static std::vector<QStringList> menuTree(MachineWindow& window) {
        std::vector<QStringList> tree;
        for (QAction* menu : window.menuBar()->actions()) {
            QStringList items{menu->text()};
            for (QAction* item : menu->menu()->actions()) {
                items << (item->isSeparator() ? QStringLiteral("-") : item->text());
            }
            tree.push_back(items);
        }
        return tree;
    }
    static QAction* menuItem(MachineWindow& window, const QString& menu, const QString& item) {
        for (QAction* m : window.menuBar()->actions()) {
            if (m->text() == menu) {
                emit m->menu()->aboutToShow();
                for (QAction* i : m->menu()->actions()) {
                    if (i->text() == item) {
                        return i;
                    }
                }
            }
        }
        ADD_FAILURE() << "no menu item " << item.toStdString();
        return nullptr;
    }
};

} // namespace

TEST_F(MachineWindowTest, StartsWithTheStoredGameAndTheBuiltInPictures) {
    auto window = open();
    ASSERT_TRUE(window);
    EXPECT_EQ(records.loads, 1);
    EXPECT_EQ(window->machine().state().Credits, 777);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Orevein Slots"));
    EXPECT_FALSE(window->surface().pictures().MachineBackground.isNull());
    EXPECT_FALSE(window->surface().pictures().SealLogo.isNull());
    EXPECT_TRUE(window->isActive(MachineTimer::ButtonBlinking));
    EXPECT_TRUE(window->isActive(MachineTimer::CoinSignBlinking));
    EXPECT_FALSE(window->isActive(MachineTimer::WinLamps));
}

TEST_F(MachineWindowTest, EndsWithoutAWindowWhenTheSymbolSheetIsMissing) {
    // The two messages wait for the player; here each is closed as it shows.
    auto closeBoxes = std::make_unique<QTimer>();
    QObject::connect(closeBoxes.get(), &QTimer::timeout, [] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->inherits("QMessageBox") && w->isVisible()) {
                w->close();
            }
        }
    });
    closeBoxes->start(20);
    auto window = MachineWindow::create(game, records, {effects, music}, dir.filePath(QStringLiteral("orevein-slots")));
    EXPECT_FALSE(window);
    EXPECT_EQ(records.loads, 0);
    EXPECT_TRUE(records.stored.empty());
}

TEST_F(MachineWindowTest, ClosingDuringASpinSettlesItFirstAndStoresTheGameOnce) {
    auto window = open();
    ASSERT_TRUE(window);
    GameState& state = window->machine().state();
    state.Busy = false;
    press(*window, Qt::Key_B);
    ASSERT_EQ(state.Coins, 1);
    bool closedDuringSpin = false;
    bool busyDuringSpin = false;
    QTimer::singleShot(300, [&] {
        closedDuringSpin = window->machine().operationRunning();
        // The start timer has fired meanwhile, yet the spin keeps its Busy.
        busyDuringSpin = state.Busy;
        window->close();
    });
    press(*window, Qt::Key_Return); // returns when the spin has settled
    EXPECT_TRUE(closedDuringSpin);
    EXPECT_TRUE(busyDuringSpin);
    ASSERT_EQ(records.stored.size(), 1u);
    const GameState& stored = records.stored.front();
    EXPECT_EQ(stored.Spins, 1);
    EXPECT_EQ(stored.TotalBets, 1);
    EXPECT_FALSE(stored.Busy);
    EXPECT_EQ(stored.Coins, 0);
    EXPECT_EQ(stored.SpinWin, 0);
    // The window is closed: further keys start nothing.
    press(*window, Qt::Key_Return);
    EXPECT_EQ(state.Spins, 1);
    EXPECT_EQ(records.stored.size(), 1u);
}

TEST_F(MachineWindowTest, TheStartTimerStartsMusicAndTheOptionsMenuSwitchesSoundAndMusic) {
    QFile track(dir.filePath(QStringLiteral("Orev2.mid")));
    ASSERT_TRUE(track.open(QIODevice::WriteOnly));
    track.close();
    auto window = open();
    ASSERT_TRUE(window);
    const std::string programDir = (dir.path() + QLatin1Char('/')).toStdString();
    // Sounds 0 and 3 are read at start (here they do not exist).
    EXPECT_EQ(audioLog, (EventLog{"Keep 0 bytes", "Keep 0 bytes"}));
    EXPECT_TRUE(window->isActive(MachineTimer::MusicTick));

    // The start timer makes the first track due and plays the start soundItem;
    // The music tick opens the track within 100 ms.
    QEventLoop wait;
    QTimer::singleShot(400, &wait, &QEventLoop::quit);
    wait.exec();
    EXPECT_EQ(audioLog, (EventLog{"Keep 0 bytes", "Keep 0 bytes", "PlayFile " + programDir + "Orev7.wav",
                                  "Open " + programDir + "Orev2.mid"}));
    GameState& state = window->machine().state();
    EXPECT_FALSE(state.Busy);

    QMenu* options = nullptr;
    QStringList menus;
    for (QAction* action : window->menuBar()->actions()) {
        menus << action->text();
        if (action->text() == QStringLiteral("&Options")) {
            options = action->menu();
        }
    }
    EXPECT_EQ(menus, (QStringList{QStringLiteral("&File"), QStringLiteral("&Options"), QStringLiteral("&Help")}));
    ASSERT_NE(options, nullptr);
    const QList<QAction*> items = options->actions();
    ASSERT_GE(items.size(), 2); // Sound and Music first; the whole menu has a test of its own
    QAction* soundItem = items[0];
    QAction* musicItem = items[1];
    EXPECT_EQ(soundItem->text(), QStringLiteral("Sound"));
    EXPECT_EQ(musicItem->text(), QStringLiteral("Music"));
    EXPECT_TRUE(soundItem->isCheckable() && soundItem->isChecked());
    EXPECT_TRUE(musicItem->isCheckable() && musicItem->isChecked());

    audioLog.clear();
    soundItem->trigger();
    EXPECT_FALSE(state.SoundOn);
    EXPECT_FALSE(soundItem->isChecked());
    EXPECT_TRUE(audioLog.empty()) << "switching soundItem off leaves the musicItem alone";
    musicItem->trigger();
    EXPECT_FALSE(state.MusicOn);
    EXPECT_FALSE(musicItem->isChecked());
    musicItem->trigger();
    EXPECT_TRUE(state.MusicOn && musicItem->isChecked());
    EXPECT_EQ(audioLog, (EventLog{"Close", "Open " + programDir + "Orev2.mid"}));
    soundItem->trigger();
    EXPECT_TRUE(state.SoundOn && soundItem->isChecked());
}

TEST_F(MachineWindowTest, TheBonusWindowOpensAtTwelvePointsAndItsPrizeIsCounted) {
    auto window = open();
    ASSERT_TRUE(window);
    GameState& state = window->machine().state();
    state.BonusPts = 12;
    QTimer::singleShot(0, [&state] {
        auto* form = dynamic_cast<BonusWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        // The first of five letter keys' boxes that holds a prize; at least three do.
        const std::pair<Qt::Key, int> keys[] = {{Qt::Key_N, 1}, {Qt::Key_W, 3}, {Qt::Key_Y, 4}, {Qt::Key_E, 5},
                                                {Qt::Key_A, 7}};
        for (const auto& [key, box] : keys) {
            if (state.BoxValues[static_cast<std::size_t>(box - 1)] > 0) {
                press(*form, key);
                break;
            }
        }
        form->closeAfterDelay();
    });
    window->machine().playBoxBonus();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(state.BonusPts, 0);
    EXPECT_GT(state.BonusWon, 0);
    EXPECT_EQ(state.SpinWin, 0);
    EXPECT_EQ(state.Credits, 777 + state.BonusWon);
}

TEST_F(MachineWindowTest, ClosingDuringTheBonusLeavesItDue) {
    auto window = open();
    ASSERT_TRUE(window);
    GameState& state = window->machine().state();
    state.BonusPts = 12;
    QTimer::singleShot(0, [&] { window->close(); });
    window->machine().playBoxBonus();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    ASSERT_EQ(records.stored.size(), 1u);
    EXPECT_EQ(records.stored.front().BonusPts, 12);
    EXPECT_EQ(records.stored.front().BonusWon, 0);
    EXPECT_EQ(records.stored.front().BonusDue, 1) << "kept for the next start";
    EXPECT_EQ(state.BonusPts, 12);
}

TEST_F(MachineWindowTest, ABonusGameKeptDueOpensAtStartBeforeAnyBet) {
    records.bonusDue = 2;
    auto window = open();
    ASSERT_TRUE(window);
    GameState& state = window->machine().state();
    std::int32_t prize = -1;
    QTimer::singleShot(0, [&] {
        auto* form = dynamic_cast<BonusWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr) << "the bonus game is the first thing the player sees";
        press(*window, Qt::Key_M); // a bet sent past the bonus window is not taken
        EXPECT_EQ(state.Coins, 2) << "the winning spin's coins, for its prize";
        press(*form, Qt::Key_N);
        prize = state.BoxValues[0];
        form->closeAfterDelay();
    });
    QEventLoop wait;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!records.stored.empty()) {
            wait.quit();
        }
    });
    poll.start(10);
    QTimer::singleShot(5000, &wait, &QEventLoop::quit);
    wait.exec();
    ASSERT_EQ(records.stored.size(), 1u) << "stored once the bonus game has been played";
    const GameState& stored = records.stored.front();
    EXPECT_EQ(stored.BonusDue, 0);
    EXPECT_EQ(stored.Credits, 777 + std::max(prize, 0));
    EXPECT_EQ(stored.Spins, 0);
    EXPECT_EQ(state.Coins, 0);
    EXPECT_FALSE(state.Busy);
}

TEST(MachineViewPlacement, CentresTheMachineAndTakesPressesRelativeToIt) {
    const QImage surface = filled(800, 600, machineColour());
    MachineView view;
    view.resize(1000, 700);
    view.setSurface(&surface);
    QPoint pressedAt(-1, -1);
    view.pressed = [&](QPoint p) { pressedAt = p; };
    EXPECT_EQ(view.machineOrigin(), QPoint(100, 50));
    EXPECT_EQ(view.toSurface(QPointF(100, 50)), QPoint(0, 0));
    EXPECT_EQ(view.toSurface(QPointF(99.5, 50)), QPoint(-1, 0));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(700, 350), QPointF(700, 350), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &press);
    EXPECT_EQ(pressedAt, QPoint(600, 300));
}

TEST_F(MachineWindowTest, TheMenuHoldsEveryCommandInItsOrder) {
    auto window = open();
    ASSERT_TRUE(window);
    const std::vector<QStringList> expected{
        {"&File", "&New Game", "-", "&Open Game", "&Save Game", "-", "E&xit"},
        {"&Options", "Sound", "Music", "&Volume\u2026", "&Quick Spin", "&Autoplay\u2026", "&Borrow", "&Stats",
         "Game &History", "&Payoffs", "Show &Advice", "F&ull Screen"},
        {"&Help", "Version", "-", "&Orevein Slots Manual", "-", "&Brightplay Homepage", "-", "&Company Information"},
    };
    EXPECT_EQ(menuTree(*window), expected);
}

TEST_F(MachineWindowTest, ShowAdviceIsOffAtFirstAndRememberedInThePlayersSettings) {
    const QString settingsPath = dir.filePath(QStringLiteral("orevein-slots-settings.ini"));
    const PlayerSettings settings(settingsPath);
    const auto openWithSettings = [&] { return openTestWindow(QDir(dir.path()), game, records, {effects, music}, settingsPath); };
    auto window = openWithSettings();
    ASSERT_TRUE(window);
    QAction* advice = menuItem(*window, QStringLiteral("&Options"), QStringLiteral("Show &Advice"));
    EXPECT_FALSE(advice->isChecked());
    EXPECT_FALSE(game.adviceShown());
    advice->trigger();
    EXPECT_TRUE(game.adviceShown());
    EXPECT_TRUE(settings.flag(QStringLiteral("ShowAdvice"), false));

    // The next run reads it back.
    window.reset();
    game.showAdvice(false);
    window = openWithSettings();
    ASSERT_TRUE(window);
    EXPECT_TRUE(menuItem(*window, QStringLiteral("&Options"), QStringLiteral("Show &Advice"))->isChecked());
    EXPECT_TRUE(game.adviceShown());
}

// The record file never holds them (GameState has them, but no record section).
TEST_F(MachineWindowTest, SoundMusicAndVolumesAreRememberedInThePlayersSettingsAndAppliedAtStart) {
    const QString settingsPath = dir.filePath(QStringLiteral("orevein-slots-settings.ini"));
    const auto openWithSettings = [&] { return openTestWindow(QDir(dir.path()), game, records, {effects, music}, settingsPath); };
    auto window = openWithSettings();
    ASSERT_TRUE(window);
    menuItem(*window, QStringLiteral("&Options"), QStringLiteral("Sound"))->trigger();
    menuItem(*window, QStringLiteral("&Options"), QStringLiteral("Music"))->trigger();
    QTimer::singleShot(0, [] {
        auto* volume = dynamic_cast<VolumeWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(volume, nullptr);
        volume->effects->setValue(30);
        volume->music->setValue(60);
        press(*volume, Qt::Key_Escape);
    });
    menuItem(*window, QStringLiteral("&Options"), QStringLiteral("&Volume\u2026"))->trigger();
    EXPECT_EQ(effects.volume, 30);
    EXPECT_EQ(music.volume, 60);

    window.reset();
    effects.volume = music.volume = -1;
    window = openWithSettings();
    ASSERT_TRUE(window);
    const GameState& state = window->machine().state();
    EXPECT_FALSE(state.SoundOn);
    EXPECT_FALSE(state.MusicOn);
    QMenu* options = window->menuBar()->actions().at(1)->menu();
    EXPECT_FALSE(options->actions().at(0)->isChecked()) << "Sound, before the menu ever shows";
    EXPECT_FALSE(options->actions().at(1)->isChecked()) << "Music";
    EXPECT_EQ(effects.volume, 30);
    EXPECT_EQ(music.volume, 60);
}

TEST_F(MachineWindowTest, AMenuOpenDuringASpinFollowsTheMachineWhenTheSpinSettles) {
    auto window = open();
    ASSERT_TRUE(window);
    window->show();
    window->machine().state().Busy = false;
    QMenu* options = window->menuBar()->actions().at(1)->menu();
    QAction* borrow = menuItem(*window, QStringLiteral("&Options"), QStringLiteral("&Borrow"));
    press(*window, Qt::Key_B);
    bool enabledDuringSpin = true;
    QTimer::singleShot(300, [&] {
        options->popup(window->mapToGlobal(QPoint(10, 10)));
        enabledDuringSpin = borrow->isEnabled();
    });
    press(*window, Qt::Key_Return);
    EXPECT_FALSE(enabledDuringSpin);
    EXPECT_TRUE(options->isVisible()) << "the menu stayed open through the spin";
    EXPECT_TRUE(borrow->isEnabled()) << "without being shown again";
    options->hide();
}

TEST_F(MachineWindowTest, CommandsThatReplaceTheGameWaitForTheSpinAndOthersDoNot) {
    auto window = open();
    ASSERT_TRUE(window);
    GameState& state = window->machine().state();
    state.Busy = false;
    press(*window, Qt::Key_B);
    std::map<QString, bool> enabledDuringSpin;
    std::int32_t creditsAfterNewGame = 0;
    QTimer::singleShot(300, [&] {
        for (const auto& [menu, item] : std::vector<std::pair<QString, QString>>{{"&File", "&New Game"},
                                                                                {"&File", "&Open Game"},
                                                                                {"&File", "&Save Game"},
                                                                                {"&Options", "&Borrow"},
                                                                                {"&Options", "&Stats"},
                                                                                {"&Options", "&Payoffs"},
                                                                                {"&Options", "Sound"}}) {
            enabledDuringSpin[item] = menuItem(*window, menu, item)->isEnabled();
        }
        // Even when triggered, New Game leaves the spin's game alone.
        menuItem(*window, QStringLiteral("&File"), QStringLiteral("&New Game"))->trigger();
        creditsAfterNewGame = state.Credits;
    });
    press(*window, Qt::Key_Return);
    EXPECT_FALSE(enabledDuringSpin["&New Game"]);
    EXPECT_FALSE(enabledDuringSpin["&Open Game"]);
    EXPECT_FALSE(enabledDuringSpin["&Save Game"]);
    EXPECT_FALSE(enabledDuringSpin["&Borrow"]);
    EXPECT_TRUE(enabledDuringSpin["&Stats"]);
    EXPECT_TRUE(enabledDuringSpin["&Payoffs"]);
    EXPECT_TRUE(enabledDuringSpin["Sound"]);
    EXPECT_EQ(creditsAfterNewGame, 776);
    EXPECT_EQ(state.Spins, 1);
    // Between spins they are there again.
    EXPECT_TRUE(menuItem(*window, QStringLiteral("&File"), QStringLiteral("&New Game"))->isEnabled());
    EXPECT_TRUE(menuItem(*window, QStringLiteral("&Options"), QStringLiteral("&Borrow"))->isEnabled());
}

TEST_F(MachineWindowTest, EverySettledSpinAndNewGameIsStoredAndABetNotSpunStaysThePlayers) {
    auto window = open();
    ASSERT_TRUE(window);
    GameState& state = window->machine().state();
    state.Busy = false;
    press(*window, Qt::Key_B);
    EXPECT_TRUE(records.stored.empty()) << "a bet alone is not a settled spin";
    press(*window, Qt::Key_Return);
    ASSERT_EQ(records.stored.size(), 1u);
    EXPECT_EQ(records.stored.back().Spins, 1);
    EXPECT_EQ(records.stored.back().Credits, state.Credits);

    menuItem(*window, QStringLiteral("&File"), QStringLiteral("&New Game"))->trigger();
    ASSERT_EQ(records.stored.size(), 2u);
    EXPECT_EQ(records.stored.back().Spins, 0);
    EXPECT_EQ(records.stored.back().Credits, 1000);

    press(*window, Qt::Key_M); // five coins bet and the spin runs
    press(*window, Qt::Key_B);
    press(*window, Qt::Key_B);
    ASSERT_EQ(state.Coins, 2);
    const std::int32_t onTheMachine = state.Credits;
    window->close();
    ASSERT_EQ(records.stored.size(), 4u);
    EXPECT_EQ(records.stored.back().Credits, onTheMachine + 2);
    EXPECT_EQ(records.stored.back().Coins, 0);
    EXPECT_EQ(records.stored.back().Spins, 1);
}

// The session runs on across New Game, which empties the game's recall log.
TEST_F(MachineWindowTest, TheStatisticsWindowShowsThisSessionsPlaysAcrossANewGame) {
    auto window = open();
    ASSERT_TRUE(window);
    GameState& state = window->machine().state();
    state.Busy = false;
    press(*window, Qt::Key_B);
    press(*window, Qt::Key_Return);
    const std::int32_t firstResult = state.Credits - 777;
    menuItem(*window, QStringLiteral("&File"), QStringLiteral("&New Game"))->trigger();
    press(*window, Qt::Key_M); // five coins bet and the spin runs
    const std::int32_t secondResult = state.Credits - 1000;
    ASSERT_EQ(state.Spins, 1);

    std::map<QString, QString> shown;
    std::vector<std::int32_t> charted;
    QTimer::singleShot(0, [&] {
        auto* stats = dynamic_cast<StatisticsWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(stats, nullptr);
        ASSERT_NE(stats->playFigures, nullptr);
        shown["net"] = stats->playFigures->sessionNetValue->text();
        shown["return"] = stats->playFigures->returnValues.at(4).at(0)->text();
        charted = stats->playFigures->chart->credits();
        stats->okButton->click();
    });
    menuItem(*window, QStringLiteral("&Options"), QStringLiteral("&Stats"))->trigger();
    const std::int32_t net = firstResult + secondResult;
    EXPECT_EQ(shown["net"], (net > 0 ? QStringLiteral("+") : QString()) + statisticsNumber(net, QLocale()).trimmed());
    EXPECT_EQ(charted, (std::vector<std::int32_t>{1000, state.Credits})) << "the new game's one play";
    EXPECT_EQ(shown["return"], QStringLiteral("\u2013")) << "the test program has no returns built in";
}

TEST_F(MachineWindowTest, TheMenusShowTheDesktopShortcutsAndCtrlKeysRunTheirItems) {
    auto window = open();
    ASSERT_TRUE(window);
    press(*window, Qt::Key_F11);
    EXPECT_TRUE(window->isFullScreen());
    EXPECT_TRUE(menuItem(*window, QStringLiteral("&Options"), QStringLiteral("F&ull Screen"))->isChecked());
    press(*window, Qt::Key_F11);
    EXPECT_FALSE(window->isFullScreen());
    EXPECT_FALSE(window->keeper().closing()) << "F11 is no machine key and closes nothing";

    const std::vector<std::tuple<QString, QString, QString>> shown{
        {"&File", "&New Game", "Ctrl+N"},        {"&File", "&Open Game", "Ctrl+O"},
        {"&File", "&Save Game", "Ctrl+S"},       {"&File", "E&xit", "Ctrl+Q"},
        {"&Options", "&Quick Spin", "F"},        {"&Options", "&Autoplay\u2026", "A"},
        {"&Options", "Game &History", "H"},      {"&Options", "F&ull Screen", "F11"},
        {"&Help", "&Orevein Slots Manual", "F1"},
    };
    for (const auto& [menu, item, keys] : shown) {
        EXPECT_EQ(menuItem(*window, menu, item)->shortcut(), QKeySequence(keys)) << item.toStdString();
    }

    // Ctrl+N runs New Game as its item does: refused during a spin, then a new game.
    GameState& state = window->machine().state();
    state.Busy = false;
    auto ctrl = [&](Qt::Key key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::ControlModifier);
        QCoreApplication::sendEvent(window.get(), &event);
    };
    press(*window, Qt::Key_B);
    std::int32_t creditsAfterCtrlN = 0;
    QTimer::singleShot(300, [&] {
        ctrl(Qt::Key_N);
        creditsAfterCtrlN = state.Credits;
    });
    press(*window, Qt::Key_Return);
    EXPECT_EQ(creditsAfterCtrlN, 776) << "the spin's game stays";
    ctrl(Qt::Key_N);
    EXPECT_EQ(state.Credits, 1000);
    EXPECT_EQ(state.Spins, 0);
}

TEST_F(MachineWindowTest, HShowsTheGameHistoryWithThePlayJustMadeUntilTheCloseBegins) {
    auto window = open();
    ASSERT_TRUE(window);
    GameState& state = window->machine().state();
    state.Busy = false;
    press(*window, Qt::Key_B);
    press(*window, Qt::Key_Return); // returns when the spin has settled
    QString heading;
    QTimer::singleShot(0, [&] {
        if (auto* history = dynamic_cast<GameHistoryWindow*>(QApplication::activeModalWidget())) {
            heading = history->headingLabel()->text();
            history->reject();
        }
    });
    press(*window, Qt::Key_H);
    EXPECT_EQ(heading, "Spin 1");

    window->close();
    bool opened = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = true;
            modal->close();
        }
    });
    press(*window, Qt::Key_H);
    QCoreApplication::processEvents();
    EXPECT_FALSE(opened);
}

TEST_F(MachineWindowTest, TheVersionBoxNamesTheGameAndItsVersion) {
    auto window = open();
    ASSERT_TRUE(window);
    QString text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        text = box->text();
        box->accept();
    });
    menuItem(*window, QStringLiteral("&Help"), QStringLiteral("Version"))->trigger();
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], QStringLiteral("Orevein Slots"));
    EXPECT_EQ(lines[1], QStringLiteral("Version:  2.0"));
    EXPECT_TRUE(lines[2].contains(QStringLiteral("Brightplay")));
    EXPECT_TRUE(lines[3].contains(QStringLiteral("2026")));
}

TEST_F(MachineWindowTest, AStoreThatKeepsFailingIsReportedOnceUntilTheClose) {
    auto window = open();
    ASSERT_TRUE(window);
    GameState& state = window->machine().state();
    state.Busy = false;
    records.failWrites = true;
    QStringList boxes;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boxes << box->text();
            box->accept();
        }
    });
    answerer.start(10);
    press(*window, Qt::Key_M);
    press(*window, Qt::Key_M);
    EXPECT_EQ(state.Spins, 2);
    EXPECT_EQ(boxes, QStringList{QStringLiteral("Unable to write to the test file\n\nThe game goes on, but it is "
                                                "not being kept until it can be written again.")});
    window->close();
    QEventLoop wait;
    QTimer::singleShot(100, &wait, &QEventLoop::quit);
    wait.exec();
    EXPECT_EQ(boxes.size(), 2) << "the close says so again";
}

TEST_F(MachineWindowTest, AClosingProgramClosesAnOpenWindowAndStoresOnce) {
    auto window = open();
    ASSERT_TRUE(window);
    QTimer::singleShot(50, [&] {
        ASSERT_NE(QApplication::activeModalWidget(), nullptr);
        window->close(); // as a termination signal would
    });
    // Returns only once the statistics window has been closed by the program's close.
    menuItem(*window, QStringLiteral("&Options"), QStringLiteral("&Stats"))->trigger();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    ASSERT_EQ(records.stored.size(), 1u);
    EXPECT_EQ(records.stored.front().Credits, 777);
}

namespace {

// Orevein, whose first game feature timer nudges reel 1 down once: a change outside a spin.
class NudgingGame final : public Game {
public:
    const GameValues& values() const override { return orevein_.values(); }
    const Paytable& paytable() const override { return orevein_.paytable(); }
    int symbolNumber(int reel, int position) const override { return orevein_.symbolNumber(reel, position); }
    void windowCreated(GameContext& m) override { m.timers().start(MachineTimer::GameFeature1); }
    void timerTick(GameContext& m, MachineTimer) override {
        m.timers().stop(MachineTimer::GameFeature1);
        m.runFeature([&m] { m.moveReelDown(1); });
    }

private:
    orevein::OreveinGame orevein_;
};

} // namespace

TEST_F(MachineWindowTest, ASpinAtTheSpinCountsLimitAndANudgeFromAGameTimerAreStored) {
    auto window = open();
    ASSERT_TRUE(window);
    GameState& state = window->machine().state();
    state.Busy = false;
    state.Spins = std::numeric_limits<std::int32_t>::max();
    press(*window, Qt::Key_M);
    ASSERT_EQ(records.stored.size(), 1u);
    EXPECT_EQ(records.stored.back().Spins, state.Spins);
    EXPECT_EQ(records.stored.back().TotalBets, 5);
    window.reset();

    NudgingGame nudging;
    records.stored.clear();
    window = openTestWindow(QDir(dir.path()), nudging, records, {effects, music});
    ASSERT_TRUE(window);
    const auto stopBefore = window->machine().state().ReelStop;
    QEventLoop wait;
    QTimer::singleShot(700, &wait, &QEventLoop::quit);
    wait.exec();
    ASSERT_EQ(records.stored.size(), 1u);
    EXPECT_NE(records.stored.back().ReelStop, stopBefore);
    EXPECT_EQ(records.stored.back().ReelStop, window->machine().state().ReelStop);
    EXPECT_EQ(records.stored.back().Spins, 0);
}

namespace {

template <typename Window>
bool isA(QWidget* widget) {
    return dynamic_cast<Window*>(widget) != nullptr;
}

} // namespace

// A termination signal ends the program within a second, whatever window is open
// on the machine, and the game is stored once.
TEST_F(MachineWindowTest, ATerminationSignalEndsTheProgramWithinASecondWhateverWindowIsOpen) {
    const auto modal = [] { return QApplication::activeModalWidget(); };
    const auto menuCommand = [](const char* menu, const char* item) {
        return [=](MachineWindow& w) { menuItem(w, QString::fromUtf8(menu), QString::fromUtf8(item))->trigger(); };
    };
    struct Case {
        const char* name;
        std::function<bool(QWidget*)> isOpen; // the window open when the signal comes
        std::function<void(MachineWindow&)> open;
        std::int32_t credits; // stored; -1: whatever the machine shows
        bool diskStillFails = false; // nothing can be stored, and nobody is told
    };
    const Case cases[] = {
        // The store after the spin fails and says so; the disk recovers meanwhile.
        {"a message box", isA<QMessageBox>, [&](MachineWindow& w) {
             records.failWrites = true;
             press(w, Qt::Key_M);
         }, -1},
        {"a message box, with the disk still failing", isA<QMessageBox>, [&](MachineWindow& w) {
             records.failWrites = true;
             press(w, Qt::Key_M);
         }, -1, true},
        {"the save and open window", isA<SaveOpenWindow>, menuCommand("&File", "&Open Game"), 777},
        {"the loan desk", isA<LoanDeskWindow>, menuCommand("&Options", "&Borrow"), 777},
        {"the pay chart", isA<PayChartWindow>, menuCommand("&Options", "&Payoffs"), 777},
        {"the statistics window", isA<StatisticsWindow>, menuCommand("&Options", "&Stats"), 777},
        // Dynamite on the payline empties the points: then the next spin tries again.
        {"the bonus game", isA<BonusWindow>, [](MachineWindow& w) {
             for (int spins = 0; spins < 20 && !w.keeper().closing(); ++spins) {
                 w.machine().state().BonusPts = 12;
                 press(w, Qt::Key_M);
             }
         }, -1},
    };
    filled(40, 30, Qt::white).save(dir.filePath(QStringLiteral("Paychart.bmp")), "BMP");
    const bool quitOnLastWindow = QApplication::quitOnLastWindowClosed();
    QApplication::setQuitOnLastWindowClosed(false);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        records.stored.clear();
        records.failWrites = false;
        auto window = open();
        ASSERT_TRUE(window);
        MachineWindow& w = *window;
        w.machine().state().Busy = false;
        TerminationSignals termination([&w] { w.endUnattended(); });
        QElapsedTimer sinceStart;
        QElapsedTimer sinceSignal;
        bool stuck = false;
        // Watches for the window without ever waiting itself (a timer does not fire
        // again while its own handler runs).
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            QWidget* top = modal();
            if (!sinceSignal.isValid() && top != nullptr && c.isOpen(top)) {
                records.failWrites = c.diskStillFails;
                sinceSignal.start();
                std::raise(SIGTERM);
            } else if (sinceSignal.isValid() ? sinceSignal.elapsed() > 3000 : sinceStart.elapsed() > 20000) {
                stuck = true; // free the test, which has failed
                if (top != nullptr) {
                    top->close();
                }
                QCoreApplication::quit();
            }
        });
        sinceStart.start();
        watch.start(20);
        QTimer::singleShot(0, [&] { c.open(w); }); // returns once the window has closed
        QApplication::exec();
        const qint64 elapsed = sinceSignal.elapsed();
        EXPECT_FALSE(stuck) << "the program did not end";
        EXPECT_LT(elapsed, 1000);
        EXPECT_TRUE(w.keeper().closed());
        const GameState& state = w.machine().state();
        if (c.diskStillFails) {
            EXPECT_TRUE(records.stored.empty());
            continue;
        }
        // The save and open window stores the game first, as it opens.
        ASSERT_FALSE(records.stored.empty());
        const GameState& stored = records.stored.back();
        EXPECT_EQ(stored.Credits, c.credits >= 0 ? c.credits : state.Credits + state.Coins);
        EXPECT_EQ(stored.Spins, state.Spins);
        EXPECT_EQ(stored.BonusPts, state.BonusPts);
    }
    QApplication::setQuitOnLastWindowClosed(quitOnLastWindow);
}
