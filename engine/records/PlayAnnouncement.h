#pragma once

// A settled play in one short sentence, as a screen reader announces it.

#include "engine/core/PlayRecord.h"

#include <QString>

namespace slotmachine {

class Game;

// What `play` won, named by the game's pay rules: "Three Horses on the middle line,
// 50 credits", with the bonus game's box and the stock earned after it, or "No win";
// a loan or payback says what moved. Lines are joined by "; ".
QString playAnnouncement(const PlayRecord& play, const Game& game);

} // namespace slotmachine
