#pragma once

// The recall logs in the record file: each game's in a section of its own beside the
// game's ("CurrentGame.Recall"), keys "Play1" to "Play100", one play as a line of
// JSON each, oldest first.

#include "engine/core/RecallLog.h"
#include "engine/records/RecallText.h"
#include "engine/records/RecordScan.h"

#include <QString>
#include <optional>

namespace slotmachine {

// Reads the recall section `name` of a scanned file (an absent one is an empty
// log); a damaged one marks the section as not whole, so that it is kept aside with
// the rest of the damage, and reads as nothing.
std::optional<RecallLog> checkRecallSection(ScannedFile& file, const QString& name);

// Checks the recall log of every game in the file, so that one recovery keeps every
// damaged log aside at once, and returns the log of the section named `wanted`.
std::optional<RecallLog> checkRecallSections(ScannedFile& file, const QString& wanted);

// The recall log of the game in section `index` of the record file at `path`, read
// without changing the file (a damaged log is reported, not kept aside), for a
// reader beside the running game. A missing file or section is an empty log.
RecallReading<RecallLog> readRecallLog(const QString& path, int index);

} // namespace slotmachine
