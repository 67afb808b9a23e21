#include "engine/shell/GamepadInput.h"

#include "engine/shell/GamepadKeys.h"

#include <QWidget>
#include <SDL.h>
#include <map>
#include <optional>

namespace slotmachine {

namespace {

// How often SDL's events are read: often enough for a press to feel at once while a
// pad is open, and only now and then to notice one plugged in.
constexpr int PollWithPadMs = 16;
constexpr int PollWithoutPadMs = 250;

// A trigger counts as pressed past three quarters of its travel, and as let go
// below a quarter, so that a finger resting on it presses nothing twice.
constexpr Sint16 TriggerPressed = 24576;
constexpr Sint16 TriggerReleased = 8192;

std::optional<PadControl> controlOf(Uint8 button) {
    switch (button) {
    case SDL_CONTROLLER_BUTTON_A:
        return PadControl::A;
    case SDL_CONTROLLER_BUTTON_B:
        return PadControl::B;
    case SDL_CONTROLLER_BUTTON_X:
        return PadControl::X;
    case SDL_CONTROLLER_BUTTON_Y:
        return PadControl::Y;
    case SDL_CONTROLLER_BUTTON_BACK:
        return PadControl::Back;
    case SDL_CONTROLLER_BUTTON_START:
        return PadControl::Start;
    case SDL_CONTROLLER_BUTTON_LEFTSTICK:
        return PadControl::LeftStick;
    case SDL_CONTROLLER_BUTTON_RIGHTSTICK:
        return PadControl::RightStick;
    case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
        return PadControl::LeftShoulder;
    case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
        return PadControl::RightShoulder;
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
        return PadControl::DpadUp;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        return PadControl::DpadDown;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        return PadControl::DpadLeft;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        return PadControl::DpadRight;
    default:
        return std::nullopt; // the guide button belongs to the system
    }
}

} // namespace

// The open pads by SDL's instance id, with whether each trigger is held.
struct GamepadInput::Pads {
    struct Pad {
        SDL_GameController* controller = nullptr;
        bool leftTrigger = false;
        bool rightTrigger = false;
    };
    std::map<SDL_JoystickID, Pad> open;
};

GamepadInput::GamepadInput(const QWidget* machineWindow)
    : machineWindow_(machineWindow), pads_(std::make_unique<Pads>()) {
    // SDL's own handlers would take SIGINT and SIGTERM from the program's.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    available_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    if (!available_) {
        return; // no pads, and nothing to say: the keyboard plays on
    }
    connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
    pace();
}

GamepadInput::~GamepadInput() {
    if (!available_) {
        return;
    }
    for (const auto& [id, pad] : pads_->open) {
        SDL_GameControllerClose(pad.controller);
    }
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

int GamepadInput::padCount() const {
    return static_cast<int>(pads_->open.size());
}

void GamepadInput::poll() {
    if (!available_) {
        return;
    }
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            if (SDL_GameController* controller = SDL_GameControllerOpen(event.cdevice.which)) {
                const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
                if (!pads_->open.try_emplace(id, Pads::Pad{controller}).second) {
                    SDL_GameControllerClose(controller); // announced twice; SDL counts the opens
                }
            }
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            if (const auto pad = pads_->open.find(event.cdevice.which); pad != pads_->open.end()) {
                SDL_GameControllerClose(pad->second.controller);
                pads_->open.erase(pad);
            }
            break;
        case SDL_CONTROLLERBUTTONDOWN:
            if (const std::optional<PadControl> control = controlOf(event.cbutton.button)) {
                press(*control);
            }
            break;
        case SDL_CONTROLLERAXISMOTION: {
            const auto pad = pads_->open.find(event.caxis.which);
            const bool left = event.caxis.axis == SDL_CONTROLLER_AXIS_TRIGGERLEFT;
            if (pad == pads_->open.end() || (!left && event.caxis.axis != SDL_CONTROLLER_AXIS_TRIGGERRIGHT)) {
                break;
            }
            bool& held = left ? pad->second.leftTrigger : pad->second.rightTrigger;
            if (!held && event.caxis.value >= TriggerPressed) {
                held = true;
                press(left ? PadControl::LeftTrigger : PadControl::RightTrigger);
            } else if (held && event.caxis.value <= TriggerReleased) {
                held = false;
            }
            break;
        }
        default:
            break;
        }
    }
    pace();
}

void GamepadInput::press(PadControl control) {
    // From the event loop, not from inside the poll: a key that opens a window runs
    // that window's event loop, in which the pad must go on being read.
    QMetaObject::invokeMethod(
        this, [this, control] { sendPadKey(control, machineWindow_.data()); }, Qt::QueuedConnection);
}

void GamepadInput::pace() {
    const int interval = pads_->open.empty() ? PollWithoutPadMs : PollWithPadMs;
    if (timer_.interval() != interval || !timer_.isActive()) {
        timer_.start(interval);
    }
}

} // namespace slotmachine
