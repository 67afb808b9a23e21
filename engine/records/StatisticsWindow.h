#pragma once

#include "engine/core/GameState.h"

#include <QDialog>
#include <QPoint>
#include <array>

class QLabel;
class QPushButton;

namespace slotmachine {

// The statistics window: the running game's totals and its payouts, each value
// right-aligned beside its caption. It only reads the game.
class StatisticsWindow final : public QDialog {
public:
    explicit StatisticsWindow(const GameState& state, QWidget* parent = nullptr);

    // The value labels.
    QLabel* spinsValue = nullptr;
    QLabel* creditsValue = nullptr;
    QLabel* borrowedValue = nullptr;
    QLabel* payoffsValue = nullptr;
    QLabel* bonusValue = nullptr;
    QLabel* normalValue = nullptr;
    QLabel* payoffPercentageValue = nullptr;
    QLabel* totalBetsValue = nullptr;
    QPushButton* okButton = nullptr;

private:
    // A value label and its caption on the same row.
    struct Row {
        QLabel* caption;
        QLabel* value;
        int right;    // where the value's right edge stands
        int minWidth; // the value's width in the design
    };

    void showValues(const GameState& state);
    // A caption at its place and its value label at (x, y), `width` wide; the value label.
    QLabel* addRow(const QString& caption, QPoint captionAt, int x, int y, int width);
    void setValue(QLabel* value, const QString& text);

    std::array<Row, 8> rows_{};
    int rowCount_ = 0;
};

} // namespace slotmachine
