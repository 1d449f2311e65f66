#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <functional>

// At most one program per user. The first start holds a lock file and listens on a local socket
// beside it; a later start finds the lock held, asks the first through the socket to come to
// the front, and ends. A lock left by a crashed program names a process that is gone, so the
// next start takes it over, and it replaces the socket left behind.
class SingleInstance : public QObject {
public:
    // The lock and the socket live in folder, which should be private to the user.
    explicit SingleInstance(const QString& folder);

    bool isFirst() const { return first_; }
    // A later start: asks the first to come to the front. False when it could not be reached.
    bool askFirstToRaise();
    // The first start: what to do when a later one asks.
    void setRaiseHandler(std::function<void()> handler) { onRaise_ = std::move(handler); }

    // The user's runtime folder (XDG_RUNTIME_DIR); on Windows %LOCALAPPDATA%\Korvanta.
    static QString userFolder();
    // The local socket's name for folder: a file there, on Windows a pipe named after it.
    static QString serverNameFor(const QString& folder);
    const QString& serverName() const { return serverName_; }

private:
    void acceptConnections();

    QLockFile lock_;
    QString serverName_;
    QLocalServer server_;
    bool first_ = false;
    std::function<void()> onRaise_;
};
