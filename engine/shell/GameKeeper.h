#pragma once

#include "engine/core/GameState.h"

#include <cstdint>
#include <functional>
#include <utility>

namespace slotmachine {

class Dialogs;
class GameRecords;
class SlotMachine;

// Keeps the running game in the record file and ends the program without losing it.
//
// Every command the window forwards to the machine (a key, a pointer press, a game
// timer's tick, a menu command) runs through `run`. When the outermost command
// returns having finished at least one machine operation (a spin, a nudge), the
// game is stored, whatever its totals show. A close asked for while a command runs,
// or while a machine operation is under way, is finished once both have ended: the
// game's close step runs, the game is stored for the last time and the program
// is told to quit.
class GameKeeper {
public:
    // `quit` ends the program once the game is stored for the last time.
    GameKeeper(SlotMachine& machine, GameRecords& records, Dialogs& dialogs, std::function<void()> quit);

    // Runs a forwarded command; stores the game or finishes a pending close after it.
    template <typename Command>
    void run(Command&& command) {
        const bool outermost = depth_ == 0;
        const std::uint64_t finishedBefore = outermost ? operationsFinished() : 0;
        ++depth_;
        try {
            command();
        } catch (...) {
            // The failed command has ended all the same: a pending close must not wait on it.
            --depth_;
            if (outermost) {
                ended(finishedBefore);
            }
            throw;
        }
        --depth_;
        if (outermost) {
            ended(finishedBefore);
        }
    }

    // Called after every outermost command, once it has settled: whatever shows the
    // machine's state (the menu's items) follows it. Null: nothing is called.
    void setCommandEnded(std::function<void()> commandEnded) { commandEnded_ = std::move(commandEnded); }

    // Stores the running game now (a new game, the loan desk). A failure is reported
    // once, and then not again until a store has succeeded.
    void store();
    // Tells the player once what the record store has to say (a damaged record
    // file kept aside, and where).
    void tellRecordsNotice();

    // Begins the close: `shutDown` (once) makes whatever runs end soon; the close is
    // finished at once when nothing runs, otherwise when the command or machine
    // operation under way ends. A second request does nothing.
    void close(const std::function<void()>& shutDown);

    bool closing() const { return closing_; }
    // The game has been stored for the last time and the program told to quit.
    bool closed() const { return closed_; }
    // The running game as it is stored: coins bet on a spin not yet played are
    // credits, and stock set aside for it is back in the stock.
    GameState gameToStore() const;

private:
    std::uint64_t operationsFinished() const;
    void settle(std::uint64_t finishedBefore);
    void ended(std::uint64_t finishedBefore);
    void finishClose();

    SlotMachine& machine_;
    GameRecords& records_;
    Dialogs& dialogs_;
    std::function<void()> quit_;
    std::function<void()> commandEnded_;
    int depth_ = 0;
    bool closing_ = false;
    bool finishing_ = false;
    bool closed_ = false;
    bool failureShown_ = false;
};

} // namespace slotmachine
