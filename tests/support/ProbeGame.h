#pragma once

#include "engine/game/Game.h"
#include "games/orevein/OreveinGame.h"
#include "tests/support/Recorders.h"

#include <functional>

namespace slotmachine::testing {

// A game with Orevein's values, strips and paytable whose hooks write into the
// log and whose bonus point rule a test sets.
class ProbeGame final : public Game {
public:
    explicit ProbeGame(EventLog& log) : log_(log) {}

    const GameValues& values() const override { return orevein_.values(); }
    const Paytable& paytable() const override { return orevein_.paytable(); }
    int symbolNumber(int reel, int position) const override { return orevein_.symbolNumber(reel, position); }
    int paylineSymbol(const SlotMachine& m, int reel, int position) const override {
        return orevein_.paylineSymbol(m, reel, position);
    }

    void coinBet(SlotMachine&) override { log_.push_back("Hook coinBet"); }
    void spinStarting(SlotMachine&) override { log_.push_back("Hook spinStarting"); }
    void buttonsDimmed(SlotMachine&) override { log_.push_back("Hook buttonsDimmed"); }
    void reelFeatures(SlotMachine&, int reel) override {
        log_.push_back("Hook reelFeatures " + std::to_string(reel));
    }
    void evaluate(SlotMachine& m) override {
        log_.push_back("Hook evaluate");
        Game::evaluate(m);
    }
    void spinSettled(SlotMachine&) override { log_.push_back("Hook spinSettled"); }
    bool reelSpins(const SlotMachine& m, int reel) const override {
        return heldReel != reel && Game::reelSpins(m, reel);
    }
    int bonusPoints(SlotMachine& m) override { return bonusRule ? bonusRule(m) : 0; }

    std::function<int(SlotMachine&)> bonusRule;
    int heldReel = -1;

private:
    EventLog& log_;
    orevein::OreveinGame orevein_;
};

} // namespace slotmachine::testing
