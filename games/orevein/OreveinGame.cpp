#include "games/orevein/OreveinGame.h"

#include "engine/reels/ReelStrips.h"
#include "engine/reels/SlotMachine.h"

namespace slotmachine::orevein {

namespace {

constexpr GameValues Values{
    .title = "Orevein Slots",
    .lockName = "OreveinSlots",
    .soundPrefix = "Orev",
    .versionText = "2.0",
    .programName = "orevein-slots",
    .coinLimit = 5,
    .initialStops = {22, 14, 28},
    .strips = {"493919294909294919394909294939", "394929392949390949291939491929",
               "493919493929490939194929394909"},
    .boxValues = {250, 100, 50, 50, 25, 10, 0, 0},
};

constexpr SymbolSet Minor = symbolSet({Cart, Lantern, Pickaxe});

constexpr PayRule PayRules[] = {
    eachReelIn(symbolSet({Nugget}), 1500, "Three Nuggets"),
    eachReelIn(symbolSet({Ingot}), 250, "Three Ingots"),
    exactCount(Nugget, 2, 50, "Any two Nuggets"),
    eachReelIn(symbolSet({Cart}), 20, "Three Ore Carts"),
    eachReelIn(symbolSet({Lantern}), 10, "Three Lanterns"),
    eachReelIn(symbolSet({Pickaxe}), 5, "Three Pickaxes"),
    eachReelIn(Minor, 2, "Any mix of Ore Carts, Lanterns and Pickaxes"),
    exactCount(Nugget, 1, 2, "Any one Nugget"),
};

} // namespace

const GameValues& oreveinValues() {
    return Values;
}

std::span<const PayRule> oreveinPayRules() {
    return PayRules;
}

OreveinGame::OreveinGame() : paytable_(PayRules), cells_(buildCellTable(Values.strips)) {}

int OreveinGame::symbolNumber(int reel, int position) const {
    return cells_[static_cast<std::size_t>(reel)][static_cast<std::size_t>(position)];
}

int OreveinGame::paylineSymbol(const SlotMachine& machine, int reel, int position) const {
    if (symbolNumber(reel, position) == ClearCell) {
        return NoSymbol;
    }
    return codeAt(machine.state(), reel, position);
}

} // namespace slotmachine::orevein
