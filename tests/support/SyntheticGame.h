#pragma once

#include "engine/core/Game.h"
#include "engine/core/GameContext.h"
#include "tests/support/Recorders.h"

#include <functional>
#include <string>

namespace slotmachine::testing {

// A small game of the engine's own, so that engine tests depend on no real game:
// three coins, strips that count 0 to 9 three times, one pay rule of each payout
// kind, box values and initial stops of its own, a picture of its own, and hooks
// that log themselves and then do what the engine does by default (bonus points
// come from a rule a test sets).
class SyntheticGame final : public Game {
public:
    static constexpr GamePicture Pictures[] = {{"HoldLamp", "holdx.bmp"}};
    static constexpr GameValues Values{
        .title = "Synthetic Slots",
        .lockName = "SyntheticSlots",
        .soundPrefix = "Synth",
        .versionText = "0.1",
        .programName = "synthetic-slots",
        .coinLimit = 3,
        .initialStops = {4, 15, 26},
        .strips = {"012345678901234567890123456789", "012345678901234567890123456789",
                   "012345678901234567890123456789"},
        .boxValues = {500, 200, 75, 75, 40, 20, 0, 0},
        .titleGlass = ShortTitleGlassPlace,
        .pictures = Pictures,
    };
    static constexpr PayRule Rules[] = {
        eachReelIn(symbolSet({0}), 100, "Three zeros"),
        eachReelIn(symbolSet({1}), 10, "Three ones").paying(Payout::PerLine),
        eachReelIn(symbolSet({8}), 0, "Three eights").paying(Payout::BonusGame),
        reelsIn(0x3ff, 0x3ff, symbolSet({9}), 0, "A nine on the right").paying(Payout::BetBack),
    };

    explicit SyntheticGame(EventLog& log) : log_(&log), paytable_(Rules) {}
    SyntheticGame() : log_(&ownLog_), paytable_(Rules) {}
    // Hooks log from now on into `log` (a test machine's own log, so that hooks and
    // the machine's steps stand in one order).
    void logTo(EventLog& log) { log_ = &log; }

    const GameValues& values() const override { return Values; }
    const Paytable& paytable() const override { return paytable_; }
    int symbolNumber(int reel, int position) const override {
        return Values.strips[static_cast<std::size_t>(reel)][static_cast<std::size_t>(position - 1)] - '0';
    }

    bool reelSpins(const GameContext& m, int reel) const override { return heldReel != reel && Game::reelSpins(m, reel); }
    void coinBet(GameContext& m, BetCommand command) override {
        note("coinBet");
        Game::coinBet(m, command);
    }
    void spinStarting(GameContext&) override { note("spinStarting"); }
    void buttonsDimmed(GameContext&) override { note("buttonsDimmed"); }
    void reelFeatures(GameContext&, int reel) override { note("reelFeatures " + std::to_string(reel)); }
    void evaluate(GameContext& m) override {
        note("evaluate coins " + std::to_string(m.state().Coins));
        Game::evaluate(m);
    }
    void spinSettled(GameContext&) override { note("spinSettled"); }
    int bonusPoints(GameContext& m) override { return bonusRule ? bonusRule(m) : 0; }
    void repaintStep(GameContext&, RepaintStep step) override {
        static const char* names[] = {"AfterMeters", "AfterCoinsCaption", "AfterButtons"};
        note(std::string("repaintStep ") + names[static_cast<int>(step)]);
    }
    void pointerPressBeforeButtons(GameContext& m, int x, int y) override {
        note("pointerPressBeforeButtons " + std::to_string(x) + " " + std::to_string(y));
        if (beforeButtons) {
            beforeButtons(m);
        }
    }
    void pointerPressAfterButtons(GameContext&, int x, int y) override {
        note("pointerPressAfterButtons " + std::to_string(x) + " " + std::to_string(y));
    }
    void timerTick(GameContext&, MachineTimer timer) override {
        note("timerTick " + std::to_string(static_cast<int>(timer)));
    }
    void windowCreated(GameContext&) override { note("windowCreated"); }
    void closing(GameContext&) override { note("closing"); }
    void returnStockSetAside(GameContext& m) override {
        note("returnStockSetAside credits " + std::to_string(m.state().Credits));
    }

    int heldReel = -1;
    std::function<void(GameContext&)> beforeButtons;
    std::function<int(GameContext&)> bonusRule;

private:
    void note(const std::string& what) const { log_->push_back("Hook " + what); }

    EventLog ownLog_;
    EventLog* log_;
    Paytable paytable_;
};

} // namespace slotmachine::testing
