#pragma once

#include "engine/core/GameContext.h"
#include "engine/core/GameState.h"
#include "engine/core/ReelGeometry.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

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

// What the last spin played and paid, for the simulator and the statistics.
struct SpinOutcome {
    std::int32_t coins = 0;      // coins the spin was played with
    std::int32_t lineWin = 0;    // pay of the payline (or paylines)
    std::int32_t bonusPrize = 0; // credits won in a bonus game played by this spin
    bool bonusPlayed = false;
    // Milliseconds from the spin command to the last reel at rest.
    std::int64_t msToReelsAtRest = 0;
};

// Virtual key codes that the machine answers.
inline constexpr int KeyEnter = 13;
inline constexpr int KeySpace = 32;
inline constexpr int KeyBetOne = 66;  // B
inline constexpr int KeyBetFive = 77; // M

// The slot engine: bets, the spin command, the reels' outcome, the evaluation and
// the count-up of wins, working on one game state for one game's rules. The game's
// hooks see it as their GameContext.
class SlotMachine final : public GameContext {
public:
    explicit SlotMachine(const MachineParts& parts);
    SlotMachine(const SlotMachine&) = delete;
    SlotMachine& operator=(const SlotMachine&) = delete;

    GameState& state() override { return parts_.state; }
    const GameState& state() const override { return parts_.state; }
    Game& game() override { return parts_.game; }
    const Game& game() const override { return parts_.game; }
    Random& random() override { return parts_.random; }
    Clock& clock() { return parts_.clock; }
    MachineDisplay& display() override { return parts_.display; }
    MachineTimers& timers() override { return parts_.timers; }
    Dialogs& dialogs() override { return parts_.dialogs; }

    const ReelGeometry& geometry() const override { return geometry_; }
    void setGeometry(const ReelGeometry& geometry) { geometry_ = geometry; }

    // Whether spins show their reel animation frame by frame. The simulator, which
    // draws nothing and hears nothing, turns it off and gets the same outcomes.
    void setAnimated(bool animated) { animated_ = animated; }

    // Hands the coming spins these stops (top-row positions, 1 to 30) instead of
    // drawing them from Random, so that a tool can play every stop combination
    // through the real rules; std::nullopt draws them again. A reel the game keeps
    // still (Game::reelSpins) keeps its stop either way.
    void forceStops(const std::optional<std::array<std::int32_t, ReelCount>>& stops) { forcedStops_ = stops; }

    // The window is closing: a running animation ends at once and whatever is left
    // of a spin settles without sounds and without waiting.
    void beginShutdown() {
        shuttingDown_ = true;
        state().StopReels = true;
    }
    bool shuttingDown() const { return shuttingDown_; }

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
    bool canReplaceGame() const { return !operationRunning_; }

    // --- Player commands -------------------------------------------------------
    // Each is dropped while Busy is set or another machine operation runs.
    void betOne();
    void betFive();
    void spin();
    // Enter and Space spin, B bets one, M bets five; true when the key is one of them.
    bool keyDown(int virtualKey);

    // Redraws the whole machine in its fixed order: machine picture, reels, meters,
    // captions, bonus meter, payline, buttons lit, logo, with the game's own steps.
    void FullRepaint() override;

    // --- Steps that game rules build on ------------------------------------------
    // Reads the payline, adds bonus points, pays the line and plays a due bonus game.
    void evaluatePayline() override;
    // Moves all of SpinWin into Credits in steps of 25, 10, 5 and 1.
    void countUp() override;
    // The engine's box bonus step: runBonusGame, then the points emptied and the
    // prize counted up. A game closed before a box was opened leaves the points.
    void playBoxBonus() override;
    // Refills and shuffles the boxes and plays the bonus game until it has closed;
    // a credit prize is then pending in SpinWin. False when no box was opened, or
    // when the program is closing and it was not shown: BonusDue then keeps it.
    bool runBonusGame() override;
    // Plays the bonus game kept as due (BonusDue) as a machine operation, as the
    // spin that won it would have, and counts its prize up; nothing when none is
    // due or another operation runs. The window calls it as soon as a game is on
    // the machine, before any bet can be taken.
    void playDueBonus();
    // A feature's move of a reel by one cell: down brings the position above the
    // top row in (the stop goes back one, 1 wraps to 30), up the one below the
    // bottom row. The picture slides in eight steps and the reel settles with a
    // bounce; the stop changes either way, drawn or not.
    void moveReelDown(int reel) override;
    void moveReelUp(int reel) override;
    // The two halves of a move, for a game that plays something between them:
    // the slide, after which the stop has changed, and the settle bounce.
    void slideReelDown(int reel) override;
    void slideReelUp(int reel) override;
    void settleBounce(int reel) override;

    // --- Features that run outside a spin (a nudge) ------------------------------
    // Runs `feature` as a machine operation: refused (false, nothing run) while
    // Busy is set or another operation runs, and nothing else starts while it
    // waits. What it pays is recorded in lastSpin() (with no coins charged), and
    // operationsFinished() moves, so the window stores the game after it.
    bool runFeature(const std::function<void()>& feature) override;
    // Inside a feature: the game's evaluation of the reels as they stand, paid as
    // a spin of the last bet (Coins is LastCoins while it runs). Nothing is charged
    // and no spin is counted; coins the player has bet meanwhile stay bet.
    void evaluateWithLastBet() override;
    // Waits on the machine's clock while events go on being handled.
    void Delay(double seconds) override;
    // Sound effects; nothing is played, and nothing waited for, while sound is off.
    void playSound(int number, bool waitForEnd) override;
    void playWinSound() override;
    // Limits the bonus points to 12 and draws the bonus meter, if the game shows one.
    void ShowBonusMeter() override;
    // Lets one machine operation (a spin, a nudge) run at a time. While one runs,
    // bets, spins and commands that replace the game are refused.
    bool operationRunning() const override { return operationRunning_; }
    // How many machine operations have ended (also one that stopped early): the window
    // stores the game whenever this has moved, whatever the totals show.
    std::uint64_t operationsFinished() const { return operationsFinished_; }
    class Operation {
    public:
        explicit Operation(SlotMachine& machine) : machine_(machine), owns_(!machine.operationRunning_) {
            if (owns_) {
                machine_.operationRunning_ = true;
            }
        }
        ~Operation() {
            if (owns_) {
                machine_.operationRunning_ = false;
                ++machine_.operationsFinished_;
            }
        }
        Operation(const Operation&) = delete;
        Operation& operator=(const Operation&) = delete;
        // False when another operation was already running: the caller must stop.
        explicit operator bool() const { return owns_; }

    private:
        SlotMachine& machine_;
        bool owns_;
    };

    const SpinOutcome& lastSpin() const { return outcome_; }
    // For game evaluations that replace the engine's.
    void noteLineWin(std::int32_t win) override { outcome_.lineWin = win; }

private:
    void runSpinCommand();
    void repeatLastBet();
    void animateReels();
    void showAnimation(const std::array<bool, ReelCount>& spinning);
    // Slides the reel's picture one cell, from the cells of `first` on.
    void slideReelPicture(int reel, int first, bool down);

    MachineParts parts_;
    ReelGeometry geometry_;
    bool operationRunning_ = false;
    std::uint64_t operationsFinished_ = 0;
    bool animated_ = true;
    bool shuttingDown_ = false;
    bool bonusOnScreen_ = false;
    SpinOutcome outcome_;
    std::array<std::int32_t, ReelCount> motionOffsets_{};
    std::optional<std::array<std::int32_t, ReelCount>> forcedStops_;
};

} // namespace slotmachine
