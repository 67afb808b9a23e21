#pragma once

#include "engine/display/MachinePictures.h"
#include "engine/shell/Dialogs.h"
#include "engine/shell/HelpViewer.h"
#include "engine/state/GameState.h"

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
public:
    // `pictures` and `layoutWidth` are the machine's: the digit strips and the
    // layout width that picks their glyph size.
    LoanDeskWindow(GameState& state, const MachinePictures& pictures, int layoutWidth, Dialogs& dialogs, HelpViewer& help,
             QWidget* parent = nullptr);

    // The chip buttons, tags 0 to 3: $1,000, $100, $10, $1.
    QToolButton* BitBtn1() const { return chips_[0]; }
    QToolButton* BitBtn2() const { return chips_[1]; }
    QToolButton* BitBtn3() const { return chips_[2]; }
    QToolButton* BitBtn4() const { return chips_[3]; }
    QLabel* Label1() const { return label1_; }
    QRadioButton* RadioButton1() const { return radioButton1_; } // borrow
    QRadioButton* RadioButton2() const { return radioButton2_; } // pay back
    QPushButton* OKBtn() const { return okBtn_; }
    QPushButton* BitBtn7() const { return bitBtn7_; } // help

    // The layout width the meters are drawn for (see meterLayoutWidth in the .cpp).
    int digitLayoutWidth() const { return digitLayoutWidth_; }

    // The handlers.
    void BitBtn1Click(int tag); // every chip; a tag outside 0 to 3 does nothing
    void BitBtn7Click();

protected:
    void paintEvent(QPaintEvent* event) override; // FormPaint
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    GameState& state_;
    const MachinePictures& pictures_;
    int digitLayoutWidth_;
    Dialogs& dialogs_;
    HelpViewer& help_;

    std::array<QToolButton*, 4> chips_{};
    QLabel* label1_ = nullptr;
    QRadioButton* radioButton1_ = nullptr;
    QRadioButton* radioButton2_ = nullptr;
    QPushButton* okBtn_ = nullptr;
    QPushButton* bitBtn7_ = nullptr;
};

} // namespace slotmachine
