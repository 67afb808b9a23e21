// A win on the machine: the paid symbols framed, what won on the coin tray, and a
// big win's moment that any key cuts short, none of it touching the game.
#include "engine/records/GameRecords.h"
#include "engine/shell/MachineView.h"
#include "engine/shell/MachineWindow.h"
#include "engine/shell/WinShow.h"
#include "games/orevein/OreveinGame.h"
#include "games/orevein/OreveinSymbols.h"
#include "tests/support/Recorders.h"
#include "tests/support/SyntheticPictures.h"
#include "tests/support/TestWindow.h"
#include "tests/support/TestMachine.h"

#include <QCoreApplication>
#include <algorithm>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace slotmachine;
using namespace slotmachine::testing;

namespace win_display_test {

// The strip position of reel `reel` that shows `code`.
int positionOf(const Game& game, int reel, int code) {
    const std::string_view strip = game.values().strips[static_cast<std::size_t>(reel)];
    return static_cast<int>(strip.find(static_cast<char>('0' + code))) + 1;
}

// The payline showing `codes`, `coins` bet and `win` being paid.
void showWin(const Game& game, GameState& state, std::array<int, 3> codes, std::int32_t coins, std::int32_t win) {
    for (int reel = 0; reel < ReelCount; ++reel) {
        const int position = positionOf(game, reel, codes[static_cast<std::size_t>(reel)]);
        state.ReelStop[static_cast<std::size_t>(reel)] = position == 1 ? StripLength : position - 1;
    }
    state.Coins = coins;
    state.SpinWin = win;
}

} // namespace win_display_test

using namespace win_display_test;

TEST(WinShow, FramesThePaidSymbolsOfTheLineAndNamesWhatWon) {
    struct Case {
        std::array<int, 3> codes;
        std::int32_t coins, win;
        std::vector<int> framedReels;
        const char* words;
        bool big;
    };
    using namespace slotmachine::orevein;
    const Case cases[] = {
        {{Ingot, Ingot, Ingot}, 1, 250, {0, 1, 2}, "Three Ingots \u00b7 250", true},
        {{Cart, Nugget, Lantern}, 5, 10, {1}, "Any one Nugget \u00b7 10", false}, // only the nugget paid
        {{Cart, Lantern, Pickaxe}, 1, 0, {}, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.words);
        TestMachine m{std::make_unique<orevein::OreveinGame>()};
        showWin(m.game(), m.state, c.codes, c.coins, c.win);
        const ReelGeometry& g = m.machine.geometry();
        const WinShow show = winShowFor(m.game(), m.machine, g);
        std::vector<QRect> cells;
        for (const int reel : c.framedReels) {
            cells.emplace_back(g.ReelLeft + reel * g.ReelPitch, g.ReelTop + g.SymbolSize, g.SymbolSize, g.SymbolSize);
        }
        EXPECT_EQ(show.cells, cells);
        EXPECT_EQ(show.words, QString::fromUtf8(c.words));
        EXPECT_EQ(show.big, c.big);
    }
}

TEST(WinDisplay, AWinIsFramedAndToldOnTheTrayAndAKeyCutsABigWinShort) {
    QTemporaryDir dir;
    orevein::OreveinGame game;
    NoRecords records;
    EventLog audioLog;
    RecordingEffects effects{audioLog};
    RecordingMusic music{audioLog};
    auto window = openTestWindow(QDir(dir.path()), game, records, {effects, music});
    ASSERT_TRUE(window);
    SlotMachine& machine = window->machine();
    machine.state().Busy = false;
    auto* view = dynamic_cast<MachineView*>(window->centralWidget());
    ASSERT_NE(view, nullptr);
    // The view's pixel over the top edge of reel 0's middle cell, and the surface's own there.
    const ReelGeometry& g = window->surface().geometry();
    const QPoint onFrame(g.ReelLeft + g.SymbolSize / 2, g.ReelTop + g.SymbolSize + std::max(2, g.SymbolSize / 20));
    auto shownOnFrame = [&] { return view->grab().toImage().pixelColor(view->machineOrigin() + onFrame); };
    const QColor plain = shownOnFrame();

    showWin(game, machine.state(), {orevein::Ingot, orevein::Ingot, orevein::Ingot}, 1, 250);
    window->start(MachineTimer::WinLamps);
    EXPECT_EQ(window->surface().message(), (TrayMessage{"Win", "Three Ingots \u00b7 250"}));
    ASSERT_TRUE(window->winDisplay().momentRunning());

    QKeyEvent key(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &key);
    EXPECT_FALSE(window->winDisplay().momentRunning());
    EXPECT_EQ(shownOnFrame(), QColor::fromRgb(game.values().colours.line)) << "framed in the trim while the lamps flash";
    EXPECT_EQ(window->surface().image().pixelColor(onFrame), plain) << "over the surface, never on it";

    // With autoplay running, its spins left stand above the win.
    window->autoplay().start(AutoplayChoices{});
    EXPECT_EQ(window->surface().message(), (TrayMessage{"Autoplay \u00b7 10 spins left", "Three Ingots \u00b7 250"}));
    window->stop(MachineTimer::WinLamps);
    EXPECT_EQ(window->surface().message(), (TrayMessage{"Autoplay", "10 spins left"}));
    EXPECT_EQ(shownOnFrame(), plain);
    window->autoplay().stop(AutoplayStop::Player);
}
