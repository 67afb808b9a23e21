// Playing with a gamepad: SDL's virtual pad plugged in and out while the machine
// window runs, and its controls arriving as the keyboard's keys where the focus is.
#include "engine/records/GameRecords.h"
#include "engine/shell/GamepadInput.h"
#include "engine/shell/GamepadKeys.h"
#include "engine/shell/GamepadMapping.h"
#include "engine/shell/MachineWindow.h"
#include "games/orevein/OreveinGame.h"
#include "tests/support/Recorders.h"
#include "tests/support/SyntheticPictures.h"
#include "tests/support/TestWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <SDL.h>
#include <gtest/gtest.h>

using namespace slotmachine;
using namespace slotmachine::testing;

namespace gamepad_test {

class NoGames final : public GameRecords {
public:
    void readGame(int, GameState& state, RecallLog&) override { state.Credits = 500; }
    void writeGame(int, const GameState&, const RecallLog&, const QString&) override {}
    QString gameName() const override { return {}; }
    QString gameDate() const override { return {}; }
};

// A pad of SDL's own, without hardware, that SDL takes for a game controller.
class VirtualPad {
public:
    VirtualPad() {
        SDL_VirtualJoystickDesc desc;
        SDL_zero(desc);
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "Test pad";
        index_ = SDL_JoystickAttachVirtualEx(&desc);
        id_ = SDL_JoystickGetDeviceInstanceID(index_);
    }
    ~VirtualPad() { unplug(); }
    bool plugged() const { return index_ >= 0; }
    void unplug() {
        if (index_ >= 0) {
            SDL_JoystickDetachVirtual(index_);
            index_ = -1;
        }
    }
    // Down and up again, each read by the input, as a quick press of the thumb.
    void tap(GamepadInput& input, SDL_GameControllerButton button) const { set(input, button, 1, 0); }
    void pull(GamepadInput& input, SDL_GameControllerAxis trigger) const {
        set(input, trigger, 32767, -32768);
    }

private:
    template <typename Control> void set(GamepadInput& input, Control control, Sint16 down, Sint16 up) const {
        SDL_Joystick* joystick = SDL_JoystickFromInstanceID(id_);
        ASSERT_NE(joystick, nullptr) << "the input has not opened the pad";
        for (const Sint16 value : {down, up}) {
            if constexpr (std::is_same_v<Control, SDL_GameControllerButton>) {
                SDL_JoystickSetVirtualButton(joystick, control, static_cast<Uint8>(value));
            } else {
                SDL_JoystickSetVirtualAxis(joystick, control, value);
            }
            input.poll();
        }
    }
    int index_ = -1;
    SDL_JoystickID id_ = -1;
};

// The keys pressed, as "key" or "Modifier+key" names, each with the window of the
// widget it first reached.
class KeyLog final : public QObject {
public:
    KeyLog() { QCoreApplication::instance()->installEventFilter(this); }
    std::vector<std::pair<QString, QWidget*>> keys;
    QStringList keysTo(const QWidget* window) const {
        QStringList names;
        for (const auto& [name, to] : keys) {
            if (to == window) {
                names << name;
            }
        }
        return names;
    }
    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !receiver->isWidgetType()) {
            return false;
        }
        auto* widget = static_cast<QWidget*>(receiver);
        // A key a widget ignores goes on to its parent as the same event.
        const bool passedOn =
            event == lastEvent_ && lastReceiver_ != nullptr && widget->isAncestorOf(lastReceiver_);
        lastEvent_ = event;
        lastReceiver_ = widget;
        if (!passedOn) {
            const auto* key = static_cast<QKeyEvent*>(event);
            keys.emplace_back(padKeyName({key->key(), key->modifiers()}), widget->window());
        }
        return false;
    }

private:
    const QEvent* lastEvent_ = nullptr;
    QPointer<QWidget> lastReceiver_;
};

struct Gamepad : ::testing::Test {
    QTemporaryDir dir;
    orevein::OreveinGame game;
    NoGames records;
    EventLog audioLog;
    RecordingEffects effects{audioLog};
    RecordingMusic music{audioLog};

    std::unique_ptr<MachineWindow> open() {
        auto window = openTestWindow(QDir(dir.path()), game, records, {effects, music});
        window->machine().state().Busy = false;
        window->activateWindow();
        waitUntil([] { return QApplication::activeWindow() != nullptr; });
        return window;
    }
    template <typename Condition> static bool waitUntil(Condition condition) {
        for (int i = 0; i < 200 && !condition(); ++i) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        return condition();
    }
    // Hands the keys the input sent to their widgets.
    static void deliver() { QCoreApplication::processEvents(); }
};

} // namespace gamepad_test

