#include "electrical/LoadBalance.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using namespace tvx;
using namespace tvx::electrical;
using namespace tvx::electrical::elecl;

void addDevice(LoadList& list, const std::string& name, double watts, double volts, const std::string& connection)
{
    RecordTable& t = list.table();
    t.append();
    t.setField(ColDeviceName, name);
    t.setField(ColWatts, watts);
    t.setField(ColVoltage, volts);
    t.setField(ColPowerFactor, 1.0);
    t.setField(ColUsedPhase, connection);
    t.post();
}

// A device of `amps` at the list's V or Vpn.
void addAmps(LoadList& list, const std::string& name, double amps, bool phaseNeutral, const std::string& connection)
{
    const double volts = phaseNeutral ? list.voltageNeutral() : list.voltage();
    addDevice(list, name, amps * volts, volts, connection);
}

std::map<std::string, std::string> connections(const LoadList& list)
{
    std::map<std::string, std::string> out;
    for (const Record& r : list.table().physicalRecords())
        out[std::get<std::string>(r[ColDeviceName])] = std::get<std::string>(r[ColUsedPhase]);
    return out;
}

using Expect = std::map<std::string, std::string>;

TEST(LoadBalanceByCurrent, SixPhaseNeutralDevicesGiveElevenAmpsPerLeg)
{
    LoadList list(PowerSystem::ThreePhase, 208);
    for (const double a : {3.0, 10.0, 1.0, 8.0, 2.0, 9.0})
        addAmps(list, std::to_string(static_cast<int>(a)), a, true, "X-N");
    list.table().last();
    balanceByCurrent(list);
    EXPECT_EQ(connections(list), (Expect{{"10", "X-N"}, {"9", "Z-N"}, {"8", "Y-N"},
                                          {"3", "Y-N"},  {"2", "Z-N"}, {"1", "X-N"}}));
    const LoadTotals t = list.totals();
    EXPECT_NEAR(t.lineX, 11.0, 1e-9);
    EXPECT_NEAR(t.lineY, 11.0, 1e-9);
    EXPECT_NEAR(t.lineZ, 11.0, 1e-9);
    // The list stays sorted by current, largest first, on its first record.
    ASSERT_TRUE(list.table().sortField());
    EXPECT_EQ(*list.table().sortField(), ColAmperage);
    EXPECT_EQ(list.table().sortDirection(), SortDirection::Descending);
    EXPECT_EQ(list.table().currentRow(), 0u);
    EXPECT_EQ(std::get<std::string>(list.table().recordAt(0)[ColDeviceName]), "10");
}

TEST(LoadBalanceByCurrent, ThreePhaseTies)
{
    // 5 A on X, 3 A on Z, 3 A on Y; the last device meets Ax = 5, Ay = Az = 3.
    struct Case {
        bool phaseNeutral;
        const char* expected;
    };
    const Case cases[] = {{true, "Z-N"}, {false, "Y-Z"}};
    for (const Case& c : cases) {
        LoadList list(PowerSystem::ThreePhase, 208);
        addAmps(list, "a5", 5, true, "Z-N");
        addAmps(list, "b3", 3, true, "Z-N");
        addAmps(list, "c3", 3, true, "Z-N");
        addAmps(list, "last", 2, c.phaseNeutral, "X-Y");
        balanceByCurrent(list);
        EXPECT_EQ(connections(list),
                  (Expect{{"a5", "X-N"}, {"b3", "Z-N"}, {"c3", "Y-N"}, {"last", c.expected}}));
    }
    // All accumulators at 0: X.
    LoadList list(PowerSystem::ThreePhase, 208);
    addAmps(list, "pp", 4, false, "Z-X");
    addAmps(list, "pn", 1, true, "Z-N");
    balanceByCurrent(list);
    // The phase-phase device took X and Y; the phase-neutral one goes to Z.
    EXPECT_EQ(connections(list), (Expect{{"pp", "X-Y"}, {"pn", "Z-N"}}));
}

