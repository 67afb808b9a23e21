#pragma once

#include "engine/core/Game.h"
#include "engine/display/LargePayChart.h"
#include "tools/assets/paychart/ChartExtras.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

namespace slotmachine::paychart {

// The pay chart window shows the picture at this size.
inline constexpr QSize ChartSize(632, 413);


// The game's pay chart: its title, one row per pay rule with the rule's symbols
// from `sheet` and its pay for each number of coins, and the extras panel when
// there is one, `scale` times ChartSize. A null image and `error` set when the
// sheet lacks a picture the chart needs or a rule names a symbol without one.
QImage drawPaychart(const Game& game, const QImage& sheet, const ChartExtras* extras, QString& error, int scale = 1);

// <game>-docs paychart SHEET OUT.bmp|OUT.png [LARGE_SHEET LARGE_OUT.png]: the game's
// chart with its extras (or none) drawn from the sheet (as PNG for a name ending in
// .png, else BMP), and, when asked, drawn LargeChartScale times larger from a sheet
// rendered as much larger, as PNG; returns the process exit status.
int runPaychartCommand(const Game& game, const ChartExtras* extras, const QStringList& args);

} // namespace slotmachine::paychart
