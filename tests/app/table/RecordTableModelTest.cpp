#include "table/RecordTableModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

using namespace tvx;

namespace {

std::unique_ptr<RecordTable> lamps()
{
    auto t = std::make_unique<RecordTable>(std::vector<Field>{
        Field::text("Name", 20), Field::floating("Lumens").withFormat("#.##' lm'"),
        Field::floating("pf").withRange(0, 1), Field::integer("Channels").withFormat("0")});
    for (auto [name, lumens, ch] : {std::tuple{"Fresnel", 12.345, 1}, std::tuple{"Area", 0.0, 3}}) {
        Record r = t->newRecord();
        r.values = {std::string(name), lumens, 0.9, std::int32_t(ch)};
        t->appendRecord(r);
    }
    return t;
}

} // namespace

class RecordTableModelTest : public QObject {
    Q_OBJECT
private slots:
    void showsDisplayFormatsInTheUsersLocale()
    {
        auto t = lamps();
        RecordTableModel model(t.get());
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Lumens"));
        QCOMPARE(model.displayText(0, 1), QStringLiteral("12.35 lm"));
        QCOMPARE(model.displayText(1, 1), QStringLiteral(" lm")); // a mask without a required digit
        QCOMPARE(model.displayText(1, 3), QStringLiteral("3"));
        model.setLocale(QLocale(QLocale::German));
        QCOMPARE(model.displayText(0, 1), QStringLiteral("12,35 lm"));
    }

    void titleClickSortsTheTableItself()
    {
        auto t = lamps();
        RecordTableModel model(t.get());
        model.sort(0, Qt::AscendingOrder);
        QCOMPARE(model.displayText(0, 0), QStringLiteral("Area"));
        QCOMPARE(t->sortField(), std::optional<std::size_t>(0));
        model.sort(0, Qt::DescendingOrder);
        QCOMPARE(model.displayText(0, 0), QStringLiteral("Fresnel"));
    }

    void editsPostAndRefusalsAreReported()
    {
        auto t = lamps();
        RecordTableModel model(t.get());
        model.setEditable(true);
        QSignalSpy refused(&model, &RecordTableModel::editRefused);
        QVERIFY(model.setData(model.index(1, 1), QStringLiteral("250")));
        QCOMPARE(model.displayText(1, 1), QStringLiteral("250 lm"));
        QVERIFY(!model.setData(model.index(1, 2), QStringLiteral("1.5")));
        QCOMPARE(refused.count(), 1);
        QCOMPARE(refused.first().first().toString(),
                 QStringLiteral("1.5 is not a valid value for field 'pf'. The allowed range is 0 to 1"));
        QVERIFY(!model.setData(model.index(1, 3), QStringLiteral("two")));
        QCOMPARE(t->state(), TableState::Browse);
        QCOMPARE(model.displayText(1, 2), QStringLiteral("0.9"));
    }
};

QTEST_MAIN(RecordTableModelTest)
#include "RecordTableModelTest.moc"
