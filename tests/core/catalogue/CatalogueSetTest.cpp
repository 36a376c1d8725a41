#include "catalogue/CatalogueMessages.h"
#include "catalogue/CatalogueSchemas.h"
#include "catalogue/CatalogueSet.h"
#include "table/TableFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using namespace tvx;
using namespace tvx::catalogue;
namespace fs = std::filesystem;

namespace {

std::string readBytes(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& p, const std::string& bytes)
{
    std::ofstream out(p, std::ios::binary);
    out << bytes;
}

const std::string FixtureHeader = "\"Fixture Name\",\"Manufacturer\",\"Weight\",\"Beam Min\",\"Beam Max\",\"pf\",\r\n";

std::string fixtureLine(const std::string& name, const std::string& maker, const std::string& weight = "10")
{
    return "\"" + name + "\",\"" + maker + "\",\"" + weight + "\",\"20\",\"40\",\"0.9\",\r\n";
}

std::string manufacturerFile(std::initializer_list<const char*> names)
{
    std::string text = "\"Manufacturer\",\"Website\",\r\n";
    for (const char* n : names)
        text += "\"" + std::string(n) + "\",\"-\",\r\n";
    return text;
}

std::vector<std::string> column(RecordTable& t, const char* field)
{
    std::vector<std::string> out;
    const std::size_t f = t.requireIndex(field);
    for (std::size_t row = 0; row < t.recordCount(); ++row) {
        const auto* s = std::get_if<std::string>(&t.valueAt(row, f));
        out.push_back(s ? *s : "<empty>");
    }
    return out;
}

class CatalogueSetTest : public ::testing::Test {
protected:
    fs::path dir;

    void SetUp() override
    {
        dir = fs::temp_directory_path() /
              ("tvx-catalogue-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override
    {
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir);
    }

    // Default catalogue: Alpha and Zeta by Acme; user catalogue: Beta by Bolt
    // and a user copy of Alpha.
    void writeStandardFiles()
    {
        writeBytes(dir / DefaultFixtureFile, FixtureHeader + fixtureLine("Zeta", "Acme") + fixtureLine("Alpha", "Acme"));
        writeBytes(dir / UserFixtureFile, FixtureHeader + fixtureLine("Beta", "Bolt") + fixtureLine("Alpha", "Bolt"));
        writeBytes(dir / DefaultManufacturerFile, manufacturerFile({"Acme"}));
        writeBytes(dir / UserManufacturerFile, manufacturerFile({"Bolt"}));
    }
};

} // namespace

TEST(CatalogueSchema, CalculatedFixtureValues)
{
    RecordTable t(fixtureFields(DipSwitchOrder::UseFirst));
    t.setCalculator(fixtureCalculator(t));
    Record r = t.newRecord();
    r.values[t.requireIndex(fixture::BeamMax)] = 20.0;
    r.values[t.requireIndex(fixture::Weight)] = 10.0;
    t.appendRecord(r);
    t.first();
    EXPECT_NEAR(std::get<double>(t.value(fixture::MFMax)), 0.352653961, 1e-9);
    EXPECT_NEAR(std::get<double>(t.value(fixture::WeightLbs)), 22.0462262, 1e-9);
    EXPECT_EQ(std::get<double>(t.value(fixture::MF)), 0.0); // empty BeamMin counts as 0
}

TEST(CatalogueSchema, DipSwitchColumnsAreSwappedBetweenTheTwoOrders)
{
    const auto a = fixtureFields(DipSwitchOrder::OffsetFirst);
    const auto b = fixtureFields(DipSwitchOrder::UseFirst);
    ASSERT_EQ(a.size(), 27u);
    EXPECT_EQ(a[25].name, "DipSwitchOffset");
    EXPECT_EQ(b[25].name, "UseDipSwitch");
    EXPECT_EQ(a[5].name, "Number  of DMX channel");
    EXPECT_EQ(a[5].displayLabel(), "No. DMX ch.");
}

TEST_F(CatalogueSetTest, FreshFolderCreatesFiveEmptyFilesAndTellsAboutTheDefaults)
{
    CatalogueSet set(dir);
    const std::vector<Notice> notices = set.openAll();
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[0].text, "The default manufacturer File was not found");
    EXPECT_EQ(notices[1].text, "The default Fixture File was not found");
    for (const char* f : {DefaultFixtureFile, UserFixtureFile, DefaultManufacturerFile, UserManufacturerFile, RoadCaseFile}) {
        ASSERT_TRUE(fs::exists(dir / f)) << f;
        EXPECT_EQ(fs::file_size(dir / f), 0u) << f;
    }
    EXPECT_EQ(set.TableFixtureMerge2().recordCount(), 0u);
}

