#include "ModuleFixture.h"
#include "catalogue/CatalogueSchemas.h"
#include "electrical/LoadListSchema.h"
#include "electrical/TFormElectricalLoadList.h"
#include "electrical/TFormElectricalLoadPrint1ph.h"
#include "electrical/TFormElectricalLoadPrint3ph.h"
#include "reports/ReportLayout.h"
#include "setup/SetupLayout.h"
#include "shell/AppContext.h"
#include "widgets/ListGrid.h"

#include <QComboBox>
#include <QLabel>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace setup = tvx::setup;
namespace fx = tvx::catalogue::fixture;
namespace elecl = tvx::electrical::elecl;

namespace {

struct FixtureRow {
    const char* name;
    double watts;
    double powerFactor;
};

// A load list window over a fresh start-up folder with a small catalogue.
struct Fixture : ModuleFixture<TFormElectricalLoadList> {
    Fixture()
    {
        context->catalogues().openAll();
        const FixtureRow rows[] = {{"Par 64", 1000, 0}, {"LED Wash", 240, 0.95}, {"Dimmer Rack", 2400, 1}};
        tvx::RecordTable& user = context->catalogues().TableFixtureUser();
        for (const FixtureRow& r : rows) {
            user.append();
            user.setField(fx::Manufacturer, std::string("Lumo"));
            user.setField(fx::FixtureName, std::string(r.name));
            user.setField(fx::Watts, r.watts);
            user.setField(fx::PowerFactor, r.powerFactor);
            user.post();
        }
    }

    tvx::RecordTable& list() { return window->list().table(); }

    void click(const char* name) { get<QToolButton>(name)->click(); }

    // Makes a catalogue record current and adds it `count` times at working-voltage item `item`.
    void add(const char* fixture, int item, int count = 1)
    {
        tvx::RecordTable& t = context->catalogues().TableFixtureMerge2();
        const std::size_t name = t.requireIndex(fx::FixtureName);
        for (std::size_t row = 0; row < t.recordCount(); ++row) {
            if (t.valueAt(row, name) == tvx::Value(std::string(fixture)))
                t.moveTo(row);
        }
        get<QComboBox>("ComboBoxWorkingVoltage")->setCurrentIndex(item);
        if (count == 1) {
            click("ElecL_Add");
        } else {
            get<QSpinBox>("EditNumberDevice1")->setValue(count);
            click("ButtonAddMultiple");
        }
    }

