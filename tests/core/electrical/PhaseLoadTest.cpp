#include "electrical/PhaseLoad.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using namespace tvx::electrical;

// ---- display rule and colours ---------------------------------------------

TEST(PhaseLoadDisplay, ThreeSignificantDigitsOneDecimalExponentFromThousand)
{
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {123.456, "123.0"}, {1.2345, "1.2"}, {48.0769, "48.1"}, {0.04, "0.0"},
        {999.4, "999.0"}, {999.96, "1.00E+3"}, {1234.5, "1.23E+3"}, {0.0, "0.0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(displayValue(c.value), c.text) << c.value;
    EXPECT_EQ(displayValue(48.0769, ","), "48,1");
}

TEST(PhaseLoadDisplay, ShareColourThresholds)
{
    struct Case {
        double percent;
        ShareLevel level;
    };
    const Case cases[] = {
        {0.0, ShareLevel::Low},      {79.999, ShareLevel::Low},  {80.0, ShareLevel::High},
        {98.999, ShareLevel::High},  {99.0, ShareLevel::Over},   {250.0, ShareLevel::Over},
    };
    for (const Case& c : cases)
        EXPECT_EQ(classifyShare(c.percent), c.level) << c.percent;
}

// ---- three phase ------------------------------------------------------------

ThreePhaseInput threePhase(const char* v, const char* imax)
{
    ThreePhaseInput in;
    in.voltage = v;
    in.maxAmps = imax;
    return in;
}

TEST(PhaseLoadThreePhase, SingleDeltaLoadLoadsBothItsLines)
{
    ThreePhaseInput in = threePhase("208", "100");
    in.loadXY = "10";
    const ThreePhaseResult r = calculateThreePhase(in);
    EXPECT_EQ(r.ampsXY.text, "48.1");
    EXPECT_EQ(r.ampsX.text, "48.1");
    EXPECT_EQ(r.ampsY.text, "48.1");
    EXPECT_EQ(r.ampsZ.text, "0.0");
    EXPECT_EQ(r.ampsN.text, "0.0");
    EXPECT_EQ(r.voltageNeutral.text, "120.0");
    EXPECT_EQ(r.maxKva.text, "36.0");
    EXPECT_EQ(r.totalKva.text, "10.0");
    EXPECT_EQ(r.percentX.text, "48.1%");
    EXPECT_EQ(r.percentZ.text, "0.0%");
    EXPECT_EQ(r.percentAvailableKva.text, "72.2%");
    // The free share is coloured by the used share (27.8 %).
    EXPECT_NEAR(r.percentAvailableKva.percent, 27.76, 0.01);
    EXPECT_EQ(r.percentAvailableKva.level, ShareLevel::Low);
}

TEST(PhaseLoadThreePhase, BalancedPhaseNeutralLoadsCancelInTheNeutral)
{
    ThreePhaseInput in = threePhase("208", "100");
    in.loadXN = in.loadYN = in.loadZN = "10";
    const ThreePhaseResult r = calculateThreePhase(in);
    for (const Shown* s : {&r.ampsXN, &r.ampsYN, &r.ampsZN, &r.ampsX, &r.ampsY, &r.ampsZ})
        EXPECT_EQ(s->text, "83.3");
    EXPECT_NEAR(r.ampsN.value, 0.0, 1e-9);
    EXPECT_EQ(r.ampsN.text, "0.0");
    EXPECT_EQ(r.percentX.level, ShareLevel::High);
}

TEST(PhaseLoadThreePhase, LineCurrentIsDeltaMagnitudePlusPhaseNeutral)
{
    ThreePhaseInput in = threePhase("400", "63");
    in.loadXY = "8";
    in.loadZX = "4";
    in.loadXN = "2";
    in.loadYN = "1";
    const ThreePhaseResult r = calculateThreePhase(in);
    const double ixy = 20.0, izx = 10.0;
    const double ixn = 2000.0 / (400.0 / std::sqrt(3.0));
    const double iyn = 1000.0 / (400.0 / std::sqrt(3.0));
    EXPECT_NEAR(r.ampsX.value, std::sqrt(ixy * ixy + ixy * izx + izx * izx) + ixn, 1e-9);
    EXPECT_NEAR(r.ampsY.value, ixy + iyn, 1e-9);
    EXPECT_NEAR(r.ampsZ.value, izx, 1e-9);
    // Neutral of two unequal phase-neutral branches 120 degrees apart.
    EXPECT_NEAR(r.ampsN.value, std::sqrt(ixn * ixn - ixn * iyn + iyn * iyn), 1e-9);
}

TEST(PhaseLoadThreePhase, FaultsAndUnreadableTexts)
{
    // Not a number: 208 V. Empty fields read as 0.
    ThreePhaseResult r = calculateThreePhase(threePhase("abc", "100"));
    EXPECT_DOUBLE_EQ(r.voltage, 208.0);
    EXPECT_EQ(r.maxKva.text, "36.0");
    EXPECT_EQ(r.percentAvailableKva.text, "100.0%");

    // Zero voltage: currents 0, the rest still computed.
    ThreePhaseInput zeroV = threePhase("0", "100");
    zeroV.loadXY = "5";
    zeroV.loadXN = "5";
    r = calculateThreePhase(zeroV);
    EXPECT_EQ(r.ampsXY.text, "0.0");
    EXPECT_EQ(r.ampsXN.text, "0.0");
    EXPECT_EQ(r.totalKva.text, "10.0");
    EXPECT_EQ(r.percentX.text, "0.0%");
    // Zero capacity: the free share is not available rather than 100 %.
    EXPECT_FALSE(r.percentAvailableKva.available);
    EXPECT_EQ(r.percentAvailableKva.text, "N/A");
    EXPECT_EQ(r.percentAvailableKva.level, ShareLevel::NotAvailable);

    // Zero Imax: every share is not available, currents are still shown.
    ThreePhaseInput zeroI = threePhase("208", "");
    zeroI.loadXY = "10";
    r = calculateThreePhase(zeroI);
    EXPECT_EQ(r.ampsX.text, "48.1");
    for (const Share* s : {&r.percentX, &r.percentY, &r.percentZ, &r.percentN, &r.percentAvailableKva}) {
        EXPECT_EQ(s->text, "N/A");
        EXPECT_EQ(s->level, ShareLevel::NotAvailable);
    }
}

TEST(PhaseLoadThreePhase, LargeCurrentInExponentForm)
{
    // 256.776 kVA between X and Y at 208 V: 1234.5 A.
    ThreePhaseInput in = threePhase("208", "100");
    in.loadXY = "256.776";
    const ThreePhaseResult r = calculateThreePhase(in);
    EXPECT_NEAR(r.ampsXY.value, 1234.5, 0.01);
    EXPECT_EQ(r.ampsXY.text, "1.23E+3");
    EXPECT_EQ(r.percentX.text, "1.23E+3%");
    EXPECT_EQ(r.percentX.level, ShareLevel::Over);
}

// ---- single phase -----------------------------------------------------------

TEST(PhaseLoadSinglePhase, SplitPhaseExample)
{
    SinglePhaseInput in;
    in.voltage = "240";
    in.maxAmps = "100";
    in.loadXN = "2.4";
    in.loadYN = "1.2";
    const SinglePhaseResult r = calculateSinglePhase(in);
    EXPECT_EQ(r.voltageNeutral.text, "120.0");
    EXPECT_EQ(r.ampsXN.text, "20.0");
    EXPECT_EQ(r.ampsYN.text, "10.0");
    EXPECT_EQ(r.ampsN.text, "10.0");
    EXPECT_EQ(r.ampsX.text, "20.0");
    EXPECT_EQ(r.maxKva.text, "24.0");
    EXPECT_EQ(r.totalKva.text, "3.6");
    EXPECT_EQ(r.percentAvailableKva.text, "85.0%");
}

TEST(PhaseLoadSinglePhase, XyLoadOnBothLegsAndNotInNeutral)
{
    SinglePhaseInput in;
    in.voltage = "200";
    in.maxAmps = "50";
    in.loadXY = "8"; // 40 A
    in.loadXN = "1"; // 10 A at 100 V
    const SinglePhaseResult r = calculateSinglePhase(in);
    EXPECT_EQ(r.ampsX.text, "50.0");
    EXPECT_EQ(r.ampsY.text, "40.0");
    EXPECT_EQ(r.ampsN.text, "10.0");
    // Exactly 80 % and 100 % of Imax.
    EXPECT_EQ(r.percentY.level, ShareLevel::High);
    EXPECT_EQ(r.percentX.level, ShareLevel::Over);
}

TEST(PhaseLoadSinglePhase, UnreadableVoltageKeepsThePreviousOne)
{
    SinglePhaseInput in;
    in.voltage = "";
    in.previousVoltage = 120.0;
    in.maxAmps = "20";
    in.loadXY = "1.2";
    SinglePhaseResult r = calculateSinglePhase(in);
    EXPECT_DOUBLE_EQ(r.voltage, 120.0);
    EXPECT_EQ(r.ampsXY.text, "10.0");

    in.previousVoltage = 0.0; // before the first calculation
    r = calculateSinglePhase(in);
    EXPECT_EQ(r.ampsXY.text, "0.0");
    EXPECT_EQ(r.percentAvailableKva.text, "N/A");
}

// ---- capacity, working voltages, Apply -------------------------------------

TEST(PhaseLoadCapacity, TypedCapacityGivesImax)
{
    EXPECT_NEAR(threePhaseMaxAmps("36", 208.0).value, 36000.0 / (208.0 * std::sqrt(3.0)), 1e-9);
    EXPECT_EQ(singlePhaseMaxAmps("24", 240.0).text, "100");
    EXPECT_EQ(singlePhaseMaxAmps("2,4", 240.0, ",").text, "10");
    EXPECT_EQ(singlePhaseMaxAmps("24", 0.0).text, "0");
    EXPECT_EQ(threePhaseMaxAmps("", 208.0).text, "0");
}

TEST(PhaseLoadWorkingVoltage, ItemsRoundHalfToEven)
{
    struct Case {
        double v, vpn;
        const char* first;
        const char* second;
    };
    const Case cases[] = {
        {208.0, 208.0 / std::sqrt(3.0), "208", "120"},
        {400.0, 400.0 / std::sqrt(3.0), "400", "231"},
        {241.0, 120.5, "241", "120"},
        {243.0, 121.5, "243", "122"},
    };
    for (const Case& c : cases) {
        const auto items = workingVoltageItems(c.v, c.vpn);
        EXPECT_EQ(items[0], c.first);
        EXPECT_EQ(items[1], c.second);
    }
}

ApplyInput apply(const char* selected, const char* count, const char* watts, double v, double vpn)
{
    ApplyInput in;
    in.selectedVoltage = selected;
    in.deviceCount = count;
    in.wattsPerDevice = watts;
    in.voltage = v;
    in.voltageNeutral = vpn;
    return in;
}

TEST(PhaseLoadApply, ThreePhaseSpreadsDevicesRemainderFirst)
{
    const double vpn = 208.0 / std::sqrt(3.0);
    struct Case {
        const char* selected;
        const char* count;
        const char* first;
        const char* second;
        const char* third;
    };
    const Case cases[] = {
        {"120", "7", "3", "2", "2"}, {"120", "5", "2", "2", "1"}, {"120", "6", "2", "2", "2"},
        {"120", "0", "0", "0", "0"}, {"120", "x", "0", "0", "0"},
    };
    for (const Case& c : cases) {
        const ThreePhaseApply a = applyThreePhase(apply(c.selected, c.count, "1000", 208.0, vpn));
        ASSERT_TRUE(a.loadXN && a.loadYN && a.loadZN) << c.count;
        EXPECT_EQ(*a.loadXN, c.first) << c.count;
        EXPECT_EQ(*a.loadYN, c.second) << c.count;
        EXPECT_EQ(*a.loadZN, c.third) << c.count;
        EXPECT_FALSE(a.loadXY || a.loadYZ || a.loadZX);
    }

    const ThreePhaseApply delta = applyThreePhase(apply("208", "5", "1500", 208.0, vpn));
    EXPECT_EQ(delta.loadXY, "3");
    EXPECT_EQ(delta.loadYZ, "3");
    EXPECT_EQ(delta.loadZX, "1.5");
    EXPECT_FALSE(delta.loadXN || delta.loadYN || delta.loadZN);

    // A voltage of neither item (the page's voltage changed since) changes nothing.
    const ThreePhaseApply none = applyThreePhase(apply("230", "5", "1000", 208.0, vpn));
    EXPECT_FALSE(none.needsSelection);
    EXPECT_FALSE(none.loadXY || none.loadXN);
}

TEST(PhaseLoadApply, SinglePhaseOddDeviceGoesToX)
{
    SinglePhaseApply a = applySinglePhase(apply("120", "5", "500", 240.0, 120.0));
    EXPECT_EQ(a.loadXN, "1.5");
    EXPECT_EQ(a.loadYN, "1");
    EXPECT_FALSE(a.loadXY);

    a = applySinglePhase(apply("240", "5", "500", 240.0, 120.0));
    EXPECT_EQ(a.loadXY, "2.5");
    EXPECT_FALSE(a.loadXN || a.loadYN);

    a = applySinglePhase(apply("120", "3", "0,5", 240.0, 120.0));
    EXPECT_EQ(a.loadXN, "0");
}

TEST(PhaseLoadApply, NoSelectedVoltageAsksForOne)
{
    EXPECT_TRUE(applySinglePhase(apply("", "5", "500", 240.0, 120.0)).needsSelection);
    const ThreePhaseApply a = applyThreePhase(apply("", "5", "500", 208.0, 120.0));
    EXPECT_TRUE(a.needsSelection);
    EXPECT_FALSE(a.loadXN || a.loadXY);
    EXPECT_EQ(kSelectWorkingVoltage, "Select a working voltage");
}

// ---- warning files ----------------------------------------------------------

TEST(PhaseLoadWarningFile, PlainTextAndRtf)
{
    struct Case {
        const char* name;
        std::string bytes;
        std::string text;
    };
    const Case cases[] = {
        {"plain, CRLF", "Check the cables.\r\nUse a breaker.\r\n", "Check the cables.\nUse a breaker."},
        {"Windows-1252", "Temp 40\xB0" "C", "Temp 40\xC2\xB0" "C"},
        {"rtf",
         "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red0\\green0\\blue0;}\r\n"
         "{\\*\\generator Writer;}\\pard\\f0\\fs20 Warning: \\b planning\\b0  only.\\par\r\n"
         "Caf\\'e9 \\{x\\} \\u8211?\\tab end\\par\r\n}",
         "Warning: planning only.\nCaf\xC3\xA9 {x} \xE2\x80\x93\tend"},
        {"empty", "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(warningFileText(c.bytes), c.text) << c.name;
}

} // namespace
