#include "ShellFixture.h"

#include "setup/SetupLayout.h"
#include "shell/AppContext.h"
#include "shell/ModuleTable.h"
#include "widgets/ModuleWindow.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QtTest>

namespace {

std::size_t indexOf(const char* windowClass)
{
    return moduleIndexOfClass(windowClass);
}

// A module window that refuses to close, as a list window does when its
// "save the list?" question is cancelled.
class ListKeepingWindow : public ModuleWindow {
public:
    using ModuleWindow::ModuleWindow;
    bool allowClose = false;

protected:
    bool canClose() override { return allowClose; }
};

} // namespace

class TFormMainTest : public QObject {
    Q_OBJECT
private slots:
    void freshStartWritesZeroedSetupAndShowsDefaultDatabaseOn()
    {
        ShellFixture f;
        TFormMain& main = f.start(false);
        QCOMPARE(main.windowTitle(), QStringLiteral("Trovanex Voze 1.02 Build 1"));
        QFile file(f.setupFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.size(), 58376);
        QCOMPARE(bytes.count('\0'), 58376);
        QCOMPARE(main.findChild<QLabel*>(QStringLiteral("StatusPanel1"))->text(), QStringLiteral("Default Database ON"));
        QCOMPARE(f.prompts.askedTexts(), QStringList({QStringLiteral("The default manufacturer File was not found"),
                                                      QStringLiteral("The default Fixture File was not found")}));
        for (const char* name : {"DataFixture.dbd", "DataFixtureUser.dbu", "DataManufacturer.dbd",
                                 "DataManufacturerUser.dbu", "DataRoadCase.dbu"})
            QVERIFY2(QFile::exists(f.folder() + QStringLiteral("Data/") + QLatin1String(name)), name);
    }

    void statusBarShowsDefaultDatabaseOff()
    {
        ShellFixture f;
        tvx::SetupRecord record;
        record.set(tvx::setup::DefaultCataloguesExcluded, 1);
        f.writeSetup(record);
        TFormMain& main = f.start();
        QCOMPARE(main.findChild<QLabel*>(QStringLiteral("StatusPanel1"))->text(),
                 QStringLiteral("Default Database OFF"));
    }

    void toolbarLayoutFollowsTheModuleTable()
    {
        ShellFixture f;
        TFormMain& main = f.start();
        const QStringList expected = {"SpeedButtonPhotometric", "SpeedButtonElectricalBasicFormula",
                                      "SpeedButtonElectricalPhaseLoad", "SpeedButtonElectricalLoadList",
                                      "SpeedButtonElectricalVoltageDrop", "SpeedButtonResistanceColorCode",
                                      "SpeedButtonRigging", "SpeedButtonWeightLoadList",
                                      "SpeedButtonTruckLoadVolume", "SpeedButtonGeneralConverter",
                                      "SpeedButtonDMXAddress", "SpeedButtonManufacturerDatabase",
                                      "SpeedButtonFixtureDatabase", "SpeedButtonRoadCaseDatabase",
                                      "SpeedButtonPreference", "SpeedButtonHelp", "SpeedButtonMinimizedAllWindow",
                                      "SpeedButtonCloseAllWindows", "SpeedButtonSendToTrayIcon"};
        for (int i = 0; i < expected.size(); ++i) {
            auto* b = main.findChild<QToolButton*>(expected[i]);
            QVERIFY2(b != nullptr, qPrintable(expected[i]));
            QCOMPARE(b->geometry(), QRect(2 + 29 * i, 3, 26, 26));
        }
        QVERIFY(!main.findChild<QToolButton*>(QStringLiteral("SpeedButtonHelp"))->isEnabled());
        QCOMPARE(main.findChild<QToolButton*>(QStringLiteral("SpeedButtonWeightLoadList"))->toolTip(),
                 QStringLiteral("Weigth Load List"));
    }

