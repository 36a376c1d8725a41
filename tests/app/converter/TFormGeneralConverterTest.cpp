#include "ModuleFixture.h"
#include "converter/CalculatorDialog.h"
#include "converter/TFormGeneralConverter.h"
#include "setup/SetupLayout.h"
#include "shell/AppContext.h"
#include "shell/ModuleFactories.h"
#include "shell/ModuleTable.h"
#include "widgets/NumberEdit.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include <cstring>
#include <limits>
#include <memory>
#include <vector>

namespace {

namespace setup = tvx::setup;

// One converter window over a fresh start-up folder.
struct Fixture : ModuleFixture<TFormGeneralConverter> {


    // Closes the window as the user does; it stores its values and is deleted.
    void close()
    {
        window->close();
        QTRY_VERIFY(window.isNull());
    }

    template <typename T = QWidget>
    T* find(const QString& name) const
    {
        T* w = window->findChild<T*>(name);
        if (!w)
            qWarning("no control %s", qPrintable(name));
        return w;
    }
    QComboBox* list(const QString& name) const { return find<QComboBox>(name); }
    NumberEdit* entry(const QString& name) const { return find<NumberEdit>(name); }
    QLineEdit* result(const QString& name) const { return find<QLineEdit>(name); }
    QString resultText(const QString& name) const { return result(name)->text(); }
    QString panel(int index) const { return find<QLabel>(QStringLiteral("StatusBar1Panel%1").arg(index))->text(); }
    void trigger(const QString& name) const { find<QAction>(name)->trigger(); }

    void type(const QString& name, const QString& text)
    {
        NumberEdit* edit = entry(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    // Sets a category's units and entry as the user would.
    void convert(const QString& stem, int from, int to, const QString& text)
    {
        list(QStringLiteral("Convert%1From").arg(stem))->setCurrentIndex(from);
        list(QStringLiteral("Convert%1To").arg(stem))->setCurrentIndex(to);
        type(QStringLiteral("Convert%1Input").arg(stem), text);
    }
};

} // namespace

class TFormGeneralConverterTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }

    void toolbarCreatesTheConverter()
    {
        Fixture f;
        for (std::size_t i = 0; i < moduleTable().size(); ++i) {
            if (std::strcmp(moduleTable()[i].windowClass, "TFormGeneralConverter") != 0)
                continue;
            std::unique_ptr<ModuleWindow> w(createModuleWindow(i, *f.context));
            QVERIFY(qobject_cast<TFormGeneralConverter*>(w.get()));
            return;
        }
        QFAIL("no module entry for the converter");
    }

    void controlsAndLists()
    {
        Fixture f;
        TFormGeneralConverter& w = f.open();
        const QStringList stems{"Mass", "Volume", "Lenght", "Area", "Time", "Speed", "Light", "Temp"};
        for (const QString& stem : stems) {
            QVERIFY(f.list(QStringLiteral("Convert%1From").arg(stem)));
            QVERIFY(!f.list(QStringLiteral("Convert%1To").arg(stem))->isEditable());
            QVERIFY(f.entry(QStringLiteral("Convert%1Input").arg(stem)));
            QVERIFY(f.result(QStringLiteral("Convert%1Result").arg(stem)));
        }
        const QStringList switches{"Mass", "Volume", "Time", "Temp", "Length", "Area", "Speed", "Light"};
        for (const QString& stem : switches)
            QCOMPARE(f.find<QToolButton>(QStringLiteral("ConvertSwitch%1").arg(stem))->toolTip(),
                     QStringLiteral("Invert Selection"));
        QCOMPARE(f.list(QStringLiteral("ConvertTimeFrom"))->count(), 14);
        QCOMPARE(f.list(QStringLiteral("ConvertTimeFrom"))->itemText(8), QStringLiteral("Month (30days)"));
        QCOMPARE(f.list(QStringLiteral("ConvertAreaTo"))->itemText(0), QStringLiteral("Square Milimimeters"));
        QCOMPARE(f.list(QStringLiteral("ConvertTempFrom"))->itemText(0), QStringLiteral("Celcius"));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        // Only the seven non-temperature boxes offer the pop-up calculator.
        QVERIFY(f.find<QAction>(QStringLiteral("ConvertLightCalculator")));
        QVERIFY(!w.findChild<QAction*>(QStringLiteral("ConvertTempCalculator")));
    }

