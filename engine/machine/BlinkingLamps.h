#pragma once

namespace slotmachine {

class SlotMachine;

// The machine's blinking while it waits for the player: the buttons (ButtonBlinking),
// the win lamps (WinLamps) and the coin sign (CoinSignBlinking). One tick of a timer
// calls its handler.
class BlinkingLamps {
public:
    explicit BlinkingLamps(SlotMachine& machine) : machine_(machine) {}

    // Every 200 ms. With coins bet or a win on show, Bet One and Bet Five stay lit
    // and Spin blinks; otherwise one button at a time lights up at random, never
    // the same one twice in a row.
    void blinkButtons();
    // Every 300 ms after a win: the title glass and the title strip alternate.
    void blinkWinLamps();
    // Every 400 ms while no win is shown: the coin sign blinks.
    void blinkCoinSign();

    int attractButton() const { return AttractButton; }

private:
    SlotMachine& machine_;
    bool SpinBlink = false;
    bool GlassPhase = false;
    bool SignPhase = false;
    int AttractButton = 0; // 0 Bet One, 1 Spin, 2 Bet Five: the button lit by the last idle blink
};

} // namespace slotmachine
