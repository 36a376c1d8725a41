#include "electrical/BasicLaws.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

namespace {

using namespace tvx::electrical;

// Index of a formula by group and row.
std::size_t formulaIndex(std::string_view group, int row)
{
    const auto& formulas = basicLawFormulas();
    for (std::size_t f = 0; f < formulas.size(); ++f)
        if (formulas[f].group == group && formulas[f].row == row)
            return f;
    ADD_FAILURE() << "no formula " << group << " " << row;
    return 0;
}

// The inputs with only one formula's pair filled.
BasicLawInputs onlyRow(std::string_view group, int row, std::string first, std::string second)
{
    BasicLawInputs inputs;
    const std::size_t f = formulaIndex(group, row);
    inputs[2 * f] = std::move(first);
    inputs[2 * f + 1] = std::move(second);
    return inputs;
}

struct FormulaCase {
    const char* group;
    int row;
    const char* first;
    const char* second;
    const char* result;
};

class BasicLawFormulaTest : public ::testing::TestWithParam<FormulaCase> {};

// Each case fills one row only; every other result must stay empty, which
// also shows that each formula reads its own pair of inputs.
TEST_P(BasicLawFormulaTest, ComputesOnlyItsOwnRow)
{
    const FormulaCase& c = GetParam();
    const BasicLawResults results = ElectricalBasicLawCalculation(onlyRow(c.group, c.row, c.first, c.second));
    const std::size_t target = formulaIndex(c.group, c.row);
    for (std::size_t f = 0; f < results.size(); ++f) {
        if (f == target)
            EXPECT_EQ(results[f], c.result);
        else
            EXPECT_EQ(results[f], "") << "formula " << f;
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryFormula, BasicLawFormulaTest,
    ::testing::Values(
        // E = I x R, P / I, sqrt(P x R)
        FormulaCase{"Voltage", 1, "2", "10", "20.00 Volts"},
        FormulaCase{"Voltage", 2, "100", "4", "25.00 Volts"},
        FormulaCase{"Voltage", 3, "100", "4", "20.00 Volts"},
        // I = E / R, P / E, sqrt(P / R)
        FormulaCase{"Amperage", 1, "120", "7", "17.14 Amps"},
        FormulaCase{"Amperage", 2, "1200", "120", "10.00 Amps"},
        FormulaCase{"Amperage", 3, "1000", "3", "18.26 Amps"},
        // P = I^2 x R, E x I, E^2 / R
        FormulaCase{"Wattage", 1, "2", "10", "40.00 Watts"},
        FormulaCase{"Wattage", 2, "230", "2.5", "575.00 Watts"},
        FormulaCase{"Wattage", 3, "120", "9", "1600.00 Watts"},
        // R = E / I, P / I^2, E^2 / P
        FormulaCase{"Resistance", 1, "120", "16", "7.50 Ohms"},
        FormulaCase{"Resistance", 2, "1000", "3", "111.11 Ohms"},
        FormulaCase{"Resistance", 3, "230", "1000", "52.90 Ohms"},
        // Zero in the second input: a factor gives 0, a divisor no result,
        // except the current from power and resistance, which says "Error".
        FormulaCase{"Voltage", 1, "5", "0", "0.00 Volts"},
        FormulaCase{"Amperage", 1, "5", "0", ""},
        FormulaCase{"Amperage", 3, "5", "0", "Error"},
        FormulaCase{"Amperage", 3, "0", "0", "Error"},
        FormulaCase{"Amperage", 3, "5", "0.0", "Error"},
        FormulaCase{"Voltage", 2, "5", "0", ""},
        FormulaCase{"Wattage", 3, "5", "0", ""},
        FormulaCase{"Resistance", 2, "5", "0", ""},
        FormulaCase{"Resistance", 3, "5", "0", ""},
        // "Error" needs a readable second input; an empty one gives nothing.
        FormulaCase{"Amperage", 3, "5", "", ""},
        FormulaCase{"Amperage", 3, "", "0", ""},
        // Missing or unreadable inputs.
        FormulaCase{"Voltage", 1, "", "10", ""},
        FormulaCase{"Voltage", 1, "2", "", ""},
        FormulaCase{"Voltage", 1, "2x", "10", ""},
        FormulaCase{"Voltage", 1, ".", "10", ""},
        FormulaCase{"Voltage", 1, " 2 ", "10", "20.00 Volts"},
        // Pasted negative values: a root of a negative is a fault.
        FormulaCase{"Voltage", 3, "-100", "4", ""},
        FormulaCase{"Amperage", 3, "100", "-4", ""},
        FormulaCase{"Voltage", 1, "-2", "10", "-20.00 Volts"},
        // Rounding to two decimals and huge values: past 18 integer digits
        // the fixed format turns to exponent notation; overflow is a fault.
        FormulaCase{"Voltage", 1, "0.125", "1", "0.13 Volts"},
        FormulaCase{"Voltage", 1, "1e8", "1e9", "100000000000000000.00 Volts"},
        FormulaCase{"Voltage", 1, "1e10", "1e10", "1.00000000000000000E+20 Volts"},
        FormulaCase{"Wattage", 1, "1e200", "1", ""},
        FormulaCase{"Amperage", 1, "1e300", "1e-300", ""},
        FormulaCase{"Voltage", 1, "1e400", "1", ""}),
    [](const ::testing::TestParamInfo<FormulaCase>& c) {
        return std::string(c.param.group) + std::to_string(c.param.row) + "_case" + std::to_string(c.index);
    });

TEST(BasicLawCalculation, DecimalSeparatorIsTheOnePassedIn)
{
    const BasicLawInputs inputs = onlyRow("Wattage", 2, "1,5", "2");
    const std::size_t f = formulaIndex("Wattage", 2);
    EXPECT_EQ(ElectricalBasicLawCalculation(inputs, ".")[f], "");
    EXPECT_EQ(ElectricalBasicLawCalculation(inputs, ",")[f], "3,00 Watts");
    // With a comma separator a point no longer reads.
    EXPECT_EQ(ElectricalBasicLawCalculation(onlyRow("Wattage", 2, "1.5", "2"), ",")[f], "");
}

TEST(BasicLawTable, NamesFollowTheSetupRecordOrder)
{
    // The setup record keeps the 24 inputs in exactly this order.
    const char* const stored[BasicLawInputCount] = {
        "Voltage_amps1",    "Voltage_Ohms1",    "Voltage_Watts2",    "Voltage_Amps2",    "Voltage_Watts3",
        "Voltage_Ohms3",    "Amperage_Volts1",  "Amperage_Ohms1",    "Amperage_Watts2",  "Amperage_Volts2",
        "Amperage_watts3",  "Amperage_Ohms3",   "Wattage_amps1",     "Wattage_Ohms1",    "Wattage_Volts2",
        "Wattage_amps2",    "Wattage_volts3",   "Wattage_Ohms3",     "Resistance_Volt1", "Resistance_Amps1",
        "Resistance_Watts2", "Resistance_Amps2", "Resistance_Volt3", "Resistance_Watts3"};
    const auto& formulas = basicLawFormulas();
    for (std::size_t f = 0; f < formulas.size(); ++f) {
        EXPECT_EQ(formulas[f].firstInput, stored[2 * f]);
        EXPECT_EQ(formulas[f].secondInput, stored[2 * f + 1]);
    }
    // The display order lists every formula once.
    const auto& order = basicLawDisplayOrder();
    EXPECT_EQ(std::set<std::size_t>(order.begin(), order.end()).size(), BasicLawFormulaCount);
}

// The report lines for given inputs, with results computed from them.
std::vector<std::string> reportFor(const BasicLawInputs& inputs)
{
    return basicLawReportLines(inputs, ElectricalBasicLawCalculation(inputs));
}

TEST(BasicLawReport, SingleFilledRowGivesLineOne)
{
    EXPECT_EQ(reportFor(onlyRow("Voltage", 2, "100", "4")),
              (std::vector<std::string>{"1: (100 Watts / 4 Amps) = 25.00 Volts", ""}));
    EXPECT_EQ(reportFor(onlyRow("Wattage", 1, "2", "10")),
              (std::vector<std::string>{"1: (2 Amps\xC2\xB2 * 10 Ohms) = 40.00 Watts", ""}));
    EXPECT_TRUE(reportFor(BasicLawInputs{}).empty());
}

TEST(BasicLawReport, EveryLineInReportOrder)
{
    // Every pair filled with "a" and "b": texts are printed raw, whatever
    // they read as, and results are printed as given.
    BasicLawInputs inputs;
    BasicLawResults results;
    for (std::size_t i = 0; i < inputs.size(); ++i)
        inputs[i] = i % 2 == 0 ? "a" : "b";
    for (std::size_t f = 0; f < results.size(); ++f)
        results[f] = "r" + std::to_string(f);

    const std::vector<std::string> expected{
        "1: (a Amps\xC2\xB2 * b Ohms) = r6",   "",
        "2: (a Volts\xC2\xB2 / b Ohms) = r8",  "",
        "3: (a Volts * b Amps) = r7",          "",
        "4: (SQRT(a Watts / b Ohms)) = r5",    "",
        "5: (a Watts / b Volts) = r4",         "",
        "6: (a Volts / b Omhs) = r3",          "",
        "7: (a Amps * b Omhs) = r0",           "",
        "8: (a Watts / b Amps) = r1",          "",
        "9: (SQRT(a Watts * b Ohms)) = r2",    "",
        "10: (a Volts / b Amps) = r9",         "",
        "11: (a Volts\xC2\xB2 / b Watts) = r11", "",
        "12: (a Watts / b Amps\xC2\xB2) = r10", ""};
    EXPECT_EQ(basicLawReportLines(inputs, results), expected);
}

TEST(BasicLawReport, NumbersCountOnlyWrittenLinesAndNeedBothTexts)
{
    BasicLawInputs inputs;
    const auto set = [&inputs](std::string_view group, int row, std::string a, std::string b) {
        const std::size_t f = formulaIndex(group, row);
        inputs[2 * f] = std::move(a);
        inputs[2 * f + 1] = std::move(b);
    };
    set("Amperage", 3, "100", "0");     // line 4 in a full report
    set("Voltage", 3, "100", "4");      // line 9
    set("Resistance", 1, "120", "");    // half filled: no line
    set("Resistance", 2, "x", "y");     // unreadable but filled: a line with no result

    EXPECT_EQ(reportFor(inputs), (std::vector<std::string>{"1: (SQRT(100 Watts / 0 Ohms)) = Error", "",
                                                           "2: (SQRT(100 Watts * 4 Ohms)) = 20.00 Volts", "",
                                                           "3: (x Watts / y Amps\xC2\xB2) = ", ""}));
}

} // namespace