    void typingConverts_data()
    {
        QTest::addColumn<QString>("stem");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("grams to ounces, short factor") << "Mass" << 2 << 4 << "100" << "3.527";
        QTest::newRow("milligrams to ounces") << "Mass" << 0 << 4 << "100000" << "3.52739619";
        QTest::newRow("milligrams to kilograms") << "Mass" << 0 << 3 << "1" << "1E-006";
        QTest::newRow("minute to day") << "Time" << 4 << 6 << "1" << "0.000694444444444444";
        QTest::newRow("square km to square m") << "Area" << 3 << 2 << "1" << "1000000";
        QTest::newRow("mile/hour to inch/second") << "Speed" << 3 << 5 << "1" << "17.60000004";
        QTest::newRow("celcius to fahrenheit") << "Temp" << 0 << 1 << "100" << "212";
        QTest::newRow("minus forty") << "Temp" << 1 << 0 << "-40" << "-40";
        QTest::newRow("same unit") << "Light" << 3 << 3 << "2.5" << "2.5";
        QTest::newRow("not a number") << "Volume" << 1 << 0 << "1.2.3" << "";
    }

    void typingConverts()
    {
        QFETCH(QString, stem);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        Fixture f;
        f.open();
        f.convert(QStringLiteral("Lenght"), 3, 6, QStringLiteral("1")); // an unrelated category
        const QString lengthResult = f.resultText(QStringLiteral("ConvertLenghtResult"));
        f.convert(stem, from, to, typed);
        QCOMPARE(f.resultText(QStringLiteral("Convert%1Result").arg(stem)), expected);
        if (stem != QLatin1String("Lenght"))
            QCOMPARE(f.resultText(QStringLiteral("ConvertLenghtResult")), lengthResult);
    }