    // Types into the phase-phase field without committing.
    void typeVoltage(const QString& text)
    {
        QLineEdit* edit = get<QComboBox>("EditVoltagePhasePhase")->lineEdit();
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    void commitVoltage() { QTest::keyClick(get<QComboBox>("EditVoltagePhasePhase")->lineEdit(), Qt::Key_Return); }

    void describe(const QString& text)
    {
        QLineEdit* edit = get<QLineEdit>("EditReportName");
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    QString phaseOf(std::size_t row) { return text(row, elecl::ColUsedPhase); }
    QString text(std::size_t row, std::size_t field)
    {
        const auto* s = std::get_if<std::string>(&list().valueAt(row, field));
        return s ? QString::fromStdString(*s) : QString();
    }
    double number(std::size_t row, std::size_t field)
    {
        const auto* d = std::get_if<double>(&list().valueAt(row, field));
        return d ? *d : -1;
    }
    QByteArray bytes(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

} // namespace

class TFormElectricalLoadListTest : public QObject {
    Q_OBJECT

private slots:
    void addingDevicesComputesCurrentsAndTotals()
    {
        Fixture f;
        TFormElectricalLoadList& w = f.open();
        QVERIFY(f.get<QRadioButton>("RB_ThreePhase")->isChecked());
        QCOMPARE(f.get<QComboBox>("EditVoltagePhasePhase")->currentText(), QStringLiteral("208"));
        f.add("Dimmer Rack", 0); // 208 V: phase-phase
        f.add("Par 64", 1, 3);   // 120 V: phase-neutral, catalogue pf 0 stored as 1
        QCOMPARE(f.list().recordCount(), std::size_t(4));
        QCOMPARE(f.phaseOf(0), QStringLiteral("X-Y"));
        QCOMPARE(f.number(0, elecl::ColAmperage), 2400.0 / 208.0);
        QCOMPARE(f.phaseOf(1), QStringLiteral("X-N"));
        QCOMPARE(f.number(1, elecl::ColPowerFactor), 1.0);
        QCOMPARE(f.number(1, elecl::ColAmpXN), 1000.0 / 120.0);
        QCOMPARE(w.listGrid()->footerText(0), QStringLiteral("Qty of Device: 4"));
        QCOMPARE(w.listGrid()->footerText(2), QStringLiteral("120/208V"));
        QCOMPARE(w.listGrid()->footerText(5), QStringLiteral("3-Ph"));
        QVERIFY(f.get<QLabel>("LabelAmpZ")->isVisible());
        QCOMPARE(w.listGrid()->columnTitle(6), QStringLiteral("Amp X-Y"));

        // No working voltage selected: nothing is added.
        f.prompts.clear();
        f.add("Par 64", -1);
        QCOMPARE(f.prompts.askedTexts(), QStringList{QStringLiteral("Select a working voltage")});
        QCOMPARE(f.list().recordCount(), std::size_t(4));

        // Single phase: the Z columns and label go away.
        f.get<QRadioButton>("RB_SinglePhase")->click();
        QCOMPARE(f.get<QComboBox>("EditVoltagePhasePhase")->currentText(), QStringLiteral("240"));
        QVERIFY(f.get<QTableView>("ElecL_Grid_List")->isColumnHidden(8));
        QVERIFY(!f.get<QLabel>("LabelAmpZ")->isVisible());
        QCOMPARE(w.listGrid()->columnTitle(6), QStringLiteral("Amp X"));
        QCOMPARE(f.number(1, elecl::ColVoltage), 120.0);
        QCOMPARE(f.number(0, elecl::ColVoltage), 240.0);
        QCOMPARE(f.get<QLabel>("LabelAmpX")->text(), QStringLiteral("Total Amps X: 35 A"));
    }

    void voltageAppliesWhenCommitted()
    {
        Fixture f;
        f.open();
        f.add("Par 64", 0);
        f.typeVoltage(QStringLiteral("19"));
        QCOMPARE(f.window->list().voltage(), 208); // nothing applied while typing
        QCOMPARE(f.phaseOf(0), QStringLiteral("X-Y"));
        QTest::keyClicks(f.get<QComboBox>("EditVoltagePhasePhase")->lineEdit(), QStringLiteral("0"));
        f.commitVoltage();
        QCOMPARE(f.window->list().voltage(), 190);
        QCOMPARE(f.number(0, elecl::ColVoltage), 190.0);
        QCOMPARE(f.number(0, elecl::ColVoltagePhasePhase), 190.0);
        QCOMPARE(f.get<QComboBox>("ComboBoxWorkingVoltage")->itemText(1), QStringLiteral("110"));

        f.typeVoltage(QStringLiteral("230.5"));
        f.commitVoltage();
        QCOMPARE(f.get<QComboBox>("EditVoltagePhasePhase")->currentText(), QStringLiteral("208"));
        QCOMPARE(f.window->list().voltage(), 208);
    }

    void savedListReopensIdentical()
    {
        Fixture f;
        f.setup().set(setup::UserDataFolder, f.folder().toStdString());
        f.open();
        f.add("Dimmer Rack", 0);
        f.add("LED Wash", 1, 2);
        f.describe(QStringLiteral("Main stage"));
        const QString first = f.folder() + QStringLiteral("show.el3");
        f.prompts.queuePath(first);
        f.click("ElecL_Save");
        QCOMPARE(f.prompts.fileDialogs().last().fileName, QStringLiteral("Main stage.EL3"));
        QVERIFY(!f.window->modified());
        QCOMPARE(f.context->lastListFolder(), f.folder());

        // Reopened into a single-phase window: ".el3" selects three phase
        // again and the list comes back unchanged.
        f.get<QRadioButton>("RB_SinglePhase")->click();
        f.get<QComboBox>("EditVoltagePhasePhase")->setEditText(QString());
        f.get<QLineEdit>("EditReportName")->clear();
        f.prompts.queuePath(first);
        f.prompts.queueAnswer(Prompts::Answer::Yes); // clear the current list
        f.click("ElecL_Open");
        QVERIFY(f.get<QRadioButton>("RB_ThreePhase")->isChecked());
        QCOMPARE(f.list().recordCount(), std::size_t(3));
        QCOMPARE(f.phaseOf(0), QStringLiteral("X-Y"));
        QCOMPARE(f.get<QLineEdit>("EditReportName")->text(), QStringLiteral("Main stage"));
        QCOMPARE(f.get<QComboBox>("EditVoltagePhasePhase")->currentText(), QStringLiteral("208"));
        QVERIFY(!f.window->modified());

        const QString second = f.folder() + QStringLiteral("again.EL3");
        f.prompts.queuePath(second);
        f.click("ElecL_Save");
        QCOMPARE(f.prompts.fileDialogs().last().fileName, QStringLiteral("show.el3"));
        QVERIFY(!f.bytes(first).isEmpty());
        QCOMPARE(f.bytes(second), f.bytes(first));
    }

    void emptyListKeepsItsDescription()
    {
        Fixture f;
        f.open();
        f.describe(QStringLiteral("Spare"));
        const QString path = f.folder() + QStringLiteral("spare.EL1");
        f.get<QRadioButton>("RB_SinglePhase")->click();
        f.prompts.queuePath(path);
        f.click("ElecL_Save");
        f.get<QLineEdit>("EditReportName")->clear();
        f.prompts.queuePath(path);
        f.click("ElecL_Open");
        QCOMPARE(f.list().recordCount(), std::size_t(0));
        QCOMPARE(f.get<QLineEdit>("EditReportName")->text(), QStringLiteral("Spare"));
        QCOMPARE(f.get<QComboBox>("EditVoltagePhasePhase")->currentText(), QStringLiteral("240"));
    }

    void openingIntoAListAppendsOnNo()
    {
        Fixture f;
        f.open();
        f.add("Par 64", 1, 2);
        const QString path = f.folder() + QStringLiteral("two.EL3");
        f.prompts.queuePath(path);
        f.click("ElecL_Save");
        f.prompts.clear();
        f.prompts.queuePath(path);
        f.prompts.queueAnswer(Prompts::Answer::No);
        f.click("ElecL_Open");
        QCOMPARE(f.prompts.askedTexts(), QStringList{QStringLiteral("Do you want to clear the current list?")});
        QCOMPARE(f.list().recordCount(), std::size_t(4));
    }

    void clearingAsksFirst()
    {
        Fixture f;
        f.open();
        f.add("Par 64", 0, 2);
        f.describe(QStringLiteral("Keep me"));
        f.prompts.queueAnswer(Prompts::Answer::Cancel);
        f.click("ElecL_ClearList");
        QCOMPARE(f.prompts.askedTexts(), QStringList{QStringLiteral("Are you sure you want to clear the list?")});
        QCOMPARE(f.list().recordCount(), std::size_t(2));
        QCOMPARE(f.get<QLineEdit>("EditReportName")->text(), QStringLiteral("Keep me"));
        QVERIFY(f.window->modified());

        f.prompts.queueAnswer(Prompts::Answer::Ok);
        f.click("ElecL_ClearList");
        QCOMPARE(f.list().recordCount(), std::size_t(0));
        QVERIFY(f.get<QLineEdit>("EditReportName")->text().isEmpty());
        QVERIFY(!f.window->modified());

        f.prompts.clear();
        f.click("ElecL_ClearLine");
        QCOMPARE(f.prompts.askedTexts(), QStringList{QStringLiteral("List already empty")});
    }

    void closeQuestionNeverLosesAList_data()
    {
        QTest::addColumn<int>("preference");
        QTest::addColumn<QList<int>>("answers"); // Prompts::Answer values
        QTest::addColumn<bool>("saveFails");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<int>("questions");
        QTest::newRow("preference off") << 0 << QList<int>{} << false << true << 0;
        QTest::newRow("cancel") << 1 << QList<int>{int(Prompts::Answer::Cancel)} << false << false << 1;
        QTest::newRow("no") << 1 << QList<int>{int(Prompts::Answer::No)} << false << true << 1;
        QTest::newRow("yes, dialog cancelled") << 1 << QList<int>{int(Prompts::Answer::Yes)} << false << false << 1;
        QTest::newRow("yes, save fails") << 1 << QList<int>{int(Prompts::Answer::Yes)} << true << false << 2;
    }
    void closeQuestionNeverLosesAList()
    {
        QFETCH(int, preference);
        QFETCH(QList<int>, answers);
        QFETCH(bool, saveFails);
        QFETCH(bool, closes);
        QFETCH(int, questions);
        Fixture f;
        f.setup().set(setup::ConfirmSaveList, preference);
        f.open();
        f.add("Par 64", 0);
        QVERIFY(f.window->modified());
        f.prompts.clear();
        for (int a : answers)
            f.prompts.queueAnswer(Prompts::Answer(a));
        if (saveFails)
            f.prompts.queuePath(f.folder() + QStringLiteral("missing/folder/list.EL3"));
        QCOMPARE(f.window->close(), closes);
        QCOMPARE(f.prompts.asked().size(), questions);
        if (!closes) {
            QVERIFY(f.window);
            QCOMPARE(f.list().recordCount(), std::size_t(1));
        }
        if (saveFails)
            QCOMPARE(f.prompts.askedTexts().last(),
                     QStringLiteral("Cannot save the Electrical Load List, this file must be already open by another "
                                    "application"));
    }

    void balancingFromTheWindow()
    {
        Fixture f;
        f.open();
        f.add("Par 64", 1, 3);
        f.add("Dimmer Rack", 0, 2);
        f.click("Button_BalancePhasesPerFixture");
        QStringList phases;
        for (std::size_t r = 0; r < f.list().recordCount(); ++r)
            phases << f.phaseOf(r);
        QCOMPARE(phases, (QStringList{"X-N", "Y-N", "Z-N", "X-Y", "Y-Z"}));
        f.click("Button_BalancePhasesPerPhases");
        QCOMPARE(f.phaseOf(0), QStringLiteral("X-Y")); // sorted by current, largest first
        QCOMPARE(f.window->listGrid()->footerText(0), QStringLiteral("Qty of Device: 5"));
    }

    void reportsListTheDevicesAndTotals()
    {
        Fixture f;
        f.setup().set(setup::UserName, "Sam Rigger");
        TFormElectricalLoadList& w = f.open();
        f.add("Dimmer Rack", 0);
        f.add("Par 64", 1);
        const auto totals = w.list().footer();
        {
            TFormElectricalLoadPrint3ph print(*f.context, f.list(), totals, QStringLiteral("Main stage"));
            const LaidOutReport laid = layoutReport(print.report());
            QCOMPARE(laid.orientation, PageOrientation::Landscape);
            QCOMPARE(laid.pageCount(), 1);
            const QStringList texts = laid.pages.front().texts();
            for (const char* expected :
                 {"Electrical Load Report", "Main stage", "No", "Device Name", "Watts", "Voltage", "Amps", "Pf",
                  "Phase Used", "X", "Y", "Z", "X-N", "Y-N", "Z-N", "N", "Dimmer Rack", "Par 64", "2400 W", "X-Y",
                  "Qty of Device: 2", "120/208V", "3-Ph", "Total Amps X: 19.9 A", "Total Amps Z: 0 A",
                  "This report was produce by the Trovanex Voze for Sam Rigger"})
                QVERIFY2(texts.contains(QLatin1String(expected)), expected);
            QCOMPARE(texts.count(QStringLiteral("Electrical Load Report")), 1); // no title in the footer
        }
        {
            f.get<QRadioButton>("RB_SinglePhase")->click();
            TFormElectricalLoadPrint1ph print(*f.context, f.list(), w.list().footer(), QString());
            QCOMPARE(print.report().title(), QStringLiteral("Electrical Load Report 1 Phase"));
            const QStringList texts = layoutReport(print.report()).pages.front().texts();
            QVERIFY(texts.contains(QStringLiteral("1-Ph")));
            QVERIFY(!texts.contains(QStringLiteral("Z-N")));
            QVERIFY(texts.contains(QStringLiteral("X")) && texts.contains(QStringLiteral("N")));
        }
    }
};

QTEST_MAIN(TFormElectricalLoadListTest)
#include "TFormElectricalLoadListTest.moc"
