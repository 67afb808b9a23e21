#include "games/orevein/OreveinGame.h"

#include "engine/core/GameContext.h"
#include "engine/state/ReelStrips.h"

#include <QtGlobal>

namespace slotmachine::orevein {

namespace {

constexpr GameValues Values{
    .title = "Orevein Slots",
    .lockName = "OreveinSlots",
    .soundPrefix = SLOTS_GAME_PREFIX, // PREFIX and PROGRAM of slots_add_game()
    .versionText = "2.0",
    .programName = SLOTS_GAME_PROGRAM,
    .coinLimit = 5,
    .initialStops = {22, 14, 28},
    .strips = {"493919294909294919394909294939", "394929392949390949291939491929",
               "493919493929490939194929394909"},
    .boxValues = {250, 100, 50, 50, 25, 10, 0, 0},
    .titleGlass = TallTitleGlassPlace,
    // The dark timber of the cabinet, the gold of its trim, brass buttons, cream type.
    .colours = {.ground = 0x2a1804, .line = 0xffd24a, .panel = 0x3f2710, .text = 0xf3e6c8, .accent = 0xe8a33c,
                .button = 0x6b4a1e, .buttonText = 0xffe9a8, .field = 0x160c03, .fieldText = 0xf3e6c8},
};

constexpr int BonusClearedSound = 2;
constexpr int DropSound = 8;
constexpr int RiseSound = 9;

bool isUpCell(int cell) {
    return cell >= FirstUpCell && cell < FirstDownCell;
}
bool isDownCell(int cell) {
    return cell >= FirstDownCell && cell < FirstBonusCell;
}
// The bonus symbols' cells hold the symbols worth 3, 2 and 1 points.
int bonusPointsOf(int cell) {
    return cell >= FirstBonusCell && cell < ClearCell ? 3 - (cell - FirstBonusCell) : 0;
}

constexpr SymbolSet Minor = symbolSet({Cart, Lantern, Pickaxe});

constexpr PayRule PayRules[] = {
    eachReelIn(symbolSet({Nugget}), 1500, QT_TRANSLATE_NOOP("GameText", "Three Nuggets")),
    eachReelIn(symbolSet({Ingot}), 250, QT_TRANSLATE_NOOP("GameText", "Three Ingots")),
    exactCount(Nugget, 2, 50, QT_TRANSLATE_NOOP("GameText", "Any two Nuggets")),
    eachReelIn(symbolSet({Cart}), 20, QT_TRANSLATE_NOOP("GameText", "Three Ore Carts")),
    eachReelIn(symbolSet({Lantern}), 10, QT_TRANSLATE_NOOP("GameText", "Three Lanterns")),
    eachReelIn(symbolSet({Pickaxe}), 5, QT_TRANSLATE_NOOP("GameText", "Three Pickaxes")),
    eachReelIn(Minor, 2, QT_TRANSLATE_NOOP("GameText", "Any mix of Ore Carts, Lanterns and Pickaxes")),
    exactCount(Nugget, 1, 2, QT_TRANSLATE_NOOP("GameText", "Any one Nugget")),
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

std::string OreveinGame::symbolNameAt(int reel, int position) const {
    return std::string(cellName(symbolNumber(reel, position)));
}

int OreveinGame::paylineSymbol(const GameContext& machine, int reel, int position) const {
    if (symbolNumber(reel, position) == ClearCell) {
        return NoSymbol;
    }
    return codeAt(machine.state(), reel, position);
}

void OreveinGame::reelFeatures(GameContext& machine, int reel) {
    const GameState& s = machine.state();
    if (isDownCell(symbolNumber(reel, rowPosition(s, reel, 0)))) {
        machine.playSound(DropSound, false);
        machine.moveReelDown(reel);
    }
    if (isUpCell(symbolNumber(reel, rowPosition(s, reel, 2)))) {
        machine.playSound(RiseSound, false);
        machine.moveReelUp(reel);
    }
}

int OreveinGame::bonusPoints(GameContext& machine) {
    const GameState& s = machine.state();
    int points = 0;
    bool cleared = false;
    for (int reel = 0; reel < ReelCount; ++reel) {
        const int cell = symbolNumber(reel, paylinePosition(s, reel));
        cleared = cleared || cell == ClearCell;
        points += bonusPointsOf(cell);
    }
    if (!cleared) {
        return points;
    }
    machine.playSound(BonusClearedSound, true);
    // Any negative number clears; with no points there is nothing to clear.
    return s.BonusPts == 0 ? 0 : -1;
}

} // namespace slotmachine::orevein
