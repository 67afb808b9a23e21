#include "games/emberpeak/EmberpeakGame.h"

#include "engine/core/GameContext.h"
#include "games/emberpeak/EmberpeakTimers.h"
#include "games/emberpeak/NudgeButtons.h"
#include "games/emberpeak/NudgeCount.h"

#include <QtGlobal>

namespace slotmachine::emberpeak {

namespace {

constexpr GameValues Values{
    .title = "Emberpeak Slots",
    .lockName = "EmberpeakSlots",
    .soundPrefix = SLOTS_GAME_PREFIX, // PREFIX and PROGRAM of slots_add_game()
    .versionText = "1.1",
    .programName = SLOTS_GAME_PROGRAM,
    .coinLimit = 3,
    .initialStops = {8, 9, 7},
    .strips = {"012345678456745678123745672367", "765473210876543721876547320765",
               "574837291706574635291763513246"},
    .boxValues = {250, 100, 50, 1, 25, 1, 0, 0},
    .titleGlass = ShortTitleGlassPlace,
    .stock = FeatureStock{.name = QT_TRANSLATE_NOOP("GameText", "nudges"),
                          .atNewGame = 6,
                          .meterPlace = NudgeCountPlace},
    // The dark steel of the cabinet, the orange of its embers, ice-blue lights, slate panels.
    .colours = {.ground = 0x0c1014, .line = 0xff8a1c, .panel = 0x1a232c, .text = 0xe6eef6, .accent = 0x7fd0ff,
                .button = 0x2e3a48, .buttonText = 0xffffff, .field = 0x05080b, .fieldText = 0xe6eef6},
};

constexpr SymbolSet AnySymbol = symbolSet({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});

// Two of `symbol` on reels 0 and 1, and it or the wild symbol on reel 2.
constexpr PayRule threeOf(int symbol, std::int32_t pay, std::string_view description) {
    return reelsIn(symbolSet({symbol}), symbolSet({symbol}), symbolSet({symbol, WildSymbol}), pay,
                   description);
}

constexpr PayRule PayRules[] = {
    threeOf(0, 250, QT_TRANSLATE_NOOP("GameText", "Three Volcanoes")),
    threeOf(1, 50, QT_TRANSLATE_NOOP("GameText", "Three Fire Crystals")),
    threeOf(2, 20, QT_TRANSLATE_NOOP("GameText", "Three Helicopters")),
    threeOf(3, 18, QT_TRANSLATE_NOOP("GameText", "Three Flares")),
    threeOf(4, 14, QT_TRANSLATE_NOOP("GameText", "Three Ropes")),
    threeOf(5, 12, QT_TRANSLATE_NOOP("GameText", "Three Compasses")),
    threeOf(6, 10, QT_TRANSLATE_NOOP("GameText", "Three Ice Crystals")),
    threeOf(7, 3, QT_TRANSLATE_NOOP("GameText", "Three Lava Rocks")),
    threeOf(BonusSymbol, 0, QT_TRANSLATE_NOOP("GameText", "Three SOS Bonus signs")).paying(Payout::BonusGame),
    reelsIn(AnySymbol, AnySymbol, symbolSet({WildSymbol}), 0,
            QT_TRANSLATE_NOOP("GameText", "Wild on the right reel"))
        .paying(Payout::BetBack),
};

} // namespace

const GameValues& emberpeakValues() {
    return Values;
}

std::span<const PayRule> emberpeakPayRules() {
    return PayRules;
}

EmberpeakGame::EmberpeakGame() : paytable_(PayRules) {}

int EmberpeakGame::symbolNumber(int reel, int position) const {
    const std::string_view strip = Values.strips[static_cast<std::size_t>(reel)];
    return strip[static_cast<std::size_t>(position - 1)] - '0';
}

std::string EmberpeakGame::symbolNameAt(int reel, int position) const {
    static constexpr std::string_view Names[] = {
        QT_TRANSLATE_NOOP("GameText", "Volcano"),        QT_TRANSLATE_NOOP("GameText", "Fire Crystal"),
        QT_TRANSLATE_NOOP("GameText", "Helicopter"),     QT_TRANSLATE_NOOP("GameText", "Flare"),
        QT_TRANSLATE_NOOP("GameText", "Rope"),           QT_TRANSLATE_NOOP("GameText", "Compass"),
        QT_TRANSLATE_NOOP("GameText", "Ice Crystal"),    QT_TRANSLATE_NOOP("GameText", "Lava Rock"),
        QT_TRANSLATE_NOOP("GameText", "SOS Bonus sign"), QT_TRANSLATE_NOOP("GameText", "Wild")};
    return std::string(Names[static_cast<std::size_t>(symbolNumber(reel, position))]);
}

void EmberpeakGame::spinStarting(GameContext& machine) {
    machine.timers().stop(WildAnimationTimer);
    machine.timers().stop(NudgeButtonBlinking);
}

void EmberpeakGame::buttonsDimmed(GameContext& machine) {
    drawNudgeButtons(machine.display(), false);
}

void EmberpeakGame::repaintStep(GameContext& machine, RepaintStep step) {
    if (step == RepaintStep::AfterButtons) {
        ShowNudges(machine);
        drawNudgeButtons(machine.display(), false);
    }
}

void EmberpeakGame::timerTick(GameContext& machine, MachineTimer timer) {
    if (timer == WildAnimationTimer) {
        wild_.tick(machine.display());
    } else if (timer == NudgeButtonBlinking) {
        blinkLit_ = !blinkLit_;
        drawBlinkingNudgeButtons(machine);
    }
}

void EmberpeakGame::drawBlinkingNudgeButtons(GameContext& machine) const {
    if (adviceShown()) {
        const std::optional<Advice> advised = advice(machine);
        drawNudgeButtons(machine.display(), blinkLit_, advised ? advised->nudge : std::nullopt);
    } else {
        drawNudgeButtons(machine.display(), blinkLit_);
    }
}

void EmberpeakGame::adviceSwitched(GameContext& machine) {
    if (machine.timers().isActive(NudgeButtonBlinking)) {
        drawBlinkingNudgeButtons(machine);
    }
}

void EmberpeakGame::windowCreated(GameContext& machine) {
    machine.timers().start(WildAnimationTimer);
}

void EmberpeakGame::closing(GameContext& machine) {
    machine.timers().stop(WildAnimationTimer);
    machine.timers().stop(NudgeButtonBlinking);
}

} // namespace slotmachine::emberpeak
