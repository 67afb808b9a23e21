#pragma once

#include <QString>
#include <cstdint>

namespace slotmachine {

enum class MachineButton { BetOne, BetFive, Spin };
enum class Lamp { TitleGlass, TitleStrip, CoinSign };

// Design x of the meter captions and digits: Coins is anchored at its left edge,
// Winnings and Credits at their right edges.
inline constexpr std::int32_t CoinsMeterLeft = 250;
inline constexpr std::int32_t WinningsMeterRight = 440;
inline constexpr std::int32_t CreditsMeterRight = 620;

// What the engine's commands draw on the machine while they run: the meters, the
// buttons and the lamps. Each call draws from the current game state. The machine
// window implements it on its surface; the simulator draws nothing.
class MachineDisplay {
public:
    virtual ~MachineDisplay() = default;

    virtual void ShowCredits() = 0;
    // Clears the Winnings meter, redraws the "Coins" caption, then the Coins meter.
    virtual void ShowCoins() = 0;
    virtual void ShowWinnings(std::int32_t counted) = 0;
    // A white meter caption whose left (or, right-anchored, right) edge is at design x.
    virtual void DrawCaption(const QString& text, std::int32_t designX, bool rightAnchored) = 0;
    // The bonus meter from the bonus points, which the engine has limited to 12.
    virtual void ShowBonusMeter() = 0;
    virtual void DrawButton(MachineButton button, bool lit) = 0;
    virtual void DrawLamp(Lamp lamp, bool lit) = 0;
    // Redraws the whole machine at once.
    virtual void FullRepaint() = 0;
};

// Draws nothing: for the simulator and for code that runs without a window.
class BlankDisplay final : public MachineDisplay {
public:
    void ShowCredits() override {}
    void ShowCoins() override {}
    void ShowWinnings(std::int32_t) override {}
    void DrawCaption(const QString&, std::int32_t, bool) override {}
    void ShowBonusMeter() override {}
    void DrawButton(MachineButton, bool) override {}
    void DrawLamp(Lamp, bool) override {}
    void FullRepaint() override {}
};

} // namespace slotmachine
