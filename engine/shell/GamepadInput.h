#pragma once

#include "engine/shell/GamepadMapping.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>

class QWidget;

namespace slotmachine {

// Plays the game from standard gamepads through SDL's GameController subsystem:
// each control pressed becomes the key press a keyboard player would make
// (GamepadMapping, GamepadKeys). SDL's events are read from a timer on Qt's event
// loop, without SDL's video; pads plugged in or out while the game runs are opened
// and closed. Without a pad, or when SDL cannot open the subsystem, it does nothing.
class GamepadInput final : public QObject {
public:
    // `machineWindow` is the window on which the D-pad picks reels rather than
    // moving the focus.
    explicit GamepadInput(const QWidget* machineWindow);
    ~GamepadInput() override;
    GamepadInput(const GamepadInput&) = delete;
    GamepadInput& operator=(const GamepadInput&) = delete;

    // Whether SDL opened its game controller subsystem.
    bool available() const { return available_; }
    // The pads open now.
    int padCount() const;

    // Reads SDL's events now (the timer does so on its own): pads added and removed,
    // controls pressed, whose keys are sent from the event loop in their order.
    void poll();

private:
    struct Pads;
    void press(PadControl control);
    void pace();

    QPointer<const QWidget> machineWindow_;
    bool available_ = false;
    std::unique_ptr<Pads> pads_;
    QTimer timer_;
};

} // namespace slotmachine
