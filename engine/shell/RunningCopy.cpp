#include "engine/shell/RunningCopy.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>
#include <QWidget>

namespace slotmachine {

namespace {

constexpr int PollMs = 50;
// No token is anywhere near this long; a peer that sends more is not a game.
constexpr qint64 MostTokenBytes = 4096;

} // namespace

QString runningCopyServerName(const QString& recordPath) {
    const QFileInfo record(recordPath);
    const QByteArray hash =
        QCryptographicHash::hash(record.absoluteFilePath().toUtf8(), QCryptographicHash::Sha256)
            .toHex()
            .left(16);
    return record.completeBaseName() + QLatin1Char('-') + QString::fromLatin1(hash);
}

RaiseRequests::RaiseRequests(const QString& recordPath, std::function<void(const QString&)> comeForward)
    : comeForward_(std::move(comeForward)) {
    const QString name = runningCopyServerName(recordPath);
    // Only the copy holding the record file's lock gets here, so a socket under this
    // name is one that a killed copy left behind.
    QLocalServer::removeServer(name);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    server_.listen(name);
    QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] { answer(); });
}

void RaiseRequests::answer() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        // The request is complete when the asking copy hangs up.
        const auto finish = [this, socket] {
            const QString token =
                QString::fromUtf8(socket->read(MostTokenBytes)).section(QLatin1Char('\n'), 0, 0);
            socket->deleteLater();
            comeForward_(token.trimmed());
        };
        if (socket->state() == QLocalSocket::UnconnectedState) {
            finish();
        } else {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, finish);
        }
    }
}

bool askRunningCopyToComeForward(const QString& recordPath, int timeoutMs) {
    const QString name = runningCopyServerName(recordPath);
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(name);
        if (socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) {
            break;
        }
        if (deadline.hasExpired()) {
            return false;
        }
        QThread::msleep(PollMs);
    }
    socket.write(qgetenv("XDG_ACTIVATION_TOKEN") + '\n');
    socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime()));
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) {
        socket.waitForDisconnected(static_cast<int>(deadline.remainingTime()));
    }
    return true;
}

void bringToFront(QWidget& window, const QString& activationToken) {
    // Qt's Wayland plugin, in the versions that look here, hands the compositor this
    // token when the window asks to be activated; elsewhere it does no harm.
    if (!activationToken.isEmpty() && QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
    }
    window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window.show();
    window.raise();
    window.activateWindow();
    if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && modal != &window) {
        modal->raise();
        modal->activateWindow();
    }
}

} // namespace slotmachine
