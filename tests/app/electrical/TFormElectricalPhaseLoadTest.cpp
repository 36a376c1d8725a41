#include "ModuleFixture.h"
#include "electrical/TFormElectricalPhaseLoad.h"
#include "electrical/TFormElectricalPhaseLoadPrint.h"
#include "reports/ReportDocument.h"
#include "reports/ReportLayout.h"
#include "reports/ReportPreviewWindow.h"
#include "setup/SetupLayout.h"
#include "shell/AppContext.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <limits>
#include <memory>
#include <vector>

namespace setup = tvx::setup;

namespace {

const QColor kSkyBlue(0xA6, 0xCA, 0xF0);
const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kRed(0xFF, 0x00, 0x00);

// One phase load window over a fresh start-up folder.
struct Fixture : ModuleFixture<TFormElectricalPhaseLoad> {
    explicit Fixture(bool withWarnings = true)
    {
        if (withWarnings) {
            for (const char* name : {"1phasewarning.rtf", "3phasewarning.rtf", "Printphasewarning.txt"})
                copyShippedResource(name);
        }
    }


    template <typename T = QLineEdit>
    T* get(const QString& name) const
    {
        T* w = window->findChild<T*>(name);
        if (!w)
            qWarning("no control %s", qPrintable(name));
        return w;
    }
    QString text(const QString& name) const
    {
        if (auto* combo = window->findChild<QComboBox*>(name))
            return combo->currentText();
        return get(name)->text();
    }
    QColor background(const QString& name) const { return get(name)->palette().color(QPalette::Base); }
    QTabWidget* tabs() const { return get<QTabWidget>(QStringLiteral("PagePhase")); }

    // Replaces the text of a field by typing, as the user does.
    void type(const QString& name, const QString& typed)
    {
        QLineEdit* edit = nullptr;
        if (auto* combo = window->findChild<QComboBox*>(name))
            edit = combo->lineEdit();
        else
            edit = get(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, typed);
    }
};

} // namespace

