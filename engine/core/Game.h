#pragma once

#include "engine/core/Advice.h"
#include "engine/core/GameValues.h"
#include "engine/core/MachineTimers.h"
#include "engine/core/Paytable.h"
#include "engine/core/PlayRecord.h"
#include "engine/core/ReelControl.h"

#include <cstdint>
#include <string>
#include <vector>

class QPainter;

namespace slotmachine {

class GameContext;
struct BoxAward;
struct ReelGeometry;

// Where a game may add steps of its own to the full repaint of the machine.
enum class RepaintStep {
    AfterMeters,       // after the Credits and Coins meters
    AfterCoinsCaption, // between the Coins and the Winnings caption
    AfterButtons,      // after the three buttons, before the logo
};

// The command that bets a coin.
enum class BetCommand { BetOne, BetFive };

// One game of the family: its values and the hooks by which it changes what the
// engine does. Every hook has the engine's own behaviour as its default, so a game
// overrides only where it differs; the defaults that need the engine's logic
// (paylineSymbol, awardBox, drawPayline) are defined in machine/DefaultHooks.cpp.
// A hook works on the machine through its GameContext. Each hook's comment says
// when the engine calls it; all run on the user-interface thread, and a hook may
// wait (play a sound to its end, Delay), during which events are handled but no
// other machine operation can start.
class Game {
public:
    virtual ~Game() = default;

    // --- Values and tables --------------------------------------------------
    virtual const GameValues& values() const = 0;
    // The ordered pay rules that the evaluation, the pay chart and the manual use.
    virtual const Paytable& paytable() const = 0;

    // --- Reels ---------------------------------------------------------------
    // The cell of the symbol sheet drawn for a strip position.
    virtual int symbolNumber(int reel, int position) const = 0;
    // The symbol code that a payline position counts as; by default its strip code.
    virtual int paylineSymbol(const GameContext& machine, int reel, int position) const;
    // The symbol drawn at a strip position in words, as a screen reader says it
    // ("Horse", "Lantern with an Up arrow"); by default "Symbol" and its strip digit.
    virtual std::string symbolNameAt(int reel, int position) const;
    // Asked for each reel as the spin's reels start: false leaves the reel alone for
    // the whole spin (no new stop, no frames, no click, no bounce; only the payline
    // is drawn at its bounce steps), so it is paid at the stop it kept. By default
    // every reel spins.
    virtual bool reelSpins(const GameContext& machine, int reel) const;

    // --- Betting and the spin command -------------------------------------------
    // Draws each coin bet, once it has moved from Credits to Coins: in Bet One after
    // the coin's sound, in Bet Five before it, and before the coin that reaches the
    // coin limit starts the spin. By default the Credits meter, then the Coins meter.
    virtual void coinBet(GameContext& machine, BetCommand command);
    // When a spin starts, right after ButtonBlinking, WinLamps and CoinSignBlinking have been stopped and
    // before the title lamps are lit: stop the game's own timers here.
    virtual void spinStarting(GameContext& machine);
    // After the buttons have been dimmed and the coin sign lit, before the reels move.
    virtual void buttonsDimmed(GameContext& machine);
    // After the animation, for reel 0, 1 and 2 in turn: features that move a reel.
    virtual void reelFeatures(GameContext& machine, int reel);
    // Reads the reels and pays them, with `Coins` holding the bet to pay; by default
    // the engine's one-payline evaluation (GameContext::evaluatePayline). Called by
    // the spin command and by GameContext::evaluateWithLastBet.
    virtual void evaluate(GameContext& machine);
    // After the evaluation, before the bet becomes the last bet and Busy is cleared.
    virtual void spinSettled(GameContext& machine);
    // For the recall log, once a play has settled: each line `coins` open, in the
    // order they open, with the symbol codes on it and what it paid. By default the
    // one payline across the middle row, which paid `lineWin`.
    virtual std::vector<LineResult> paidLines(const GameContext& machine, std::int32_t coins,
                                              std::int32_t lineWin) const;

