#pragma once

#include "engine/core/GameContext.h"
#include "engine/core/GameState.h"
#include "engine/core/ReelGeometry.h"
#include "engine/machine/BonusRunner.h"
#include "engine/machine/MachineCommands.h"
#include "engine/machine/MachineEffects.h"
#include "engine/machine/MachineRepaint.h"
#include "engine/machine/MachineRun.h"
#include "engine/machine/OperationGuard.h"
#include "engine/machine/ReelMotion.h"
#include "engine/machine/SpinPayout.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

namespace slotmachine {

class Audio;
class BonusGame;
class Clock;
class Dialogs;
class Game;
class MachineDisplay;
class MachineTimers;
class Random;

// Everything the machine works with. The program hands it the window's display,
// timers and dialogs; tests and the simulator hand it fakes or blank ones.
struct MachineParts {
    GameState& state;
    Game& game;
    Random& random;
    Clock& clock;
    Audio& audio;
    Dialogs& dialogs;
    MachineDisplay& display;
    MachineTimers& timers;
    BonusGame& bonusGame;
};

// One slot machine: one game state played by one game's rules. It wires the
// machine's jobs together (the commands, the reels' motion, the pay, the bonus
// runner, the operation guard, sounds and waits, the repaint) and is what the
// window, the tools and the tests hold; the game's hooks see it as their
// GameContext.
class SlotMachine final : public GameContext {
public:
    explicit SlotMachine(const MachineParts& parts);
    SlotMachine(const SlotMachine&) = delete;
    SlotMachine& operator=(const SlotMachine&) = delete;

    // --- GameContext ---------------------------------------------------------------
    GameState& state() override { return parts_.state; }
    const GameState& state() const override { return parts_.state; }
    Game& game() override { return parts_.game; }
    const Game& game() const override { return parts_.game; }
    Random& random() override { return parts_.random; }
    MachineDisplay& display() override { return parts_.display; }
    MachineTimers& timers() override { return parts_.timers; }
    Dialogs& dialogs() override { return parts_.dialogs; }
    const ReelGeometry& geometry() const override { return run_.geometry; }
    void FullRepaint() override { repaint_.FullRepaint(); }
    void ShowBonusMeter() override { repaint_.ShowBonusMeter(); }
    void Delay(double seconds) override { effects_.Delay(seconds); }
    void playSound(int number, bool waitForEnd) override { effects_.playSound(number, waitForEnd); }
    void playWinSound() override { effects_.playWinSound(); }
    void evaluatePayline() override { payout_.evaluatePayline(); }
    void countUp() override { payout_.countUp(); }
    void noteLineWin(std::int32_t win) override { run_.outcome.lineWin = win; }
    void playBoxBonus() override { bonus_.playBoxBonus(); }
    bool runBonusGame() override { return bonus_.runBonusGame(); }
    void noteBoxOpened(int box, std::int32_t held) override { run_.recorder.noteBox(box, held); }
    void moveReelDown(int reel) override { reels_.moveReelDown(reel); }
    void moveReelUp(int reel) override { reels_.moveReelUp(reel); }
    void slideReelDown(int reel) override { reels_.slideReelDown(reel); }
    void slideReelUp(int reel) override { reels_.slideReelUp(reel); }
    void settleBounce(int reel) override { reels_.settleBounce(reel); }
    bool runFeature(const std::function<void()>& feature) override { return commands_.runFeature(feature); }
    void evaluateWithLastBet() override { commands_.evaluateWithLastBet(); }
    bool operationRunning() const override { return guard_.running(); }

    // --- The window's and the tools' controls ---------------------------------------------
    Clock& clock() { return parts_.clock; }
    void setGeometry(const ReelGeometry& geometry) { run_.geometry = geometry; }

    // Whether spins show their reel animation frame by frame. The simulator, which
    // draws nothing and hears nothing, turns it off and gets the same outcomes.
    void setAnimated(bool animated) { run_.animated = animated; }

