#include "ui/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

constexpr int kWaitMs = 2000;
const QByteArray kRaise = QByteArrayLiteral("raise\n");

} // namespace

QString SingleInstance::serverNameFor(const QString& folder)
{
#ifdef Q_OS_WIN
    // Pipe names are not paths: derive a per-user name from the user's folder.
    const QByteArray hash = QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QStringLiteral("korvanta-") + QString::fromLatin1(hash.left(16));
#else
    return QDir(folder).filePath(QStringLiteral("korvanta.socket"));
#endif
}

SingleInstance::SingleInstance(const QString& folder)
    : lock_(QDir(folder).filePath(QStringLiteral("korvanta.lock"))), serverName_(serverNameFor(folder))
{
    QDir().mkpath(folder);
    // Age never makes a lock stale: the first may run for days. A dead owner does.
    lock_.setStaleLockTime(0);
    const bool locked = lock_.tryLock(0);
    // When the lock cannot be made at all, starting beats refusing to start.
    first_ = locked || lock_.error() != QLockFile::LockFailedError;
    if (!first_)
        return;
    QLocalServer::removeServer(serverName_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    server_.listen(serverName_);
}

bool SingleInstance::askFirstToRaise()
{
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(kWaitMs))
        return false;
    socket.write(kRaise);
    const bool sent = socket.waitForBytesWritten(kWaitMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(kWaitMs);
    return sent;
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto readRequests = [this, socket] {
            while (socket->canReadLine()) {
                if (socket->readLine() == kRaise && onRaise_)
                    onRaise_();
            }
        };
        connect(socket, &QLocalSocket::readyRead, this, readRequests);
        readRequests();
    }
}

QString SingleInstance::userFolder()
{
#ifdef Q_OS_WIN
    // Qt's runtime location is the user's home folder there: the user's local application data
    // (%LOCALAPPDATA%, C:\Users\NAME\AppData\Local) instead, in a folder of Korvanta's own.
    QString local = qEnvironmentVariable("LOCALAPPDATA");
    if (local.isEmpty())
        local = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!local.isEmpty())
        return QDir(local).filePath(QStringLiteral("Korvanta"));
#endif
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}
