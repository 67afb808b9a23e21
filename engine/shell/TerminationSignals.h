#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace slotmachine {

// Turns the signals that ask a program to end (SIGTERM at logout, SIGINT, SIGHUP)
// into a call on the user-interface thread, so the program can close as if the
// player had closed it: the spin settles and the game is stored. The signal
// handler only writes a byte into a pipe; everything else happens in the event loop.
class TerminationSignals final : public QObject {
public:
    explicit TerminationSignals(std::function<void()> requested);
    ~TerminationSignals() override;

private:
    std::function<void()> requested_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace slotmachine
