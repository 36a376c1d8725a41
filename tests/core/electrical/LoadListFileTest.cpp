#include "electrical/LoadListFile.h"
#include "electrical/LoadListMessages.h"

#include "common/Error.h"
#include "table/TableFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;
using namespace tvx;
using namespace tvx::electrical;
using namespace tvx::electrical::elecl;

struct TempDir {
    fs::path path;
    TempDir()
    {
        path = fs::temp_directory_path() /
               ("tvx-loadlist-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempDir() { fs::remove_all(path); }
};

void addDevice(LoadList& list, const std::string& name, double watts, double volts, const std::string& connection,
               double pf = 1.0)
{
    RecordTable& t = list.table();
    t.append();
    t.setField(ColDeviceName, name);
    t.setField(ColWatts, watts);
    t.setField(ColVoltage, volts);
    t.setField(ColPowerFactor, pf);
    t.setField(ColUsedPhase, connection);
    t.post();
}

void writeFile(const fs::path& p, const std::string& bytes)
{
    std::ofstream(p, std::ios::binary) << bytes;
}

TEST(LoadListFile, ExtensionTellsTheSystemInAnyLetterCase)
{
    struct Case {
        const char* name;
        PowerSystem system;
    };
    const Case cases[] = {
        {"show.EL3", PowerSystem::ThreePhase}, {"show.el3", PowerSystem::ThreePhase},
        {"show.El3", PowerSystem::ThreePhase}, {"show.EL1", PowerSystem::SinglePhase},
        {"show.EL", PowerSystem::SinglePhase}, {"show.EL33", PowerSystem::SinglePhase},
        {"EL3", PowerSystem::SinglePhase},     {"show.csv", PowerSystem::SinglePhase},
    };
    for (const Case& c : cases)
        EXPECT_EQ(systemOfListFile(c.name), c.system) << c.name;
}

TEST(LoadListFile, DialogsAndProposedName)
{
    EXPECT_EQ(proposedListFileName("Main stage", PowerSystem::ThreePhase), "Main stage.EL3");
    EXPECT_EQ(proposedListFileName("", PowerSystem::SinglePhase), ".EL1");
    const ListFileDialog three = saveListDialog(PowerSystem::ThreePhase);
    EXPECT_EQ(three.title, "Save Electrical Load List");
    EXPECT_EQ(three.filter, "Electrical Load List Three-Phases (*.EL3)|*.EL3");
    EXPECT_EQ(three.defaultExtension, "EL3");
    EXPECT_EQ(saveListDialog(PowerSystem::SinglePhase).filter, "Electrical Load List Single-Phase (*.EL1)|*.EL1");
    EXPECT_EQ(openListDialog().filter, "Electrical Load List (*.EL*)|*.EL*|All (*.*)|*.*");
    EXPECT_EQ(openListDialog().title, "Open Electrical Load List");
}

TEST(LoadListFile, SavedListReopensIdentical)
{
    TempDir dir;
    const fs::path file = dir.path / "show.el3";
    LoadList list(PowerSystem::ThreePhase, 400);
    addDevice(list, "Spot \xC3\xA9t\xC3\xA9", 1150, 231, "Y-N", 0.93);
    addDevice(list, "Dimmer rack", 48000, 400, "X-Y-Z", 0.9);
    addDevice(list, "Chain hoist", 1733.3, 400, "Z-X", 0.8);
    saveListFile(file, list, "Main stage, \"left\"");
    const std::string saved = writeTableText(list.table());
    EXPECT_EQ(std::get<std::string>(list.table().recordAt(0)[ColReportName]), "Main stage, \"left\"");

    // Opened as the window opens it: system from the extension, then the voltage revisit.
    LoadList reopened(PowerSystem::SinglePhase, 240);
    const ListHeader header = loadListFile(file, reopened);
    EXPECT_EQ(writeTableText(reopened.table()), saved);
    EXPECT_EQ(header.description, "Main stage, \"left\"");
    EXPECT_EQ(header.voltageText, "400");
    EXPECT_EQ(reopened.setSystem(systemOfListFile(file), header.voltageText), "400");
    EXPECT_EQ(writeTableText(reopened.table()), saved);
}

TEST(LoadListFile, ReadingKeepsStoredCurrents)
{
    // The file's values come back as stored, even where the connection check
    // of the list's present voltage would change them.
    TempDir dir;
    const fs::path file = dir.path / "a.EL1";
    LoadList list(PowerSystem::SinglePhase, 240);
    addDevice(list, "a", 1200, 120, "Y-N");
    saveListFile(file, list, "x");
    LoadList other(PowerSystem::ThreePhase, 400);
    loadListFile(file, other);
    const Record& r = other.table().recordAt(0);
    EXPECT_EQ(std::get<std::string>(r[ColUsedPhase]), "Y-N");
    EXPECT_EQ(std::get<double>(r[ColAmpY]), 10.0);
    EXPECT_TRUE(isEmpty(r[ColAmpYN]));
    // Later posts calculate again.
    addDevice(other, "b", 4000, 400, "X-N");
    EXPECT_EQ(std::get<std::string>(other.table().recordAt(1)[ColUsedPhase]), "X-Y");
}

TEST(LoadListFile, EmptyListKeepsItsDescription)
{
    TempDir dir;
    const fs::path file = dir.path / "empty.EL3";
    LoadList list(PowerSystem::ThreePhase, 415);
    saveListFile(file, list, "Nothing yet");
    LoadList reopened(PowerSystem::ThreePhase, 208);
    const ListHeader header = loadListFile(file, reopened);
    EXPECT_EQ(reopened.table().totalCount(), 0u);
    EXPECT_EQ(header.description, "Nothing yet");
    EXPECT_EQ(header.voltageText, "415");
}

TEST(LoadListFile, AppendedFileGivesTheHeaderOfItsFirstRecord)
{
    TempDir dir;
    const fs::path file = dir.path / "b.EL3";
    LoadList source(PowerSystem::ThreePhase, 480);
    addDevice(source, "z", 1000, 277, "X-N");
    addDevice(source, "y", 1000, 277, "Y-N");
    saveListFile(file, source, "From file");

    LoadList list(PowerSystem::ThreePhase, 208);
    addDevice(list, "a", 1000, 120, "X-N");
    list.setDescription("Already here");
    list.table().setSort(ColDeviceName); // the file's first record is not the first row
    const ListHeader header = loadListFile(file, list);
    EXPECT_EQ(list.table().totalCount(), 3u);
    EXPECT_EQ(header.description, "From file");
    EXPECT_EQ(header.voltageText, "480");
}

TEST(LoadListFile, MissingOrUnusableVoltageOpensAt208)
{
    TempDir dir;
    const std::string head =
        "\"Device name\",\"Watt\",\"Volt\",\"Pf\",\"Amp\",\"Phase\",\"Amp X\",\"Amp Y\",\"Amp Z\","
        "\"Amp XN\",\"Amp YN\",\"Amp ZN\",\"Amp N\",\"ReportName\",\"VoltagePhasePhase\",\r\n";
    struct Case {
        const char* voltage;
        const char* shown;
    };
    const Case cases[] = {{"", "208"}, {"\"0\"", "208"}, {"\"230.5\"", "208"}, {"\"400\"", "400"}};
    for (const Case& c : cases) {
        const fs::path file = dir.path / "v.EL3";
        writeFile(file, head + "\"a\",\"100\",\"120\",\"1\",,\"X-N\",,,,,,,,\"d\"," + c.voltage + ",\r\n");
        LoadList list(PowerSystem::ThreePhase, 208);
        EXPECT_EQ(loadListFile(file, list).voltageText, c.shown) << c.voltage;
        EXPECT_EQ(list.table().totalCount(), 1u);
    }
}

TEST(LoadListFile, SaveFailureMessage)
{
    TempDir dir;
    LoadList list(PowerSystem::ThreePhase, 208);
    addDevice(list, "a", 1000, 120, "X-N");
    try {
        saveListFile(dir.path / "missing" / "x.EL3", list, "d");
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), loadlistmsg::CannotSave);
    }
}

} // namespace