TEST_F(CatalogueSetTest, MergedTablesListBothCataloguesWithoutDeduplication)
{
    writeStandardFiles();
    CatalogueSet set(dir);
    EXPECT_TRUE(set.openAll().empty());
    const std::vector<std::string> names = {"Alpha", "Alpha", "Beta", "Zeta"};
    EXPECT_EQ(column(set.TableFixtureMerge(), fixture::FixtureName), names);
    EXPECT_EQ(column(set.TableFixtureMerge2(), fixture::FixtureName), names);
    // Equal names keep default before user.
    EXPECT_EQ(column(set.TableFixtureMerge2(), fixture::Manufacturer),
              (std::vector<std::string>{"Acme", "Bolt", "Bolt", "Acme"}));
    EXPECT_EQ(column(set.TableManufacturerMerge(), manufacturer::Manufacturer),
              (std::vector<std::string>{"Acme", "Bolt"}));
}

TEST_F(CatalogueSetTest, DefaultDatabaseOffKeepsOnlyUserRecords)
{
    writeStandardFiles();
    CatalogueSet set(dir);
    set.setDefaultExcluded(true);
    set.openAll();
    EXPECT_EQ(column(set.TableFixtureMerge2(), fixture::FixtureName), (std::vector<std::string>{"Alpha", "Beta"}));
    EXPECT_EQ(column(set.TableManufacturerMerge(), manufacturer::Manufacturer), std::vector<std::string>{"Bolt"});

    // Back on: manufacturers at once, fixtures at their next rebuild.
    set.setDefaultExcluded(false);
    EXPECT_EQ(set.TableManufacturerMerge().recordCount(), 2u);
    EXPECT_EQ(set.TableFixtureMerge2().recordCount(), 2u);
    RecordTable& user = set.TableFixtureUser();
    user.first();
    user.edit();
    user.setField(fixture::Description, std::string("rebuilt"));
    user.post();
    EXPECT_EQ(set.TableFixtureMerge2().recordCount(), 4u);
}

TEST_F(CatalogueSetTest, DeletingAUserFixtureRemovesItFromBothMergedTables)
{
    writeStandardFiles();
    CatalogueSet set(dir);
    set.openAll();
    RecordTable& user = set.TableFixtureUser();
    user.first(); // Alpha (sorted)
    user.deleteCurrent();
    EXPECT_EQ(column(set.TableFixtureMerge(), fixture::FixtureName), (std::vector<std::string>{"Alpha", "Beta", "Zeta"}));
    EXPECT_EQ(column(set.TableFixtureMerge2(), fixture::Manufacturer),
              (std::vector<std::string>{"Acme", "Bolt", "Acme"}));
}

TEST_F(CatalogueSetTest, FiltersShowOneManufacturer)
{
    writeStandardFiles();
    CatalogueSet set(dir);
    set.openAll();
    set.setCatalogueFilterText("Nobody");
    set.setCatalogueFilterOn(true);
    EXPECT_EQ(set.TableFixture().recordCount(), 0u);
    EXPECT_EQ(set.TableFixtureUser().recordCount(), 0u);
    EXPECT_EQ(set.TableFixtureMerge().recordCount(), 0u);
    EXPECT_EQ(set.TableFixtureMerge2().recordCount(), 4u); // the module filter is separate
    set.setCatalogueFilterText("Bolt");
    EXPECT_EQ(column(set.TableFixtureMerge(), fixture::FixtureName), (std::vector<std::string>{"Alpha", "Beta"}));
    set.setCatalogueFilterOn(false);
    EXPECT_EQ(set.TableFixtureMerge().recordCount(), 4u);

    set.setModuleFilterText("Acme");
    set.setModuleFilterOn(true);
    EXPECT_EQ(column(set.TableFixtureMerge2(), fixture::FixtureName), (std::vector<std::string>{"Alpha", "Zeta"}));
    // A rebuild keeps the filter.
    set.UpdateMergeTable();
    EXPECT_EQ(set.TableFixtureMerge2().recordCount(), 2u);
}

