#include "games/pawlane/PawlaneGame.h"

namespace slotmachine::pawlane {

namespace {

constexpr GamePicture Pictures[] = {
    {"Red", ""}, {"Blue", ""}, {"Green", ""}, {"Mask", ""}, {"HoldBMP", "holdx.bmp"},
};

constexpr GameValues Values{
    .title = "Pawlane Slots",
    .lockName = "PawlaneSlots",
    .soundPrefix = "Animal",
    .versionText = "1.1",
    .programName = "pawlane-slots",
    .coinLimit = 3,
    .initialStops = {11, 15, 27},
    .strips = {"275643761370536427347562754176", "674152732743652057146372645671",
               "267243561734273546751325746075"},
    .boxValues = {250, 100, 50, 1, 25, 1, 0, 0},
    .titleGlass = ShortTitleGlassPlace,
    .pictures = Pictures,
    .stock = &GameState::Holds,
    .stockAtNewGame = 6,
};

constexpr int Wild = 0;

constexpr PayRule wildOr(int symbol, std::int32_t pay, std::string_view description) {
    return eachReelIn(symbolSet({symbol, Wild}), pay, description).paying(Payout::PerLine);
}

constexpr PayRule PayRules[] = {
    eachReelIn(symbolSet({Wild}), 2500, "Three Wilds").paying(Payout::PerLine),
    wildOr(1, 50, "Three 1s"),
    wildOr(2, 20, "Three 2s"),
    wildOr(3, 18, "Three 3s"),
    wildOr(4, 14, "Three 4s"),
    wildOr(5, 12, "Three 5s"),
    wildOr(6, 10, "Three 6s"),
    wildOr(7, 5, "Three 7s"),
};

} // namespace

const GameValues& pawlaneValues() {
    return Values;
}

std::span<const PayRule> pawlanePayRules() {
    return PayRules;
}

PawlaneGame::PawlaneGame() : paytable_(PayRules) {}

int PawlaneGame::symbolNumber(int reel, int position) const {
    const std::string_view strip = Values.strips[static_cast<std::size_t>(reel)];
    return strip[static_cast<std::size_t>(position - 1)] - '0';
}

} // namespace slotmachine::pawlane
