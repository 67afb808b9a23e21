#pragma once

#include "engine/core/GameValues.h"
#include "engine/core/RecallLog.h"

#include <QCoreApplication>
#include <QString>
#include <QWidget>
#include <vector>

class QGridLayout;
class QLabel;

namespace slotmachine {

class CreditsChart;
class SessionTally;

// What the statistics window shows beyond the game's totals; all of it outlives the window.
struct PlayFigures {
    const RecallLog& log;        // the running game's last plays
    const SessionTally& session; // this session's plays
    const GameValues& values;    // the bets it takes and its colours
    QString returnsFile;         // the machine's returns (paybackReturnsResource)
};

// The player's own numbers beside the machine's: the machine's return at each bet as
// the manual gives it, this session's time and result, the biggest wins and a chart
// of the credits over the plays in the recall log.
class PlayFiguresPanel final : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(PlayFiguresPanel)

public:
    explicit PlayFiguresPanel(const PlayFigures& figures, QWidget* parent = nullptr);

    // The returns, a row for each bet from 1 coin, a column for each way of play.
    std::vector<std::vector<QLabel*>> returnValues;
    QLabel* sessionTimeValue = nullptr;
    QLabel* sessionNetValue = nullptr;
    QLabel* sessionBiggestWinValue = nullptr;
    QLabel* recallBiggestWinValue = nullptr;
    CreditsChart* chart = nullptr;

private:
    QWidget* returnsBox(const PlayFigures& figures);
    QWidget* sessionBox();
    QWidget* chartBox(const PlayFigures& figures);
    void showSessionTime();

    const SessionTally& session_;
};

} // namespace slotmachine