class TFormElectricalPhaseLoadTest : public QObject {
    Q_OBJECT

private slots:
    void freshRecordOpensWithTheUsualSupplies()
    {
        Fixture f;
        TFormElectricalPhaseLoad& w = f.open();
        QCOMPARE(f.text("EditVoltagePhasePhase1"), QStringLiteral("240"));
        QCOMPARE(f.text("EditVoltagePhasePhase"), QStringLiteral("208"));
        QCOMPARE(f.text("EditVoltagePhaseNeutral1"), QStringLiteral("120.0"));
        QCOMPARE(f.text("EditVoltagePhaseNeutral"), QStringLiteral("120.0"));
        QCOMPARE(w.height(), TFormElectricalPhaseLoad::ThreePhaseHeight); // stored height 0
        QCOMPARE(f.tabs()->currentIndex(), 0);
        QCOMPARE(f.tabs()->tabText(0), QStringLiteral("Single Phase"));
        QCOMPARE(f.tabs()->tabText(1), QStringLiteral("Three Phase"));
        // Imax 0: shares cannot be computed and carry no colour.
        QCOMPARE(f.text("EditPercentX"), QStringLiteral("N/A"));
        QCOMPARE(f.text("EditPercentAvailableKVA1"), QStringLiteral("N/A"));
        QVERIFY(f.background("EditPercentX") != kSkyBlue);
        // The working-voltage lists hold V and Vpn; a zero record selects the first.
        auto* combo = f.get<QComboBox>(QStringLiteral("ComboBoxWorkingVoltage"));
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->itemText(0), QStringLiteral("208"));
        QCOMPARE(combo->itemText(1), QStringLiteral("120"));
        QCOMPARE(combo->currentIndex(), 0);
        QVERIFY(!combo->isEditable());
        QVERIFY(!f.get<QPlainTextEdit>(QStringLiteral("Memo1"))->toPlainText().isEmpty());
        QVERIFY(!f.get<QPlainTextEdit>(QStringLiteral("Memo3"))->toPlainText().isEmpty());
    }

    void typingLoadsUpdatesTheCurrentsAndColours()
    {
        Fixture f;
        f.open();
        f.tabs()->setCurrentIndex(1);
        f.type("EditMaxAmpsPhase", QStringLiteral("100"));
        f.type("EditLoadKVA_XY", QStringLiteral("10"));
        QCOMPARE(f.text("EditAmpsXY"), QStringLiteral("48.1"));
        QCOMPARE(f.text("EditAmpsX"), QStringLiteral("48.1"));
        QCOMPARE(f.text("EditAmpsY"), QStringLiteral("48.1"));
        QCOMPARE(f.text("EditAmpsZ"), QStringLiteral("0.0"));
        QCOMPARE(f.text("EditAmpsN"), QStringLiteral("0.0"));
        QCOMPARE(f.text("EditMaxAvailableKVA"), QStringLiteral("36.0"));
        QCOMPARE(f.text("EditTotalLoadKVA"), QStringLiteral("10.0"));
        QCOMPARE(f.text("EditPercentX"), QStringLiteral("48.1%"));
        QCOMPARE(f.text("EditPercentAvailableKVA"), QStringLiteral("72.2%"));
        QCOMPARE(f.background("EditPercentX"), kSkyBlue);
        QCOMPARE(f.background("EditPercentAvailableKVA"), kSkyBlue);

        f.type("EditLoadKVA_XY", QStringLiteral("17.3")); // 83.2 A
        QCOMPARE(f.background("EditPercentX"), kYellow);
        QCOMPARE(f.background("EditPercentZ"), kSkyBlue);
        f.type("EditLoadKVA_XY", QStringLiteral("21")); // 101 A
        QCOMPARE(f.background("EditPercentY"), kRed);
        // Removing Imax: the shares are not available and lose their colour.
        f.type("EditMaxAmpsPhase", QString());
        QCOMPARE(f.text("EditPercentY"), QStringLiteral("N/A"));
        QVERIFY(f.background("EditPercentY") != kRed);

        // Single phase, split supply.
        f.tabs()->setCurrentIndex(0);
        f.type("EditMaxAmpsPhase1", QStringLiteral("100"));
        f.type("EditLoadKVA_XN1", QStringLiteral("2.4"));
        f.type("EditLoadKVA_YN1", QStringLiteral("1.2"));
        QCOMPARE(f.text("EditAmpsXN1"), QStringLiteral("20.0"));
        QCOMPARE(f.text("EditAmpsYN1"), QStringLiteral("10.0"));
        QCOMPARE(f.text("EditAmpsN1"), QStringLiteral("10.0"));
        QCOMPARE(f.text("EditPercentAvailableKVA1"), QStringLiteral("85.0%"));
        // A voltage that is not a number keeps the last one.
        f.type("EditVoltagePhasePhase1", QString());
        QCOMPARE(f.text("EditAmpsXN1"), QStringLiteral("20.0"));
        f.type("EditVoltagePhasePhase1", QStringLiteral("120"));
        QCOMPARE(f.text("EditAmpsXN1"), QStringLiteral("40.0"));
    }

    void typedCapacitySetsImaxButTheComputedOneDoesNot()
    {
        Fixture f;
        f.open();
        f.tabs()->setCurrentIndex(1);
        f.type("EditMaxAmpsPhase", QStringLiteral("100"));
        // The capacity shown is rounded (36.0 kVA); it must not turn Imax into 99.9 A.
        QCOMPARE(f.text("EditMaxAvailableKVA"), QStringLiteral("36.0"));
        QCOMPARE(f.text("EditMaxAmpsPhase"), QStringLiteral("100"));
        f.type("EditLoadKVA_XN", QStringLiteral("5"));
        QCOMPARE(f.text("EditMaxAmpsPhase"), QStringLiteral("100"));

        // Typed by the user, the capacity sets Imax and keeps its own text.
        f.type("EditMaxAvailableKVA", QStringLiteral("72"));
        QVERIFY2(f.text("EditMaxAmpsPhase").startsWith(QStringLiteral("199.85")), qPrintable(f.text("EditMaxAmpsPhase")));
        QCOMPARE(f.text("EditMaxAvailableKVA"), QStringLiteral("72"));
        QCOMPARE(f.text("EditPercentAvailableKVA"), QStringLiteral("93.1%"));

        f.tabs()->setCurrentIndex(0);
        f.type("EditMaxAvailableKVA1", QStringLiteral("24"));
        QCOMPARE(f.text("EditMaxAmpsPhase1"), QStringLiteral("100"));
        f.type("EditMaxAmpsPhase1", QStringLiteral("50"));
        QCOMPARE(f.text("EditMaxAvailableKVA1"), QStringLiteral("12.0"));
        QCOMPARE(f.text("EditMaxAmpsPhase1"), QStringLiteral("50"));
    }

    void applyNeedsASelectedWorkingVoltage()
    {
        Fixture f;
        f.setup().set(setup::PhaseLoadWorkingVoltage3ph, -1); // none selected
        f.open();
        f.tabs()->setCurrentIndex(1);
        f.type("EditMaxAmpsPhase", QStringLiteral("100"));
        f.type("EditLoadKVA_XN", QStringLiteral("4"));
        f.get<QSpinBox>(QStringLiteral("EditNumberDevice"))->setValue(7);
        f.type("EditWattsPerDevice", QStringLiteral("1000"));
        auto* combo = f.get<QComboBox>(QStringLiteral("ComboBoxWorkingVoltage"));

        QTest::mouseClick(f.get<QPushButton>(QStringLiteral("ButtonApply")), Qt::LeftButton);
        QCOMPARE(f.prompts.askedTexts(), QStringList{QStringLiteral("Select a working voltage")});
        QCOMPARE(f.prompts.asked().front().icon, Prompts::Icon::Warning);
        QCOMPARE(f.text("EditLoadKVA_XN"), QStringLiteral("4"));
        QVERIFY(combo->hasFocus());

        combo->setCurrentIndex(1); // "120", the phase-neutral voltage
        f.type("EditLoadKVA_XY", QStringLiteral("1")); // a recalculation keeps the selection
        QCOMPARE(combo->currentIndex(), 1);
        QTest::mouseClick(f.get<QPushButton>(QStringLiteral("ButtonApply")), Qt::LeftButton);
        QCOMPARE(f.prompts.asked().size(), 1);
        QCOMPARE(f.text("EditLoadKVA_XN"), QStringLiteral("3"));
        QCOMPARE(f.text("EditLoadKVA_YN"), QStringLiteral("2"));
        QCOMPARE(f.text("EditLoadKVA_ZN"), QStringLiteral("2"));
        QCOMPARE(f.text("EditLoadKVA_XY"), QStringLiteral("1")); // not the selected voltage's field
        QCOMPARE(f.text("EditAmpsXN"), QStringLiteral("25.0"));

        // Single phase at the phase-neutral voltage: the odd device goes to X.
        f.tabs()->setCurrentIndex(0);
        f.get<QSpinBox>(QStringLiteral("EditNumberDevice1"))->setValue(5);
        f.type("EditWattsPerDevice1", QStringLiteral("500"));
        f.get<QComboBox>(QStringLiteral("ComboBoxWorkingVoltage1"))->setCurrentIndex(1);
        QTest::mouseClick(f.get<QPushButton>(QStringLiteral("ButtonApply1")), Qt::LeftButton);
        QCOMPARE(f.text("EditLoadKVA_XN1"), QStringLiteral("1.5"));
        QCOMPARE(f.text("EditLoadKVA_YN1"), QStringLiteral("1"));
        QCOMPARE(f.text("EditAmpsXN1"), QStringLiteral("12.5"));
    }

    void clearAllFieldsEmptiesTheVisiblePageOnly()
    {
        Fixture f;
        TFormElectricalPhaseLoad& w = f.open();
        f.type("EditLoadKVA_XY1", QStringLiteral("2"));
        f.type("EditDescription1", QStringLiteral("Stage left"));
        f.tabs()->setCurrentIndex(1);
        QCOMPARE(w.height(), TFormElectricalPhaseLoad::ThreePhaseHeight);
        f.type("EditMaxAmpsPhase", QStringLiteral("100"));
        for (const char* name : {"EditLoadKVA_XY", "EditLoadKVA_YZ", "EditLoadKVA_ZX", "EditLoadKVA_XN",
                                 "EditLoadKVA_YN", "EditLoadKVA_ZN"})
            f.type(QLatin1String(name), QStringLiteral("3"));
        f.type("EditDescription3", QStringLiteral("Dimmer city"));

        QAction* clear = w.findChild<QAction*>(QStringLiteral("Clear1"));
        QCOMPARE(clear->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Delete));
        // The shortcut works from inside a field, too.
        QLineEdit* focused = f.get(QStringLiteral("EditLoadKVA_YZ"));
        focused->setFocus();
        focused->setCursorPosition(0);
        QTest::keyClick(focused, Qt::Key_Delete, Qt::ControlModifier);
        for (const char* name : {"EditLoadKVA_XY", "EditLoadKVA_YZ", "EditLoadKVA_ZX", "EditLoadKVA_XN",
                                 "EditLoadKVA_YN", "EditLoadKVA_ZN", "EditDescription3"})
            QCOMPARE(f.text(QLatin1String(name)), QString());
        QCOMPARE(f.text("EditAmpsX"), QStringLiteral("0.0"));
        QCOMPARE(f.text("EditMaxAmpsPhase"), QStringLiteral("100"));
        QCOMPARE(f.text("EditLoadKVA_XY1"), QStringLiteral("2"));
        QCOMPARE(f.text("EditDescription1"), QStringLiteral("Stage left"));

        f.tabs()->setCurrentIndex(0);
        QCOMPARE(w.height(), TFormElectricalPhaseLoad::SinglePhaseHeight);
    }

    void inputsPersistThroughTheSetupRecord()
    {
        Fixture f;
        {
            TFormElectricalPhaseLoad& w = f.open();
            f.type("EditVoltagePhasePhase1", QStringLiteral("230"));
            f.type("EditMaxAmpsPhase1", QStringLiteral("63"));
            f.type("EditLoadKVA_XN1", QStringLiteral("1.5"));
            f.type("EditLoadKVA_XY1", QStringLiteral("abc")); // filtered: stays empty
            f.get<QSpinBox>(QStringLiteral("EditNumberDevice1"))->setValue(4);
            f.get<QComboBox>(QStringLiteral("ComboBoxWorkingVoltage1"))->setCurrentIndex(1);
            f.type("EditDescription1", QString(300, QLatin1Char('d')));
            f.tabs()->setCurrentIndex(1);
            f.type("EditVoltagePhasePhase", QStringLiteral("400"));
            f.type("EditMaxAmpsPhase", QStringLiteral("125"));
            f.type("EditWattsPerDevice", QStringLiteral("750"));
            f.type("EditLoadKVA_ZN", QStringLiteral("2.25"));
            f.get<QSpinBox>(QStringLiteral("EditNumberDevice"))->setValue(9);
            f.get<QComboBox>(QStringLiteral("ComboBoxWorkingVoltage"))->setCurrentIndex(0);
            f.type("EditDescription3", QStringLiteral("Main stage"));
            w.close();
        }
        QVERIFY(f.window.isNull() || !f.window->isVisible());
        QTRY_VERIFY(f.window.isNull());

        const tvx::SetupRecord& rec = f.setup();
        QCOMPARE(rec.get(setup::PhaseLoadValues1ph), (std::vector<double>{230, 63, 0, 1.5, 0, 0}));
        QCOMPARE(rec.get(setup::PhaseLoadValues3ph), (std::vector<double>{400, 125, 750, 0, 0, 0, 0, 0, 2.25}));
        QCOMPARE(rec.get(setup::PhaseLoadDevices1ph), 4);
        QCOMPARE(rec.get(setup::PhaseLoadDevices3ph), 9);
        QCOMPARE(rec.get(setup::PhaseLoadWorkingVoltage1ph), 1);
        QCOMPARE(rec.get(setup::PhaseLoadWorkingVoltage1phCopy), 1);
        QCOMPARE(rec.get(setup::PhaseLoadWorkingVoltage3ph), 0);
        QCOMPARE(rec.get(setup::PhaseLoadActivePage), 1);
        QCOMPARE(rec.get(setup::PhaseLoadHeight), TFormElectricalPhaseLoad::ThreePhaseHeight);
        QCOMPARE(rec.get(setup::PhaseLoadDescription1ph), std::string(255, 'd'));
        QCOMPARE(rec.get(setup::PhaseLoadDescription3ph), std::string("Main stage"));

        f.open();
        QCOMPARE(f.tabs()->currentIndex(), 1);
        QCOMPARE(f.text("EditVoltagePhasePhase1"), QStringLiteral("230"));
        QCOMPARE(f.text("EditMaxAmpsPhase1"), QStringLiteral("63"));
        QCOMPARE(f.text("EditLoadKVA_XN1"), QStringLiteral("1.5"));
        QCOMPARE(f.text("EditLoadKVA_XY1"), QStringLiteral("0"));
        QCOMPARE(f.get<QSpinBox>(QStringLiteral("EditNumberDevice1"))->value(), 4);
        QCOMPARE(f.text("ComboBoxWorkingVoltage1"), QStringLiteral("115"));
        QCOMPARE(f.text("EditVoltagePhasePhase"), QStringLiteral("400"));
        QCOMPARE(f.text("EditWattsPerDevice"), QStringLiteral("750"));
        QCOMPARE(f.text("EditLoadKVA_ZN"), QStringLiteral("2.25"));
        QCOMPARE(f.text("ComboBoxWorkingVoltage"), QStringLiteral("400"));
        QCOMPARE(f.text("EditDescription3"), QStringLiteral("Main stage"));
        QCOMPARE(f.text("EditAmpsZN"), QStringLiteral("9.7"));
    }

    void damagedSetupValuesAreBroughtIntoRange()
    {
        Fixture f;
        tvx::SetupRecord& rec = f.setup();
        rec.set(setup::PhaseLoadWorkingVoltage3ph, 5);
        rec.set(setup::PhaseLoadWorkingVoltage1ph, -7);
        rec.set(setup::PhaseLoadDevices3ph, -3);
        rec.set(setup::PhaseLoadActivePage, 9);
        rec.set(setup::PhaseLoadHeight, 150);
        rec.set(setup::PhaseLoadValues3ph, 1, std::numeric_limits<double>::quiet_NaN());
        rec.set(setup::PhaseLoadValues1ph, 0, -120.0);
        TFormElectricalPhaseLoad& w = f.open();
        QCOMPARE(f.get<QComboBox>(QStringLiteral("ComboBoxWorkingVoltage"))->currentIndex(), -1);
        QCOMPARE(f.get<QComboBox>(QStringLiteral("ComboBoxWorkingVoltage1"))->currentIndex(), -1);
        QCOMPARE(f.get<QSpinBox>(QStringLiteral("EditNumberDevice"))->value(), 0);
        QCOMPARE(f.tabs()->currentIndex(), 0);
        QCOMPARE(w.height(), 500);
        QCOMPARE(f.text("EditMaxAmpsPhase"), QStringLiteral("0"));
        QCOMPARE(f.text("EditVoltagePhasePhase1"), QStringLiteral("240"));
    }

    void missingWarningFilesStillOpen()
    {
        Fixture f(false);
        f.open();
        QCOMPARE(f.get<QPlainTextEdit>(QStringLiteral("Memo1"))->toPlainText(), QString());
        TFormElectricalPhaseLoadPrint print(*f.context, f.window->fieldTexts());
        const LaidOutReport laid = layoutReport(print.report());
        QCOMPARE(laid.pageCount(), 1);
        QVERIFY(laid.pages.front().textsNamed(TFormElectricalPhaseLoadPrint::WarningName).isEmpty());
    }

    void rtfWarningShowsItsTextOnly()
    {
        Fixture f(false);
        QFile file(f.folder() + QStringLiteral("Resources/3phasewarning.rtf"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Check the \\b neutral\\b0 .\\par}");
        file.close();
        f.open();
        QCOMPARE(f.get<QPlainTextEdit>(QStringLiteral("Memo3"))->toPlainText(), QStringLiteral("Check the neutral."));
    }

    void reportShowsTheFieldsWithTheirUnits()
    {
        Fixture f;
        f.setup().set(setup::UserName, "Sam Rigger");
        f.open();
        f.type("EditDescription1", QStringLiteral("FOH split"));
        f.type("EditMaxAmpsPhase1", QStringLiteral("100"));
        f.type("EditLoadKVA_XN1", QStringLiteral("2.4"));
        f.tabs()->setCurrentIndex(1);
        f.type("EditMaxAmpsPhase", QStringLiteral("100"));
        f.type("EditLoadKVA_XY", QStringLiteral("10"));

        TFormElectricalPhaseLoadPrint print(*f.context, f.window->fieldTexts());
        print.report().setPrintTime(QDateTime(QDate(2024, 5, 1), QTime(14, 30)));
        const LaidOutReport laid = layoutReport(print.report());
        QCOMPARE(laid.orientation, PageOrientation::Portrait);
        QCOMPARE(laid.pageCount(), 1);
        const LaidOutPage& page = laid.pages.front();
        const QStringList texts = page.texts();
        for (const char* expected :
             {"Trovanex", "Electrical Phase Load Report", "Single Phase", "Three Phases", "Max. Amps Per Phase:",
              "Maximum Available KVA:", "% Available KVA:", "FOH split", "240 volt", "120.0 volt", "100 Amps",
              "24.0 KVA", "2.4 KVA", "20.0 Amps", "90.0%", "208 volt", "36.0 KVA", "48.1 Amps", "72.2%",
              "This report was produce by the Trovanex Voze for Sam Rigger"})
            QVERIFY2(texts.contains(QLatin1String(expected)), expected);
        QCOMPARE(page.textsNamed(QStringLiteral("EditAmpsY")), QStringList{QStringLiteral("48.1 Amps")});
        QCOMPARE(page.textsNamed(QStringLiteral("EditPercentZ")), QStringList{QStringLiteral("0.0%")});
        QCOMPARE(page.textsNamed(QStringLiteral("EditDescription3")), QStringList());
        QCOMPARE(texts.count(QStringLiteral("Electrical Phase Load Report")), 2); // heading and footer title
        const QStringList warning = page.textsNamed(TFormElectricalPhaseLoadPrint::WarningName);
        QVERIFY(!warning.isEmpty());
        QVERIFY(warning.front().startsWith(QStringLiteral("The results in this report")));

        // Every caption of both sections, in order.
        const qsizetype single = texts.indexOf(QStringLiteral("Single Phase"));
        const qsizetype three = texts.indexOf(QStringLiteral("Three Phases"));
        QVERIFY(single >= 0 && three > single);
        QCOMPARE(texts.mid(single).count(QStringLiteral("Description:")), 2);
        QCOMPARE(texts.mid(three).count(QStringLiteral("Load KVA Z-N:")), 1);
        QCOMPARE(texts.mid(single, three - single).count(QStringLiteral("Amps X-Y:")), 1);
    }

    void printShowsThePreview()
    {
        Fixture f;
        TFormElectricalPhaseLoad& w = f.open();
        QAction* print = w.findChild<QAction*>(QStringLiteral("Print1"));
        QCOMPARE(print->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        QCOMPARE(w.findChild<QAction*>(QStringLiteral("Close1"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F12));
        int pages = -1;
        QTimer::singleShot(0, &w, [&]() {
            auto* preview = w.findChild<ReportPreviewWindow*>();
            QVERIFY(preview);
            pages = preview->document().pageCount();
            preview->close();
        });
        print->trigger();
        QCOMPARE(pages, 1);
        QVERIFY(w.findChildren<ReportPreviewWindow*>().isEmpty());
    }
};

QTEST_MAIN(TFormElectricalPhaseLoadTest)
#include "TFormElectricalPhaseLoadTest.moc"
