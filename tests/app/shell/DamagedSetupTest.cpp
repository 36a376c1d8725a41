#include "ShellFixture.h"

#include "shell/ModuleTable.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtTest>

#include <random>

// A settings file full of garbage must open every window without a crash,
// with no window larger than the desktop or off it.
class DamagedSetupTest : public QObject {
    Q_OBJECT
private slots:
    void everyWindowOpensOverGarbage_data()
    {
        QTest::addColumn<int>("seed");
        QTest::addColumn<int>("fill"); // -1: random bytes; else this byte with random ones among it
        QTest::newRow("random") << 1 << -1;
        QTest::newRow("mostly zero") << 2 << 0x00;
        QTest::newRow("mostly 0xFF") << 3 << 0xFF;
    }

    void everyWindowOpensOverGarbage()
    {
        QFETCH(int, seed);
        QFETCH(int, fill);
        ShellFixture f;
        std::mt19937 rng(static_cast<unsigned>(seed));
        std::vector<std::uint8_t> bytes(tvx::setup::RecordSize);
        for (auto& b : bytes)
            b = static_cast<std::uint8_t>(fill < 0 || rng() % 8 == 0 ? rng() : unsigned(fill));
        f.writeSetup(tvx::SetupRecord(bytes));
        TFormMain& main = f.start();
        const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(desktop.intersects(main.frameGeometry()));
        for (std::size_t i = 0; i < ModuleCount; ++i) {
            main.toggleModule(i);
            QWidget* w = main.moduleWindow(i);
            QVERIFY2(w != nullptr, moduleTable()[i].windowClass);
            w->activateWindow();
            QCoreApplication::processEvents();
            // A window's own minimum may exceed a small test screen; a stored size may not.
            QVERIFY2(w->width() <= std::max(desktop.width(), w->minimumWidth()) &&
                         w->height() <= std::max(desktop.height(), w->minimumHeight()),
                     moduleTable()[i].windowClass);
        }
        QVERIFY(main.CloseModule());
    }
};

QTEST_MAIN(DamagedSetupTest)
#include "DamagedSetupTest.moc"
