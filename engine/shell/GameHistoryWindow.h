#pragma once

#include "engine/core/PlayRecord.h"
#include "engine/core/RecallLog.h"
#include "engine/records/PlayDescription.h"

#include <QCoreApplication>
#include <QDialog>
#include <QImage>
#include <cstddef>
#include <optional>
#include <vector>

class QLabel;
class QPushButton;
class QTextBrowser;

namespace slotmachine {

class Game;
class HistoryReels;

// The Game History window: the running game's recall log one play at a time, the
// newest first. Each play shows its reels at rest drawn from the game's symbol
// sheet, with its open lines marked and the paid ones framed, and its steps in
// words (PlayDescription). First, Previous, Next and Last step through the plays,
// and so do the arrow keys (Left or Up towards the newest, Right or Down towards
// the oldest, Home and End to either end). It only reads the log.
class GameHistoryWindow final : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(GameHistoryWindow)

public:
    // `log` is copied as it stands; `symbolSheet` is the machine's, and
    // `layoutWidth` the machine's layout width, which grows the window on large screens.
    GameHistoryWindow(const RecallLog& log, const Game& game, const QImage& symbolSheet, int layoutWidth,
                      QWidget* parent = nullptr);
    ~GameHistoryWindow() override;

    // The play shown, counted from the newest (0); nothing for an empty log.
    std::optional<std::size_t> shown() const { return shown_; }

    void showFirst();
    void showPrevious();
    void showNext();
    void showLast();

    QPushButton* firstButton() const { return first_; }
    QPushButton* previousButton() const { return previous_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* lastButton() const { return last_; }
    QPushButton* closeButton() const { return close_; }
    QLabel* positionLabel() const { return position_; }
    QLabel* headingLabel() const { return heading_; }
    QTextBrowser* stepsText() const { return steps_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showPlay(std::size_t fromNewest);
    void showEmpty();
    // Steps by a navigation key; false for any other key.
    bool stepByKey(int key);

    std::vector<PlayRecord> plays_; // newest first
    PlayTerms terms_;
    std::optional<std::size_t> shown_;

    HistoryReels* reels_ = nullptr;
    QLabel* position_ = nullptr;
    QLabel* heading_ = nullptr;
    QLabel* time_ = nullptr;
    QTextBrowser* steps_ = nullptr;
    QPushButton* first_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* last_ = nullptr;
    QPushButton* close_ = nullptr;
};

} // namespace slotmachine
