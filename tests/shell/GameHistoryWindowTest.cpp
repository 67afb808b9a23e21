// The Game History window: it opens on the newest play, steps through the log by
// button and key with the buttons that cannot act disabled, draws a play's reels
// from the symbol sheet, and says so when the game has no plays yet.
#include "engine/shell/GameHistoryWindow.h"
#include "tests/support/SyntheticGame.h"
#include "tests/support/SyntheticPictures.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace game_history_window_test {

using namespace slotmachine;
using namespace slotmachine::testing;

struct GameHistoryWindowTest : ::testing::Test {
    SyntheticGame game;
    RecallLog log;

    // Spins 1 to `count`, oldest first.
    void play(int count) {
        for (int spin = 1; spin <= count; ++spin) {
            PlayRecord record;
            record.spin = spin;
            record.coins = 1;
            record.lines = {1};
            record.paylines = {{1, {0, 0, 0}, 0}};
            log.add(record);
        }
    }

    std::unique_ptr<GameHistoryWindow> open() {
        return std::make_unique<GameHistoryWindow>(log, game, syntheticPictures().SymbolSheet, 800);
    }

    // Where the window's keys go: to the button in focus, which passes them on.
    static void press(GameHistoryWindow& w, Qt::Key key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(w.focusWidget() != nullptr ? w.focusWidget() : &w, &event);
    }

    // First, Previous, Next, Last: which of them can act.
    static std::vector<bool> enabled(const GameHistoryWindow& w) {
        return {w.firstButton()->isEnabled(), w.previousButton()->isEnabled(), w.nextButton()->isEnabled(),
                w.lastButton()->isEnabled()};
    }
};

TEST_F(GameHistoryWindowTest, OpensOnTheNewestPlayAndStepsByButtonAndKey) {
    play(3);
    auto w = open();
    EXPECT_EQ(w->windowTitle(), "Game History");
    EXPECT_EQ(w->shown(), 0u);
    EXPECT_EQ(w->headingLabel()->text(), "Spin 3");
    EXPECT_TRUE(w->positionLabel()->text().startsWith("Play 1 of 3")) << w->positionLabel()->text().toStdString();
    EXPECT_EQ(enabled(*w), (std::vector<bool>{false, false, true, true}));

    w->nextButton()->click();
    EXPECT_EQ(w->headingLabel()->text(), "Spin 2");
    EXPECT_EQ(enabled(*w), (std::vector<bool>{true, true, true, true}));
    w->lastButton()->click();
    EXPECT_EQ(w->headingLabel()->text(), "Spin 1");
    EXPECT_EQ(enabled(*w), (std::vector<bool>{true, true, false, false}));
    w->nextButton()->click();
    EXPECT_EQ(w->shown(), 2u) << "no play past the oldest";
    w->previousButton()->click();
    EXPECT_EQ(w->shown(), 1u);
    w->firstButton()->click();
    EXPECT_EQ(w->shown(), 0u);

    const std::pair<Qt::Key, std::size_t> keys[] = {
        {Qt::Key_Right, 1}, {Qt::Key_Down, 2}, {Qt::Key_Down, 2}, {Qt::Key_Left, 1},
        {Qt::Key_Up, 0},    {Qt::Key_Up, 0},   {Qt::Key_End, 2},  {Qt::Key_Home, 0},
    };
    for (const auto& [key, shown] : keys) {
        press(*w, key);
        EXPECT_EQ(w->shown(), shown) << "key " << key;
    }
}

TEST_F(GameHistoryWindowTest, DrawsThePlaysReelsFromTheSymbolSheetWrappingPastTheLastStop) {
    PlayRecord loan; // no lines: the reels as they stood, unmarked
    loan.kind = PlayKind::Loan;
    loan.stops = {30, 15, 26}; // symbol codes 9 0 1, 4 5 6, 5 6 7
    log.add(loan);
    auto w = open();
    const QImage shown = w->grab().toImage();
    const auto holds = [&](int cell) {
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                if (shown.pixelColor(x, y) == symbolColour(cell)) {
                    return true;
                }
            }
        }
        return false;
    };
    for (const int cell : {9, 0, 1, 4, 7}) {
        EXPECT_TRUE(holds(cell)) << "cell " << cell;
    }
    for (const int cell : {2, 3, 8}) {
        EXPECT_FALSE(holds(cell)) << "cell " << cell;
    }
}

TEST_F(GameHistoryWindowTest, AnEmptyLogSaysSoWithNothingToStepTo) {
    auto w = open();
    EXPECT_EQ(w->shown(), std::nullopt);
    EXPECT_EQ(w->positionLabel()->text(), "No plays yet in this game.");
    EXPECT_EQ(enabled(*w), (std::vector<bool>{false, false, false, false}));
    press(*w, Qt::Key_End);
    EXPECT_EQ(w->shown(), std::nullopt);
}

} // namespace game_history_window_test
