#include "games/pawlane/PawlaneGame.h"

#include "engine/core/GameContext.h"
#include "engine/core/MachineDisplay.h"
#include "engine/display/MachineLayout.h"
#include "engine/state/ReelStrips.h"
#include "games/pawlane/PawlaneBonus.h"
#include "games/pawlane/PawlaneEvaluation.h"
#include "games/pawlane/PawlaneSymbols.h"
#include "games/pawlane/PawlaneTimers.h"

#include <QCoreApplication>

namespace slotmachine::pawlane {

namespace {

constexpr GamePicture Pictures[] = {
    {"Red", ""}, {"Blue", ""}, {"Green", ""}, {"Mask", ""}, {"HoldLamp", "holdx.bmp"},
};

constexpr GameValues Values{
    .title = "Pawlane Slots",
    .lockName = "PawlaneSlots",
    .soundPrefix = SLOTS_GAME_PREFIX, // PREFIX and PROGRAM of slots_add_game()
    .versionText = "1.1",
    .programName = SLOTS_GAME_PROGRAM,
    .coinLimit = 3,
    .initialStops = {11, 15, 27},
    .strips = {"275643761370536427347562754176", "674152732743652057146372645671",
               "267243561734273546751325746075"},
    .boxValues = {250, 100, 50, 1, 25, 1, 0, 0},
    .paylineRows = LineRows,
    .titleGlass = ShortTitleGlassPlace,
    .pictures = Pictures,
    .stock = FeatureStock{.name = QT_TRANSLATE_NOOP("GameText", "holds"),
                          .atNewGame = 6,
                          .meterPlace = {HoldsCaptionLeft, CaptionTop, HoldsMeterRight, WinningsClearBox.bottom}},
    // The deep red of the cabinet, the yellow of its lamps, its blue bet buttons, cream.
    .colours = {.ground = 0x3a0402, .line = 0xfff27a, .panel = 0x5a0c08, .text = 0xfff6e0, .accent = 0x3d8ff0,
                .button = 0x1f4fa8, .buttonText = 0xffffff, .field = 0xfff6e0, .fieldText = 0x3a1a08},
};

constexpr PayRule wildOr(int symbol, std::int32_t pay, std::string_view description) {
    return eachReelIn(symbolSet({symbol, Wild}), pay, description).paying(Payout::PerLine);
}

constexpr PayRule PayRules[] = {
    eachReelIn(symbolSet({Wild}), 2500, QT_TRANSLATE_NOOP("GameText", "Three Wilds")).paying(Payout::PerLine),
    wildOr(1, 50, QT_TRANSLATE_NOOP("GameText", "Three Horses")),
    wildOr(2, 20, QT_TRANSLATE_NOOP("GameText", "Three Dogs")),
    wildOr(3, 18, QT_TRANSLATE_NOOP("GameText", "Three Pigs")),
    wildOr(4, 14, QT_TRANSLATE_NOOP("GameText", "Three Cats")),
    wildOr(5, 12, QT_TRANSLATE_NOOP("GameText", "Three Rabbits")),
    wildOr(6, 10, QT_TRANSLATE_NOOP("GameText", "Three Roosters")),
    wildOr(7, 5, QT_TRANSLATE_NOOP("GameText", "Three Fish")),
};

// The mean credit prize of a bonus game: each box equally likely, a box of 1 (holds)
// paying no credits.
double meanBoxCredits(std::span<const std::int32_t> boxValues) {
    double sum = 0;
    for (const std::int32_t value : boxValues) {
        sum += value > 1 ? value : 0;
    }
    return sum / static_cast<double>(boxValues.size());
}

} // namespace

const GameValues& pawlaneValues() {
    return Values;
}

std::span<const PayRule> pawlanePayRules() {
    return PayRules;
}

PawlaneGame::PawlaneGame() : paytable_(PayRules), advisor_(paytable_, meanBoxCredits(Values.boxValues)) {}

int PawlaneGame::symbolNumber(int reel, int position) const {
    return cellAt(reel, position);
}

std::string PawlaneGame::symbolNameAt(int reel, int position) const {
    // Each name whole, as a translator sees it; gameText() shows it in the player's language.
    static constexpr std::string_view Names[SymbolCount] = {
        QT_TRANSLATE_NOOP("GameText", "Wild"),    QT_TRANSLATE_NOOP("GameText", "Horse"),
        QT_TRANSLATE_NOOP("GameText", "Dog"),     QT_TRANSLATE_NOOP("GameText", "Pig"),
        QT_TRANSLATE_NOOP("GameText", "Cat"),     QT_TRANSLATE_NOOP("GameText", "Rabbit"),
        QT_TRANSLATE_NOOP("GameText", "Rooster"), QT_TRANSLATE_NOOP("GameText", "Fish")};
    // The same on a marked stop.
    static constexpr std::string_view RingedNames[SymbolCount] = {
        QT_TRANSLATE_NOOP("GameText", "Wild in a gold ring"),
        QT_TRANSLATE_NOOP("GameText", "Horse in a gold ring"),
        QT_TRANSLATE_NOOP("GameText", "Dog in a gold ring"),
        QT_TRANSLATE_NOOP("GameText", "Pig in a gold ring"),
        QT_TRANSLATE_NOOP("GameText", "Cat in a gold ring"),
        QT_TRANSLATE_NOOP("GameText", "Rabbit in a gold ring"),
        QT_TRANSLATE_NOOP("GameText", "Rooster in a gold ring"),
        QT_TRANSLATE_NOOP("GameText", "Fish in a gold ring")};
    const auto symbol = static_cast<std::size_t>(symbolAt(reel, position));
    return std::string(markedStopAt(reel, position) != nullptr ? RingedNames[symbol] : Names[symbol]);
}

bool PawlaneGame::reelSpins(const GameContext&, int reel) const {
    return !holds_.held(reel);
}

void PawlaneGame::coinBet(GameContext& machine, BetCommand command) {
    // Bet One shows the meters before the bars, Bet Five the bars before the meters.
    if (command == BetCommand::BetFive) {
        LineBars::followCoins(machine);
    }
    machine.display().ShowCredits();
    machine.display().ShowCoins();
    if (command == BetCommand::BetOne) {
        LineBars::followCoins(machine);
    }
    // The Coins meter's clearing reaches into the Holds meter on large layouts.
    PawlaneHolds::show(machine);
}

void PawlaneGame::spinStarting(GameContext& machine) {
    machine.timers().stop(HoldLampBlinking);
    machine.timers().stop(WinningLineBlinking);
    bars_.clearWins();
    LineBars::lightAll(machine);
    PawlaneHolds::show(machine); // after the last bet's repeat redrew the Coins meter
}

void PawlaneGame::buttonsDimmed(GameContext& machine) {
    holds_.drawLamps(machine, false);
}

void PawlaneGame::evaluate(GameContext& machine) {
    evaluateSpin(machine, paytable_, holds_, bars_);
}

std::vector<LineResult> PawlaneGame::paidLines(const GameContext& machine, std::int32_t coins, std::int32_t) const {
    const GameState& s = machine.state();
    const ReelReading reading = readReels(s, paytable_, coins);
    std::vector<LineResult> lines;
    for (int line = 0; line < LineCount; ++line) {
        if (!lineActive(line, coins)) {
            continue;
        }
        LineResult result;
        result.row = Paylines[static_cast<std::size_t>(line)].row;
        for (int reel = 0; reel < ReelCount; ++reel) {
            result.symbols[static_cast<std::size_t>(reel)] = symbolAt(reel, rowPosition(s, reel, result.row));
        }
        result.pay = reading.linePay[static_cast<std::size_t>(line)];
        lines.push_back(result);
    }
    return lines;
}

void PawlaneGame::spinSettled(GameContext&) {
    holds_.spinSettled();
}

void PawlaneGame::awardBox(BoxAward& award) {
    awardPawlaneBox(award);
}

void PawlaneGame::drawPayline(QPainter& painter, const ReelGeometry& geometry) const {
    drawPaylineStrokes(painter, geometry);
}

void PawlaneGame::repaintStep(GameContext& machine, RepaintStep step) {
    switch (step) {
    case RepaintStep::AfterMeters:
        PawlaneHolds::show(machine);
        break;
    case RepaintStep::AfterCoinsCaption:
        //: the caption over the meter of holds left, on the machine
        machine.display().DrawCaption(QCoreApplication::translate("PawlaneGame", "Holds"), HoldsCaptionLeft,
                                      false);
        break;
    case RepaintStep::AfterButtons:
        machine.ShowBonusMeter();
        LineBars::drawOpen(machine);
        holds_.drawHeldLamps(machine);
        break;
    }
}

void PawlaneGame::pointerPressBeforeButtons(GameContext& machine, int x, int y) {
    holds_.press(machine, x, y);
}

void PawlaneGame::pointerPressAfterButtons(GameContext& machine, int, int) {
    holds_.afterPress(machine);
}

void PawlaneGame::timerTick(GameContext& machine, MachineTimer timer) {
    if (timer == HoldLampBlinking) {
        holds_.blink(machine, advisedHolds(machine));
    } else if (timer == WinningLineBlinking) {
        bars_.blink(machine);
    }
}

void PawlaneGame::closing(GameContext& machine) {
    machine.timers().stop(HoldLampBlinking);
    machine.timers().stop(WinningLineBlinking);
}

std::int32_t PawlaneGame::stockSetAside(const GameContext&) const {
    return holds_.used();
}

void PawlaneGame::returnStockSetAside(GameContext& machine) {
    holds_.giveBack(machine);
}

HeldReels PawlaneGame::advisedHolds(const GameContext& machine) const {
    const std::optional<Advice> advised = adviceShown() ? advice(machine) : std::nullopt;
    return advised ? advised->hold : HeldReels{};
}

void PawlaneGame::adviceSwitched(GameContext& machine) {
    if (machine.timers().isActive(HoldLampBlinking)) {
        holds_.drawBlinking(machine, advisedHolds(machine));
    }
}

std::optional<ReelControl> PawlaneGame::reelControl(const GameContext& machine, int reel) const {
    if (reel < 0 || reel >= ReelCount) {
        return std::nullopt;
    }
    //: what pressing a hold lamp does to its reel
    return ReelControl{.name = QT_TRANSLATE_NOOP("GameText", "Hold"),
                       .place = HoldLampPlaces[static_cast<std::size_t>(reel)],
                       .offered = holds_.mayHold(machine, reel),
                       .on = holds_.held(reel)};
}

std::optional<Advice> PawlaneGame::advice(const GameContext& machine) const {
    const std::optional<HeldReels> held = advisor_.advise(machine.state(), holds_);
    if (!held) {
        return std::nullopt;
    }
    Advice advice;
    advice.hold = *held;
    return advice;
}

bool PawlaneGame::followAdvice(GameContext& machine, const Advice& advice) {
    bool pressed = false;
    for (int reel = 0; reel < ReelCount; ++reel) {
        if (advice.hold[static_cast<std::size_t>(reel)] && !holds_.held(reel)) {
            pressed = holds_.hold(machine, reel) || pressed;
            holds_.afterPress(machine);
        }
    }
    return pressed;
}

} // namespace slotmachine::pawlane
