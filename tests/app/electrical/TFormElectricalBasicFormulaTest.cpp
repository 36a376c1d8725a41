#include "ModuleFixture.h"
#include "electrical/TFormElectricalBasicFormula.h"
#include "electrical/TFormElectricalBasicFormulaPrint.h"
#include "reports/ReportFrames.h"
#include "reports/ReportLayout.h"
#include "reports/ReportPreviewWindow.h"
#include "setup/SetupLayout.h"
#include "shell/AppContext.h"
#include "widgets/NumberEdit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// One basic laws window over a fresh start-up folder.
struct Fixture : ModuleFixture<TFormElectricalBasicFormula> {
    explicit Fixture(bool withPicture = true)
    {
        if (withPicture)
            copyShippedResource("ohmlaw.bmp");
    }


    NumberEdit* input(const char* name) const { return window->findChild<NumberEdit*>(QLatin1String(name)); }
    QLineEdit* result(const char* name) const { return window->findChild<QLineEdit*>(QLatin1String(name)); }
    QAction* action(const char* name) const { return window->findChild<QAction*>(QLatin1String(name)); }

    void type(const char* name, const QString& text)
    {
        NumberEdit* edit = input(name);
        edit->setFocus();
        QTest::keyClicks(edit, text);
    }

    std::vector<double> stored() { return setup().get(tvx::setup::BasicLawsValues); }
};

} // namespace

class TFormElectricalBasicFormulaTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }

    void controlsCarryTheirNames()
    {
        Fixture f;
        TFormElectricalBasicFormula& w = f.open();
        QCOMPARE(w.findChildren<NumberEdit*>().size(), 24);
        for (const auto& formula : tvx::electrical::basicLawFormulas()) {
            QVERIFY(f.input(formula.firstInput.data()));
            QVERIFY(f.input(formula.secondInput.data()));
            QLineEdit* result = f.result(formula.resultField.data());
            QVERIFY(result);
            QVERIFY(result->isReadOnly());
        }
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("Electrical_WattageTitle"))->text(), QStringLiteral("Wattage (P)"));
        QCOMPARE(f.input("Resistance_Volt3")->toolTip(), QStringLiteral("Volt"));
        QVERIFY(!w.findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().isNull());
        QCOMPARE(w.minimumSize(), w.maximumSize());
    }

    void missingPictureStillOpens()
    {
        Fixture f(false);
        TFormElectricalBasicFormula& w = f.open();
        QVERIFY(w.isVisible());
        QVERIFY(w.findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().isNull());
        f.type("Voltage_amps1", QStringLiteral("2"));
        f.type("Voltage_Ohms1", QStringLiteral("3"));
        QCOMPARE(f.result("Voltage_Result1")->text(), QStringLiteral("6.00 Volts"));
    }

    void typingRecomputes_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("firstText");
        QTest::addColumn<QString>("secondText");
        QTest::addColumn<QString>("resultField");
        QTest::addColumn<QString>("expected");
        QTest::newRow("watts from amps and ohms")
            << "Wattage_amps1" << "Wattage_Ohms1" << "2" << "10" << "Wattage_result1" << "40.00 Watts";
        QTest::newRow("volts from watts and amps")
            << "Voltage_Watts2" << "Voltage_Amps2" << "100" << "4" << "Voltage_Result2" << "25.00 Volts";
        QTest::newRow("amps from zero ohms is an error")
            << "Amperage_watts3" << "Amperage_Ohms3" << "100" << "0" << "Amperage_Result3" << "Error";
        QTest::newRow("divide by zero ohms is empty")
            << "Amperage_Volts1" << "Amperage_Ohms1" << "100" << "0" << "Amperage_Result1" << "";
        QTest::newRow("ohms from volts squared")
            << "Resistance_Volt3" << "Resistance_Watts3" << "230" << "1000" << "Resistance_Result3" << "52.90 Ohms";
    }

    void typingRecomputes()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, firstText);
        QFETCH(QString, secondText);
        QFETCH(QString, resultField);
        QFETCH(QString, expected);
        Fixture f;
        f.open();
        QLineEdit* result = f.window->findChild<QLineEdit*>(resultField);
        // Before any input every result is empty.
        QCOMPARE(result->text(), QString());
        f.type(first.toLatin1().constData(), firstText);
        QCOMPARE(result->text(), QString());
        f.type(second.toLatin1().constData(), secondText);
        QCOMPARE(result->text(), expected);
        // Deleting one input empties the result again.
        NumberEdit* edit = f.input(second.toLatin1().constData());
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(result->text(), QString());
    }

    void keyFilterDropsLettersAndMinus()
    {
        Fixture f;
        f.open();
        f.type("Wattage_amps1", QStringLiteral("-1a2.5e"));
        QCOMPARE(f.input("Wattage_amps1")->text(), QStringLiteral("12.5"));
        f.type("Wattage_Ohms1", QStringLiteral("2"));
        QCOMPARE(f.result("Wattage_result1")->text(), QStringLiteral("312.50 Watts"));
    }

    void leavingAFieldTidiesItsText()
    {
        Fixture f;
        f.open();
        f.type("Voltage_amps1", QStringLiteral("2.500"));
        // Nothing changes while typing.
        QCOMPARE(f.input("Voltage_amps1")->text(), QStringLiteral("2.500"));
        QTest::keyClick(f.input("Voltage_amps1"), Qt::Key_Tab);
        QCOMPARE(f.input("Voltage_amps1")->text(), QStringLiteral("2.5"));
        // Tidying never changes the value: more decimals than two stay as typed.
        f.type("Voltage_Ohms1", QStringLiteral("0.0001"));
        QTest::keyClick(f.input("Voltage_Ohms1"), Qt::Key_Tab);
        QCOMPARE(f.input("Voltage_Ohms1")->text(), QStringLiteral("0.0001"));
        QCOMPARE(f.result("Voltage_Result1")->text(), QStringLiteral("0.00 Volts"));
        // An unreadable text is left alone.
        f.type("Voltage_Watts2", QStringLiteral("1.2.3"));
        QTest::keyClick(f.input("Voltage_Watts2"), Qt::Key_Tab);
        QCOMPARE(f.input("Voltage_Watts2")->text(), QStringLiteral("1.2.3"));
    }

    void storedValuesComeBackAndZeroIsEmpty()
    {
        Fixture f;
        std::vector<double> values(24, 0.0);
        values[0] = 2.5;  // Voltage_amps1
        values[1] = 0.0;  // Voltage_Ohms1
        values[2] = 100;  // Voltage_Watts2
        values[3] = 4;    // Voltage_Amps2
        values[23] = 0.1; // Resistance_Watts3
        f.setup().set(tvx::setup::BasicLawsValues, values);

        f.open();
        QCOMPARE(f.input("Voltage_amps1")->text(), QStringLiteral("2.5"));
        QCOMPARE(f.input("Voltage_Ohms1")->text(), QString());
        QCOMPARE(f.input("Resistance_Watts3")->text(), QStringLiteral("0.1"));
        QCOMPARE(f.result("Voltage_Result1")->text(), QString());
        QCOMPARE(f.result("Voltage_Result2")->text(), QStringLiteral("25.00 Volts"));
        // Design-time unit texts are replaced by the first calculation.
        QCOMPARE(f.result("Wattage_result1")->text(), QString());

        f.type("Voltage_Ohms1", QStringLiteral("3"));
        f.input("Voltage_Watts2")->clear();
        f.type("Voltage_Amps2", QStringLiteral("x")); // discarded: stays "4"
        f.input("Resistance_Watts3")->setText(QStringLiteral("1.2.3"));
        f.window->close();
        QVERIFY(f.window.isNull() || !f.window->isVisible());

        const std::vector<double> saved = f.stored();
        QCOMPARE(saved[0], 2.5);
        QCOMPARE(saved[1], 3.0);
        QCOMPARE(saved[2], 0.0);  // empty
        QCOMPARE(saved[3], 4.0);
        QCOMPARE(saved[23], 0.0); // unreadable
    }

    void clearAllFieldsEmptiesEverything()
    {
        Fixture f;
        f.setup().set(tvx::setup::BasicLawsValues, std::vector<double>(24, 7.0));
        TFormElectricalBasicFormula& w = f.open();
        QCOMPARE(f.result("Wattage_result3")->text(), QStringLiteral("7.00 Watts"));

        QAction* clear = f.action("Clear1");
        QCOMPARE(clear->text(), QStringLiteral("&Clear All Fields"));
        QCOMPARE(clear->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Delete));
        // The shortcut wins over the field's own Ctrl+Delete.
        f.input("Voltage_amps1")->setFocus();
        QTest::keyClick(f.input("Voltage_amps1"), Qt::Key_Delete, Qt::ControlModifier);
        for (NumberEdit* edit : w.findChildren<NumberEdit*>())
            QCOMPARE(edit->text(), QString());
        for (const std::string& text : w.resultTexts())
            QCOMPARE(QString::fromStdString(text), QString());

        f.action("Close1")->trigger();
        QCOMPARE(f.stored(), std::vector<double>(24, 0.0));
    }

    void editMenuActsOnTheFocusedField()
    {
        Fixture f;
        f.open();
        f.type("Voltage_amps1", QStringLiteral("12"));
        f.input("Voltage_amps1")->selectAll();
        f.action("Cut1")->trigger();
        QCOMPARE(f.input("Voltage_amps1")->text(), QString());
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("12"));
        f.input("Voltage_Ohms1")->setFocus();
        f.action("Paste1")->trigger();
        QCOMPARE(f.input("Voltage_Ohms1")->text(), QStringLiteral("12"));
        // A result can be copied but not cut.
        f.type("Voltage_amps1", QStringLiteral("3"));
        QLineEdit* result = f.result("Voltage_Result1");
        result->setFocus();
        result->selectAll();
        f.action("Cut1")->trigger();
        QCOMPARE(result->text(), QStringLiteral("36.00 Volts"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("36.00 Volts"));
    }

    void reportListsFilledRowsAndTheUser()
    {
        Fixture f;
        f.setup().set(tvx::setup::UserName, "<User Name>");
        TFormElectricalBasicFormula& w = f.open();
        f.type("Voltage_Watts2", QStringLiteral("100"));
        f.type("Voltage_Amps2", QStringLiteral("4"));

        TFormElectricalBasicFormulaPrint print(*f.context, w.inputTexts(), w.resultTexts());
        QCOMPARE(print.report().title(), QStringLiteral("Basic Electrical Formulas"));
        LaidOutReport laid = layoutReport(print.report());
        QCOMPARE(laid.pageCount(), 1);
        const LaidOutPage& page = laid.pages.front();
        QStringList memo = page.textsNamed(TFormElectricalBasicFormulaPrint::MemoName);
        memo.removeAll(QString());
        QCOMPARE(memo, QStringList{QStringLiteral("1: (100 Watts / 4 Amps) = 25.00 Volts")});
        QCOMPARE(page.textsNamed(ReportFrames::FooterTextLabel),
                 QStringList{QStringLiteral("This report was produce by the Trovanex Voze for <User Name>")});
        QCOMPARE(page.textsNamed(ReportFrames::HeadingLabel),
                 QStringList{QStringLiteral("Basic Electrical Formulas Report")});
        for (const char* text : {"Trovanex", "P = Watts", "I = Amps", "R = Resistance (Ohms)", "E = Volts"})
            QVERIFY2(page.hasText(QLatin1String(text)), text);
        QVERIFY(page.textsNamed(TFormElectricalBasicFormulaPrint::WarningName).join(QLatin1Char(' ')).startsWith(
            QStringLiteral("These formulas apply to DC circuits")));
        const bool hasPicture = std::any_of(page.items.begin(), page.items.end(), [](const LaidOutItem& item) {
            return item.kind == LaidOutItem::Kind::Image && !item.image.isNull();
        });
        QVERIFY(hasPicture);
    }

    void printShowsThePreviewAndDropsIt()
    {
        Fixture f;
        TFormElectricalBasicFormula& w = f.open();
        f.type("Wattage_amps1", QStringLiteral("2"));
        f.type("Wattage_Ohms1", QStringLiteral("10"));
        QAction* print = f.action("Print1");
        QCOMPARE(print->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));

        QStringList memo;
        int previews = -1;
        QTimer::singleShot(0, &w, [&]() {
            auto* preview = w.findChild<ReportPreviewWindow*>();
            QVERIFY(preview);
            previews = int(w.findChildren<ReportPreviewWindow*>().size());
            memo = preview->document().laidOut()->pages.front().textsNamed(TFormElectricalBasicFormulaPrint::MemoName);
            preview->close();
        });
        print->trigger();
        QCOMPARE(previews, 1);
        memo.removeAll(QString());
        QCOMPARE(memo, QStringList{QStringLiteral("1: (2 Amps\u00B2 * 10 Ohms) = 40.00 Watts")});
        QVERIFY(w.findChildren<ReportPreviewWindow*>().isEmpty());
    }

    void reportLinesFollowTheScreen()
    {
        // Only filled rows, numbered in report order, with the root formulas
        // as they are computed.
        Fixture f;
        TFormElectricalBasicFormula& w = f.open();
        f.type("Amperage_watts3", QStringLiteral("100"));
        f.type("Amperage_Ohms3", QStringLiteral("0"));
        f.type("Voltage_Watts3", QStringLiteral("100"));
        f.type("Voltage_Ohms3", QStringLiteral("4"));
        f.type("Wattage_amps1", QStringLiteral("2"));

        TFormElectricalBasicFormulaPrint print(*f.context, w.inputTexts(), w.resultTexts());
        QStringList memo = layoutReport(print.report()).pages.front().textsNamed(TFormElectricalBasicFormulaPrint::MemoName);
        memo.removeAll(QString());
        QCOMPARE(memo, (QStringList{QStringLiteral("1: (SQRT(100 Watts / 0 Ohms)) = Error"),
                                    QStringLiteral("2: (SQRT(100 Watts * 4 Ohms)) = 20.00 Volts")}));
    }
};

QTEST_MAIN(TFormElectricalBasicFormulaTest)
#include "TFormElectricalBasicFormulaTest.moc"