TEST(LoadBalance, SinglePhaseWorkedExample)
{
    auto build = [](LoadList& list) {
        addDevice(list, "ten", 1200, 120, "Y-N");
        addDevice(list, "five", 1200, 240, "X-Y");
        addDevice(list, "three", 360, 120, "Y-N");
    };
    LoadList byDevice(PowerSystem::SinglePhase, 240);
    build(byDevice);
    balanceByDevice(byDevice);
    // The toggle also advances on the 240 V record.
    EXPECT_EQ(connections(byDevice), (Expect{{"ten", "X-N"}, {"five", "X-Y"}, {"three", "X-N"}}));

    LoadList byCurrent(PowerSystem::SinglePhase, 240);
    build(byCurrent);
    balanceByCurrent(byCurrent);
    EXPECT_EQ(connections(byCurrent), (Expect{{"ten", "X-N"}, {"five", "X-Y"}, {"three", "Y-N"}}));
    const LoadTotals t = byCurrent.totals();
    EXPECT_DOUBLE_EQ(t.lineX, 15.0);
    EXPECT_DOUBLE_EQ(t.lineY, 8.0);
}

TEST(LoadBalanceByDevice, ThreePhaseDealsEachKindInTurn)
{
    LoadList list(PowerSystem::ThreePhase, 208);
    addAmps(list, "n1", 1, true, "Z-N");
    addAmps(list, "p1", 1, false, "Z-X");
    addDevice(list, "rack", 5000, 208, "X-Y-Z");
    addAmps(list, "n2", 9, true, "Z-N");
    addDevice(list, "odd", 500, 230, "Y-N");
    addAmps(list, "n3", 2, true, "X-N");
    addAmps(list, "p2", 7, false, "X-Y");
    addAmps(list, "n4", 3, true, "Z-N");
    addAmps(list, "p3", 1, false, "X-Y");
    addAmps(list, "p4", 1, false, "Y-Z");
    list.table().last();
    balanceByDevice(list);
    EXPECT_EQ(connections(list), (Expect{{"n1", "X-N"}, {"n2", "Y-N"}, {"n3", "Z-N"}, {"n4", "X-N"},
                                          {"p1", "X-Y"}, {"p2", "Y-Z"}, {"p3", "Z-X"}, {"p4", "X-Y"},
                                          {"rack", "X-Y-Z"}, {"odd", "Y-N"}}));
    EXPECT_EQ(list.table().currentRow(), 0u);
    EXPECT_FALSE(list.table().sortField());
}

TEST(LoadBalance, BalancedAndForeignDevicesAreNeverTouched)
{
    for (const bool byCurrent : {true, false}) {
        LoadList list(PowerSystem::ThreePhase, 400);
        addDevice(list, "rack", 30000, 400, "X-Y-Z");
        addDevice(list, "odd pn", 1000, 230, "Z-N");
        addDevice(list, "odd pp", 1000, 208, "Y-Z");
        addDevice(list, "pn", 2310, 231, "Z-N");
        const Record rack = list.table().recordAt(0);
        byCurrent ? balanceByCurrent(list) : balanceByDevice(list);
        EXPECT_EQ(connections(list), (Expect{{"rack", "X-Y-Z"}, {"odd pn", "Z-N"}, {"odd pp", "Y-Z"}, {"pn", "X-N"}}))
            << byCurrent;
        // The balanced device's currents are untouched too.
        for (const Record& r : list.table().physicalRecords()) {
            if (r.id == rack.id) {
                EXPECT_EQ(r.values, rack.values);
            }
        }
    }
}

TEST(LoadBalanceByDevice, VisitsTheOrderTheListHadAtTheStart)
{
    // Sorted by connection, descending: every post moves the assigned record
    // below the unassigned ones. Each record is still dealt once, in the
    // order the list showed when the command started.
    LoadList list(PowerSystem::ThreePhase, 208);
    for (const char* name : {"a", "b", "c", "d", "e"})
        addAmps(list, name, 1, true, "Z-N");
    list.table().setSort(ColUsedPhase, SortDirection::Descending);
    std::vector<std::size_t> progress;
    balanceByDevice(list, [&](std::size_t position, std::size_t count) {
        progress.push_back(position);
        EXPECT_EQ(count, 5u);
    });
    EXPECT_EQ(connections(list), (Expect{{"a", "X-N"}, {"b", "Y-N"}, {"c", "Z-N"}, {"d", "X-N"}, {"e", "Y-N"}}));
    EXPECT_EQ(progress, (std::vector<std::size_t>{1, 2, 3, 4, 5}));
    EXPECT_EQ(*list.table().sortField(), ColUsedPhase);
    EXPECT_EQ(std::get<std::string>(list.table().recordAt(0)[ColUsedPhase]), "Z-N");
}

TEST(LoadBalance, EmptyList)
{
    LoadList list(PowerSystem::SinglePhase, 240);
    balanceByCurrent(list);
    balanceByDevice(list);
    EXPECT_EQ(list.table().totalCount(), 0u);
    EXPECT_FALSE(list.table().hasCurrent());
}

} // namespace
