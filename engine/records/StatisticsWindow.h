#pragma once

#include "engine/core/GameState.h"
#include "engine/records/PlayFiguresPanel.h"

#include <QCoreApplication>
#include <QDialog>
#include <QPoint>
#include <array>

class QLabel;
class QPushButton;

namespace slotmachine {

// The statistics window: the running game's totals and its payouts, each value
// right-aligned beside its caption, and, when it is given the player's figures, the
// machine's return, this session's play and a chart of credits below them. It only
// reads the game.
class StatisticsWindow final : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(StatisticsWindow)

public:
    // The totals alone, in a window of fixed size.
    explicit StatisticsWindow(const GameState& state, QWidget* parent = nullptr);
    // The totals at the top as they are laid out alone, the player's figures below; the
    // window grows with the screen.
    StatisticsWindow(const GameState& state, const PlayFigures& figures, QWidget* parent = nullptr);

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
    PlayFiguresPanel* playFigures = nullptr; // with the player's figures only

private:
    // A value label and its caption on the same row.
    struct Row {
        QLabel* caption;
        QLabel* value;
        int right;    // where the value's right edge stands
        int minWidth; // the value's width in the design
    };

    // The window's title and font, and the rows of totals on `panel`.
    void addTotals(QWidget* panel);
    void showValues(const GameState& state);
    // A caption at its place on `panel` and its value label at (x, y), `width` wide; the value label.
    QLabel* addRow(QWidget* panel, const QString& caption, QPoint captionAt, int x, int y, int width);
    void setValue(QLabel* value, const QString& text);

    std::array<Row, 8> rows_{};
    int rowCount_ = 0;
};

} // namespace slotmachine
