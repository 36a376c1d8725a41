#include "ShellFixture.h"

#include "catalogue/CatalogueSchemas.h"
#include "catalogue/DataSource.h"
#include "setup/SetupLayout.h"
#include "shell/AppContext.h"
#include "shell/ModuleTable.h"
#include "shell/TFormPreference.h"
#include "table/TableFile.h"

#include <QAction>
#include <QCheckBox>
#include <QtTest>

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QByteArray FixtureHeader = "\"Fixture Name\",\"Manufacturer\",\"Weight\",\r\n";

} // namespace

class CatalogueWiringTest : public QObject {
    Q_OBJECT

    static void seed(ShellFixture& f)
    {
        QDir().mkpath(f.folder() + "Data");
        writeFile(f.folder() + "Data/DataFixture.dbd", FixtureHeader + "\"Par 64\",\"Acme\",\"3\",\r\n");
        writeFile(f.folder() + "Data/DataFixtureUser.dbu", FixtureHeader + "\"My Spot\",\"Bolt\",\"12\",\r\n");
        writeFile(f.folder() + "Data/DataManufacturer.dbd", "\"Manufacturer\",\r\n\"Acme\",\r\n");
        writeFile(f.folder() + "Data/DataManufacturerUser.dbu", "\"Manufacturer\",\r\n\"Bolt\",\r\n");
    }

private slots:
    void startUpLoadsAndMergesTheCatalogues()
    {
        ShellFixture f;
        seed(f);
        TFormMain& main = f.start();
        QVERIFY(f.prompts.asked().isEmpty());
        AppContext& c = main.context();
        QCOMPARE(c.DataSourceSource().table(), &c.catalogues().TableFixtureMerge2());
        QCOMPARE(c.DataSourceFixture().table(), &c.catalogues().TableFixtureMerge());
        QCOMPARE(c.catalogues().TableFixtureMerge2().recordCount(), std::size_t(2));
        QCOMPARE(c.catalogues().TableManufacturerMerge().recordCount(), std::size_t(2));
    }

    void catalogueFilterStoredOnAppliesAtStartUp()
    {
        ShellFixture f;
        seed(f);
        tvx::SetupRecord record;
        record.set(tvx::setup::FixtureDatabaseFilterOn, 1);
        record.set(tvx::setup::FixtureDatabaseFilter, "Bolt");
        f.writeSetup(record);
        TFormMain& main = f.start();
        tvx::catalogue::CatalogueSet& c = main.context().catalogues();
        QCOMPARE(c.TableFixtureMerge().recordCount(), std::size_t(1));
        QVERIFY(c.TableFixtureMerge2().isFiltered());
    }

    void damagedCatalogueIsReportedAndTheProgramStarts()
    {
        ShellFixture f;
        seed(f);
        writeFile(f.folder() + "Data/DataFixtureUser.dbu",
                  FixtureHeader + "\"Good\",\"Bolt\",\"1\",\r\n\"Bad\",\"Bolt\",\"one\",\r\n\"Lost\",\"Bolt\",\"1\",\r\n");
        TFormMain& main = f.start();
        QCOMPARE(f.prompts.asked().size(), 1);
        QVERIFY(f.prompts.asked().first().text.startsWith(
            QStringLiteral("'one' is not a valid floating point value for field 'Weight'")));
        QCOMPARE(main.context().catalogues().TableFixtureUser().totalCount(), std::size_t(1));
        QVERIFY(main.isVisible());
    }

    void cancelledImportSaysSoAndChangesNothing()
    {
        ShellFixture f;
        seed(f);
        TFormMain& main = f.start();
        main.findChild<QAction*>(QStringLiteral("Import1"))->trigger();
        QCOMPARE(f.prompts.askedTexts(), QStringList{QStringLiteral("Cannot Import File")});
        QCOMPARE(main.context().catalogues().TableFixture().totalCount(), std::size_t(1));
    }

    void importTellsWhereTheFixturesGo()
    {
        ShellFixture f;
        seed(f);
        const QString file = f.folder() + "more.csv";
        writeFile(file, FixtureHeader + "\"Fresnel\",\"Acme\",\"4\",\r\n\"Flood\",\"Acme\",\"5\",\r\n");
        TFormMain& main = f.start();
        const QByteArray defaultBefore = readFile(f.folder() + "Data/DataFixture.dbd");
        f.prompts.queuePath(file);
        main.findChild<QAction*>(QStringLiteral("Import1"))->trigger();
        QCOMPARE(f.prompts.asked().size(), 1);
        const QString told = f.prompts.asked().first().text;
        QVERIFY(told.startsWith(QStringLiteral("2 fixtures were added")));
        QVERIFY(told.contains(QStringLiteral("only when \"Save Default Data\" is set")));
        QCOMPARE(main.context().catalogues().TableFixtureMerge2().recordCount(), std::size_t(4));

        // Without "Save Default Data" the default file stays as it was.
        main.findChild<QAction*>(QStringLiteral("SaveDatabasesNow1"))->trigger();
        QCOMPARE(readFile(f.folder() + "Data/DataFixture.dbd"), defaultBefore);
        main.saveDefaultDataAction()->setVisible(true);
        main.saveDefaultDataAction()->trigger();
        main.findChild<QAction*>(QStringLiteral("SaveDatabasesNow1"))->trigger();
        QVERIFY(readFile(f.folder() + "Data/DataFixture.dbd").contains("Fresnel"));
    }

    void saveFailureIsReported()
    {
        ShellFixture f;
        seed(f);
        TFormMain& main = f.start();
        QFile::remove(f.folder() + "Data/DataRoadCase.dbu");
        QDir().mkpath(f.folder() + "Data/DataRoadCase.dbu/blocked");
        main.findChild<QAction*>(QStringLiteral("SaveDatabasesNow1"))->trigger();
        QCOMPARE(f.prompts.askedTexts(), QStringList{QStringLiteral("Cannot Save \"User Roadcase Data File\"")});
        QCOMPARE(f.prompts.asked().first().icon, Prompts::Icon::Error);
    }

    void exitWritesTheUserCataloguesByteExact()
    {
        ShellFixture f;
        seed(f);
        TFormMain& main = f.start();
        QVERIFY(main.close());
        QCOMPARE(readFile(f.folder() + "Data/DataFixtureUser.dbu"),
                 QByteArray::fromStdString(tvx::writeTableText(main.context().catalogues().TableFixtureUser())));
        QVERIFY(readFile(f.folder() + "Data/DataFixtureUser.dbu").startsWith("\"Fixture Name\",\"Manufacturer\","));
    }

    void useDefaultDatabaseRebuildsManufacturersAtOnce()
    {
        ShellFixture f;
        seed(f);
        TFormMain& main = f.start();
        const std::size_t index = moduleIndexOfClass("TFormPreference");
        main.toggleModule(index);
        auto* prefs = qobject_cast<TFormPreference*>(main.moduleWindow(index));
        prefs->loadControls();
        prefs->findChild<QCheckBox*>(QStringLiteral("CheckBoxUseDefaultDatabase"))->click();
        tvx::catalogue::CatalogueSet& c = main.context().catalogues();
        QCOMPARE(c.TableManufacturerMerge().recordCount(), std::size_t(1));
        // Fixtures follow at their next rebuild.
        QCOMPARE(c.TableFixtureMerge2().recordCount(), std::size_t(2));
        c.UpdateMergeTable();
        QCOMPARE(c.TableFixtureMerge2().recordCount(), std::size_t(1));
    }
};

QTEST_MAIN(CatalogueWiringTest)
#include "CatalogueWiringTest.moc"
