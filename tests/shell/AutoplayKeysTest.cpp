// Quick spin and autoplay in the machine window: the keys and menu items that start
// and stop them, the coin tray's note, the remembered choices, and a close during autoplay.
#include "engine/records/GameRecords.h"
#include "engine/shell/AutoplayWindow.h"
#include "engine/shell/GameKeeper.h"
#include "engine/shell/MachineView.h"
#include "engine/shell/MachineWindow.h"
#include "engine/shell/PlayerSettings.h"
#include "games/orevein/OreveinGame.h"
#include "tests/support/Recorders.h"
#include "tests/support/SyntheticPictures.h"
#include "tests/support/TestWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace slotmachine;
using namespace slotmachine::testing;

namespace autoplay_keys_test {

class KeptGames final : public GameRecords {
public:
    void readGame(int, GameState& state, RecallLog&) override { state.Credits = 500; }
    void writeGame(int, const GameState& state, const RecallLog&, const QString&) override { stored.push_back(state); }
    QString gameName() const override { return {}; }
    QString gameDate() const override { return {}; }
    std::vector<GameState> stored;
};

struct AutoplayKeys : ::testing::Test {
    QTemporaryDir dir;
    orevein::OreveinGame game;
    KeptGames records;
    EventLog audioLog;
    RecordingEffects effects{audioLog};
    RecordingMusic music{audioLog};
    QString settingsPath = dir.filePath(QStringLiteral("orevein-slots-settings.ini"));

    std::unique_ptr<MachineWindow> open() {
        auto window = openTestWindow(QDir(dir.path()), game, records, {effects, music}, settingsPath);
        window->machine().state().Busy = false;
        return window;
    }
    static void press(QWidget& window, Qt::Key key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &event);
    }
    static QMenu* optionsMenu(MachineWindow& window) { return window.menuBar()->actions().at(1)->menu(); }
};

} // namespace autoplay_keys_test

using namespace autoplay_keys_test;

TEST_F(AutoplayKeys, AOpensTheWindowEnterStartsAndAnyKeyClickOrMenuStops) {
    auto window = open();
    Autoplay& autoplay = window->autoplay();
    QTimer::singleShot(0, [] {
        auto* form = dynamic_cast<AutoplayWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->spins->currentText(), QStringLiteral("10"));
        form->spins->setCurrentIndex(1);
        press(*form, Qt::Key_Return);
    });
    press(*window, Qt::Key_A);
    ASSERT_TRUE(autoplay.running());
    EXPECT_EQ(autoplay.spinsLeft(), 25);
    EXPECT_EQ(window->surface().message(), (TrayMessage{"Autoplay", "25 spins left"}));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Orevein Slots")) << "the caption stays the game's";
    EXPECT_EQ(PlayerSettings(settingsPath).number(QStringLiteral("Autoplay/Spins"), 1, 100), 25);

    const std::vector<std::pair<const char*, std::function<void()>>> stops = {
        {"a key", [&] { press(*window, Qt::Key_X); }},
        {"a click",
         [&] {
             auto* view = dynamic_cast<MachineView*>(window->centralWidget());
             QMouseEvent click(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                               Qt::NoModifier);
             QCoreApplication::sendEvent(view, &click);
         }},
        {"a menu", [&] { emit optionsMenu(*window)->aboutToShow(); }},
    };
    for (const auto& [name, stop] : stops) {
        SCOPED_TRACE(name);
        autoplay.start(AutoplayChoices{});
        stop();
        EXPECT_FALSE(autoplay.running());
        EXPECT_EQ(autoplay.stopped(), AutoplayStop::Player);
        EXPECT_EQ(window->surface().message(), (TrayMessage{"Autoplay stopped", "Stopped by you"}));
    }
    EXPECT_EQ(window->machine().state().Spins, 0) << "the stopping input does nothing else";
    press(*window, Qt::Key_X);
    EXPECT_TRUE(window->surface().message().empty()) << "the note goes at the next key";

    QTimer::singleShot(0, [] { press(*QApplication::activeModalWidget(), Qt::Key_Escape); });
    press(*window, Qt::Key_A);
    EXPECT_FALSE(autoplay.running()) << "Escape cancels";
}

TEST_F(AutoplayKeys, FSwitchesQuickSpinWithItsCheckMarkAndTheNextRunKeepsIt) {
    {
        auto window = open();
        EXPECT_FALSE(window->machine().quickSpin()) << "off at first";
        press(*window, Qt::Key_F);
        EXPECT_TRUE(window->machine().quickSpin());
        QAction* item = optionsMenu(*window)->actions().at(3);
        EXPECT_EQ(item->text(), QStringLiteral("&Quick Spin"));
        EXPECT_TRUE(item->isChecked());
    }
    auto window = open();
    EXPECT_TRUE(window->machine().quickSpin());
    EXPECT_TRUE(optionsMenu(*window)->actions().at(3)->isChecked());
    optionsMenu(*window)->actions().at(3)->trigger();
    EXPECT_FALSE(window->machine().quickSpin());
    EXPECT_FALSE(PlayerSettings(settingsPath).flag(QuickSpinKey, true));
}

TEST_F(AutoplayKeys, ACloseDuringAutoplayLetsTheSpinSettleAndStoresTheGame) {
    auto window = open();
    window->autoplay().start(AutoplayChoices{});
    QTimer::singleShot(300, [&] { window->close(); });
    window->autoplay().playNext(); // returns once the spin has settled
    EXPECT_TRUE(window->keeper().closed());
    EXPECT_EQ(window->autoplay().stopped(), AutoplayStop::Closing);
    ASSERT_FALSE(records.stored.empty());
    EXPECT_EQ(records.stored.back().Spins, 1);
    EXPECT_EQ(records.stored.back().TotalBets, 1);
}
