#pragma once

// An input storm against the real machine window: a long random run of keys,
// pointer presses and menu commands, every window that opens answered by script,
// and the game's invariants checked after every step.
#include "engine/core/GameState.h"

#include <QPoint>
#include <QString>
#include <array>
#include <cstdint>
#include <deque>
#include <random>
#include <string>
#include <vector>

class QWidget;
class QMessageBox;
class QInputDialog;

namespace slotmachine {

class Game;
class GameRecords;
class SlotMachine;
class LoanDeskWindow;
class MachineWindow;
class SaveOpenWindow;
class PayChartWindow;
class StatisticsWindow;
class BonusWindow;

namespace storm {

struct StormSettings {
    std::string game;
    long events = 0;
    std::uint32_t seed = 0;
};

// What a saved game keeps, as the player sees it: coins bet and not yet played
// count as credits.
struct Totals {
    std::int64_t Credits = NewGameCredits;
    std::int64_t Borrowed = NewGameCredits;
    std::int64_t Spins = 0;
    std::int64_t TotalBets = 0;
    std::int64_t BonusWon = 0;
    std::int64_t BonusPts = 0;
    std::int64_t Stock = 0;
    bool operator==(const Totals&) const = default;
};

class Storm {
public:
    // `storedGames` reads the record file the window writes to, for the checks.
    Storm(MachineWindow& window, Game& game, GameRecords& storedGames, StormSettings settings, QString recordPath);

    // Plays the storm in the application's event loop and closes the window; the
    // exit status (a broken invariant ends the process at once with status 1).
    int run();

    // Reports the broken invariant with the seed, the event and the events before
    // it, and ends the process with status 1.
    [[noreturn]] void fail(const std::string& invariant);

private:
    // The top-level command under way, for the checks after it.
    enum class Command { Other, NewGame, OpenGame, SaveGame };
    // What was true when a step began.
    struct Before {
        bool operation = false;
        bool modal = false;
        Totals totals;
        std::int32_t coins = 0;
    };

    void schedule();
    void step();
    void finish();
    void machineEvent();
    void answer(QWidget& modal);
    void answerBonus(BonusWindow& bonus);
    void answerMessage(QMessageBox& box);
    void answerInput(QInputDialog& input);
    void answerLoadSave(SaveOpenWindow& window);
    void answerBorrow(LoanDeskWindow& window);
    void answerStats(StatisticsWindow& window);
    void answerPaychart(PayChartWindow& window);
    void menuCommand(const QString& menu, const QString& item);
    void pressOnMachine(const char* what, int x, int y); // surface pixels
    void key(QWidget& target, int qtKey, const char* name);
    void press(QWidget& target, QPoint at);

    void checkEveryStep(const Before& before);
    void checkAtRest();
    void checkRecordsMatchModel();
    Totals totals() const;
    Totals stored(int index);
    std::int64_t conservedValue() const;

    // The storm's own choices.
    std::uint32_t draw(std::uint32_t n) { return static_cast<std::uint32_t>(random_() % n); }
    bool chance(double p) { return static_cast<double>(random_() % 10000) < p * 10000; }
    void beginEvent(const std::string& context);
    void note(const std::string& what);

    SlotMachine& machine() const;

    MachineWindow& window_;
    Game& game_;
    GameRecords& storedGames_;
    StormSettings settings_;
    QString recordPath_;
    std::mt19937 random_;

    long events_ = 0;
    int depth_ = 0;
    bool draining_ = false;
    bool done_ = false;
    std::deque<std::string> lastEvents_;
    std::string current_;

    // The checks' references: the totals at the last rest, the credits' balance
    // (credits + coins - borrowed + total bets - wins) since the game began, the
    // wins counted since, and the eight slots as the storm saved them.
    Totals atRest_;
    std::int32_t coinsAtRest_ = 0;
    std::int64_t balance_ = 0;
    std::int64_t wins_ = 0;
    std::array<Totals, 8> slots_{};
    Command command_ = Command::Other;
    int slotClicked_ = 0;
    int openedSlot_ = 0;
    int savedSlot_ = 0;
    long spinsPlayed_ = 0;
    long bonusGames_ = 0;
};

} // namespace storm
} // namespace slotmachine