using namespace gamepad_test;

TEST(GamepadMapping, TheMachineMenusAndTextFieldsTakeTheirOwnKeysAndNoLettersInMenusAndFields) {
    struct Case {
        PadControl control;
        QString machine, window, menuOrField;
    };
    const Case cases[] = {
        {PadControl::A, "Space", "Space", "Return"},
        {PadControl::B, "Esc", "Esc", "Esc"},
        {PadControl::X, "B", "B", ""},
        {PadControl::Y, "M", "M", ""},
        {PadControl::DpadLeft, "1", "Left", "Left"},
        {PadControl::DpadUp, "2", "Up", "Up"},
        {PadControl::DpadRight, "3", "Right", "Right"},
        {PadControl::DpadDown, "Down", "Down", "Down"},
        {PadControl::LeftShoulder, "Shift+Tab", "Shift+Tab", "Shift+Tab"},
        {PadControl::RightShoulder, "Tab", "Tab", "Tab"},
        {PadControl::Start, "Alt+F", "Alt+F", "Alt+F"},
        {PadControl::Back, "F1", "F1", "F1"},
        {PadControl::LeftTrigger, "A", "A", ""},
        {PadControl::RightTrigger, "F", "F", ""},
        {PadControl::LeftStick, "H", "H", ""},
        {PadControl::RightStick, "F11", "F11", "F11"},
    };
    ASSERT_EQ(padBindings().size(), std::size(cases)) << "one binding per control";
    for (const Case& c : cases) {
        SCOPED_TRACE(padBinding(c.control)->name.data());
        EXPECT_EQ(padKeyName(padKey(c.control, PadFocus::Machine)), c.machine);
        EXPECT_EQ(padKeyName(padKey(c.control, PadFocus::Window)), c.window);
        EXPECT_EQ(padKeyName(padKey(c.control, PadFocus::Menu)), c.menuOrField);
        EXPECT_EQ(padKeyName(padKey(c.control, PadFocus::TextField)), c.menuOrField);
    }
    EXPECT_EQ(padKeyText(padKey(PadControl::X, PadFocus::Machine)), QStringLiteral("b"))
        << "typed as the keyboard";
    EXPECT_EQ(padKeyText(padKey(PadControl::LeftShoulder, PadFocus::Window)), QString());
}

TEST_F(Gamepad, APadPluggedInWhileRunningIsOpenedAndUnpluggingItIsHarmless) {
    EXPECT_EQ(padKeyTarget(), nullptr) << "no window: a press goes nowhere";
    auto window = open();
    GamepadInput input(window.get());
    ASSERT_TRUE(input.available());
    input.poll();
    EXPECT_EQ(input.padCount(), 0);

    VirtualPad pad;
    ASSERT_TRUE(pad.plugged()) << SDL_GetError();
    input.poll();
    EXPECT_EQ(input.padCount(), 1) << "picked up while running";
    pad.tap(input, SDL_CONTROLLER_BUTTON_X);
    deliver();
    EXPECT_EQ(window->machine().state().Coins, 1);

    pad.unplug();
    input.poll();
    deliver();
    EXPECT_EQ(input.padCount(), 0);
    EXPECT_EQ(window->machine().state().Coins, 1) << "the buttons let go at the unplugging press nothing";
    VirtualPad again;
    input.poll();
    EXPECT_EQ(input.padCount(), 1) << "and plugged in again";
}