    // Quick spin: every wait of the machine (reel frames, moves, count-up steps)
    // takes QuickSpinPace of its time; outcomes, sounds and drawings stay the same.
    void setQuickSpin(bool on) { run_.pace = on ? QuickSpinPace : 1.0; }
    bool quickSpin() const { return run_.pace != 1.0; }

    // Hands the coming spins these stops (top-row positions, 1 to 30) instead of
    // drawing them from Random, so that a tool can play every stop combination
    // through the real rules; std::nullopt draws them again. A reel the game keeps
    // still (Game::reelSpins) keeps its stop either way.
    void forceStops(const std::optional<std::array<std::int32_t, ReelCount>>& stops) { run_.forcedStops = stops; }

    // The window is closing: a running animation ends at once and whatever is left
    // of a spin settles without sounds and without waiting.
    void beginShutdown() {
        run_.shuttingDown = true;
        state().StopReels = true;
    }
    bool shuttingDown() const { return run_.shuttingDown; }

    // --- Games ---------------------------------------------------------------
    // The game's part of program start: busy while starting, the reels filled and
    // at their initial stops, no coins bet, a new game, sound and music on.
    void powerOn();
    // The new game reset: stock the old game set aside for its coming spin goes back
    // (Game::returnStockSetAside), so no reel stays held and the stock starts at a
    // new game's; then fresh totals, coins already bet stay bet, the machine
    // repainted. Refused (false) while a spin or another machine operation runs.
    bool newGame();
    // Whether commands that replace the game (new game, open, borrow) may run now.
    bool canReplaceGame() const { return !guard_.running(); }

    // --- Player commands -------------------------------------------------------
    // Each is dropped while Busy is set or another machine operation runs.
    void betOne() { commands_.betOne(); }
    void betFive() { commands_.betFive(); }
    void spin() { commands_.spin(); }
    // Enter and Space spin, B bets one, M bets five; true when the key is one of them.
    bool keyDown(int virtualKey) { return commands_.keyDown(virtualKey); }

    // Plays the bonus game kept as due (BonusDue) as a machine operation, as the
    // spin that won it would have, and counts its prize up; nothing when none is
    // due or another operation runs. The window calls it as soon as a game is on
    // the machine, before any bet can be taken.
    void playDueBonus() { bonus_.playDueBonus(); }

    // How many machine operations have ended (also one that stopped early): the window
    // stores the game whenever this has moved, whatever the totals show.
    std::uint64_t operationsFinished() const { return guard_.finished(); }
    // Holds the machine operation for its lifetime, as a spin or a feature does.
    class Operation : public OperationGuard::Scope {
    public:
        explicit Operation(SlotMachine& machine) : Scope(machine.guard_) {}
    };

    const SpinOutcome& lastSpin() const { return run_.outcome; }

    // --- The recall log ----------------------------------------------------------------
    // Whether settled plays are written into the recall log; off until switched on.
    void setRecalling(bool on) { run_.recorder.setOn(on); }
    // The running game's last plays, oldest first. Open Game and Save Game carry it
    // with the game; newGame empties it.
    RecallLog& recallLog() { return run_.recorder.log(); }
    const RecallLog& recallLog() const { return run_.recorder.log(); }
    // Writes a loan or payback made at the loan desk into the recall log: `amount`
    // borrowed or paid back, `creditsBefore` the credits the game kept before it.
    void recordLoanDesk(PlayKind kind, std::int32_t amount, std::int32_t creditsBefore) {
        run_.recorder.recordLoanDesk(*this, kind, amount, creditsBefore);
    }
    // Calls `listener` with each play as it is written into the recall log (this
    // session's figures are kept from them, a screen reader hears them), until its
    // `owner` removes it.
    void addPlayListener(const void* owner, std::function<void(const PlayRecord&)> listener) {
        run_.recorder.addListener(owner, std::move(listener));
    }
    void removePlayListeners(const void* owner) { run_.recorder.removeListeners(owner); }

private:
    MachineParts parts_;
    MachineRun run_;
    OperationGuard guard_;
    MachineEffects effects_;
    MachineRepaint repaint_;
    ReelMotion reels_;
    SpinPayout payout_;
    BonusRunner bonus_;
    MachineCommands commands_;
};

} // namespace slotmachine
