#include "electrical/LoadList.h"
#include "electrical/LoadListMessages.h"

#include "catalogue/CatalogueSchemas.h"
#include "common/Error.h"
#include "table/TableFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

namespace {

using namespace tvx;
using namespace tvx::electrical;
using namespace tvx::electrical::elecl;

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

const Record& byName(const LoadList& list, const std::string& name)
{
    for (const Record& r : list.table().physicalRecords()) {
        if (std::get<std::string>(r[ColDeviceName]) == name)
            return r;
    }
    throw std::runtime_error("no device " + name);
}

std::optional<double> amps(const Record& r, std::size_t column)
{
    if (const auto* d = std::get_if<double>(&r[column]))
        return *d;
    return std::nullopt;
}

std::string phaseOf(const Record& r)
{
    return std::get<std::string>(r[ColUsedPhase]);
}

// ---- schema ---------------------------------------------------------------

TEST(LoadListSchema, FieldsLabelsFormatsAndPowerFactorRange)
{
    LoadList list;
    const RecordTable& t = list.table();
    EXPECT_EQ(t.name(), "TableElecL");
    ASSERT_EQ(t.fieldCount(), 15u);
    // The header line of a list file names the fields by their labels, in this order.
    EXPECT_EQ(writeTableText(t),
              "\"Device name\",\"Watt\",\"Volt\",\"Pf\",\"Amp\",\"Phase\",\"Amp X\",\"Amp Y\",\"Amp Z\","
              "\"Amp XN\",\"Amp YN\",\"Amp ZN\",\"Amp N\",\"ReportName\",\"VoltagePhasePhase\",\r\n");
    EXPECT_EQ(t.field(ColDeviceName).name, "Device Name");
    EXPECT_EQ(t.field(ColDeviceName).maxLength, 50u);
    EXPECT_EQ(t.field(ColUsedPhase).maxLength, 5u);
    EXPECT_EQ(t.field(ColReportName).maxLength, 255u);
    EXPECT_EQ(t.field(ColWatts).displayFormat, "0.##' W'");
    EXPECT_EQ(t.field(ColVoltage).displayFormat, "0.##");
    EXPECT_EQ(t.field(ColPowerFactor).displayFormat, "#.##");
    EXPECT_EQ(t.field(ColAmperage).displayFormat, "0.##' A'");
    for (std::size_t c = ColAmpX; c <= ColAmpN; ++c) {
        EXPECT_EQ(t.field(c).displayFormat, "0.#' A'") << c;
        EXPECT_TRUE(t.field(c).isCalculated()) << c;
    }
    EXPECT_TRUE(t.field(ColAmperage).isCalculated());
    EXPECT_FALSE(t.field(ColVoltagePhasePhase).isCalculated());

    list.table().append();
    EXPECT_THROW(list.table().setField(ColPowerFactor, 0.0), Error);
    EXPECT_THROW(list.table().setField(ColPowerFactor, 1.01), Error);
    EXPECT_NO_THROW(list.table().setField(ColPowerFactor, 0.01));
    EXPECT_NO_THROW(list.table().setField(ColPowerFactor, 1.0));
    list.table().cancel();
}

// ---- voltages -------------------------------------------------------------

TEST(LoadListVoltage, CommittedPhasePhaseText)
{
    struct Case {
        PowerSystem system;
        const char* text;
        int voltage;
        int neutral;
        const char* shown;
    };
    const auto three = PowerSystem::ThreePhase;
    const auto single = PowerSystem::SinglePhase;
    const Case cases[] = {
        {three, "208", 208, 120, "208"},  {three, "400", 400, 231, "400"},  {three, "480", 480, 277, "480"},
        {single, "240", 240, 120, "240"}, {single, "241", 241, 120, "241"}, {single, "243", 243, 122, "243"},
        // Anything but a usable integer gives 208, whatever the system.
        {three, "230.5", 208, 120, "208"}, {single, "230.5", 208, 104, "208"}, {three, "", 208, 120, "208"},
        {three, "abc", 208, 120, "208"},   {three, "0", 208, 120, "208"},      {single, "-240", 208, 104, "208"},
        // 1 V three phase would have Vpn = V.
        {three, "1", 208, 120, "208"},
    };
    for (const Case& c : cases) {
        const ListVoltage v = parsePhasePhaseVoltage(c.system, c.text);
        EXPECT_EQ(v.voltage, c.voltage) << c.text;
        EXPECT_EQ(v.neutral, c.neutral) << c.text;
        EXPECT_EQ(v.text, c.shown) << c.text;
    }
    EXPECT_EQ(defaultPhasePhaseVoltage(three), 208);
    EXPECT_EQ(defaultPhasePhaseVoltage(single), 240);
}

TEST(LoadListVoltage, ListItemsAndCommandCaptions)
{
    LoadList list(PowerSystem::ThreePhase, 400);
    EXPECT_EQ(list.voltageNeutral(), 231);
    EXPECT_EQ(list.workingVoltageItems()[0], "400");
    EXPECT_EQ(list.workingVoltageItems()[1], "231");
    EXPECT_EQ(list.voltageCommandCaptions()[0], "Change Voltage for 400 volt");
    EXPECT_EQ(list.voltageCommandCaptions()[1], "Change Voltage for 231 volt");
}

// ---- device current and connection check ------------------------------------

TEST(LoadListDevice, ConnectionCheckAndConductors)
{
    struct Case {
        PowerSystem system;
        int voltage;
        double volts;
        const char* before;
        const char* after;
        double amperage;
        // Expected conductor currents; -1 = empty.
        double x, y, z, xn, yn, zn, n;
    };
    const auto S = PowerSystem::SinglePhase;
    const auto T = PowerSystem::ThreePhase;
    const double E = -1;
    // 2400 W, pf 1 throughout.
    const Case cases[] = {
        {S, 240, 120, "X-N", "X-N", 20, 20, E, E, E, E, E, 20},
        {S, 240, 120, "Y-N", "Y-N", 20, E, 20, E, E, E, E, 20},
        {S, 240, 120, "X-Y", "X-N", 20, 20, E, E, E, E, E, 20},
        {S, 240, 240, "Y-N", "X-Y", 10, 10, 10, E, E, E, E, E},
        {S, 240, 100, "Z-N", "X-N", 24, 24, E, E, E, E, E, 24}, // foreign voltage, three-phase connection
        {T, 208, 208, "Y-N", "X-Y", 2400.0 / 208, 2400.0 / 208, E, E, E, E, E, E},
        {T, 208, 208, "Y-Z", "Y-Z", 2400.0 / 208, E, 2400.0 / 208, E, E, E, E, E},
        {T, 208, 208, "Z-X", "Z-X", 2400.0 / 208, E, E, 2400.0 / 208, E, E, E, E},
        {T, 208, 120, "Z-X", "X-N", 20, E, E, E, 20, E, E, 20},
        {T, 208, 120, "Y-N", "Y-N", 20, E, E, E, E, 20, E, 20},
        {T, 208, 120, "Z-N", "Z-N", 20, E, E, E, E, E, 20, 20},
        {T, 208, 120, "X-Y-Z", "X-N", 20, E, E, E, 20, E, E, 20},
        {T, 208, 240, "Y-Z", "Y-Z", 10, E, 10, E, E, E, E, E},  // foreign voltage keeps its connection
        {T, 208, 240, "Z-N", "Z-N", 10, E, E, E, E, E, 10, 10},
    };
    for (const Case& c : cases) {
        LoadList list(c.system, c.voltage);
        addDevice(list, "d", 2400, c.volts, c.before);
        const Record& r = list.table().recordAt(0);
        const std::string label = std::string(c.before) + " at " + std::to_string(c.volts);
        EXPECT_EQ(phaseOf(r), c.after) << label;
        EXPECT_NEAR(*amps(r, ColAmperage), c.amperage, 1e-9) << label;
        const double expected[] = {c.x, c.y, c.z, c.xn, c.yn, c.zn, c.n};
        for (std::size_t k = 0; k < 7; ++k) {
            const auto got = amps(r, ColAmpX + k);
            if (expected[k] < 0)
                EXPECT_FALSE(got) << label << " column " << k;
            else
                EXPECT_NEAR(got.value_or(-99), expected[k], 1e-9) << label << " column " << k;
        }
    }
}

TEST(LoadListDevice, BalancedThreePhaseDeviceDrawsLineCurrent)
{
    LoadList list(PowerSystem::ThreePhase, 400);
    addDevice(list, "dimmer rack", 10000, 400, "X-Y-Z");
    const Record& r = list.table().recordAt(0);
    EXPECT_EQ(phaseOf(r), "X-Y-Z");
    EXPECT_NEAR(*amps(r, ColAmperage), 14.4338, 1e-4);
    for (std::size_t c : {ColAmpX, ColAmpY, ColAmpZ})
        EXPECT_NEAR(*amps(r, c), 10000.0 / 1200.0, 1e-9);
    EXPECT_FALSE(amps(r, ColAmpN));

    const LoadTotals t = list.totals();
    EXPECT_NEAR(t.lineX, 14.4338, 1e-3);
    EXPECT_NEAR(t.lineY, 14.4338, 1e-3);
    EXPECT_NEAR(t.lineZ, 14.4338, 1e-3);
    EXPECT_NEAR(t.neutral, 0.0, 1e-9);
    const LoadFooter f = list.footer();
    EXPECT_EQ(f.labelX, "Total Amps X: 14.4 A");
    EXPECT_EQ(f.labelZ, "Total Amps Z: 14.4 A");
}

TEST(LoadListDevice, ZeroVoltageAndZeroPowerFactor)
{
    Record r;
    r.values.resize(ColumnCount);
    r[ColWatts] = 1200.0;
    r[ColVoltage] = 0.0;
    r[ColUsedPhase] = std::string("X-N");
    calculateDevice(r, PowerSystem::ThreePhase, 208, 120);
    EXPECT_EQ(*amps(r, ColAmperage), 0.0);

    // A power factor of 0 (or none) counts as 1.
    r[ColVoltage] = 120.0;
    r[ColPowerFactor] = 0.0;
    calculateDevice(r, PowerSystem::ThreePhase, 208, 120);
    EXPECT_DOUBLE_EQ(*amps(r, ColAmperage), 10.0);
    r[ColPowerFactor] = std::monostate{};
    calculateDevice(r, PowerSystem::SinglePhase, 240, 120);
    EXPECT_DOUBLE_EQ(*amps(r, ColAmperage), 10.0);
    r[ColPowerFactor] = 0.5;
    calculateDevice(r, PowerSystem::SinglePhase, 240, 120);
    EXPECT_DOUBLE_EQ(*amps(r, ColAmperage), 20.0);
}

// ---- totals ---------------------------------------------------------------

TEST(LoadListTotals, SinglePhaseWorkedExample)
{
    LoadList list(PowerSystem::SinglePhase, 240);
    addDevice(list, "a", 1200, 120, "X-N");
    addDevice(list, "b", 2400, 240, "X-N");
    EXPECT_EQ(phaseOf(byName(list, "b")), "X-Y");

    const LoadTotals t = list.totals();
    EXPECT_DOUBLE_EQ(t.lineX, 20.0);
    EXPECT_DOUBLE_EQ(t.lineY, 10.0);
    EXPECT_DOUBLE_EQ(t.neutral, 10.0);

    const LoadFooter f = list.footer();
    EXPECT_EQ(f.deviceName, "Qty of Device: 2");
    EXPECT_EQ(f.watts, "3600 W");
    EXPECT_EQ(f.voltage, "120/240V");
    EXPECT_EQ(f.amperage, "20 A");
    EXPECT_EQ(f.usedPhase, "1-Ph");
    EXPECT_EQ(f.ampX, "20 A");
    EXPECT_EQ(f.ampY, "10 A");
    EXPECT_EQ(f.ampN, "10 A");
    EXPECT_EQ(f.labelX, "Total Amps X: 20 A");
    EXPECT_EQ(f.labelY, "Total Amps Y: 10 A");
    for (const std::string* s : {&f.ampZ, &f.ampXN, &f.ampYN, &f.ampZN, &f.labelZ})
        EXPECT_EQ(*s, "");
}

TEST(LoadListTotals, ThreePhasePhasePhaseDevicePutsNothingOnTheNeutral)
{
    LoadList list(PowerSystem::ThreePhase, 208);
    addDevice(list, "a", 2080, 208, "X-Y");
    const LoadTotals t = list.totals();
    EXPECT_DOUBLE_EQ(t.ampX, 10.0);
    EXPECT_DOUBLE_EQ(t.lineX, 10.0);
    EXPECT_NEAR(t.lineY, 10.0, 1e-12);
    EXPECT_DOUBLE_EQ(t.lineZ, 0.0);
    EXPECT_DOUBLE_EQ(t.neutral, 0.0);
    const LoadFooter f = list.footer();
    EXPECT_EQ(f.ampN, "0 A");
    EXPECT_EQ(f.usedPhase, "3-Ph");
    EXPECT_EQ(f.voltage, "120/208V");
    EXPECT_EQ(f.labelY, "Total Amps Y: 10 A");
    EXPECT_EQ(f.labelZ, "Total Amps Z: 0 A");
    EXPECT_EQ(f.ampZ, " A"); // "#.#" prints no digit for zero
}

TEST(LoadListTotals, ThreePhaseNeutralFromPhaseNeutralCurrents)
{
    LoadList list(PowerSystem::ThreePhase, 208);
    addDevice(list, "x", 1200, 120, "X-N");
    EXPECT_NEAR(list.totals().neutral, 10.0, 1e-9);
    addDevice(list, "y", 1200, 120, "Y-N");
    EXPECT_NEAR(list.totals().neutral, 10.0, 1e-9); // two equal phasors 120 degrees apart
    addDevice(list, "z", 1200, 120, "Z-N");
    addDevice(list, "xy", 4160, 208, "X-Y");
    const LoadTotals t = list.totals();
    EXPECT_NEAR(t.neutral, 0.0, 1e-9); // balanced phase-neutral load
    EXPECT_EQ(list.footer().ampN, "0 A");
    EXPECT_NEAR(t.lineX, 20.0 + 10.0, 1e-9);
    EXPECT_NEAR(t.lineY, 20.0 + 10.0, 1e-9);
    EXPECT_NEAR(t.lineZ, 10.0, 1e-9);
    EXPECT_DOUBLE_EQ(t.ampXN, 10.0);
}

TEST(LoadListTotals, SumsTakeEachValueToFourDecimals)
{
    LoadList list(PowerSystem::SinglePhase, 240);
    // 1 W at 120 V: 0.008333... A, taken as 0.0083 each time.
    for (int i = 0; i < 3; ++i)
        addDevice(list, "tiny", 1, 120, "X-N");
    const LoadTotals t = list.totals();
    EXPECT_DOUBLE_EQ(t.ampX, 0.0249);
    EXPECT_DOUBLE_EQ(t.amperage, 0.0249);
    EXPECT_DOUBLE_EQ(t.watts, 3.0);
    EXPECT_EQ(t.deviceCount, 3u);
}

TEST(LoadListTotals, EmptyListAndLocaleSeparator)
{
    LoadList list(PowerSystem::ThreePhase, 208);
    LoadFooter f = list.footer();
    EXPECT_EQ(f.deviceName, "Qty of Device: 0");
    EXPECT_EQ(f.watts, " W");
    EXPECT_EQ(f.ampN, "0 A");
    EXPECT_EQ(f.labelX, "Total Amps X: 0 A");
    addDevice(list, "a", 1250, 120, "X-N");
    f = list.footer(",");
    EXPECT_EQ(f.amperage, "10,4 A");
    EXPECT_EQ(f.ampXN, "10,4 A");
}

// ---- voltage change -------------------------------------------------------

TEST(LoadListRevisit, DevicesFollowTheirConnectionToTheNewVoltages)
{
    LoadList list(PowerSystem::ThreePhase, 208);
    addDevice(list, "pn", 1200, 120, "Y-N");
    addDevice(list, "zero", 0, 120, "Z-N"); // no neutral current, still phase-neutral
    addDevice(list, "pp", 2080, 208, "Z-X");
    addDevice(list, "odd", 2300, 230, "X-Y"); // foreign voltage: moved to V as well
    list.table().moveTo(2);
    const RecordId current = list.table().currentId();

    EXPECT_EQ(list.applyVoltage("400"), "400");
    EXPECT_EQ(list.voltage(), 400);
    EXPECT_EQ(list.voltageNeutral(), 231);
    EXPECT_EQ(*amps(byName(list, "pn"), ColVoltage), 231.0);
    EXPECT_EQ(phaseOf(byName(list, "pn")), "Y-N");
    EXPECT_NEAR(*amps(byName(list, "pn"), ColAmpYN), 1200.0 / 231, 1e-9);
    EXPECT_EQ(*amps(byName(list, "zero"), ColVoltage), 231.0);
    EXPECT_EQ(phaseOf(byName(list, "zero")), "Z-N");
    EXPECT_EQ(*amps(byName(list, "pp"), ColVoltage), 400.0);
    EXPECT_EQ(phaseOf(byName(list, "pp")), "Z-X");
    EXPECT_NEAR(*amps(byName(list, "pp"), ColAmpZ), 2080.0 / 400, 1e-9);
    EXPECT_EQ(*amps(byName(list, "odd"), ColVoltage), 400.0);
    EXPECT_EQ(phaseOf(byName(list, "odd")), "X-Y");
    EXPECT_EQ(list.table().currentId(), current);

    // Not an integer: 208 is used and shown.
    EXPECT_EQ(list.applyVoltage("230.5"), "208");
    EXPECT_EQ(list.voltage(), 208);
    EXPECT_EQ(*amps(byName(list, "pn"), ColVoltage), 120.0);
    EXPECT_EQ(*amps(byName(list, "pp"), ColVoltage), 208.0);
}

TEST(LoadListRevisit, SystemChangeAndFirstRecordVoltage)
{
    LoadList list(PowerSystem::ThreePhase, 208);
    addDevice(list, "pn", 1200, 120, "Z-N");
    addDevice(list, "pp", 2080, 208, "Y-Z");
    list.applyVoltage("415", true);
    EXPECT_EQ(*amps(list.table().recordAt(0), ColVoltagePhasePhase), 415.0);
    EXPECT_FALSE(amps(list.table().recordAt(1), ColVoltagePhasePhase));

    // A split-phase list has no Z: the connection check moves the devices.
    EXPECT_EQ(list.setSystem(PowerSystem::SinglePhase, "240"), "240");
    EXPECT_EQ(*amps(byName(list, "pn"), ColVoltage), 120.0);
    EXPECT_EQ(phaseOf(byName(list, "pn")), "X-N");
    EXPECT_EQ(*amps(byName(list, "pp"), ColVoltage), 240.0);
    EXPECT_EQ(phaseOf(byName(list, "pp")), "X-Y");
    EXPECT_EQ(list.footer().voltage, "120/240V");
}

TEST(LoadListRevisit, EveryRecordOnceInASortedList)
{
    // Sorted by voltage: each post moves the record, the visit must not skip or repeat.
    LoadList list(PowerSystem::ThreePhase, 208);
    for (int i = 0; i < 6; ++i) {
        addDevice(list, "pn" + std::to_string(i), 120.0 * (i + 1), 120, "X-N");
        addDevice(list, "pp" + std::to_string(i), 208.0 * (i + 1), 208, "X-Y");
    }
    list.table().setSort(ColVoltage, SortDirection::Ascending);
    list.applyVoltage("480");
    for (const Record& r : list.table().physicalRecords()) {
        const bool pn = phaseOf(r) == "X-N";
        EXPECT_EQ(*amps(r, ColVoltage), pn ? 277.0 : 480.0);
    }
    ASSERT_TRUE(list.table().sortField());
    EXPECT_EQ(*list.table().sortField(), ColVoltage);
    EXPECT_EQ(*amps(list.table().recordAt(0), ColVoltage), 277.0);
}

// ---- adding devices -------------------------------------------------------

TEST(LoadListAdd, FromTheCatalogue)
{
    RecordTable fixtures(catalogue::fixtureFields(catalogue::DipSwitchOrder::UseFirst), "TableFixtureMerge2");
    fixtures.append();
    fixtures.setField(catalogue::fixture::FixtureName, std::string("Par 64"));
    fixtures.setField(catalogue::fixture::Watts, 1000.0);
    fixtures.setField(catalogue::fixture::PowerFactor, 0.0);
    fixtures.post();
    const auto device = currentFixture(fixtures);
    ASSERT_TRUE(device);

    LoadList list(PowerSystem::ThreePhase, 208);
    addDevice(list, "first", 100, 120, "X-N");
    const RecordId current = list.table().currentId();

    EXPECT_EQ(list.addDevice(*device, "120"), LoadList::AddResult::Added);
    const Record& pn = list.table().recordAt(1);
    EXPECT_EQ(std::get<std::string>(pn[ColDeviceName]), "Par 64");
    EXPECT_EQ(*amps(pn, ColPowerFactor), 1.0); // catalogue 0 stored as 1
    EXPECT_EQ(*amps(pn, ColWatts), 1000.0);
    EXPECT_EQ(phaseOf(pn), "X-N");
    EXPECT_NEAR(*amps(pn, ColAmpN), 1000.0 / 120, 1e-9);
    EXPECT_EQ(list.table().currentId(), current);

    EXPECT_EQ(list.addDevice(*device, "208", 3), LoadList::AddResult::Added);
    ASSERT_EQ(list.table().totalCount(), 5u);
    EXPECT_EQ(phaseOf(list.table().recordAt(4)), "X-Y");
    EXPECT_EQ(list.table().currentId(), current);

    // No working voltage selected: nothing is added.
    EXPECT_EQ(list.addDevice(*device, ""), LoadList::AddResult::NeedsWorkingVoltage);
    EXPECT_EQ(list.table().totalCount(), 5u);
    EXPECT_EQ(loadlistmsg::SelectWorkingVoltage, "Select a working voltage");

    CatalogueDevice odd{"odd", -5, 0.85};
    list.addDevice(odd, "208");
    EXPECT_EQ(*amps(list.table().recordAt(5), ColWatts), 0.0);
    EXPECT_EQ(*amps(list.table().recordAt(5), ColPowerFactor), 0.85);

    RecordTable none(catalogue::fixtureFields(catalogue::DipSwitchOrder::UseFirst), "empty");
    EXPECT_FALSE(currentFixture(none));
}

TEST(LoadListAdd, MultipleCountStaysWithinOneToThousand)
{
    struct Case {
        const char* text;
        int count;
    };
    const Case cases[] = {{"5", 5},  {"1000", 1000}, {"1001", 1000}, {"0", 1},
                          {"-3", 1}, {"2.5", 1},     {"", 1},        {"abc", 1}};
    for (const Case& c : cases)
        EXPECT_EQ(addMultipleCount(c.text), c.count) << c.text;

    LoadList list(PowerSystem::SinglePhase, 240);
    list.addDevice({"a", 100, 1}, "120", 5000);
    EXPECT_EQ(list.table().totalCount(), 1000u);
    list.addDevice({"b", 100, 1}, "120", 0);
    EXPECT_EQ(list.table().totalCount(), 1001u);
}

// ---- description on the first record -------------------------------------------

TEST(LoadListHeader, DescriptionAndVoltageRideOnTheFirstRecord)
{
    LoadList list(PowerSystem::ThreePhase, 400);
    list.setDescription("ignored: no record");
    EXPECT_EQ(list.table().totalCount(), 0u);

    addDevice(list, "b", 100, 231, "X-N");
    addDevice(list, "a", 100, 231, "X-N");
    list.table().setSort(ColDeviceName);
    list.setDescription("Main stage");
    EXPECT_EQ(std::get<std::string>(byName(list, "a")[ColReportName]), "Main stage");
    EXPECT_TRUE(isEmpty(byName(list, "b")[ColReportName]));

    list.table().last();
    list.storeHeader("Dock");
    EXPECT_EQ(list.table().currentRow(), 0u);
    EXPECT_EQ(std::get<std::string>(byName(list, "a")[ColReportName]), "Dock");
    EXPECT_EQ(*amps(byName(list, "a"), ColVoltagePhasePhase), 400.0);
}

TEST(LoadListMessages, TableErrorText)
{
    EXPECT_EQ(loadlistmsg::tableError("TableElecL", "boom"),
              "An Unexpected error occured in the Electrical Load list Database TableElecL\nboom");
}

} // namespace