TEST_F(Gamepad, OnTheMachineTheControlsArriveAsItsKeysAndPlayIt) {
    auto window = open();
    GamepadInput input(window.get());
    VirtualPad pad;
    input.poll();
    KeyLog log;
    for (const SDL_GameControllerButton button :
         {SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_DPAD_UP, SDL_CONTROLLER_BUTTON_DPAD_RIGHT,
          SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_CONTROLLER_BUTTON_X, SDL_CONTROLLER_BUTTON_A}) {
        pad.tap(input, button);
    }
    deliver();
    EXPECT_EQ(log.keysTo(window.get()), QStringList({"1", "2", "3", "Down", "B", "Space"}));
    EXPECT_EQ(window->machine().state().Spins, 1) << "X bet a coin, A spun it";
    EXPECT_EQ(window->machine().state().LastCoins, 1);

    pad.pull(input, SDL_CONTROLLER_AXIS_TRIGGERRIGHT);
    deliver();
    EXPECT_TRUE(window->machine().quickSpin()) << "RT is F, quick spin";

    pad.tap(input, SDL_CONTROLLER_BUTTON_START);
    deliver();
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr) << "Start opens the menu bar's first menu";
    EXPECT_EQ(menu, window->menuBar()->actions().at(0)->menu());
    pad.tap(input, SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    deliver();
    EXPECT_EQ(QApplication::activePopupWidget(), window->menuBar()->actions().at(1)->menu())
        << "in the menus the D-pad moves: Options";
    const bool soundWasOn = window->machine().state().SoundOn;
    pad.tap(input, SDL_CONTROLLER_BUTTON_A);
    deliver();
    EXPECT_NE(window->machine().state().SoundOn, soundWasOn) << "A chose its first item, Sound";

    pad.tap(input, SDL_CONTROLLER_BUTTON_START);
    pad.tap(input, SDL_CONTROLLER_BUTTON_B);
    deliver();
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "B closes the menu";
}

TEST_F(Gamepad, InAWindowTheDpadMovesAndBCancelsWhileItsEventLoopRuns) {
    auto window = open();
    GamepadInput input(window.get());
    VirtualPad pad;
    input.poll();
    bool cancelled = false;
    KeyLog log;
    QWidget* form = nullptr;
    pad.pull(input, SDL_CONTROLLER_AXIS_TRIGGERLEFT);
    // Once LT's key has opened the window, inside its event loop, before the desktop
    // has moved the focus into it:
    QTimer::singleShot(0, [&] {
        form = QApplication::activeModalWidget();
        ASSERT_NE(form, nullptr) << "LT opens the autoplay window";
        QObject::connect(qobject_cast<QDialog*>(form), &QDialog::rejected, [&] { cancelled = true; });
        pad.tap(input, SDL_CONTROLLER_BUTTON_DPAD_LEFT);
        deliver();
        pad.tap(input, SDL_CONTROLLER_BUTTON_B);
    });
    deliver();
    EXPECT_EQ(log.keysTo(window.get()), QStringList({"A"}));
    EXPECT_EQ(log.keysTo(form), QStringList({"Left", "Esc"}));
    EXPECT_TRUE(cancelled);
    EXPECT_FALSE(window->autoplay().running());
}

TEST(GamepadFocus, MenusAndFieldsThatTakeTextAreTheirOwnAndOnlyTheMachineWindowIsTheMachine) {
    QWidget machine;
    QWidget* view = new QWidget(&machine);
    QDialog dialog(&machine);
    auto* name = new QLineEdit(&dialog);
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    QMenu menu(&machine);
    EXPECT_EQ(padFocusOf(*view, &machine), PadFocus::Machine);
    EXPECT_EQ(padFocusOf(*name, &machine), PadFocus::TextField);
    EXPECT_EQ(padFocusOf(*ok, &machine), PadFocus::Window);
    QComboBox choice(&dialog);
    EXPECT_EQ(padFocusOf(menu, &machine), PadFocus::Menu) << "a menu of the machine is no part of it";
    EXPECT_EQ(padFocusOf(*choice.view(), &machine), PadFocus::Menu) << "nor is a choice's list";
    name->setReadOnly(true);
    EXPECT_EQ(padFocusOf(*name, &machine), PadFocus::Window) << "a field that takes no text";
}

TEST_F(Gamepad, KeysGoToTheModalWindowOrAWindowOpenedOverIt) {
    QWidget machine;
    auto* view = new QLineEdit(&machine);
    machine.show();
    machine.activateWindow();
    ASSERT_TRUE(waitUntil([&] { return QApplication::focusWidget() == view; }));
    QDialog chart(&machine);
    chart.setModal(true);
    auto* close = new QPushButton(QStringLiteral("Close"), &chart);
    close->setFocus();
    chart.show();
    EXPECT_EQ(padKeyTarget(), close) << "not the machine, which it blocks, while the focus moves";

    QWidget help;
    auto* page = new QLineEdit(&help);
    help.show();
    help.windowHandle()->setTransientParent(chart.windowHandle());
    help.activateWindow();
    ASSERT_TRUE(waitUntil([&] { return QApplication::focusWidget() == page; }));
    EXPECT_EQ(padKeyTarget(), page) << "the help window over the modal one";
}
