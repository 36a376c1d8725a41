#include "electrical/VoltageDrop.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tvx::electrical {
namespace {

// Index of a gauge list item by its text.
int gauge(std::string_view item)
{
    for (std::size_t i = 0; i < kGauges.size(); ++i)
        if (kGauges[i].item == item)
            return static_cast<int>(i);
    ADD_FAILURE() << "no gauge " << item;
    return -1;
}

VoltageDropInput dropCase(std::string volts, std::string amps, std::string distance, std::string_view gaugeItem,
                          PhaseSystem system)
{
    VoltageDropInput in;
    in.dropVoltage = std::move(volts);
    in.dropAmps = std::move(amps);
    in.dropDistance = std::move(distance);
    in.dropGauge = gauge(gaugeItem);
    in.dropSystem = system;
    return in;
}

TEST(VoltageDropTable, GaugeListIsThickestFirstWithTheTableAreas)
{
    EXPECT_EQ(kGauges.front().item, "0000awg - 120mm");
    EXPECT_EQ(kGauges.front().circularMils, 212000);
    EXPECT_EQ(kGauges[11].item, "8awg - 10mm");
    EXPECT_EQ(kGauges[11].circularMils, 16500);
    EXPECT_EQ(kGauges[43].item, "40awg");
    EXPECT_EQ(kGauges[43].circularMils, 9.9);
    for (std::size_t i = 1; i < kGauges.size(); ++i)
        EXPECT_LT(kGauges[i].circularMils, kGauges[i - 1].circularMils) << kGauges[i].item;
}

TEST(VoltageDropTable, StoredGaugeIndexIsBroughtIntoTheList)
{
    EXPECT_EQ(gaugeIndexInRange(0), 0);
    EXPECT_EQ(gaugeIndexInRange(43), 43);
    EXPECT_EQ(gaugeIndexInRange(44), 0);
    EXPECT_EQ(gaugeIndexInRange(-1), 0);
    EXPECT_EQ(gaugeIndexInRange(std::numeric_limits<int>::min()), 0);
}

TEST(VoltageDropSection, WorkedExamplesAndFaults)
{
    struct Case {
        const char* what;
        VoltageDropInput in;
        const char* drop;
        const char* percent;
    };
    VoltageDropInput metres = dropCase("208", "24.2", "45.72", "8awg - 10mm", PhaseSystem::Three);
    metres.unit = LengthUnit::Metre;
    VoltageDropInput aluminium = dropCase("120", "10", "100", "12awg - 4mm", PhaseSystem::Single);
    aluminium.conductor = Conductor::Aluminium;
    const Case cases[] = {
        {"motor example, three-phase copper",
         dropCase("208", "24.2", "150", "8awg - 10mm", PhaseSystem::Three), "4.92 volt", "2.36 %"},
        {"same run typed in metres", metres, "4.92 volt", "2.36 %"},
        {"single-phase: 2 x 12.9 x 10 x 100 / 6530",
         dropCase("120", "10", "100", "12awg - 4mm", PhaseSystem::Single), "3.95 volt", "3.29 %"},
        {"aluminium: 2 x 21.2 x 10 x 100 / 6530", aluminium, "6.49 volt", "5.41 %"},
        {"thinnest gauge uses 9.9 Cm", dropCase("120", "1", "1", "40awg", PhaseSystem::Single), "2.61 volt", "2.17 %"},
        {"no input voltage", dropCase("", "24.2", "150", "8awg - 10mm", PhaseSystem::Three), "Out of Range",
         "Out of Range"},
        {"no current, no voltage", dropCase("0", "", "150", "8awg - 10mm", PhaseSystem::Three), "0.00 volt", "0 %"},
        {"drop above the input voltage", dropCase("12", "100", "1000", "20awg - 0.50mm", PhaseSystem::Single),
         "Out of Range", "Out of Range"},
        {"unreadable text reads as 0", dropCase("208", "1,5", "150", "8awg - 10mm", PhaseSystem::Three),
         "0.00 volt", "0.00 %"},
        {"overflow is a fault, not a number",
         dropCase("1e300", "1e300", "1e300", "8awg - 10mm", PhaseSystem::Three), "0.00 volt", "0.00 %"},
    };
    for (const Case& c : cases) {
        const VoltageDropResult r = VoltageDropCalculate(c.in);
        EXPECT_EQ(r.drop, c.drop) << c.what;
        EXPECT_EQ(r.dropPercent, c.percent) << c.what;
    }
}

TEST(VoltageDropSection, NoGaugeOrNoSystemKeepsThePreviousValues)
{
    VoltageDropInput in = dropCase("208", "24.2", "150", "8awg - 10mm", PhaseSystem::Three);
    const VoltageDropResult first = VoltageDropCalculate(in);
    EXPECT_EQ(first.memory.dropGaugeMils, 16500);

    // No gauge: the area of the last calculation.
    in.dropGauge = -1;
    in.previous = first.memory;
    EXPECT_EQ(VoltageDropCalculate(in).drop, "4.92 volt");
    // No gauge before any calculation: no area, no drop (never a NaN).
    in.previous = {};
    EXPECT_EQ(VoltageDropCalculate(in).drop, "0.00 volt");

    // No system: the drop of the last calculation, even for other inputs.
    in.dropGauge = gauge("8awg - 10mm");
    in.dropSystem = PhaseSystem::None;
    in.dropAmps = "1";
    in.previous = first.memory;
    EXPECT_EQ(VoltageDropCalculate(in).drop, "4.92 volt");
}

TEST(WireSize, RequiredAreaPicksTheSmallestSufficientGauge)
{
    struct Case {
        double mils;
        const char* size;
    };
    const Case cases[] = {
        {0, "Out of Range"},         {9.89, "Out of Range"},     {9.9, "40 AWG"},
        {9.91, "39 AWG"},            {12.5, "39 AWG"},           {12.51, "38 AWG"},
        {16500, "8 AWG - 10mm"},     {16500.01, "7 AWG"},        {17200, "7 AWG"},
        {83700.5, "#0 - 60mm"},      {211999, "#0000 - 120mm"},  {212000, "#0000 - 120mm"},
        {212000.5, "Out of Range"},  {std::numeric_limits<double>::quiet_NaN(), "Out of Range"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(wireSizeFor(c.mils), c.size) << c.mils;
}

TEST(WireSize, LimitFieldsDriveEachOther)
{
    VoltageDropInput in;
    in.wireSystem = PhaseSystem::Single;
    in.wireVoltage = "120";
    in.wireAmps = "20";
    in.wireDistance = "100";
    in.wireLimitVolts = "3";
    in.wireLimitPercent = "";

    // The volts field drives: 2 x 100 x 20 x 12.9 / 3.
    VoltageDropResult r = VoltageDropCalculate(in);
    EXPECT_EQ(r.requiredMils, "17200.00 Cmils");
    EXPECT_EQ(r.wireSize, "7 AWG");
    EXPECT_EQ(r.wireLimitPercent, "2.5");
    EXPECT_FALSE(r.wireLimitVolts.has_value());

    // Typing in the percent field: 5 % of 120 V is 6 V.
    in.wireLimitPercent = "5";
    in.wireFocus = LimitFocus::Percent;
    r = VoltageDropCalculate(in);
    EXPECT_EQ(r.wireLimitVolts, "6");
    EXPECT_FALSE(r.wireLimitPercent.has_value());
    EXPECT_EQ(r.requiredMils, "8600.00 Cmils");
    EXPECT_EQ(r.wireSize, "10 AWG - 6mm");

    // Emptying the percent field (as Clear All Fields does) empties the volts.
    in.wireLimitPercent = "";
    r = VoltageDropCalculate(in);
    EXPECT_EQ(r.wireLimitVolts, "");
    EXPECT_EQ(r.wireSize, "Out of Range");

    // Three-phase applies 0.866 on top of the factor 2.
    in.wireFocus = LimitFocus::Volts;
    in.wireSystem = PhaseSystem::Three;
    r = VoltageDropCalculate(in);
    EXPECT_EQ(r.requiredMils, "14895.20 Cmils");
    EXPECT_EQ(r.wireLimitPercent, "2.5");
}

TEST(WireSize, ClearedInputVoltageKeepsTheVoltLimit)
{
    // While the input voltage is being retyped it reads 0: the percent cannot
    // be computed, so it stays, and the volt limit the user typed stays too.
    VoltageDropInput in;
    in.wireSystem = PhaseSystem::Single;
    in.wireVoltage = "";
    in.wireAmps = "20";
    in.wireDistance = "100";
    in.wireLimitVolts = "3";
    in.wireLimitPercent = "2.5";
    const VoltageDropResult r = VoltageDropCalculate(in);
    EXPECT_FALSE(r.wireLimitVolts.has_value());
    EXPECT_FALSE(r.wireLimitPercent.has_value());
    EXPECT_EQ(r.requiredMils, "17200.00 Cmils");

    // A zero limit cannot be met by any wire.
    in.wireLimitVolts = "0";
    EXPECT_EQ(VoltageDropCalculate(in).requiredMils, "0.00 Cmils");
    EXPECT_EQ(VoltageDropCalculate(in).wireSize, "Out of Range");
}

TEST(Distance, LongestRunForALimit)
{
    struct Case {
        const char* what;
        std::string amps;
        PhaseSystem system;
        LengthUnit unit;
        const char* distance;
    };
    const Case cases[] = {
        {"single-phase: 3 x 6530 / (20 x 12.9) / 2", "20", PhaseSystem::Single, LengthUnit::Feet, "37.97 feet"},
        {"shown in metres", "20", PhaseSystem::Single, LengthUnit::Metre, "11.57 Meter"},
        {"three-phase", "20", PhaseSystem::Three, LengthUnit::Feet, "43.84 feet"},
        {"no current", "0", PhaseSystem::Single, LengthUnit::Feet, "Out of Range"},
        {"no current, empty field", "", PhaseSystem::Three, LengthUnit::Feet, "Out of Range"},
    };
    for (const Case& c : cases) {
        VoltageDropInput in;
        in.unit = c.unit;
        in.distanceVoltage = "120";
        in.distanceAmps = c.amps;
        in.distanceGauge = gauge("12awg - 4mm");
        in.distanceLimitVolts = "3";
        in.distanceSystem = c.system;
        const VoltageDropResult r = VoltageDropCalculate(in);
        EXPECT_EQ(r.distance, c.distance) << c.what;
        EXPECT_EQ(r.distanceLimitPercent, "2.5") << c.what;
    }
}

TEST(Distance, PercentFieldDrivesWhileTyped)
{
    VoltageDropInput in;
    in.distanceVoltage = "208";
    in.distanceAmps = "20";
    in.distanceGauge = gauge("12awg - 4mm");
    in.distanceLimitVolts = "1";
    in.distanceLimitPercent = "3";
    in.distanceFocus = LimitFocus::Percent;
    in.distanceSystem = PhaseSystem::Single;
    const VoltageDropResult r = VoltageDropCalculate(in);
    EXPECT_EQ(r.distanceLimitVolts, "6.24");
    EXPECT_EQ(r.distance, "78.97 feet");
}

TEST(VoltageDropTexts, DecimalSeparatorOfTheUser)
{
    VoltageDropInput in = dropCase("208", "24,2", "150", "8awg - 10mm", PhaseSystem::Three);
    in.decimalSeparator = ",";
    in.wireSystem = PhaseSystem::Single;
    in.wireVoltage = "208";
    in.wireLimitVolts = "5,2";
    const VoltageDropResult r = VoltageDropCalculate(in);
    EXPECT_EQ(r.drop, "4,92 volt");
    EXPECT_EQ(r.dropPercent, "2,36 %");
    EXPECT_EQ(r.wireLimitPercent, "2,5");
}

TEST(VoltageDropReport, GaugeTablesAndSystemTexts)
{
    const auto thick = gaugeTableLinesThick();
    ASSERT_EQ(thick.size(), 24u);
    EXPECT_EQ(thick[0], "   Cmil  -  AWG - mm2");
    EXPECT_EQ(thick[1], "212000 = 0000 = 120");
    EXPECT_EQ(thick[23], "  1290 = 19");
    const auto thin = gaugeTableLinesThin();
    ASSERT_EQ(thin.size(), 22u);
    EXPECT_EQ(thin[0], "     Cmil - AWG - mm2");
    EXPECT_EQ(thin[1], "    1020 = 20     =0.50");
    EXPECT_EQ(thin[21], "     9.9 = 40");
    EXPECT_EQ(phaseSystemText(PhaseSystem::Three), "Three-Phases");
    EXPECT_EQ(phaseSystemText(PhaseSystem::Single), "Single Phase");
    EXPECT_EQ(conductorText(Conductor::Aluminium), "Wire type: Aluminium");
    EXPECT_EQ(voltageDropFormulaLines().size(), 29u);
}

} // namespace
} // namespace tvx::electrical