    // --- Bonus ---------------------------------------------------------------
    // Bonus points from the payline for the engine's evaluation: negative clears the
    // points, positive adds them, 0 leaves them. By default there are none.
    virtual int bonusPoints(GameContext& machine);
    // The award step after a box of the bonus game was opened; by default a credit
    // prize written in yellow.
    virtual void awardBox(BoxAward& award);

    // --- Machine window --------------------------------------------------------
    // By default one red line across the middle row. Called after every drawing of
    // the reels (at rest, each frame, each bounce step) and in the full repaint.
    virtual void drawPayline(QPainter& painter, const ReelGeometry& geometry) const;
    // Whether the full repaint draws the bonus meter.
    virtual bool showsBonusMeter() const;
    // Steps of the game's own in the full repaint, at the places RepaintStep names.
    virtual void repaintStep(GameContext& machine, RepaintStep step);
    // A pointer press at window pixel (x, y), before the machine's buttons are
    // tested: where a game's own lamps or buttons take presses. The buttons, the
    // coin sign, the logo and pointerPressAfterButtons follow for every press,
    // whatever this did (no game place overlaps a button). Runs also while the machine is busy:
    // check GameContext::operationRunning() before starting anything.
    virtual void pointerPressBeforeButtons(GameContext& machine, int x, int y);
    // The last step of every pointer press, after the buttons, the coin sign and the
    // logo.
    virtual void pointerPressAfterButtons(GameContext& machine, int x, int y);
    // The game's own control over `reel` (0 to 2) and its state now, or none: by
    // default a game has none.
    virtual std::optional<ReelControl> reelControl(const GameContext& machine, int reel) const;
    // A tick of one of the timers the game runs for its features (GameFeature1 to GameFeature3),
    // started and stopped by the game through GameContext::timers().
    virtual void timerTick(GameContext& machine, MachineTimer timer);
    // Once the machine window exists: after the start-up reset, the read of the
    // running game and the first full repaint, before the window's timers start.
    virtual void windowCreated(GameContext& machine);
    // When the window closes, after its timers have stopped and the spin running (if
    // any) has settled, before the game is stored for the last time.
    virtual void closing(GameContext& machine);

    // --- Advice --------------------------------------------------------------------
    // The machine's advice on the choice the game offers now (holds after a loss, a
    // nudge), or std::nullopt when it offers none. By default a game offers none.
    virtual std::optional<Advice> advice(const GameContext& machine) const;
    // Plays `advice` as the player would (the same presses, refusals and sounds);
    // false when nothing was played. By default nothing.
    virtual bool followAdvice(GameContext& machine, const Advice& advice);
    // Whether the player asked to see the advice (Options > Show Advice): while it is
    // on, a game that offers advice lights the advised choice steadily on the machine.
    void showAdvice(bool on) { adviceShown_ = on; }
    bool adviceShown() const { return adviceShown_; }
    // Right after Show Advice was switched: a choice that blinks now is drawn again
    // with or without its advice, so the change shows at once and not at the next
    // blink. Nothing by default.
    virtual void adviceSwitched(GameContext& machine);

    // --- Keeping the game ----------------------------------------------------------
    // The part of the game's stock (GameValues::stock) taken for the coming spin and
    // not yet used, such as holds chosen before it: every store of the running game
    // counts it as the player's, as it counts coins bet and not yet played. None by
    // default.
    virtual std::int32_t stockSetAside(const GameContext& machine) const;
    // Before the running game is saved into a slot, left for an opened one or
    // replaced by a new game: stock set aside goes back into the stock, so that it
    // stays with its own game and nothing chosen for it reaches the next one.
    virtual void returnStockSetAside(GameContext& machine);

private:
    bool adviceShown_ = false;
};

} // namespace slotmachine
