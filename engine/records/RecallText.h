#pragma once

// The recall log as text: one play as one line of compact JSON, a whole log as one
// such line per play (oldest first), and a log as a plain table for the terminal.
// Reading is strict: a line that is not a play the game could have made is refused
// with a message naming what is wrong, never read as a default.

#include "engine/core/PlayRecord.h"
#include "engine/core/RecallLog.h"

#include <QString>
#include <optional>

namespace slotmachine {

// Bounds of a readable play beyond those of the game's own tables.
inline constexpr std::int32_t RecallMostCoins = 100; // no game takes a larger bet
inline constexpr std::size_t RecallMostMoves = PlayMostMoves;

// What reading text gave: the value, or why there is none.
template <typename T> struct RecallReading {
    std::optional<T> value;
    QString error; // names the key (and line) at fault; empty when value is set
};

// One play as one line of compact JSON, without a line break.
QString playToJson(const PlayRecord& play);
RecallReading<PlayRecord> playFromJson(const QString& line);

// A whole log, one line per play, each ending in a line break; reading names the
// line number (from 1) of the first damaged line, and refuses more plays than a
// log keeps.
QString recallLogToText(const RecallLog& log);
RecallReading<RecallLog> recallLogFromText(const QString& text);

// The names a play's kind and a reel move's cause go by in the text: "spin",
// "nudge", "loan", "payback", "bonus"; "up", "down", "held", "nudge".
QString kindName(PlayKind kind);
QString moverName(ReelMover by);

} // namespace slotmachine
