#pragma once

// The keys of a game section of the record file, in the order they are written.
namespace slotmachine::recordkeys {

inline constexpr const char* GameName = "GameName";
inline constexpr const char* GameDate = "GameDate";
inline constexpr const char* Credits = "Credits";
inline constexpr const char* Borrowed = "Borrowed";
inline constexpr const char* Spins = "Spins";
inline constexpr const char* TotalBets = "TotalBets";
inline constexpr const char* BonusWon = "BonusWon";
inline constexpr const char* BonusPts = "BonusPts";
// A game's stock of holds or nudges, whichever it has.
inline constexpr const char* Stock = "Nudges";
// Written only while a bonus game is due, so that other records stay as they were.
inline constexpr const char* BonusDue = "BonusDue";

// The keys every store writes into a game section. A section without one of them
// was cut short; the stock's key alone may be missing, as older records lack it.
inline constexpr const char* EveryStoreWrites[] = {GameName, GameDate,  Credits,  Borrowed,
                                                   Spins,    TotalBets, BonusWon, BonusPts};

// A game's recall log lives in a section of its own beside the game's: the game's
// section name and this suffix ("CurrentGame.Recall"), with one key per play, oldest
// first, "Play1" to "Play100", each a play as one line of JSON.
inline constexpr const char* RecallSectionSuffix = ".Recall";
inline constexpr const char* RecallPlayKey = "Play";

} // namespace slotmachine::recordkeys
