#include "SingleInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QThread>

SingleInstance::SingleInstance(const QString &folder)
    : socketPath_(QDir(folder).filePath(QStringLiteral("paytick.socket")))
    , lock_(QDir(folder).filePath(QStringLiteral("paytick.lock"))) {
}

bool SingleInstance::claim() {
    QDir().mkpath(QFileInfo(socketPath_).absolutePath());
    // A lock left by a process that died is taken over (QLockFile checks the pid).
    if (!lock_.tryLock(0)) {
        askRunningToActivate();
        return false;
    }
    QLocalServer::removeServer(socketPath_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    server_.listen(socketPath_);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *peer = server_.nextPendingConnection()) {
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            emit activationRequested();
        }
    });
    return true;
}

void SingleInstance::askRunningToActivate() {
    // The running one may still be starting; give it a moment to listen.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 3000) {
        QLocalSocket socket;
        socket.connectToServer(socketPath_);
        if (socket.waitForConnected(500)) {
            socket.write("activate\n");
            socket.waitForBytesWritten(500);
            socket.disconnectFromServer();
            return;
        }
        QThread::msleep(100);
    }
}
