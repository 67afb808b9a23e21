#pragma once

#include "engine/core/Dialogs.h"
#include "engine/core/GameState.h"
#include "engine/core/HelpViewer.h"
#include "engine/display/MachinePictures.h"

#include <QCoreApplication>
#include <QDialog>
#include <array>

class QLabel;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace slotmachine {

// The loan desk window: four chips borrow or pay back 1000, 100, 10 or 1 credits
// (the mode buttons choose which), and the window shows Credits in red digits and
// Borrowed in green ones. Every change goes straight into the game state; whoever
// opened the window redraws the machine's meters afterwards.
class LoanDeskWindow final : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(LoanDeskWindow)

public:
    // `pictures` and `layoutWidth` are the machine's: the digit strips and the
    // layout width that picks their glyph size.
    LoanDeskWindow(GameState& state, const MachinePictures& pictures, int layoutWidth, Dialogs& dialogs, HelpViewer& help,
             QWidget* parent = nullptr);

    // The chip buttons, tags 0 to 3: $1,000, $100, $10, $1.
    QToolButton* thousandChip() const { return chips_[0]; }
    QToolButton* hundredChip() const { return chips_[1]; }
    QToolButton* tenChip() const { return chips_[2]; }
    QToolButton* oneChip() const { return chips_[3]; }
    QLabel* modeLabel() const { return modeLabel_; }
    QRadioButton* borrowButton() const { return borrowButton_; }
    QRadioButton* payBackButton() const { return payBackButton_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* helpButton() const { return helpButton_; }

    // The layout width the meters are drawn for (see meterLayoutWidth in the .cpp).
    int digitLayoutWidth() const { return digitLayoutWidth_; }

    // The handlers.
    void chipClicked(int tag); // every chip; a tag outside 0 to 3 does nothing
    void showHelp();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    GameState& state_;
    const MachinePictures& pictures_;
    int digitLayoutWidth_;
    Dialogs& dialogs_;
    HelpViewer& help_;

    std::array<QToolButton*, 4> chips_{};
    QLabel* modeLabel_ = nullptr;
    QRadioButton* borrowButton_ = nullptr;
    QRadioButton* payBackButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
};

} // namespace slotmachine
