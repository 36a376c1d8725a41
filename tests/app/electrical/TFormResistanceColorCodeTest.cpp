#include "ModuleFixture.h"
#include "electrical/TFormResistanceColorCode.h"
#include "electrical/TFormResistanceColorCodePrint.h"
#include "reports/ReportFrames.h"
#include "reports/ReportLayout.h"
#include "reports/ReportPreviewWindow.h"
#include "setup/SetupLayout.h"
#include "shell/AppContext.h"
#include "widgets/NumberEdit.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QFrame>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <cmath>
#include <limits>
#include <memory>

Q_DECLARE_METATYPE(tvx::electrical::ResistorColour)

namespace {

using C = tvx::electrical::ResistorColour;

// One colour code window over a fresh start-up folder.
struct Fixture : ModuleFixture<TFormResistanceColorCode> {


    template <typename T = QWidget>
    T* child(const char* name) const
    {
        T* w = window->findChild<T*>(QLatin1String(name));
        if (!w)
            qWarning("no control %s", name);
        return w;
    }
    NumberEdit* entry() const { return child<NumberEdit>("EditOhmsEntry"); }
    QString result(const char* name) const { return child<QLineEdit>(name)->text(); }
    void click(const char* name) const { QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton); }

    void type(const QString& text)
    {
        NumberEdit* edit = entry();
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    // The colours of bands A, B, C and D.
    QList<C> colours() const
    {
        QList<C> list;
        for (const auto& band : window->bands().bands)
            list << band.colour;
        return list;
    }
};

} // namespace

class TFormResistanceColorCodeTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }

    void clickingBandsComputes()
    {
        Fixture f;
        f.open();
        QCOMPARE(f.result("Resistance_Total"), QStringLiteral("0.0 Ohms (+/- 1% tolerance)"));
        QCOMPARE(f.child("ResistanceCode_A")->toolTip(), QStringLiteral("A= First digiit"));
        QCOMPARE(f.child("ResistanceCode_C3")->toolTip(), QStringLiteral("Multiply by  1000"));

        f.type(QStringLiteral("12"));
        // A click moves the focus off the entry, so the entry follows the bands.
        for (const char* swatch : {"ResistanceCode_A4", "ResistanceCode_B7", "ResistanceCode_C2", "ResistanceCode_D5"})
            f.click(swatch);
        QCOMPARE(f.result("Resistance_Total"), QStringLiteral("4700.0 Ohms (+/- 5% tolerance)"));
        QCOMPARE(f.result("Resistance_TotalK"), QStringLiteral("4.7 Kilo Ohms (+/- 5% tolerance)"));
        QCOMPARE(f.result("Resistance_TotalM"), QStringLiteral("0.0 Mega Ohms (+/- 5% tolerance)"));
        QCOMPARE(f.colours(), (QList<C>{C::Yellow, C::Purple, C::Red, C::Gold}));
        QVERIFY(!f.entry()->hasFocus());
        QCOMPARE(f.entry()->text(), QStringLiteral("4700"));
        QVERIFY(f.child<QFrame>("ResistanceCode_A")->styleSheet().contains(QStringLiteral("#ffff00")));

        f.click("ResistanceCode_CDiv100");
        QCOMPARE(f.result("Resistance_Total"), QStringLiteral("0.5 Ohms (+/- 5% tolerance)"));
    }

    void typingSetsTheValueBands_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("entryAfter");
        QTest::addColumn<QList<C>>("colours");
        QTest::addColumn<QString>("ohms");
        QTest::newRow("kilo-ohms") << "RadioButtonKiloOhms" << "4.7" << "4.7"
                                   << QList<C>{C::Yellow, C::Purple, C::Red, C::Brown}
                                   << "4700.0 Ohms (+/- 1% tolerance)";
        QTest::newRow("digits are cut") << "RadioButtonOhms" << "4790" << "4790"
                                        << QList<C>{C::Yellow, C::Purple, C::Red, C::Brown}
                                        << "4700.0 Ohms (+/- 1% tolerance)";
        QTest::newRow("below 0.1 ohm") << "RadioButtonOhms" << "0.05" << "0.05"
                                       << QList<C>{C::Black, C::Black, C::Black, C::Brown}
                                       << "0.0 Ohms (+/- 1% tolerance)";
        QTest::newRow("cut back to the largest code")
            << "RadioButtonOhms" << "1000000000000" << "99000000000"
            << QList<C>{C::White, C::White, C::White, C::Brown} << "99000000000.0 Ohms (+/- 1% tolerance)";
        QTest::newRow("mega-ohms cut back in their unit")
            << "RadioButtonMegaOhms" << "200000" << "99000"
            << QList<C>{C::White, C::White, C::White, C::Brown} << "99000000000.0 Ohms (+/- 1% tolerance)";
    }

    void typingSetsTheValueBands()
    {
        QFETCH(QString, unit);
        QFETCH(QString, typed);
        QFETCH(QString, entryAfter);
        QFETCH(QList<C>, colours);
        QFETCH(QString, ohms);
        Fixture f;
        f.open();
        f.click(unit.toLatin1().constData());
        f.type(typed);
        // While the user types, the entry keeps the typed text.
        QCOMPARE(f.entry()->text(), entryAfter);
        QCOMPARE(f.colours(), colours);
        QCOMPARE(f.result("Resistance_Total"), ohms);
    }

    void unitChoiceReinterpretsTheEntryAndKeepsTheTolerance()
    {
        Fixture f;
        f.open();
        f.click("ResistanceCode_D10");
        f.click("RadioButtonKiloOhms");
        f.type(QStringLiteral("4.7"));
        QCOMPARE(f.colours(), (QList<C>{C::Yellow, C::Purple, C::Red, C::Silver}));
        f.click("RadioButtonOhms");
        QCOMPARE(f.colours(), (QList<C>{C::Yellow, C::Purple, C::Gold, C::Silver}));
        QCOMPARE(f.result("Resistance_Total"), QStringLiteral("4.7 Ohms (+/- 10% tolerance)"));
        QCOMPARE(f.entry()->text(), QStringLiteral("4.7"));
    }

    void spinButtonStepsByTheDecade()
    {
        Fixture f;
        f.open();
        f.type(QStringLiteral("47"));
        f.click("SpinButton1Up");
        QVERIFY(f.entry()->hasFocus());
        QCOMPARE(f.entry()->text(), QStringLiteral("48"));
        QCOMPARE(f.result("Resistance_Total"), QStringLiteral("48.0 Ohms (+/- 1% tolerance)"));
        f.click("SpinButton1Down");
        f.click("SpinButton1Down");
        QCOMPARE(f.entry()->text(), QStringLiteral("46"));
        f.type(QStringLiteral("0.05"));
        f.click("SpinButton1Up");
        QCOMPARE(f.entry()->text(), QStringLiteral("0.1"));
        QCOMPARE(f.colours().mid(0, 3), (QList<C>{C::Brown, C::Black, C::Silver}));
    }

    void clearAllFieldsAndPersistence()
    {
        Fixture f;
        f.setup().set(tvx::setup::ColourCodeOhms, 4790.0);
        f.open();
        QCOMPARE(f.result("Resistance_Total"), QStringLiteral("4700.0 Ohms (+/- 1% tolerance)"));
        QVERIFY(f.child<QRadioButton>("RadioButtonOhms")->isChecked());

        QAction* clear = f.child<QAction>("Clear1");
        QCOMPARE(clear->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Delete));
        clear->trigger();
        QCOMPARE(f.entry()->text(), QStringLiteral("0"));
        QCOMPARE(f.result("Resistance_Total"), QStringLiteral("0.0 Ohms (+/- 1% tolerance)"));

        // The entry is stored as it stands, in the unit then chosen.
        f.click("RadioButtonKiloOhms");
        f.type(QStringLiteral("2.2"));
        f.child<QAction>("Close1")->trigger();
        QVERIFY(f.window.isNull() || !f.window->isVisible());
        QCOMPARE(f.setup().get(tvx::setup::ColourCodeOhms), 2.2);

        // An entry without a number is stored as 0.
        Fixture g;
        g.open();
        g.entry()->setFocus();
        g.entry()->clear();
        g.window->close();
        QCOMPARE(g.setup().get(tvx::setup::ColourCodeOhms), 0.0);
    }

    void damagedStoredValueOpensSafely_data()
    {
        QTest::addColumn<double>("stored");
        QTest::addColumn<QString>("ohms");
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << "0.0 Ohms (+/- 1% tolerance)";
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "0.0 Ohms (+/- 1% tolerance)";
        QTest::newRow("negative") << -47.0 << "0.0 Ohms (+/- 1% tolerance)";
        QTest::newRow("huge") << 1e300 << "99000000000.0 Ohms (+/- 1% tolerance)";
    }

    void damagedStoredValueOpensSafely()
    {
        QFETCH(double, stored);
        QFETCH(QString, ohms);
        Fixture f;
        f.setup().set(tvx::setup::ColourCodeOhms, stored);
        f.open();
        QCOMPARE(f.result("Resistance_Total"), ohms);
        QVERIFY(!f.entry()->text().contains(QStringLiteral("nan"), Qt::CaseInsensitive));
    }

    void reportShowsBandsResultsAndUser()
    {
        Fixture f;
        f.setup().set(tvx::setup::UserName, "<User Name>");
        TFormResistanceColorCode& w = f.open();
        for (const char* swatch : {"ResistanceCode_A4", "ResistanceCode_B7", "ResistanceCode_C2", "ResistanceCode_D10"})
            f.click(swatch);

        TFormResistanceColorCodePrint print(*f.context, w.bands(), w.resultTexts());
        QCOMPARE(print.report().title(), QStringLiteral("Resistance Color Code Report"));
        QCOMPARE(print.report().orientation(), PageOrientation::Portrait);
        const LaidOutReport laid = layoutReport(print.report());
        QCOMPARE(laid.pageCount(), 1);
        const LaidOutPage& page = laid.pages.front();
        const QString band = TFormResistanceColorCodePrint::BandName;
        QCOMPARE(page.textsNamed(band + QLatin1Char('A')), QStringList{QStringLiteral("Yellow")});
        QCOMPARE(page.textsNamed(band + QLatin1Char('B')), QStringList{QStringLiteral("Purple")});
        QCOMPARE(page.textsNamed(band + QLatin1Char('C')), QStringList{QStringLiteral("Red")});
        QCOMPARE(page.textsNamed(band + QLatin1Char('D')), QStringList{QStringLiteral("Silver")});
        QCOMPARE(page.textsNamed(TFormResistanceColorCodePrint::OhmsName),
                 QStringList{QStringLiteral("4700.0 Ohms (+/- 10% tolerance)")});
        QCOMPARE(page.textsNamed(TFormResistanceColorCodePrint::KiloOhmsName),
                 QStringList{QStringLiteral("4.7 Kilo Ohms (+/- 10% tolerance)")});
        QCOMPARE(page.textsNamed(TFormResistanceColorCodePrint::MegaOhmsName),
                 QStringList{QStringLiteral("0.0 Mega Ohms (+/- 10% tolerance)")});
        QCOMPARE(page.textsNamed(ReportFrames::FooterTextLabel),
                 QStringList{QStringLiteral("This report was produce by the Trovanex Voze for <User Name>")});
        for (const char* text : {"Result in Ohms:", "Result in KiloOhms:", "Result in MegaOhms:", "Formulas",
                                 "Formula for Resistors in Series:", "Resistance1 * Resistance2",
                                 "1/Resistance1 + 1/Resistance2 +....", "*0.01", "Trovanex"})
            QVERIFY2(page.hasText(QLatin1String(text)), text);

        // Everything stays inside the printable area, texts included.
        const double right = laid.pageWidth - laid.margin;
        const double bottom = laid.pageHeight - laid.margin;
        for (const LaidOutItem& item : page.items) {
            QVERIFY2(item.rect.normalized().right() <= right + 1, qPrintable(item.text));
            QVERIFY2(item.rect.normalized().bottom() <= bottom + 1, qPrintable(item.text));
            if (item.kind == LaidOutItem::Kind::Text) {
                const double width = QFontMetricsF(item.font).horizontalAdvance(item.text);
                QVERIFY2(item.rect.left() + width <= right + 1, qPrintable(item.text));
            }
        }
    }

    void printOpensThePreview()
    {
        Fixture f;
        TFormResistanceColorCode& w = f.open();
        QAction* print = f.child<QAction>("Print1");
        QCOMPARE(print->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        QStringList ohms;
        QTimer::singleShot(0, &w, [&]() {
            auto* preview = w.findChild<ReportPreviewWindow*>();
            QVERIFY(preview);
            ohms = preview->document().laidOut()->pages.front().textsNamed(TFormResistanceColorCodePrint::OhmsName);
            preview->close();
        });
        print->trigger();
        QCOMPARE(ohms, QStringList{QStringLiteral("0.0 Ohms (+/- 1% tolerance)")});
        QVERIFY(w.findChildren<ReportPreviewWindow*>().isEmpty());
    }
};

QTEST_MAIN(TFormResistanceColorCodeTest)
#include "TFormResistanceColorCodeTest.moc"
