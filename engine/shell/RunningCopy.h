#pragma once

#include <QLocalServer>
#include <QString>
#include <functional>

class QWidget;

namespace slotmachine {

// A second start of a game whose record file another copy plays asks that copy to
// come forward before it ends, so that starting the game always shows it. The copy
// that holds the record file's lock listens on a local socket whose name comes from
// the record file's path: copies of different record folders never talk to each
// other. The request is one line, the activation token the second copy was started
// with (XDG_ACTIVATION_TOKEN, which a Wayland launcher hands it), empty without one.

// The socket's name for the record file at `recordPath`.
QString runningCopyServerName(const QString& recordPath);

// In the copy that plays the record file: hears requests to come forward and hands
// each one's activation token to `comeForward`.
class RaiseRequests final {
public:
    RaiseRequests(const QString& recordPath, std::function<void(const QString& activationToken)> comeForward);
    RaiseRequests(const RaiseRequests&) = delete;
    RaiseRequests& operator=(const RaiseRequests&) = delete;

    bool listening() const { return server_.isListening(); }

private:
    void answer();

    QLocalServer server_;
    std::function<void(const QString&)> comeForward_;
};

// In a second copy: asks the copy that plays the record file to come forward,
// passing on this process's activation token. False when no copy answered within
// `timeoutMs` (one still starting may not listen yet).
bool askRunningCopyToComeForward(const QString& recordPath, int timeoutMs = 1000);

// Brings a top-level window forward: restored if minimised, shown, raised and
// activated, and a modal window open on it with it. Under Wayland the compositor
// decides: with an activation token Qt can ask it for the focus, without one it
// may only mark the window as wanting attention.
void bringToFront(QWidget& window, const QString& activationToken);

} // namespace slotmachine
