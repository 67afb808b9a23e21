#pragma once

#include "engine/core/Game.h"
#include "games/emberpeak/WildAnimation.h"

#include <span>

namespace slotmachine::emberpeak {

const GameValues& emberpeakValues();
// The Emberpeak pay rules, in the order in which they are tried.
std::span<const PayRule> emberpeakPayRules();

// The wild symbol, which stands on the right reel only, and the bonus symbol.
inline constexpr int WildSymbol = 9;
inline constexpr int BonusSymbol = 8;

// Emberpeak Slots: three coins on one payline; a wild symbol on the right reel
// that is animated while it stands on the payline and brings the bet back alone;
// bonus symbols that open the bonus game; a stock of reel nudges, earned by the
// wild symbol and the bonus game, spent to move a reel down one stop after a loss.
class EmberpeakGame final : public Game {
public:
    EmberpeakGame();

    const GameValues& values() const override { return emberpeakValues(); }
    const Paytable& paytable() const override { return paytable_; }

    int symbolNumber(int reel, int position) const override;
    std::string symbolNameAt(int reel, int position) const override;
    bool showsBonusMeter() const override { return false; }

    // The spin stops the wild animation and the blinking before the reels move,
    // and dims the nudge buttons.
    void spinStarting(GameContext& machine) override;
    void buttonsDimmed(GameContext& machine) override;
    // Pays the payline, plays the bonus game inside the evaluation, adds a nudge
    // for the wild symbol and offers nudges after a loss.
    void evaluate(GameContext& machine) override;
    // A nudge box adds twice the coins in nudges, once per bonus game; a credit
    // box pays its value. The prize text is red.
    void awardBox(BoxAward& award) override;

    void repaintStep(GameContext& machine, RepaintStep step) override;
    // A press on a nudge button plays a nudge while they are offered.
    void pointerPressBeforeButtons(GameContext& machine, int x, int y) override;
    // Every press ends the offer once no nudges are left.
    void pointerPressAfterButtons(GameContext& machine, int x, int y) override;
    // WildAnimationTimer animates the wild symbol, NudgeButtonBlinking blinks the nudge
    // buttons.
    void timerTick(GameContext& machine, MachineTimer timer) override;
    // The payline shows the wild symbol at start: its animation runs.
    void windowCreated(GameContext& machine) override;
    void closing(GameContext& machine) override;

    // Whether the last evaluation lost without the wild symbol, so that a nudge may
    // be played.
    bool nudgeMode() const { return nudgeMode_; }
    // Moves reel `reel` down one stop and pays the new payline with the last bet.
    // Refused (false) while no nudge is offered or held, or while the machine is busy.
    bool nudge(GameContext& machine, int reel);

    // While nudges are offered: the reel whose nudge pays most, or none.
    std::optional<Advice> advice(const GameContext& machine) const override;
    // Nudges the advised reel as a press on its button would.
    bool followAdvice(GameContext& machine, const Advice& advice) override;
    void adviceSwitched(GameContext& machine) override;
    // Each reel's nudge button.
    std::optional<ReelControl> reelControl(const GameContext& machine, int reel) const override;

    const WildAnimation& wildAnimation() const { return wild_; }

private:
    // Ends the offer when the last nudge is gone: the buttons stop blinking, dimmed.
    void switchOffWhenNoneLeft(GameContext& machine);
    // The nudge buttons in the blink's present phase, the advised one lit while the
    // advice is shown.
    void drawBlinkingNudgeButtons(GameContext& machine) const;

    Paytable paytable_;
    WildAnimation wild_;
    bool nudgeMode_ = false;
    bool blinkLit_ = false;
};

} // namespace slotmachine::emberpeak
