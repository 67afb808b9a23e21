#pragma once

// The recall log as a plain table for the terminal (`--history`).

#include "engine/core/RecallLog.h"

#include <QString>

namespace slotmachine {

// The log as a table, oldest first, with a heading line: number, time (UTC), kind,
// spin, coins, stops, win, credits before and after, and a note of the features,
// the stock (called `stockName`: "holds", "nudges"), the bonus game and the loan.
QString recallTable(const RecallLog& log, const QString& stockName = QStringLiteral("stock"));

} // namespace slotmachine
