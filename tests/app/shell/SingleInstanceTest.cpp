#include "shell/SingleInstance.h"

#include <QLocalSocket>
#include <QSignalSpy>
#include <QUuid>
#include <QtTest>

class SingleInstanceTest : public QObject {
    Q_OBJECT
private:
    static QString uniqueKey() { return QStringLiteral("tvx-test-") + QUuid::createUuid().toString(QUuid::Id128); }

private slots:
    void secondStartWakesTheFirst()
    {
        const QString key = uniqueKey();
        SingleInstance first(key);
        QVERIFY(first.tryBecomePrimary());
        QSignalSpy woken(&first, &SingleInstance::wakeRequested);

        SingleInstance second(key);
        QVERIFY(!second.tryBecomePrimary());
        QVERIFY(second.wakePrimary());
        QTRY_COMPARE(woken.count(), 1);
    }

    void anyOtherMessageIsIgnored()
    {
        const QString key = uniqueKey();
        SingleInstance first(key);
        QVERIFY(first.tryBecomePrimary());
        QSignalSpy woken(&first, &SingleInstance::wakeRequested);

        const QString socketPath =
            QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)).filePath(key + ".socket");
        for (const QByteArray& junk : {QByteArray("hello\n"), SingleInstance::wakeMessage() + "x",
                                       QByteArray(100000, 'A')}) {
            QLocalSocket socket;
            socket.connectToServer(socketPath);
            QVERIFY(socket.waitForConnected(1000));
            socket.write(junk);
            socket.waitForBytesWritten(1000);
            QTest::qWait(100);
        }
        QTest::qWait(100);
        QCOMPARE(woken.count(), 0);
    }

    void lockIsFreedWhenThePrimaryEnds()
    {
        const QString key = uniqueKey();
        {
            SingleInstance first(key);
            QVERIFY(first.tryBecomePrimary());
        }
        SingleInstance next(key);
        QVERIFY(next.tryBecomePrimary());
        SingleInstance nobody(uniqueKey());
        QVERIFY(!nobody.wakePrimary(300));
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
