#include "ShellFixture.h"

#include "setup/SetupLayout.h"
#include "shell/AppContext.h"
#include "shell/ModuleTable.h"
#include "shell/TFormPreference.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class TFormPreferenceTest : public QObject {
    Q_OBJECT

    // Opens Preferences through the toolbar and activates it.
    static TFormPreference* open(TFormMain& main)
    {
        const std::size_t index = moduleIndexOfClass("TFormPreference");
        main.toggleModule(index);
        auto* w = qobject_cast<TFormPreference*>(main.moduleWindow(index));
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w))
            w->loadControls();
        return w;
    }

private slots:
    void freshRecordTicksOnlyUseDefaultDatabase()
    {
        ShellFixture f;
        TFormPreference* w = open(f.start());
        for (QCheckBox* box : w->findChildren<QCheckBox*>())
            QCOMPARE(box->isChecked(), box->objectName() == QStringLiteral("CheckBoxUseDefaultDatabase"));
        QCOMPARE(w->size(), QSize(420, 320));
    }

    void clickWritesItsOffset_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("whenTicked");
        QTest::newRow("tray") << "CheckBoxTrayIcon" << 16 << 1;
        QTest::newRow("stay on top") << "CheckBoxToolBarStayOnTop" << 20 << 1;
        QTest::newRow("confirm save list") << "CheckBoxConfirmSaveList" << 36 << 1;
        QTest::newRow("confirm close") << "CheckBoxConfirmClose" << 40 << 1;
        QTest::newRow("start minimized") << "CheckBoxStartMinimized" << 44 << 1;
        QTest::newRow("use default database (inverted)") << "CheckBoxUseDefaultDatabase" << 48 << 0;
    }

    void clickWritesItsOffset()
    {
        QFETCH(QString, box);
        QFETCH(int, offset);
        QFETCH(int, whenTicked);
        ShellFixture f;
        TFormMain& main = f.start();
        TFormPreference* w = open(main);
        auto* check = w->findChild<QCheckBox*>(box);
        const bool wasTicked = check->isChecked();
        check->click();
        QCOMPARE(check->isChecked(), !wasTicked);
        const int expected = check->isChecked() ? whenTicked : 1 - whenTicked;
        QCOMPARE(main.context().setup().int32AtOffset(std::size_t(offset)), expected);
        check->click();
        QCOMPARE(main.context().setup().int32AtOffset(std::size_t(offset)), 1 - expected);
    }

    void useDefaultDatabaseUpdatesStatusBarAtOnce()
    {
        ShellFixture f;
        TFormMain& main = f.start();
        TFormPreference* w = open(main);
        w->findChild<QCheckBox*>(QStringLiteral("CheckBoxUseDefaultDatabase"))->click();
        QCOMPARE(main.findChild<QLabel*>(QStringLiteral("StatusPanel1"))->text(),
                 QStringLiteral("Default Database OFF"));
    }

    void clearedUserNameStoresPlaceholder()
    {
        ShellFixture f;
        TFormMain& main = f.start();
        TFormPreference* w = open(main);
        auto* edit = w->findChild<QLineEdit*>(QStringLiteral("EditUserName"));
        QTest::keyClicks(edit, QStringLiteral("Ann"));
        QCOMPARE(main.context().setup().get(tvx::setup::UserName), std::string("Ann"));
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QCOMPARE(main.context().setup().get(tvx::setup::UserName), std::string("<User Name>"));
    }

    void missingDataFolderFallsBackToDataFolder()
    {
        ShellFixture f;
        tvx::SetupRecord record;
        record.set(tvx::setup::UserDataFolder, "/no/such/folder");
        f.writeSetup(record);
        TFormMain& main = f.start();
        TFormPreference* w = open(main);
        const QString dataFolder = f.folder() + QStringLiteral("Data");
        QCOMPARE(w->findChild<QLineEdit*>(QStringLiteral("EditDataFolder"))->text(), dataFolder);
        QCOMPARE(QString::fromStdString(main.context().setup().get(tvx::setup::UserDataFolder)), dataFolder);
        QCOMPARE(main.context().userDataFolder(), dataFolder + QLatin1Char('/'));
    }

    void selectedFolderIsUsedAtOnce()
    {
        ShellFixture f;
        TFormMain& main = f.start();
        TFormPreference* w = open(main);
        const QString lists = f.folder() + QStringLiteral("Show Lists");
        QVERIFY(QDir().mkpath(lists));
        w->findChild<QPushButton*>(QStringLiteral("ButtonBrowse"))->click();
        QCOMPARE(w->width(), 640);
        w->selectTreeFolder(lists);
        QTRY_COMPARE(w->selectedTreeFolder(), lists);
        w->findChild<QPushButton*>(QStringLiteral("BitBtnSelectFolder"))->click();
        QCOMPARE(w->width(), 420);
        QCOMPARE(w->findChild<QLineEdit*>(QStringLiteral("EditDataFolder"))->text(), lists);
        QCOMPARE(QString::fromStdString(main.context().setup().get(tvx::setup::UserDataFolder)), lists);
        QCOMPARE(main.context().userDataFolder(), lists + QLatin1Char('/'));
    }

    void folderPathOver255CharactersIsRefused()
    {
        ShellFixture f;
        TFormMain& main = f.start();
        TFormPreference* w = open(main);
        QString deep = f.folder();
        while (deep.size() <= 260)
            deep += QString(60, QLatin1Char('d')) + QLatin1Char('/');
        deep.chop(1);
        QVERIFY(QDir().mkpath(deep));
        const std::string before = main.context().setup().get(tvx::setup::UserDataFolder);
        w->selectTreeFolder(deep);
        QTRY_COMPARE(w->selectedTreeFolder(), deep);
        w->findChild<QPushButton*>(QStringLiteral("BitBtnSelectFolder"))->click();
        QCOMPARE(f.prompts.askedTexts(),
                 QStringList{QStringLiteral("Folder Path is longer than 255 characters, select another folder")});
        QCOMPARE(main.context().setup().get(tvx::setup::UserDataFolder), before);
    }
};

QTEST_MAIN(TFormPreferenceTest)
#include "TFormPreferenceTest.moc"
