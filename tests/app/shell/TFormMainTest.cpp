#include "shell/TFormMain.h"

#include <QtTest>

class TFormMainTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithItsCaption()
    {
        TFormMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Trovanex Voze 1.02 Build 1"));
    }
};

QTEST_MAIN(TFormMainTest)
#include "TFormMainTest.moc"
