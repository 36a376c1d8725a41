#include "ModuleFixture.h"
#include "electrical/TFormElectricalVoltageDrop.h"
#include "electrical/TFormElectricalVoltageDropPrint.h"
#include "reports/ReportFrames.h"
#include "reports/ReportLayout.h"
#include "setup/SetupLayout.h"
#include "shell/AppContext.h"
#include "widgets/NumberEdit.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include <limits>
#include <memory>
#include <vector>

namespace {

// One voltage drop window over a fresh start-up folder.
struct Fixture : ModuleFixture<TFormElectricalVoltageDrop> {


    QString text(const char* name) const { return get<QLineEdit>(name)->text(); }

    void type(const char* name, const QString& value)
    {
        auto* edit = get<NumberEdit>(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, value);
    }
    void click(const char* name) { get<QRadioButton>(name)->click(); }
    void selectGauge(const char* list, const QString& item)
    {
        auto* combo = get<QComboBox>(list);
        combo->setCurrentIndex(combo->findText(item));
    }
};

} // namespace

class TFormElectricalVoltageDropTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        QLocale::setDefault(QLocale::c());
    }

    void typingComputesAllThreeSections()
    {
        Fixture f;
        f.open();
        f.click("RadioButtonFeet");
        f.click("RadioButton3phase3wire");
        f.selectGauge("ComboBoxVoltageDropAWG", QStringLiteral("8awg - 10mm"));
        f.type("EditVoltageDropInputVoltage", QStringLiteral("208"));
        f.type("EditVoltageDropAmps", QStringLiteral("24.2"));
        f.type("EditVoltageDropDistance", QStringLiteral("150"));
        QCOMPARE(f.text("VoltageDropResult"), QStringLiteral("4.92 volt"));
        QCOMPARE(f.text("VoltageDropPercentResult"), QStringLiteral("2.36 %"));
        // The same run in metres.
        f.click("RadioButtonMeter");
        f.type("EditVoltageDropDistance", QStringLiteral("45.72"));
        QCOMPARE(f.text("VoltageDropResult"), QStringLiteral("4.92 volt"));
        f.type("EditVoltageDropInputVoltage", QStringLiteral("0"));
        QCOMPARE(f.text("VoltageDropResult"), QStringLiteral("Out of Range"));
        QCOMPARE(f.text("VoltageDropPercentResult"), QStringLiteral("Out of Range"));

        f.click("RadioButtonFeet");
        f.click("RadioButtonWireSize1Phase");
        f.type("EditWireSizeInputVoltage", QStringLiteral("120"));
        f.type("EditWireSizeAmps", QStringLiteral("20"));
        f.type("EditWireSizeDistance", QStringLiteral("100"));
        f.type("EditWireSizeVoltageDrop", QStringLiteral("3"));
        QCOMPARE(f.text("WireSizeResult"), QStringLiteral("7 AWG"));
        QCOMPARE(f.get<QLabel>("LabelCmil")->text(), QStringLiteral("17200.00 Cmils"));
        QCOMPARE(f.text("EditWireSizeVoltageDropPercent"), QStringLiteral("2.5"));
        // Typing a percent sets the volt limit.
        f.type("EditWireSizeVoltageDropPercent", QStringLiteral("5"));
        QCOMPARE(f.text("EditWireSizeVoltageDrop"), QStringLiteral("6"));
        QCOMPARE(f.text("WireSizeResult"), QStringLiteral("10 AWG - 6mm"));
        // Retyping the input voltage keeps the volt limit the user set.
        f.type("EditWireSizeInputVoltage", QStringLiteral("240"));
        QCOMPARE(f.text("EditWireSizeVoltageDrop"), QStringLiteral("6"));
        QCOMPARE(f.text("EditWireSizeVoltageDropPercent"), QStringLiteral("2.5"));

        f.click("RadioButtonDistance1Phase");
        f.selectGauge("ComboBoxDistanceAWG", QStringLiteral("12awg - 4mm"));
        f.type("EditDistanceInputVoltage", QStringLiteral("120"));
        f.type("EditDistanceAmps", QStringLiteral("20"));
        f.type("EditDistanceVoltageDrop", QStringLiteral("3"));
        QCOMPARE(f.text("DistanceResult"), QStringLiteral("37.97 feet"));
        f.click("RadioButtonAluminium");
        QCOMPARE(f.text("DistanceResult"), QStringLiteral("23.10 feet"));
        f.type("EditDistanceAmps", QStringLiteral("0"));
        QCOMPARE(f.text("DistanceResult"), QStringLiteral("Out of Range"));

        // The gauge lists take no typing.
        auto* gauge = f.get<QComboBox>("ComboBoxDistanceAWG");
        gauge->setFocus();
        QTest::keyClicks(gauge, QStringLiteral("3"));
        QCOMPARE(gauge->currentText(), QStringLiteral("12awg - 4mm"));

        // Clear All Fields empties the twelve number fields, also when it is
        // given while a percent limit has the focus.
        f.get<QWidget>("EditWireSizeVoltageDropPercent")->setFocus();
        f.get<QAction>("Clear1")->trigger();
        for (const char* name : {"EditVoltageDropAmps", "EditWireSizeVoltageDrop", "EditDistanceInputVoltage"})
            QVERIFY2(f.text(name).isEmpty(), name);
        QCOMPARE(f.text("DistanceResult"), QStringLiteral("Out of Range"));
    }

    void inputsSurviveClosingAndReopening()
    {
        Fixture f;
        f.open();
        f.click("RadioButtonMeter");
        f.click("RadioButtonAluminium");
        f.click("RadioButton3phase3wire");
        f.click("RadioButtonWireSize1Phase");
        f.click("RadioButtonDistance3Phase");
        f.selectGauge("ComboBoxVoltageDropAWG", QStringLiteral("4awg - 25mm"));
        f.selectGauge("ComboBoxDistanceAWG", QStringLiteral("40awg"));
        f.type("EditVoltageDropAmps", QStringLiteral("16"));
        f.type("EditDistanceInputVoltage", QStringLiteral("230"));
        f.type("EditWireSizeVoltageDrop", QStringLiteral("4.6"));
        f.window->close();
        QTRY_VERIFY(f.window.isNull());

        tvx::SetupRecord& rec = f.setup();
        QCOMPARE(rec.get(tvx::setup::VoltageDropGauge), 7);
        QCOMPARE(rec.get(tvx::setup::VoltageDropDistanceGauge), 43);
        QCOMPARE(rec.get(tvx::setup::VoltageDropSystem), 1);
        QCOMPARE(rec.get(tvx::setup::VoltageDropWireSizeSystem), 1);
        QCOMPARE(rec.get(tvx::setup::VoltageDropDistanceSystem), 0);
        QCOMPARE(rec.get(tvx::setup::VoltageDropLengthInFeet), 0);
        QCOMPARE(rec.get(tvx::setup::VoltageDropAluminium), 1);
        const std::vector<double> values = rec.get(tvx::setup::VoltageDropValues);
        QCOMPARE(values.at(0), 16.0);  // EditVoltageDropAmps
        QCOMPARE(values.at(4), 4.6);   // EditWireSizeVoltageDrop
        QCOMPARE(values.at(9), 230.0); // EditDistanceInputVoltage

        f.open();
        QCOMPARE(f.text("EditVoltageDropAmps"), QStringLiteral("16"));
        QCOMPARE(f.text("EditWireSizeVoltageDrop"), QStringLiteral("4.6"));
        QCOMPARE(f.text("EditDistanceInputVoltage"), QStringLiteral("230"));
        QCOMPARE(f.get<QComboBox>("ComboBoxDistanceAWG")->currentText(), QStringLiteral("40awg"));
        QVERIFY(f.get<QRadioButton>("RadioButtonMeter")->isChecked());
        QVERIFY(f.get<QRadioButton>("RadioButtonAluminium")->isChecked());
        QVERIFY(f.get<QRadioButton>("RadioButton3phase3wire")->isChecked());
        QVERIFY(f.get<QRadioButton>("RadioButtonWireSize1Phase")->isChecked());
        QVERIFY(f.get<QRadioButton>("RadioButtonDistance3Phase")->isChecked());
        // The percent limits are derived again from the volt limits.
        QVERIFY(f.text("EditWireSizeVoltageDropPercent").isEmpty()); // no input voltage yet
        QCOMPARE(f.text("EditDistanceVoltageDropPercent"), QStringLiteral("0"));
    }

    void damagedRecordOpensWithDefaults()
    {
        Fixture f;
        tvx::SetupRecord& rec = f.setup();
        rec.set(tvx::setup::VoltageDropGauge, 44);
        rec.set(tvx::setup::VoltageDropDistanceGauge, -7);
        rec.set(tvx::setup::VoltageDropSystem, 99);
        std::vector<double> values(10, std::numeric_limits<double>::quiet_NaN());
        values[1] = -5;
        values[2] = std::numeric_limits<double>::infinity();
        rec.set(tvx::setup::VoltageDropValues, values);
        f.open();
        QCOMPARE(f.get<QComboBox>("ComboBoxVoltageDropAWG")->currentIndex(), 0);
        QCOMPARE(f.get<QComboBox>("ComboBoxDistanceAWG")->currentIndex(), 0);
        QVERIFY(f.get<QRadioButton>("RadioButtonsinglephase2_3wire")->isChecked());
        QVERIFY(f.text("EditVoltageDropDistance").isEmpty());
        QVERIFY(f.text("EditWireSizeAmps").isEmpty());
        QCOMPARE(f.text("VoltageDropResult"), QStringLiteral("0.00 volt"));
        QCOMPARE(f.text("DistanceResult"), QStringLiteral("Out of Range"));
    }

    void reportPrintsTheScreenAndTheUser()
    {
        Fixture f;
        f.setup().set(tvx::setup::UserName, "<User Name>");
        TFormElectricalVoltageDrop& w = f.open();
        f.click("RadioButtonFeet");
        f.click("RadioButton3phase3wire");
        f.selectGauge("ComboBoxVoltageDropAWG", QStringLiteral("8awg - 10mm"));
        f.type("EditVoltageDropInputVoltage", QStringLiteral("208"));
        f.type("EditVoltageDropAmps", QStringLiteral("24.2"));
        f.type("EditVoltageDropDistance", QStringLiteral("150"));
        QCOMPARE(f.get<QAction>("Print1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));

        TFormElectricalVoltageDropPrint print(*f.context, w.reportTexts());
        QCOMPARE(print.report().title(), QStringLiteral("Voltage Drop Report"));
        LaidOutReport laid = layoutReport(print.report());
        QCOMPARE(laid.pageCount(), 1);
        const LaidOutPage& page = laid.pages.front();
        for (const char* text : {"Trovanex", "Voltage Drop", "Wire Size", "Distance", "Wire type: Copper",
                                 "Three-Phases", "150 feet", "8awg - 10mm", "4.92 volt", "2.36 %", "Volatge Drop:",
                                 "Percentage Drop:"})
            QVERIFY2(page.hasText(QLatin1String(text)), text);
        QCOMPARE(page.textsNamed(ReportFrames::FooterTextLabel),
                 QStringList{QStringLiteral("This report was produce by the Trovanex Voze for <User Name>")});
        QCOMPARE(page.textsNamed(ReportFrames::HeadingLabel), QStringList{QStringLiteral("Voltage Drop Report")});
        const QStringList notes = page.textsNamed(TFormElectricalVoltageDropPrint::NoteName);
        QCOMPARE(notes.value(0), QStringLiteral("These formulas apply to copper or aluminium  wire at 75 degree Celcius"));
        QCOMPARE(notes.value(1), QStringLiteral(" A.W.G. = American Wire Gauges"));
        // Every line of the formula and of the gauge table is printed whole.
        QStringList formula;
        for (const std::string& line : tvx::electrical::voltageDropFormulaLines())
            if (!line.empty())
                formula << QString::fromStdString(line);
        QCOMPARE(page.textsNamed(TFormElectricalVoltageDropPrint::FormulaName), formula);
        QCOMPARE(page.textsNamed(TFormElectricalVoltageDropPrint::ThickTableName).size(), 24);
        QCOMPARE(page.textsNamed(TFormElectricalVoltageDropPrint::ThinTableName).size(), 22);
        QCOMPARE(page.textsNamed(TFormElectricalVoltageDropPrint::ThickTableName).value(1),
                 QStringLiteral("212000 = 0000 = 120"));
        QCOMPARE(page.textsNamed(TFormElectricalVoltageDropPrint::ThinTableName).value(1),
                 QStringLiteral("    1020 = 20     =0.50"));
    }
};

QTEST_MAIN(TFormElectricalVoltageDropTest)
#include "TFormElectricalVoltageDropTest.moc"
