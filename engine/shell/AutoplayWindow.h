#pragma once

#include "engine/shell/Autoplay.h"

#include <QCoreApplication>
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace slotmachine {

// The autoplay window: how many spins, when to stop early, and whether to follow
// the machine's advice. Enter (Start) accepts, Escape cancels; an amount left
// empty means never.
class AutoplayWindow final : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(AutoplayWindow)

public:
    AutoplayWindow(const AutoplayChoices& choices, QWidget* parent);

    // The choices as the window shows them now.
    AutoplayChoices choices() const;

    QComboBox* spins = nullptr;
    QLineEdit* creditsBelow = nullptr;
    QLineEdit* winAtLeast = nullptr;
    QCheckBox* stopOnBonusGame = nullptr;
    QCheckBox* followAdvice = nullptr;
};

} // namespace slotmachine
