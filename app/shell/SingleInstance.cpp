#include "shell/SingleInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QPointer>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <unistd.h>

namespace {

// The message a second start sends; the toolbar window restores itself or
// comes to the front when it arrives.
constexpr char kWake[] = "TVX-WAKE 0x1400\n";

QString privateFolder()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QDir().mkpath(dir);
    return dir;
}

} // namespace

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent), folder_(privateFolder()), key_(key)
{
}

SingleInstance::~SingleInstance()
{
    if (server_ != nullptr)
        server_->close();
}

QString SingleInstance::defaultKey()
{
    // The user id is always set, unlike the user name.
    return QStringLiteral("trovanex-voze-%1").arg(static_cast<qulonglong>(::getuid()));
}

QByteArray SingleInstance::wakeMessage()
{
    return QByteArray(kWake);
}

bool SingleInstance::tryBecomePrimary()
{
    if (server_ != nullptr)
        return true;
    lock_ = std::make_unique<QLockFile>(QDir(folder_).filePath(key_ + QStringLiteral(".lock")));
    lock_->setStaleLockTime(0);
    if (!lock_->tryLock(0)) {
        lock_.reset();
        return false;
    }
    const QString socketPath = QDir(folder_).filePath(key_ + QStringLiteral(".socket"));
    QLocalServer::removeServer(socketPath); // left behind by a crashed run
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(socketPath)) {
        // Still the only instance; it just cannot be woken.
        qWarning("Cannot listen for wake-up messages: %s", qPrintable(server_->errorString()));
    }
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
    return true;
}

bool SingleInstance::wakePrimary(int timeoutMs)
{
    const QString socketPath = QDir(folder_).filePath(key_ + QStringLiteral(".socket"));
    QElapsedTimer timer;
    timer.start();
    // The primary may hold the lock but not listen yet: retry briefly.
    while (timer.elapsed() < timeoutMs) {
        QLocalSocket socket;
        socket.connectToServer(socketPath);
        if (socket.waitForConnected(200)) {
            socket.write(wakeMessage());
            const bool sent = socket.waitForBytesWritten(500);
            socket.disconnectFromServer();
            if (socket.state() != QLocalSocket::UnconnectedState)
                socket.waitForDisconnected(200);
            return sent;
        }
        QThread::msleep(50);
    }
    return false;
}

void SingleInstance::onNewConnection()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto* buffer = new QByteArray;
        QPointer<QLocalSocket> guard(socket);
        const QByteArray expected = wakeMessage();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, buffer, expected]() {
            buffer->append(socket->readAll());
            if (buffer->size() > expected.size() || !expected.startsWith(*buffer)) {
                socket->abort(); // anything but the wake-up message is dropped
                return;
            }
            if (*buffer == expected) {
                buffer->clear();
                socket->disconnectFromServer();
                emit wakeRequested();
            }
        });
        connect(socket, &QObject::destroyed, this, [buffer]() { delete buffer; });
        // A client that never finishes its message is cut off.
        QTimer::singleShot(2000, socket, [guard]() {
            if (guard)
                guard->abort();
        });
    }
}
