#pragma once

#include <QByteArray>
#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

// One running program per user. The first start holds a lock file and listens
// on a local socket in the user's private runtime folder; a later start cannot
// take the lock, sends the wake-up message and ends. The socket accepts nothing
// but that message.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // key: the per-user name; tests pass their own to stay apart.
    explicit SingleInstance(const QString& key = defaultKey(), QObject* parent = nullptr);
    ~SingleInstance() override;

    static QString defaultKey();
    static QByteArray wakeMessage();

    // Takes the lock and starts listening. False when another instance holds it.
    bool tryBecomePrimary();
    // Sends the wake-up message to the primary instance; false if none answered.
    bool wakePrimary(int timeoutMs = 2000);

    bool isPrimary() const { return server_ != nullptr; }

signals:
    void wakeRequested();

private:
    void onNewConnection();

    QString folder_;
    QString key_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer* server_ = nullptr;
};
