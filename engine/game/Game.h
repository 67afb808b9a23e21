#pragma once

#include "engine/display/MachineTimers.h"
#include "engine/game/GameValues.h"
#include "engine/game/Paytable.h"

#include <cstdint>

class QPainter;

namespace slotmachine {

class SlotMachine;
struct BoxAward;
struct ReelGeometry;

// Where a game may add steps of its own to the full repaint of the machine.
enum class RepaintStep {
    AfterMeters,   // after the Credits and Coins meters
    AfterCaptions, // after the meter captions
    AfterButtons,  // after the three buttons, before the logo
};

// One game of the family: its values and the hooks by which it changes what the
// engine does. Every hook has the engine's own behaviour as its default, so a game
// overrides only where it differs.
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
    virtual int paylineSymbol(const SlotMachine& machine, int reel, int position) const;
    // Whether a reel takes part in the coming spin (a held reel does not).
    virtual bool reelSpins(const SlotMachine& machine, int reel) const;

    // --- Betting and the spin command -------------------------------------------
    // After a coin has been bet and the meters redrawn.
    virtual void coinBet(SlotMachine& machine);
    // When a spin starts, right after the blink timers have been stopped.
    virtual void spinStarting(SlotMachine& machine);
    // After the buttons have been dimmed and the coin sign lit, before the reels move.
    virtual void buttonsDimmed(SlotMachine& machine);
    // After the animation, for reel 0, 1 and 2 in turn: features that move a reel.
    virtual void reelFeatures(SlotMachine& machine, int reel);
    // Reads the payline and pays it; by default the engine's evaluation.
    virtual void evaluate(SlotMachine& machine);
    // After the evaluation, before the bet becomes the last bet.
    virtual void spinSettled(SlotMachine& machine);

    // --- Bonus ---------------------------------------------------------------
    // Bonus points from the payline for the engine's evaluation: negative clears the
    // points, positive adds them, 0 leaves them. By default there are none.
    virtual int bonusPoints(SlotMachine& machine);
    // The award step after a box of the bonus game was opened; by default a credit
    // prize written in yellow.
    virtual void awardBox(BoxAward& award);

    // --- Machine window --------------------------------------------------------
    // By default one red line across the middle row.
    virtual void drawPayline(QPainter& painter, const ReelGeometry& geometry) const;
    virtual bool showsBonusMeter() const;
    virtual void repaintStep(SlotMachine& machine, RepaintStep step);
    // A pointer press, tested before the machine's buttons; true when it was used.
    virtual bool pointerPressBeforeButtons(SlotMachine& machine, int x, int y);
    // Runs last for every pointer press.
    virtual void pointerPressAfterButtons(SlotMachine& machine, int x, int y);
    // A tick of one of the timers the game runs for its features (Timer6 to Timer8).
    virtual void timerTick(SlotMachine& machine, MachineTimer timer);
    // Once the machine window exists, and when it closes.
    virtual void windowCreated(SlotMachine& machine);
    virtual void closing(SlotMachine& machine);
};

} // namespace slotmachine
