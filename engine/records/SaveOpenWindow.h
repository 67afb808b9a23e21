#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace slotmachine {

class Dialogs;
class GameRecords;
class HelpViewer;
class RecallLog;
struct GameState;

// The save and open window: the eight game slots with their names, dates, credits
// and loans, and a button for each. While it lists the slots the live game holds
// the last slot listed; the running game is written to the record file before the
// listing and read back when the window closes, however it closes. Opening a slot
// copies it over the running game's record, so the close brings in the opened game.
class SaveOpenWindow final : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(SaveOpenWindow)

public:
    // `log` is the running game's recall log, carried with it into a slot and
    // replaced by the opened game's.
    SaveOpenWindow(GameState& state, RecallLog& log, GameRecords& records, Dialogs& dialogs, HelpViewer& help, const QString& gameTitle,
              bool saveMode, QWidget* parent = nullptr);

    // False when the running game could not be written first: the window then
    // lists nothing, must not be shown, and the live game is untouched.
    bool listed() const { return listed_; }

    // The slot buttons' one handler; `slot` is the button's tag, 1 to 8.
    void slotChosen(int slot);
    void done(int result) override;

    // One panel of the slot list.
    struct SlotPanel {
        QFrame* panel = nullptr;
        QLineEdit* name = nullptr;
        QLabel* game = nullptr;
        QLabel* date = nullptr;
        QLabel* credits = nullptr;
        QLabel* borrowed = nullptr;
        QPushButton* button = nullptr; // OKBtn for slot 1, BitBtn1 to BitBtn7 for slots 2 to 8
    };
    const SlotPanel& panel(int slot) const { return panels_[static_cast<std::size_t>(slot - 1)]; }
    QPushButton* CancelBtn = nullptr;
    QPushButton* HelpBtn = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls(const QString& gameTitle);
    void listSlots();
    void restoreRunningGame();

    GameState& state_;
    RecallLog& log_;
    GameRecords& records_;
    Dialogs& dialogs_;
    HelpViewer& help_;
    bool saveMode_;
    bool listed_ = false;
    bool closed_ = false;
    std::array<SlotPanel, 8> panels_{};
};

} // namespace slotmachine