    void keyRulesOfTheBoxes()
    {
        Fixture f;
        f.open();
        f.type(QStringLiteral("ConvertMassInput"), QStringLiteral("-1a2,5"));
        QCOMPARE(f.entry(QStringLiteral("ConvertMassInput"))->text(), QStringLiteral("12,5"));
        f.type(QStringLiteral("ConvertTempInput"), QStringLiteral("-1a2.5"));
        QCOMPARE(f.entry(QStringLiteral("ConvertTempInput"))->text(), QStringLiteral("-12.5"));

        // A result takes no typing, but Backspace and the clipboard keys reach it.
        QLineEdit* result = f.result(QStringLiteral("ConvertTempResult"));
        QCOMPARE(result->text(), QStringLiteral("-12.5"));
        result->setFocus();
        result->end(false);
        QTest::keyClicks(result, QStringLiteral("7x"));
        QCOMPARE(result->text(), QStringLiteral("-12.5"));
        QTest::keyClick(result, Qt::Key_Backspace);
        QCOMPARE(result->text(), QStringLiteral("-12."));
        QTest::keyClick(result, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(result->selectedText(), QStringLiteral("-12."));
    }

    void switchButtonSwapsAndRecomputes()
    {
        Fixture f;
        f.open();
        f.convert(QStringLiteral("Mass"), 2, 4, QStringLiteral("100"));
        QCOMPARE(f.resultText(QStringLiteral("ConvertMassResult")), QStringLiteral("3.527"));
        auto* button = f.find<QToolButton>(QStringLiteral("ConvertSwitchMass"));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(f.list(QStringLiteral("ConvertMassFrom"))->currentIndex(), 4);
        QCOMPARE(f.list(QStringLiteral("ConvertMassTo"))->currentIndex(), 2);
        QCOMPARE(f.resultText(QStringLiteral("ConvertMassResult")), QStringLiteral("2834.95231"));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(f.resultText(QStringLiteral("ConvertMassResult")), QStringLiteral("3.527"));

        // Length: the button is named "Length", the lists "Lenght".
        f.convert(QStringLiteral("Lenght"), 4, 3, QStringLiteral("2"));
        QTest::mouseClick(f.find<QToolButton>(QStringLiteral("ConvertSwitchLength")), Qt::LeftButton);
        QCOMPARE(f.resultText(QStringLiteral("ConvertLenghtResult")), QStringLiteral("0.002"));
    }

    void formatMenuChangesAllResultsAndStoresAtOnce()
    {
        Fixture f;
        f.open();
        f.convert(QStringLiteral("Mass"), 3, 2, QStringLiteral("1"));
        f.convert(QStringLiteral("Temp"), 0, 2, QStringLiteral("0"));
        QCOMPARE(f.panel(0), QStringLiteral("Digit: 3"));
        QCOMPARE(f.panel(1), QStringLiteral("Precision: 15"));
        QCOMPARE(f.panel(2), QStringLiteral("Format: Normal"));
        QCOMPARE(f.panel(3), QString());

        f.trigger(QStringLiteral("Format_Exponent"));
        QCOMPARE(f.resultText(QStringLiteral("ConvertMassResult")), QStringLiteral("1.00000000000000E+003"));
        QCOMPARE(f.resultText(QStringLiteral("ConvertTempResult")), QStringLiteral("2.73150000000000E+002"));
        QCOMPARE(f.panel(2), QStringLiteral("Format: Exponent"));
        QCOMPARE(f.setup().get(setup::ConverterFormat), 1);

        f.trigger(QStringLiteral("Format_Fixed"));
        QCOMPARE(f.resultText(QStringLiteral("ConvertMassResult")), QStringLiteral("1000.000"));
        QCOMPARE(f.setup().get(setup::ConverterFormat), 2);

        // D: decimals of the calculator boxes and of Fixed results, padded,
        // never rounding what was typed.
        f.type(QStringLiteral("ConvertVolumeInput"), QStringLiteral("1.23456"));
        f.trigger(QStringLiteral("Display_5"));
        QCOMPARE(f.entry(QStringLiteral("ConvertMassInput"))->text(), QStringLiteral("1.00000"));
        QCOMPARE(f.entry(QStringLiteral("ConvertTempInput"))->text(), QStringLiteral("0"));
        QCOMPARE(f.resultText(QStringLiteral("ConvertMassResult")), QStringLiteral("1000.00000"));
        f.trigger(QStringLiteral("Display_2"));
        QCOMPARE(f.entry(QStringLiteral("ConvertMassInput"))->text(), QStringLiteral("1.00"));
        QCOMPARE(f.entry(QStringLiteral("ConvertVolumeInput"))->text(), QStringLiteral("1.23456"));
        QCOMPARE(f.panel(0), QStringLiteral("Digit: 2"));
        QCOMPARE(f.setup().get(setup::ConverterDigits), 2);
        QCOMPARE(f.context->converterDigits(), 2);

        f.trigger(QStringLiteral("Format_Normal"));
        f.convert(QStringLiteral("Mass"), 5, 3, QStringLiteral("1"));
        f.trigger(QStringLiteral("Precision_1"));
        QCOMPARE(f.resultText(QStringLiteral("ConvertMassResult")), QStringLiteral("0.5"));
        QCOMPARE(f.panel(1), QStringLiteral("Precision: 1"));
        QCOMPARE(f.setup().get(setup::ConverterPrecision), 1);
        QCOMPARE(f.context->converterPrecision(), 1);
        QVERIFY(f.find<QAction>(QStringLiteral("Precision_1"))->isChecked());
        QVERIFY(!f.find<QAction>(QStringLiteral("Precision_15"))->isChecked());
    }

    void clearAllFieldsEmptiesEverything()
    {
        Fixture f;
        f.open();
        f.convert(QStringLiteral("Mass"), 3, 2, QStringLiteral("1"));
        f.convert(QStringLiteral("Temp"), 0, 1, QStringLiteral("5"));
        f.trigger(QStringLiteral("Clear1"));
        for (const char* stem : {"Mass", "Temp"}) {
            QVERIFY(f.entry(QStringLiteral("Convert%1Input").arg(QLatin1String(stem)))->text().isEmpty());
            QVERIFY(f.resultText(QStringLiteral("Convert%1Result").arg(QLatin1String(stem))).isEmpty());
        }
    }

    void selectionsAndEntriesSurviveReopening()
    {
        Fixture f;
        f.open();
        f.convert(QStringLiteral("Mass"), 2, 4, QStringLiteral("100"));
        f.convert(QStringLiteral("Time"), 13, 12, QStringLiteral("1"));
        f.convert(QStringLiteral("Temp"), 2, 0, QStringLiteral("-3.5"));
        f.convert(QStringLiteral("Light"), 6, 1, QStringLiteral("1,2")); // not a number here: stored as 0
        f.trigger(QStringLiteral("Format_Fixed"));
        f.close();

        // Record order: Mass, Volume, Time, Temperature, Length, Area, Speed, Light.
        const std::vector<std::int32_t> indexes = f.setup().get(setup::ConverterIndexes);
        QCOMPARE(indexes, (std::vector<std::int32_t>{2, 4, 0, 0, 13, 12, 2, 0, 0, 0, 0, 0, 0, 0, 6, 1}));
        const std::vector<double> values = f.setup().get(setup::ConverterValues);
        QCOMPARE(values, (std::vector<double>{100, 0, 1, -3.5, 0, 0, 0, 0}));

        f.open();
        QCOMPARE(f.list(QStringLiteral("ConvertTimeFrom"))->currentIndex(), 13);
        QCOMPARE(f.list(QStringLiteral("ConvertLightTo"))->currentIndex(), 1);
        QCOMPARE(f.entry(QStringLiteral("ConvertMassInput"))->text(), QStringLiteral("100.000"));
        QCOMPARE(f.entry(QStringLiteral("ConvertTempInput"))->text(), QStringLiteral("-3.5"));
        QVERIFY(f.entry(QStringLiteral("ConvertLightInput"))->text().isEmpty()); // "0" shows empty
        QVERIFY(f.entry(QStringLiteral("ConvertVolumeInput"))->text().isEmpty());
        QCOMPARE(f.resultText(QStringLiteral("ConvertMassResult")), QStringLiteral("3.527"));
        QCOMPARE(f.resultText(QStringLiteral("ConvertTimeResult")), QStringLiteral("10.000"));
        QCOMPARE(f.panel(2), QStringLiteral("Format: Fixed"));
    }

    void displaySettingsOnOpening_data()
    {
        QTest::addColumn<int>("saveMarker");
        QTest::addColumn<int>("shellP");
        QTest::addColumn<int>("shellD");
        QTest::addColumn<int>("storedP");
        QTest::addColumn<int>("storedD");
        QTest::addColumn<int>("expectedP");
        QTest::addColumn<int>("expectedD");
        QTest::newRow("never saved") << 0 << 0 << 0 << 0 << 0 << 15 << 3;
        QTest::newRow("saved values") << 1 << 7 << 0 << 7 << 0 << 7 << 0;
        QTest::newRow("no shell precision") << 1 << 0 << 2 << 9 << 2 << 15 << 2;
        QTest::newRow("negative shell digits") << 1 << 6 << -1 << 6 << 8 << 6 << 3;
        QTest::newRow("damaged values") << 1 << 5 << 5 << 99 << -4 << 15 << 0;
    }

    void displaySettingsOnOpening()
    {
        QFETCH(int, saveMarker);
        QFETCH(int, shellP);
        QFETCH(int, shellD);
        QFETCH(int, storedP);
        QFETCH(int, storedD);
        QFETCH(int, expectedP);
        QFETCH(int, expectedD);
        Fixture f;
        f.setup().set(setup::SaveMarker, saveMarker);
        f.setup().set(setup::ConverterPrecision, storedP);
        f.setup().set(setup::ConverterDigits, storedD);
        f.context->setConverterFormat(shellP, shellD);
        f.open();
        QCOMPARE(f.window->displaySettings().precision, expectedP);
        QCOMPARE(f.window->displaySettings().digits, expectedD);
        QCOMPARE(f.panel(0), QStringLiteral("Digit: %1").arg(expectedD));
        QCOMPARE(f.panel(1), QStringLiteral("Precision: %1").arg(expectedP));
        QVERIFY(f.find<QAction>(QStringLiteral("Precision_%1").arg(expectedP))->isChecked());
        QVERIFY(f.find<QAction>(QStringLiteral("Display_%1").arg(expectedD))->isChecked());
        // The record and the shell's copies follow.
        QCOMPARE(f.setup().get(setup::ConverterPrecision), expectedP);
        QCOMPARE(f.setup().get(setup::ConverterDigits), expectedD);
        QCOMPARE(f.context->converterPrecision(), expectedP);
        QCOMPARE(f.context->converterDigits(), expectedD);
    }

    void damagedSelectionsAndValuesAreBroughtIntoRange()
    {
        Fixture f;
        f.setup().set(setup::SaveMarker, 1);
        f.context->setConverterFormat(15, 3);
        f.setup().set(setup::ConverterPrecision, 15);
        f.setup().set(setup::ConverterFormat, 7);
        std::vector<std::int32_t> indexes(16, 0);
        indexes[0] = 99;  // Mass From
        indexes[1] = -5;  // Mass To
        indexes[7] = 3;   // Temperature To: the list has three units
        f.setup().set(setup::ConverterIndexes, indexes);
        std::vector<double> values(8, 0.0);
        values[0] = 1;
        values[2] = std::numeric_limits<double>::quiet_NaN();
        values[3] = std::numeric_limits<double>::infinity();
        f.setup().set(setup::ConverterValues, values);

        f.open();
        QCOMPARE(f.list(QStringLiteral("ConvertMassFrom"))->currentIndex(), 8);
        QCOMPARE(f.list(QStringLiteral("ConvertMassTo"))->currentIndex(), 0);
        QCOMPARE(f.list(QStringLiteral("ConvertTempTo"))->currentIndex(), 2);
        QCOMPARE(f.panel(2), QStringLiteral("Format: Normal"));
        QCOMPARE(f.resultText(QStringLiteral("ConvertMassResult")), QStringLiteral("907184740"));
        QVERIFY(f.entry(QStringLiteral("ConvertTimeInput"))->text().isEmpty());
        QVERIFY(f.entry(QStringLiteral("ConvertTempInput"))->text().isEmpty());
    }

    void pocketCalculatorPutsItsResultIntoTheBox()
    {
        Fixture f;
        TFormGeneralConverter& w = f.open();
        f.convert(QStringLiteral("Mass"), 3, 2, QStringLiteral("2"));
        const auto click = [&](const char* key) {
            auto* dialog = w.findChild<CalculatorDialog*>();
            QTest::mouseClick(dialog->findChild<QPushButton*>(QLatin1String(key)), Qt::LeftButton);
        };

        f.trigger(QStringLiteral("ConvertMassCalculator"));
        auto* dialog = w.findChild<CalculatorDialog*>();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Calculator"));
        QCOMPARE(dialog->displayText(), QStringLiteral("2"));
        click("CalcKeyMultiply");
        click("CalcKey2");
        click("CalcKey1");
        click("CalcOk"); // completes the pending multiplication
        QTRY_VERIFY(!w.findChild<CalculatorDialog*>());
        QCOMPARE(f.entry(QStringLiteral("ConvertMassInput"))->text(), QStringLiteral("42.000"));
        QCOMPARE(f.resultText(QStringLiteral("ConvertMassResult")), QStringLiteral("42000"));

        // A negative result cannot go into a box that takes none; Cancel
        // leaves the box alone.
        f.trigger(QStringLiteral("ConvertMassCalculator"));
        click("CalcKeySubtract");
        click("CalcKey5");
        click("CalcKey0");
        click("CalcKeyEquals");
        QCOMPARE(w.findChild<CalculatorDialog*>()->displayText(), QStringLiteral("-8"));
        QVERIFY(!w.findChild<CalculatorDialog*>()->findChild<QPushButton*>(QStringLiteral("CalcOk"))->isEnabled());
        click("CalcCancel");
        QTRY_VERIFY(!w.findChild<CalculatorDialog*>());
        QCOMPARE(f.entry(QStringLiteral("ConvertMassInput"))->text(), QStringLiteral("42.000"));
    }

    void calculatorMenuStartsTheDesktopCalculator()
    {
        Fixture f;
        TFormGeneralConverter& w = f.open();
        QStringList started;
        bool startWorks = true;
        QString installed;
        w.setCalculatorLookup([&installed]() { return installed; });
        w.setProgramStarter([&](const QString& program) {
            started << program;
            return startWorks;
        });

        f.trigger(QStringLiteral("Calculator1"));
        QVERIFY(started.isEmpty());
        QCOMPARE(f.prompts.asked().size(), 1);
        QCOMPARE(f.prompts.asked().first().icon, Prompts::Icon::Information);
        QVERIFY(f.prompts.asked().first().text.startsWith(QStringLiteral("No calculator program was found")));

        f.prompts.clear();
        installed = QStringLiteral("/usr/bin/galculator");
        f.trigger(QStringLiteral("Calculator1"));
        QCOMPARE(started, QStringList{installed});
        QVERIFY(f.prompts.asked().isEmpty());

        startWorks = false;
        f.trigger(QStringLiteral("Calculator1"));
        QCOMPARE(f.prompts.asked().size(), 1);
        QVERIFY(f.prompts.asked().first().text.contains(installed));
    }
};

QTEST_MAIN(TFormGeneralConverterTest)
#include "TFormGeneralConverterTest.moc"
