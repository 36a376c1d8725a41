#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// Runs the real program twice in a fresh working folder.
class ProgramStartTest : public QObject {
    Q_OBJECT
private slots:
    void secondStartExitsAtOnce()
    {
        QTemporaryDir work;
        QTemporaryDir runtime;
        QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());

        QProcess first;
        first.setProcessEnvironment(env);
        first.setWorkingDirectory(work.path());
        first.start(QStringLiteral(TVX_PROGRAM_PATH), {});
        QVERIFY(first.waitForStarted());
        // A fresh folder gets its folders and a zeroed setup file.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(work.path() + QStringLiteral("/Data/TvxSetup.tvx")), 10000);
        QVERIFY(QFileInfo(work.path() + QStringLiteral("/Resources")).isDir());
        QCOMPARE(QFileInfo(work.path() + QStringLiteral("/Data/TvxSetup.tvx")).size(), 58376);

        QProcess second;
        second.setProcessEnvironment(env);
        second.setWorkingDirectory(work.path());
        second.start(QStringLiteral(TVX_PROGRAM_PATH), {});
        QVERIFY(second.waitForFinished(5000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);

        first.terminate();
        if (!first.waitForFinished(3000)) {
            first.kill();
            first.waitForFinished(3000);
        }
    }
};

QTEST_MAIN(ProgramStartTest)
#include "ProgramStartTest.moc"
