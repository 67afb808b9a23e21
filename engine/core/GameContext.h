#pragma once

#include <cstdint>
#include <functional>

namespace slotmachine {

class Dialogs;
class Game;
class MachineDisplay;
class MachineTimers;
class Random;
struct GameState;
struct ReelGeometry;

// What a game's hooks, its features and the bonus game may do with the machine
// they run on: the game's record and values, drawing, timers, the generator,
// waiting and sounds, and the engine's steps that game rules build on. The
// machine implements it; nothing here bets, spins, or reaches the machine's other
// collaborators.
class GameContext {
public:
    virtual ~GameContext() = default;

    // --- The running game -----------------------------------------------------------
    virtual GameState& state() = 0;
    virtual const GameState& state() const = 0;
    // The game on the machine; for the bonus game, which runs the award step.
    virtual Game& game() = 0;
    virtual const Game& game() const = 0;

    // --- Drawing, timers, the generator, messages -------------------------------------
    virtual MachineDisplay& display() = 0;
    virtual MachineTimers& timers() = 0;
    virtual Random& random() = 0;
    virtual Dialogs& dialogs() = 0;
    virtual const ReelGeometry& geometry() const = 0;
    // Redraws the whole machine in its fixed order, with the game's own steps.
    virtual void FullRepaint() = 0;
    // Limits the bonus points to 12 and draws the bonus meter, if the game shows one.
    virtual void ShowBonusMeter() = 0;

    // --- Waiting and sounds -----------------------------------------------------------
    // Waits on the machine's clock while events go on being handled.
    virtual void Delay(double seconds) = 0;
    // Nothing is played, and nothing waited for, while sound is off.
    virtual void playSound(int number, bool waitForEnd) = 0;
    virtual void playWinSound() = 0;

    // --- The engine's evaluation and count-up -------------------------------------------
    // Reads the payline, adds bonus points, pays the line and plays a due bonus game.
    virtual void evaluatePayline() = 0;
    // Moves all of SpinWin into Credits in steps of 25, 10, 5 and 1.
    virtual void countUp() = 0;
    // For evaluations that replace the engine's: the line pay the spin reports.
    virtual void noteLineWin(std::int32_t win) = 0;

    // --- The bonus game ---------------------------------------------------------------
    // The engine's box bonus step: runBonusGame, then the points emptied and the
    // prize counted up. A game closed before a box was opened leaves the points.
    virtual void playBoxBonus() = 0;
    // Refills and shuffles the boxes and plays the bonus game until it has closed;
    // a credit prize is then pending in SpinWin. False when no box was opened, or
    // when the program is closing and it was not shown: BonusDue then keeps it.
    virtual bool runBonusGame() = 0;
    // The bonus game has opened box `box` (0 to BoxCount - 1), which held `held`:
    // noted for the recall log.
    virtual void noteBoxOpened(int box, std::int32_t held) = 0;

    // --- Reel moves -------------------------------------------------------------------
    // A feature's move of a reel by one cell: down brings the position above the
    // top row in (the stop goes back one, 1 wraps to 30), up the one below the
    // bottom row. The picture slides in eight steps and the reel settles with a
    // bounce; the stop changes either way, drawn or not.
    virtual void moveReelDown(int reel) = 0;
    virtual void moveReelUp(int reel) = 0;
    // The two halves of a move, for a game that plays something between them:
    // the slide, after which the stop has changed, and the settle bounce.
    virtual void slideReelDown(int reel) = 0;
    virtual void slideReelUp(int reel) = 0;
    virtual void settleBounce(int reel) = 0;

    // --- Features that run outside a spin (a nudge) ------------------------------------
    // Runs `feature` as a machine operation: refused (false, nothing run) while
    // Busy is set or another operation runs, and nothing else starts while it
    // waits. What it pays is recorded as the last spin's outcome (with no coins
    // charged), and the window stores the game after it.
    virtual bool runFeature(const std::function<void()>& feature) = 0;
    // Inside a feature: the game's evaluation of the reels as they stand, paid as
    // a spin of the last bet (Coins is LastCoins while it runs). Nothing is charged
    // and no spin is counted; coins the player has bet meanwhile stay bet.
    virtual void evaluateWithLastBet() = 0;
    // Whether a machine operation (a spin, a feature) runs; while one does, a game
    // starts nothing of its own.
    virtual bool operationRunning() const = 0;

protected:
    GameContext() = default;
    GameContext(const GameContext&) = default;
    GameContext& operator=(const GameContext&) = default;
};

} // namespace slotmachine