TEST_F(CatalogueSetTest, SaveWithoutSaveDefaultDataLeavesDefaultFilesUntouched)
{
    writeStandardFiles();
    writeBytes(dir / "import.csv", FixtureHeader + fixtureLine("Gamma", "Acme") + fixtureLine("Delta", "Acme"));
    const std::string defaultFixtures = readBytes(dir / DefaultFixtureFile);
    const std::string defaultMakers = readBytes(dir / DefaultManufacturerFile);
    CatalogueSet set(dir);
    set.openAll();
    const ImportResult imported = set.importFixtures(dir / "import.csv");
    EXPECT_EQ(imported.added, 2u);
    EXPECT_TRUE(imported.error.empty());
    EXPECT_EQ(set.TableFixtureMerge2().recordCount(), 6u);

    EXPECT_TRUE(set.SaveAllDatabase(false).empty());
    EXPECT_EQ(readBytes(dir / DefaultFixtureFile), defaultFixtures);
    EXPECT_EQ(readBytes(dir / DefaultManufacturerFile), defaultMakers);
    EXPECT_EQ(readBytes(dir / UserFixtureFile), writeTableText(set.TableFixtureUser()));

    EXPECT_TRUE(set.SaveAllDatabase(true).empty());
    EXPECT_EQ(readBytes(dir / DefaultFixtureFile), writeTableText(set.TableFixture()));
    EXPECT_NE(readBytes(dir / DefaultFixtureFile).find("Gamma"), std::string::npos);
}

TEST_F(CatalogueSetTest, OneFailedSaveDoesNotStopTheOthers)
{
    writeStandardFiles();
    CatalogueSet set(dir);
    set.openAll();
    fs::remove(dir / UserFixtureFile);
    fs::create_directories(dir / UserFixtureFile / "blocked"); // cannot be replaced by a file
    const std::vector<Notice> failures = set.SaveAllDatabase(true);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].text, "Cannot Save \"User Fixture  Data File\"");
    EXPECT_EQ(readBytes(dir / RoadCaseFile), writeTableText(set.TableRoadCase()));
    EXPECT_EQ(readBytes(dir / UserManufacturerFile), writeTableText(set.TableManufacturerUser()));
}

TEST_F(CatalogueSetTest, DamagedFileKeepsEarlierRecordsAndIsBackedUpBeforeBeingOverwritten)
{
    writeStandardFiles();
    const std::string damaged = FixtureHeader + fixtureLine("Beta", "Bolt") + fixtureLine("Broken", "Bolt", "heavy") +
                                fixtureLine("Lost", "Bolt");
    writeBytes(dir / UserFixtureFile, damaged);
    CatalogueSet set(dir);
    const std::vector<Notice> notices = set.openAll();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text.rfind("'heavy' is not a valid floating point value for field 'Weight'", 0), 0u);
    EXPECT_EQ(column(set.TableFixtureUser(), fixture::FixtureName), std::vector<std::string>{"Beta"});

    EXPECT_TRUE(set.SaveAllDatabase(false).empty());
    EXPECT_EQ(readBytes(dir / (std::string(UserFixtureFile) + ".bak")), damaged);
    EXPECT_EQ(readBytes(dir / UserFixtureFile), writeTableText(set.TableFixtureUser()));
    // Only the first save makes a copy.
    EXPECT_TRUE(set.SaveAllDatabase(false).empty());
    EXPECT_FALSE(fs::exists(dir / (std::string(UserFixtureFile) + ".bak1")));
}

TEST_F(CatalogueSetTest, PowerFactorOutOfRangeStopsTheLoad)
{
    writeBytes(dir / UserFixtureFile, FixtureHeader + fixtureLine("Beta", "Bolt") +
                                          "\"Bad\",\"Bolt\",\"1\",\"1\",\"1\",\"1.5\",\r\n");
    CatalogueSet set(dir);
    const std::vector<Notice> notices = set.openAll();
    ASSERT_EQ(notices.size(), 3u);
    EXPECT_EQ(notices[2].text.rfind("1.5 is not a valid value for field 'pf'. The allowed range is 0 to 1", 0), 0u);
    EXPECT_EQ(set.TableFixtureUser().totalCount(), 1u);
}

TEST_F(CatalogueSetTest, ImportStoppedByABadLineKeepsWhatItRead)
{
    writeStandardFiles();
    writeBytes(dir / "import.csv", FixtureHeader + fixtureLine("Gamma", "Acme") + fixtureLine("Bad", "Acme", "x"));
    CatalogueSet set(dir);
    set.openAll();
    const ImportResult imported = set.importFixtures(dir / "import.csv");
    EXPECT_EQ(imported.added, 1u);
    EXPECT_EQ(imported.error, "'x' is not a valid floating point value for field 'Weight'");
    EXPECT_EQ(set.TableFixtureMerge().recordCount(), 5u);
}