    void eachEntryTogglesItsModule_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("windowClass");
        QTest::addColumn<QString>("caption");
        QTest::newRow("button") << "SpeedButtonElectricalBasicFormula" << "TFormElectricalBasicFormula"
                                << "TVX Basic Electrical Formula";
        QTest::newRow("Modules menu") << "ElectricalBasicLaws1" << "TFormElectricalBasicFormula"
                                      << "TVX Basic Electrical Formula";
        QTest::newRow("tray popup") << "DMXAddress3" << "TFormDMXAddress2" << "TVX DMX Address Calculator";
        QTest::newRow("preferences") << "Preference1" << "TFormPreference" << "TVX Preferences";
    }

    void eachEntryTogglesItsModule()
    {
        QFETCH(QString, control);
        QFETCH(QString, windowClass);
        QFETCH(QString, caption);
        ShellFixture f;
        TFormMain& main = f.start();
        const std::size_t index = indexOf(windowClass.toLatin1().constData());
        auto trigger = [&]() {
            if (auto* b = main.findChild<QToolButton*>(control))
                QTest::mouseClick(b, Qt::LeftButton);
            else
                main.findChild<QAction*>(control)->trigger();
        };
        trigger();
        QWidget* w = main.moduleWindow(index);
        QVERIFY(w != nullptr);
        QCOMPARE(TFormMain::windowClassOf(w), windowClass);
        QCOMPARE(w->windowTitle(), caption);
        QVERIFY(w->isVisible());
        QPointer<QWidget> guard(w);
        trigger();
        QVERIFY(main.moduleWindow(index) == nullptr);
        QTRY_VERIFY(guard.isNull());
    }

    void rightPressRestoresAMinimizedModuleAndLeavesItOpen()
    {
        ShellFixture f;
        TFormMain& main = f.start();
        const std::size_t rigging = indexOf("TFormRigging");
        main.toggleModule(rigging);
        QWidget* w = main.moduleWindow(rigging);
        w->setWindowState(Qt::WindowMinimized);
        QVERIFY(w->isMinimized());
        QTest::mousePress(main.moduleButton(rigging), Qt::RightButton);
        QTest::mouseRelease(main.moduleButton(rigging), Qt::RightButton);
        QCOMPARE(main.moduleWindow(rigging), w);
        QVERIFY(!w->isMinimized());
    }

    void minimizeAllTouchesOnlyModules()
    {
        ShellFixture f;
        TFormMain& main = f.start();
        main.minimizeAllModules();
        QVERIFY(!main.isMinimized());

        main.toggleModule(indexOf("TFormPhotometric"));
        main.toggleModule(indexOf("TFormRigging"));
        main.findChild<QToolButton*>(QStringLiteral("SpeedButtonMinimizedAllWindow"))->click();
        QVERIFY(main.moduleWindow(indexOf("TFormPhotometric"))->isMinimized());
        QVERIFY(main.moduleWindow(indexOf("TFormRigging"))->isMinimized());
        QVERIFY(!main.isMinimized());
    }

    void closeAllVisitsPreferencesFirst()
    {
        ShellFixture f;
        TFormMain& main = f.start();
        QStringList order;
        for (const char* cls : {"TFormRigging", "TFormPhotometric", "TFormPreference"}) {
            const std::size_t i = indexOf(cls);
            main.toggleModule(i);
            auto* w = qobject_cast<ModuleWindow*>(main.moduleWindow(i));
            connect(w, &ModuleWindow::closed, this, [&order, cls]() { order << QString::fromLatin1(cls); });
        }
        main.findChild<QAction*>(QStringLiteral("Closeallwindows1"))->trigger();
        QCOMPARE(order, QStringList({"TFormPreference", "TFormPhotometric", "TFormRigging"}));
        for (std::size_t i = 0; i < ModuleCount; ++i)
            QVERIFY(main.moduleWindow(i) == nullptr);
    }

    void exitWithoutConfirmationSavesEverything()
    {
        ShellFixture f;
        TFormMain& main = f.start();
        main.move(123, 45);
        main.context().setLastListFolder(f.folder() + QStringLiteral("Lists"));
        main.toggleModule(indexOf("TFormPhotometric"));
        QVERIFY(main.close());
        QVERIFY(f.prompts.asked().isEmpty());
        QVERIFY(main.moduleWindow(indexOf("TFormPhotometric")) == nullptr);
        const tvx::SetupRecord saved = f.savedSetup();
        QCOMPARE(saved.get(tvx::setup::SaveMarker), 1);
        QCOMPARE(saved.get(tvx::setup::ToolbarLeft), main.x());
        QCOMPARE(saved.get(tvx::setup::ToolbarTop), main.y());
        QCOMPARE(QString::fromStdString(saved.get(tvx::setup::LastListFolder)), f.folder() + QStringLiteral("Lists/"));
    }

    void exitConfirmation_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Yes") << int(Prompts::Answer::Yes) << true;
        QTest::newRow("No") << int(Prompts::Answer::No) << false;
    }

    void exitConfirmation()
    {
        QFETCH(int, answer);
        QFETCH(bool, closes);
        ShellFixture f;
        tvx::SetupRecord record;
        record.set(tvx::setup::ConfirmClose, 1);
        f.writeSetup(record);
        TFormMain& main = f.start();
        f.prompts.queueAnswer(Prompts::Answer(answer));
        QCOMPARE(main.close(), closes);
        QCOMPARE(f.prompts.askedTexts(), QStringList{QStringLiteral("Do you want to close the  program?")});
        QCOMPARE(f.prompts.asked().first().icon, Prompts::Icon::Warning);
        QCOMPARE(f.savedSetup().get(tvx::setup::SaveMarker), closes ? 1 : 0);
    }

    void moduleThatKeepsItsWindowStopsTheExit()
    {
        ShellFixture f;
        TFormMain& main = f.start();
        ListKeepingWindow* keeper = nullptr;
        main.setModuleFactory([&keeper](std::size_t, AppContext& context) {
            keeper = new ListKeepingWindow(context);
            return keeper;
        });
        const std::size_t list = indexOf("TFormElectricalLoadList");
        main.toggleModule(list);
        QVERIFY(!main.close());
        QCOMPARE(main.moduleWindow(list), keeper);
        QCOMPARE(f.savedSetup().get(tvx::setup::SaveMarker), 0);

        keeper->allowClose = true;
        QVERIFY(main.close());
        QCOMPARE(f.savedSetup().get(tvx::setup::SaveMarker), 1);
    }

    void failingModuleIsReportedAndNotLeftOpen()
    {
        ShellFixture f;
        TFormMain& main = f.start();
        main.setModuleFactory([](std::size_t, AppContext&) -> ModuleWindow* { throw std::runtime_error("no memory"); });
        main.toggleModule(indexOf("TFormRigging"));
        QVERIFY(main.moduleWindow(indexOf("TFormRigging")) == nullptr);
        QCOMPARE(f.prompts.asked().size(), 1);
        QVERIFY(f.prompts.asked().first().text.contains(QStringLiteral("no memory")));
    }

    void shortSetupFileIsReportedAndKept()
    {
        ShellFixture f;
        QDir().mkpath(f.folder() + QStringLiteral("Data"));
        QFile file(f.setupFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(100, '\x01'));
        file.close();
        TFormMain& main = f.start();
        QCOMPARE(f.prompts.asked().size(), 1);
        QVERIFY(QFile::exists(f.setupFile() + QStringLiteral(".bad")));
        QCOMPARE(main.context().setup().get(tvx::setup::ToolbarLeft), 0x01010101);
    }

    void doubleClickRevealsSaveDefaultData()
    {
        ShellFixture f;
        TFormMain& main = f.start();
        QVERIFY(!main.saveDefaultDataAction()->isVisible());
        QTest::mouseDClick(main.centralWidget(), Qt::LeftButton, {}, QPoint(545, 10));
        QVERIFY(main.saveDefaultDataAction()->isVisible());
        QVERIFY(!main.saveDefaultDataAction()->isChecked());
    }

    void sendToTrayWithoutTrayMinimizesToTaskBar()
    {
        ShellFixture f;
        TFormMain& main = f.start();
        main.toggleModule(indexOf("TFormPhotometric"));
        main.findChild<QToolButton*>(QStringLiteral("SpeedButtonSendToTrayIcon"))->click();
        QVERIFY(main.isMinimized());
        QVERIFY(main.moduleWindow(indexOf("TFormPhotometric"))->isMinimized());
        main.wakeUp();
        QVERIFY(!main.isMinimized());
        QVERIFY(!main.moduleWindow(indexOf("TFormPhotometric"))->isMinimized());
    }
};

QTEST_MAIN(TFormMainTest)
#include "TFormMainTest.moc"
