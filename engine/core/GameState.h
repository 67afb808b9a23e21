#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace slotmachine {

inline constexpr int ReelCount = 3;
inline constexpr int StripLength = 30;
inline constexpr int BoxCount = 8;
inline constexpr std::int32_t NewGameCredits = 1000;
inline constexpr std::int32_t FullBonusPoints = 12;

// The whole state of the game a program plays: one record for the life of the
// process, handed to every window and rule that reads or changes it. Whoever
// changes a value that a meter shows redraws that meter.
struct GameState {
    // Game totals; together they form a saved game.
    std::int32_t Credits = NewGameCredits;  // credits on the machine
    std::int32_t Borrowed = NewGameCredits; // credits owed; a new game's credits count as borrowed
    std::int32_t Spins = 0;                 // spins played in this game
    std::int32_t TotalBets = 0;             // coins bet in this game
    std::int32_t BonusWon = 0;              // credits won in box bonus games
    std::int32_t BonusPts = 0;              // bonus points towards the box bonus, 0 to 12
    // A bonus game won but not yet played, because the program closed before a box
    // was opened: the coins of the spin that won it (its holds or nudges prize grows
    // with them), 0 when none is due. It is played at the next chance, before any bet.
    std::int32_t BonusDue = 0;

    // The game's feature stock, for a game that has one (GameValues::stock): what the
    // player has left of the feature spent between spins, Pawlane's holds or
    // Emberpeak's nudges. 0 in a game without one.
    std::int32_t Stock = 0;

    // The spin in progress.
    std::int32_t Coins = 0;     // coins bet on the coming spin, already taken from Credits
    std::int32_t LastCoins = 0; // the bet of the previous spin, placed again on an empty spin
    std::int32_t SpinWin = 0;   // pay not yet counted into Credits; 0 between spins
    std::array<std::int32_t, ReelCount> ReelStop{1, 1, 1}; // strip position in each reel's top row

    bool Busy = false;      // a spin is being played; bet and spin input is dropped
    bool StopReels = false; // the window is closing: a running reel animation ends at once
    bool SoundOn = true;
    bool MusicOn = true;
    std::int32_t MusicTrack = -1; // track playing (0-4), due (10-14), or 9 for no track files

    // Constant tables: the three strips of 30 symbol digits, and the bonus boxes.
    std::array<std::string, ReelCount> ReelStrip;
    std::array<std::int32_t, BoxCount> BoxValues{};
};

} // namespace slotmachine
