#include "ModuleFixture.h"
#include "catalogue/CatalogueSchemas.h"
#include "photometric/ClickLabel.h"
#include "photometric/TFormPhotometric.h"
#include "setup/SetupLayout.h"
#include "shell/AppContext.h"
#include "widgets/NumberEdit.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QtTest>

#include <cmath>
#include <limits>
#include <memory>

namespace {

namespace fx = tvx::catalogue::fixture;

struct FixtureRow {
    const char* manufacturer;
    const char* name;
    double beamMin, beamMax, candelaMin, candelaMax;
};

// A photometric window over a fresh start-up folder with a small catalogue.
struct Fixture : ModuleFixture<TFormPhotometric> {
    Fixture()
    {
        copyShippedResource("Photometric_plot.bmp");
        context->catalogues().openAll();
        for (const char* m : {"Lumo", "Brightway"}) {
            tvx::RecordTable& t = context->catalogues().TableManufacturerUser();
            t.append();
            t.setField(fx::Manufacturer, std::string(m));
            t.post();
        }
        const FixtureRow rows[] = {
            {"Lumo", "Spot 575", 12, 24, 20000, 41000},
            {"Brightway", "Fresnel 1k", 15, 60, 3000, 9000},
            {"Lumo", "Beam 5R", 2, 4, 0, 0},
        };
        tvx::RecordTable& user = context->catalogues().TableFixtureUser();
        for (const FixtureRow& r : rows) {
            user.append();
            user.setField(fx::Manufacturer, std::string(r.manufacturer));
            user.setField(fx::FixtureName, std::string(r.name));
            user.setField(fx::BeamMin, r.beamMin);
            user.setField(fx::BeamMax, r.beamMax);
            if (r.candelaMax > 0) {
                user.setField(fx::CandelaMin, r.candelaMin);
                user.setField(fx::CandelaMax, r.candelaMax);
            }
            user.post();
        }
    }

    tvx::RecordTable& fixtures() { return context->catalogues().TableFixtureMerge2(); }

    QString text(const char* name) const
    {
        if (auto* edit = qobject_cast<QLineEdit*>(get(name)))
            return edit->text();
        return get<QLabel>(name)->text();
    }
    bool shown(const char* name) const { return get(name)->isVisible(); }
    bool warning() const { return shown("LabelWarning"); }

    void pick(int target, int choice)
    {
        get<QComboBox>("PhotoDropBox1")->setCurrentIndex(target);
        get<QComboBox>("CBKnowing")->setCurrentIndex(choice);
    }
    void type(const char* name, const QString& value)
    {
        auto* edit = get<NumberEdit>(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, value);
    }
    void click(const char* name) { QTest::mouseClick(get(name), Qt::LeftButton); }
    QAction* action(const char* name) const { return get<QAction>(name); }
    double value(tvx::photometric::Quantity q) const { return window->values()[std::size_t(q)]; }
};

using Q = tvx::photometric::Quantity;

} // namespace

class TFormPhotometricTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }

    void rowLayoutFollowsTargetAndChoice_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QStringList>("inputs"); // captions of the shown inputs
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("second");
        QTest::newRow("H from D and V") << 0 << 0 << "H = SQRT( (D * D) - (V * V) )" << QStringList{"D:", "V:"}
                                        << "H=" << "";
        QTest::newRow("F from Mf") << 3 << 0 << "2 * ATAN(Mf / 2)" << QStringList{"Mf:"} << "F=" << "";
        QTest::newRow("Y") << 7 << 0 << "Y = V * ( TAN(K + F/2) - TAN(K - F/2) )" << QStringList{"V:", "F:", "K"}
                           << "Y=" << "";
        QTest::newRow("Fc metres") << 8 << 1 << "Fc = Cd / (D * D)" << QStringList{"D(meter):", "Cd:"} << "Fc="
                                   << "Lux=";
        QTest::newRow("Footcandles") << 8 << 3 << "footcandles * 10.8" << QStringList{"Fc:"} << "Lux=" << "";
        QTest::newRow("Cd feet") << 9 << 0 << "Cd = Fc * (D * D) \"D in feet\"" << QStringList{"D(feet):", "Fc:"}
                                 << "Cd=" << "";
    }
    void rowLayoutFollowsTargetAndChoice()
    {
        QFETCH(int, target);
        QFETCH(int, choice);
        QFETCH(QString, formula);
        QFETCH(QStringList, inputs);
        QFETCH(QString, result);
        QFETCH(QString, second);
        Fixture f;
        f.open();
        f.pick(target, choice);
        QCOMPARE(f.text("LabelFormula"), formula);
        const char* labels[] = {"LabelValueA", "LabelValueB", "LabelValueC"};
        const char* edits[] = {"EditEnterValueA", "EditEnterValueB", "EditEnterValueC"};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(f.shown(edits[i]), i < inputs.size());
            if (i < inputs.size())
                QCOMPARE(f.text(labels[i]), inputs[i]);
        }
        QCOMPARE(f.text("LabelResultA"), result);
        QCOMPARE(f.shown("EditResultB"), !second.isEmpty());
        if (!second.isEmpty())
            QCOMPARE(f.text("LabelResultB"), second);
    }

    void switchingTargetResetsTheChoice()
    {
        Fixture f;
        f.open();
        f.pick(2, 6);
        QCOMPARE(f.text("LabelFormula"), QStringLiteral("D = SQRT(Cd / Fc)"));
        f.get<QComboBox>("PhotoDropBox1")->setCurrentIndex(4);
        auto* knowing = f.get<QComboBox>("CBKnowing");
        QCOMPARE(knowing->currentIndex(), 0);
        QCOMPARE(knowing->count(), 4);
        QCOMPARE(knowing->itemText(3), QStringLiteral("K"));
        QCOMPARE(f.text("LabelFormula"), QStringLiteral("C = ATAN(V / H)"));
    }

    void typingComputesAndFailuresShowTheWarning()
    {
        Fixture f;
        f.open();
        f.pick(0, 0); // H from D and V
        f.type("EditEnterValueA", QStringLiteral("5"));
        f.type("EditEnterValueB", QStringLiteral("3"));
        QCOMPARE(f.text("EditResultA"), QStringLiteral("4"));
        QVERIFY(!f.warning());
        QCOMPARE(f.value(Q::H), 4.0);

        f.type("EditEnterValueB", QStringLiteral("6")); // V above D
        QVERIFY(f.warning());
        QCOMPARE(f.value(Q::V), 3.0);
        QCOMPARE(f.value(Q::H), 4.0);
        f.type("EditEnterValueB", QStringLiteral("5"));
        QVERIFY(!f.warning());
        QCOMPARE(f.text("EditResultA"), QStringLiteral("0"));

        f.pick(8, 0); // Fc from D in feet and Cd, with lux
        f.type("EditEnterValueA", QStringLiteral("10"));
        f.type("EditEnterValueB", QStringLiteral("10000"));
        QCOMPARE(f.text("EditResultA"), QStringLiteral("100"));
        QCOMPARE(f.text("EditResultB"), QStringLiteral("1076.39"));
    }

    void valuesAreCarriedBetweenRows()
    {
        Fixture f;
        f.open();
        f.pick(0, 0);
        f.type("EditEnterValueA", QStringLiteral("5"));
        f.type("EditEnterValueB", QStringLiteral("3"));
        f.pick(1, 0); // V from D and H
        QCOMPARE(f.text("EditEnterValueA"), QStringLiteral("5"));
        QCOMPARE(f.text("EditEnterValueB"), QStringLiteral("4"));
        QCOMPARE(f.text("EditResultA"), QStringLiteral("3"));
    }

    void luxRowsLeaveInputsAndValuesAlone()
    {
        Fixture f;
        f.open();
        f.pick(2, 1); // D from V and H
        f.type("EditEnterValueA", QStringLiteral("3"));
        f.type("EditEnterValueB", QStringLiteral("4"));
        f.get<QComboBox>("PhotoDropBox1")->setCurrentIndex(8); // D (now 5) goes into input A
        f.get<QComboBox>("CBKnowing")->setCurrentIndex(2);     // Fc from lux: the input keeps its text
        QCOMPARE(f.text("EditEnterValueA"), QStringLiteral("5"));
        const tvx::photometric::Values before = f.window->values();
        f.type("EditEnterValueA", QStringLiteral("10.7639104"));
        QCOMPARE(f.text("EditResultA"), QStringLiteral("1"));
        QCOMPARE(f.window->values(), before);
    }

    void lettersSitOnThePictureAndSelectTheirTarget()
    {
        Fixture f;
        f.open();
        auto* picture = f.get<QLabel>("PhotoImage1");
        QVERIFY(!picture->pixmap().isNull());
        const double scale = picture->width() / 300.0;
        struct Letter {
            const char* name;
            int target;
            int x, y; // centre on the 300 x 330 picture
        };
        const Letter letters[] = {
            {"PhotoStaticTextH", 0, 102, 15},  {"PhotoStaticTextV", 1, 24, 169}, {"PhotoStaticTextD", 2, 197, 130},
            {"PhotoStaticTextF", 3, 236, 258}, {"PhotoStaticTextC", 4, 102, 35}, {"PhotoStaticTextK", 5, 188, 242},
            {"PhotoStaticTextX", 6, 56, 292},  {"PhotoStaticTextY", 7, 56, 308},
        };
        for (const Letter& l : letters) {
            auto* label = f.get<ClickLabel>(l.name);
            QCOMPARE(label->parentWidget(), picture);
            const QPoint centre = label->geometry().center();
            QVERIFY2(std::abs(centre.x() - l.x * scale) <= 2 && std::abs(centre.y() - l.y * scale) <= 2, l.name);
            f.click(l.name);
            QCOMPARE(f.get<QComboBox>("PhotoDropBox1")->currentIndex(), l.target);
        }
        QCOMPARE(f.text("PhotoStageFloorText"), QStringLiteral("Stage Floor"));

        // Red under the mouse.
        auto* h = f.get<ClickLabel>("PhotoStaticTextH");
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(h, &enter);
        QCOMPARE(h->palette().color(QPalette::WindowText), QColor(Qt::red));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(h, &leave);
        QVERIFY(h->palette().color(QPalette::WindowText) != QColor(Qt::red));

        // The "Calculate..." menu does the same, also for the current target.
        f.pick(9, 1);
        f.action("CalculateCd")->trigger();
        QCOMPARE(f.get<QComboBox>("CBKnowing")->currentIndex(), 0);
        f.action("CalculatemF")->trigger();
        QCOMPARE(f.get<QComboBox>("PhotoDropBox1")->currentIndex(), 10);
        QCOMPARE(f.action("CalculateFc")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Alt+L")));
        QCOMPARE(f.action("Clear1")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Del")));
    }

    void clickingAFixtureValueEntersIt()
    {
        Fixture f;
        f.open();
        auto* list = f.get<QListView>("PhotoDBLookupListBox1");
        QCOMPARE(list->model()->rowCount(), 3);
        list->setCurrentIndex(list->model()->index(1, 0));
        QCOMPARE(f.text("PhotoDBTextFixtureName"), QStringLiteral("Fresnel 1k"));
        QCOMPARE(f.text("PhotoDBTextmanufacturer"), QStringLiteral("Brightway"));
        QCOMPARE(f.fixtures().currentRow(), std::size_t(1));

        f.pick(6, 0); // X from D and F
        f.type("EditEnterValueA", QStringLiteral("10"));
        f.click("PhotoDBTextBeamMin");
        QCOMPARE(f.value(Q::F), 15.0);
        QCOMPARE(f.text("EditEnterValueB"), QStringLiteral("15"));
        QCOMPARE(f.text("EditResultA"), QStringLiteral("2.63"));

        f.click("PhotoDBTextCandela");
        QCOMPARE(f.value(Q::Cd), 9000.0);
        // An empty candela field enters nothing (the list is in name order).
        list->setCurrentIndex(list->model()->index(0, 0));
        QCOMPARE(f.text("PhotoDBTextFixtureName"), QStringLiteral("Beam 5R"));
        f.click("DBText1");
        QCOMPARE(f.value(Q::Cd), 9000.0);
        // Display-only labels enter nothing either.
        const tvx::photometric::Values before = f.window->values();
        f.click("PhotoDBTextLumens");
        QCOMPARE(f.window->values(), before);
    }

    void labelsSortAndTheFilterNarrowsTheList()
    {
        Fixture f;
        f.open();
        const auto firstName = [&f]() {
            return f.get<QListView>("PhotoDBLookupListBox1")->model()->index(0, 0).data().toString();
        };
        f.click("PhotoDBTextmanufacturer");
        QCOMPARE(f.fixtures().sortField(), f.fixtures().indexOf(fx::Manufacturer));
        QCOMPARE(firstName(), QStringLiteral("Fresnel 1k"));
        f.click("PhotoDBTextFixtureName");
        QCOMPARE(f.fixtures().sortField(), f.fixtures().indexOf(fx::FixtureName));
        QCOMPARE(firstName(), QStringLiteral("Beam 5R"));

        auto* combo = f.get<QComboBox>("ComboBoxManufacturerFilter");
        combo->showPopup();
        combo->hidePopup();
        QCOMPARE(combo->count(), 2);
        const int lumo = combo->findText(QStringLiteral("Lumo"));
        QVERIFY(lumo >= 0);
        combo->setCurrentIndex(lumo);
        emit combo->activated(lumo);
        QCOMPARE(f.context->moduleFilterText(), QStringLiteral("Lumo"));
        QCOMPARE(f.setup().get(tvx::setup::PhotometricManufacturerFilter), std::string("Lumo"));

        QTest::mouseClick(f.get<QCheckBox>("CheckBoxManufacturerFilter"), Qt::LeftButton);
        QCOMPARE(f.setup().get(tvx::setup::PhotometricManufacturerFilterOn), 1);
        QCOMPARE(f.get<QListView>("PhotoDBLookupListBox1")->model()->rowCount(), 2);

        // Sorting keeps the filter on, and the window never edited a record.
        f.click("PhotoDBTextmanufacturer");
        QVERIFY(f.fixtures().isFiltered());
        QCOMPARE(f.fixtures().totalCount(), std::size_t(3));

        QTest::mouseClick(f.get<QCheckBox>("CheckBoxManufacturerFilter"), Qt::LeftButton);
        QCOMPARE(f.setup().get(tvx::setup::PhotometricManufacturerFilterOn), 0);
        QVERIFY(!f.fixtures().isFiltered());
    }

    void storedFilterIsAppliedOnActivation()
    {
        Fixture f;
        f.setup().set(tvx::setup::PhotometricManufacturerFilter, "Brightway");
        f.setup().set(tvx::setup::PhotometricManufacturerFilterOn, 1);
        f.open();
        QVERIFY(f.get<QCheckBox>("CheckBoxManufacturerFilter")->isChecked());
        QCOMPARE(f.get<QComboBox>("ComboBoxManufacturerFilter")->currentText(), QStringLiteral("Brightway"));
        QCOMPARE(f.fixtures().recordCount(), std::size_t(1));
        QCOMPARE(f.text("PhotoDBTextFixtureName"), QStringLiteral("Fresnel 1k"));
    }

    void persistenceRoundTrip()
    {
        Fixture f;
        f.open();
        f.pick(7, 0); // Y from V, F and K
        f.type("EditEnterValueA", QStringLiteral("10"));
        f.type("EditEnterValueB", QStringLiteral("20"));
        f.type("EditEnterValueC", QStringLiteral("45"));
        f.action("Close1")->trigger();
        QTRY_VERIFY(f.window.isNull());
        QCOMPARE(f.setup().get(tvx::setup::PhotometricTarget), 7);
        QCOMPARE(f.setup().get(tvx::setup::PhotometricKnowing), 0);
        const std::vector<double> stored = f.setup().get(tvx::setup::PhotometricValues);
        QCOMPARE(stored[std::size_t(Q::K)], 45.0);
        QCOMPARE(f.setup().get(tvx::setup::PhotometricValues, std::size_t(Q::Y)), stored[std::size_t(Q::Y)]);

        f.open();
        QCOMPARE(f.get<QComboBox>("PhotoDropBox1")->currentIndex(), 7);
        QCOMPARE(f.text("EditEnterValueC"), QStringLiteral("45"));
        QCOMPARE(f.text("EditResultA"), QStringLiteral("7.28"));

        f.pick(9, 1);
        f.window->close();
        QTRY_VERIFY(f.window.isNull());
        f.open();
        QCOMPARE(f.get<QComboBox>("CBKnowing")->currentIndex(), 1);
        QCOMPARE(f.text("LabelValueA"), QStringLiteral("D(meter):"));
    }

    void damagedStoredValuesDoNotCrash()
    {
        Fixture f;
        f.setup().set(tvx::setup::PhotometricTarget, 99);
        f.setup().set(tvx::setup::PhotometricKnowing, -4);
        f.setup().set(tvx::setup::PhotometricValues, std::size_t(Q::D), std::numeric_limits<double>::quiet_NaN());
        f.setup().set(tvx::setup::PhotometricValues, std::size_t(Q::V), 3.0);
        f.open();
        QCOMPARE(f.get<QComboBox>("PhotoDropBox1")->currentIndex(), 0);
        QCOMPARE(f.get<QComboBox>("CBKnowing")->currentIndex(), 0);
        QCOMPARE(f.text("EditEnterValueA"), QStringLiteral("0"));
        QVERIFY(f.warning()); // V 3 above D 0

        Fixture g;
        g.setup().set(tvx::setup::PhotometricTarget, 7);
        g.setup().set(tvx::setup::PhotometricKnowing, 5); // Y has one row only
        g.open();
        QCOMPARE(g.get<QComboBox>("CBKnowing")->currentIndex(), 0);
        QCOMPARE(g.text("LabelValueC"), QStringLiteral("K"));
    }

    void clearAllFields()
    {
        Fixture f;
        f.open();
        f.pick(0, 0);
        f.type("EditEnterValueA", QStringLiteral("5"));
        f.type("EditEnterValueB", QStringLiteral("3"));
        f.action("Clear1")->trigger();
        QCOMPARE(f.window->values(), tvx::photometric::Values{});
        QCOMPARE(f.text("EditEnterValueA"), QStringLiteral("0"));
        QCOMPARE(f.text("EditEnterValueB"), QStringLiteral("0"));
        QCOMPARE(f.text("EditEnterValueC"), QStringLiteral("0"));
        QVERIFY(!f.warning()); // sqrt(0 - 0) = 0
        f.pick(2, 0);          // D = X / Mf divides by the cleared Mf
        QCOMPARE(f.text("EditEnterValueB"), QStringLiteral("0"));
        QVERIFY(f.warning());
        QCOMPARE(f.text("EditResultA"), QString());
    }
};

QTEST_MAIN(TFormPhotometricTest)
#include "TFormPhotometricTest.moc"
