#pragma once

#include "engine/core/Dialogs.h"

class QWidget;

namespace slotmachine {

// The player's message boxes as Qt shows them, titled with the game's name.
class QtDialogs final : public Dialogs {
public:
    QtDialogs(QString title, QWidget* parent = nullptr) : title_(std::move(title)), parent_(parent) {}

    void setParent(QWidget* parent) { parent_ = parent; }
    // With nobody left to answer (the program was asked to end), messages go to
    // standard error and input boxes count as cancelled, so nothing waits.
    void setUnattended(bool unattended) { unattended_ = unattended; }

    void information(const QString& text) override;
    void plain(const QString& text) override;
    void error(const QString& text) override;
    std::optional<QString> textInput(const QString& title, const QString& prompt, const QString& value) override;

private:
    QString title_;
    QWidget* parent_;
    bool unattended_ = false;
};

} // namespace slotmachine
