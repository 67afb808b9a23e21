#include "engine/shell/GameKeeper.h"

#include "engine/core/ClampedMath.h"
#include "engine/core/Dialogs.h"
#include "engine/core/Game.h"
#include "engine/machine/SlotMachine.h"
#include "engine/records/GameRecords.h"

#include <utility>

namespace slotmachine {

GameKeeper::GameKeeper(SlotMachine& machine, GameRecords& records, Dialogs& dialogs, std::function<void()> quit)
    : machine_(machine), records_(records), dialogs_(dialogs), quit_(std::move(quit)) {}

std::uint64_t GameKeeper::operationsFinished() const {
    return machine_.operationsFinished();
}

GameState GameKeeper::gameToStore() const {
    GameState game = machine_.state();
    // Coins bet on a spin that has not been played are still the player's.
    game.Credits = addClamped(game.Credits, game.Coins);
    game.Coins = 0;
    // So is the stock set aside for that spin.
    if (machine_.game().values().stock) {
        game.Stock = addClamped(game.Stock, machine_.game().stockSetAside(machine_));
    }
    return game;
}

void GameKeeper::store() {
    if (closed_) {
        return; // stored for the last time already
    }
    try {
        records_.storeCurrentGame(gameToStore(), machine_.recallLog());
        failureShown_ = false;
    } catch (const RecordWriteError& e) {
        // Said once, not after every spin, until a write succeeds again; not at all
        // during play when the player was told at the read why it cannot succeed.
        if (e.playerKnows() && !closing_) {
            failureShown_ = true;
        }
        if (!failureShown_) {
            failureShown_ = true;
            const QString problem = QString::fromStdString(e.what());
            dialogs_.error(closing_ ? problem
                                    : problem + QStringLiteral("\n\nThe game goes on, but it is not being kept "
                                                               "until it can be written again."));
        }
    }
    tellRecordsNotice();
}

void GameKeeper::tellRecordsNotice() {
    if (const std::optional<QString> notice = records_.takeNotice()) {
        dialogs_.error(*notice);
    }
}

void GameKeeper::settle(std::uint64_t finishedBefore) {
    if (machine_.operationRunning()) {
        return; // the operation's own command settles it
    }
    if (closing_) {
        finishClose();
    } else if (operationsFinished() != finishedBefore) {
        store();
    }
}

void GameKeeper::ended(std::uint64_t finishedBefore) {
    settle(finishedBefore);
    if (commandEnded_) {
        commandEnded_();
    }
}

void GameKeeper::close(const std::function<void()>& shutDown) {
    if (closing_) {
        return;
    }
    closing_ = true;
    if (shutDown) {
        shutDown();
    }
    if (depth_ == 0 && !machine_.operationRunning()) {
        finishClose();
    }
}

void GameKeeper::finishClose() {
    if (finishing_) {
        return; // an event handled while the last store reports its failure
    }
    finishing_ = true;
    machine_.game().closing(machine_);
    // The close always says when the game could not be kept.
    failureShown_ = false;
    store();
    closed_ = true;
    if (quit_) {
        quit_();
    }
}

} // namespace slotmachine
