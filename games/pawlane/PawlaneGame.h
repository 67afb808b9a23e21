#pragma once

#include "engine/core/Game.h"
#include "games/pawlane/PawlaneAdvice.h"
#include "games/pawlane/PawlaneHolds.h"
#include "games/pawlane/PawlaneLines.h"

#include <span>

namespace slotmachine::pawlane {

const GameValues& pawlaneValues();
// The Pawlane pay rules, in the order in which they are tried.
std::span<const PayRule> pawlanePayRules();

// Pawlane Slots: three coins open three paylines; a wild symbol; marked stops
// that fill the bonus meter, empty it or earn a hold; a stock of holds that keep
// reels still through the next spin.
class PawlaneGame final : public Game {
public:
    PawlaneGame();

    const GameValues& values() const override { return pawlaneValues(); }
    const Paytable& paytable() const override { return paytable_; }

    int symbolNumber(int reel, int position) const override;
    // The animal, and the gold ring of a marked stop.
    std::string symbolNameAt(int reel, int position) const override;
    // A held reel keeps its stop through the spin.
    bool reelSpins(const GameContext& machine, int reel) const override;

    // The meters, and the line bars that follow the coins bet.
    void coinBet(GameContext& machine, BetCommand command) override;
    // The bars and hold lamps stop blinking, and every bar lights for the spin.
    void spinStarting(GameContext& machine) override;
    // The lamps of the reels that will spin go out.
    void buttonsDimmed(GameContext& machine) override;
    void evaluate(GameContext& machine) override;
    void spinSettled(GameContext& machine) override;
    std::vector<LineResult> paidLines(const GameContext& machine, std::int32_t coins,
                                      std::int32_t lineWin) const override;
    void awardBox(BoxAward& award) override;

    void drawPayline(QPainter& painter, const ReelGeometry& geometry) const override;
    // The Holds meter and its caption, the bonus meter again, the bars of the open
    // lines and the lamps of held reels.
    void repaintStep(GameContext& machine, RepaintStep step) override;
    // Presses on the hold lamps hold reels.
    void pointerPressBeforeButtons(GameContext& machine, int x, int y) override;
    void pointerPressAfterButtons(GameContext& machine, int x, int y) override;
    // HoldLampBlinking blinks the hold lamps, WinningLineBlinking the bars of the
    // winning lines.
    void timerTick(GameContext& machine, MachineTimer timer) override;
    // The lamps and the bars stop blinking.
    void closing(GameContext& machine) override;
    // The holds chosen for the coming spin: stored with the stock, given back to it
    // when the game is saved or left.
    std::int32_t stockSetAside(const GameContext& machine) const override;
    void returnStockSetAside(GameContext& machine) override;
    // After a loss while holds are offered: the holds worth most to the next spin.
    std::optional<Advice> advice(const GameContext& machine) const override;
    // Holds each advised reel not yet held as a press on its lamp would.
    bool followAdvice(GameContext& machine, const Advice& advice) override;
    void adviceSwitched(GameContext& machine) override;
    // Each reel's hold lamp.
    std::optional<ReelControl> reelControl(const GameContext& machine, int reel) const override;

    PawlaneHolds& holds() { return holds_; }
    const PawlaneHolds& holds() const { return holds_; }
    const LineBars& lineBars() const { return bars_; }

private:
    // The reels whose lamps stay lit through the blinking: the advised ones while
    // the advice is shown, none otherwise.
    HeldReels advisedHolds(const GameContext& machine) const;

    Paytable paytable_;
    PawlaneHolds holds_;
    LineBars bars_;
    HoldAdvisor advisor_;
};

} // namespace slotmachine::pawlane
