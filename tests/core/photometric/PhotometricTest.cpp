#include "photometric/Photometric.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <vector>

using namespace tvx::photometric;

namespace {

constexpr std::size_t idx(Quantity q)
{
    return std::size_t(q);
}

// Remembered values with every quantity set to a marker that no row computes.
Values markers()
{
    Values v{};
    for (std::size_t i = 0; i < QuantityCount; ++i)
        v[i] = 1000.0 + double(i);
    return v;
}

} // namespace

TEST(PhotometricRows, EveryTargetHasItsListInOrder)
{
    const std::vector<std::vector<std::string>> expected = {
        {"D and V", "C and V", "D and C", "D and K", "K and V"},
        {"D and H", "C and H", "D and C", "D and K", "K and H"},
        {"X and Mf", "V and H", "H and C", "C and V", "H and K", "K and V", "Cd and Fc"},
        {"Mf", "D and X"},
        {"H and V", "D and V", "D and H", "K"},
        {"H and V", "D and V", "D and H", "C"},
        {"D and F", "D and Mf"},
        {"V, F and K"},
        {"D (feet) and Cd", "D (meter) and Cd", "Lux", "Footcandles"},
        {"D (feet) and Fc", "D (meter) and Fc"},
        {"F", "X and D"},
    };
    std::size_t total = 0;
    for (std::size_t t = 0; t < QuantityCount; ++t) {
        EXPECT_EQ(knowingItems(t), expected[t]) << "target " << t;
        total += expected[t].size();
    }
    EXPECT_EQ(total, 38u);
    EXPECT_EQ(formulaRows().size(), 38u);
}

TEST(PhotometricRows, LayoutOfRowsWithOddCaptions)
{
    const FormulaRow& k2 = formulaRow(idx(Quantity::K), 2);
    EXPECT_EQ(k2.formula, "K = ASIN(H / D))");
    const FormulaRow& y = formulaRow(idx(Quantity::Y), 0);
    EXPECT_EQ(y.inputCount, 3u);
    EXPECT_EQ(y.inputs[2].caption, "K");
    EXPECT_EQ(y.inputs[2].quantity, Quantity::K);
    const FormulaRow& cdMetre = formulaRow(idx(Quantity::Cd), 1);
    EXPECT_EQ(cdMetre.formula, "Cd = Fc * (D * D) \"D in meter\"");
    EXPECT_EQ(cdMetre.inputs[0].caption, "D(meter):");
    const FormulaRow& d0 = formulaRow(idx(Quantity::D), 0);
    EXPECT_EQ(d0.formula, "D= X / Mf");
    EXPECT_EQ(d0.inputs[1].quantity, Quantity::mF);
    EXPECT_EQ(quantities()[8].caption, "Fc:  FootCandle  or Lx: Lux ");

    // Only the two candela-to-light-level rows have the lux result.
    std::size_t withSecond = 0;
    for (const FormulaRow& r : formulaRows())
        if (r.hasSecondResult()) {
            ++withSecond;
            EXPECT_EQ(r.secondResultCaption, "Lux=");
            EXPECT_EQ(r.target, Quantity::Fc);
        }
    EXPECT_EQ(withSecond, 2u);
}

TEST(PhotometricRows, DamagedIndexesAreBroughtIntoRange)
{
    EXPECT_EQ(validTarget(-1), 0u);
    EXPECT_EQ(validTarget(11), 0u);
    EXPECT_EQ(validTarget(10), 10u);
    EXPECT_EQ(validChoice(idx(Quantity::D), 6), 6u);
    EXPECT_EQ(validChoice(idx(Quantity::Y), 1), 0u);
    EXPECT_EQ(validChoice(idx(Quantity::H), -5), 0u);
    EXPECT_EQ(validChoice(99, 3), 3u); // target 99 reads as H, which has a row 3
    EXPECT_EQ(formulaRow(42, 42).knowing, "D and V");

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Values v = validValues({1.5, nan, std::numeric_limits<double>::infinity(), 4});
    EXPECT_EQ(v[0], 1.5);
    EXPECT_EQ(v[1], 0.0);
    EXPECT_EQ(v[2], 0.0);
    EXPECT_EQ(v[3], 4.0);
    EXPECT_EQ(v[10], 0.0);
}

struct Case {
    const char* name;
    Quantity target;
    std::size_t choice;
    double a, b, c;
    bool ok;
    const char* resultA; // text as shown
    const char* resultB;
};

class PhotometricCases : public ::testing::TestWithParam<Case> {};

TEST_P(PhotometricCases, ResultTextsAndFailures)
{
    const Case& k = GetParam();
    const std::array<std::string, 3> in{inputText(k.a), inputText(k.b), inputText(k.c)};
    const Calculation r = PhotoMetricCalculation(idx(k.target), k.choice, in, markers());
    EXPECT_EQ(r.ok, k.ok);
    EXPECT_EQ(r.resultA, k.resultA);
    EXPECT_EQ(r.resultB, k.resultB);
    if (!k.ok) {
        EXPECT_EQ(r.values, markers()) << "a failure keeps every remembered value";
    }
}

constexpr double kHuge = 1e200;

INSTANTIATE_TEST_SUITE_P(
    Photometric, PhotometricCases,
    ::testing::Values(
        Case{"H_3_4_5", Quantity::H, 0, 5, 3, 0, true, "4", ""},
        Case{"H_V_equal_D_gives_0", Quantity::H, 0, 5, 5, 0, true, "0", ""},
        Case{"H_V_above_D_fails", Quantity::H, 0, 5, 6, 0, false, "", ""},
        Case{"H_C_0_divides_by_zero", Quantity::H, 1, 10, 0, 0, false, "", ""},
        Case{"H_D_and_C", Quantity::H, 2, 10, 60, 0, true, "5", ""},
        Case{"V_K_90_is_tiny_not_a_failure", Quantity::V, 4, 10, 90, 0, true, "0", ""},
        Case{"H_V_tan_90_is_huge", Quantity::H, 4, 1, 90, 0, true, "16331239353195370", ""},
        Case{"D_Mf_0_fails", Quantity::D, 0, 10, 0, 0, false, "", ""},
        Case{"D_from_V_and_H", Quantity::D, 1, 3, 4, 0, true, "5", ""},
        Case{"D_C_0_sin_fails", Quantity::D, 3, 10, 0, 0, false, "", ""},
        Case{"D_square_overflow_fails", Quantity::D, 1, kHuge, 1, 0, false, "", ""},
        Case{"D_from_Cd_and_Fc", Quantity::D, 6, 10000, 100, 0, true, "10", ""},
        Case{"D_Fc_0_fails", Quantity::D, 6, 10000, 0, 0, false, "", ""},
        Case{"F_from_Mf_half", Quantity::F, 0, 0.5, 0, 0, true, "28.07", ""},
        Case{"F_from_X_and_D", Quantity::F, 1, 3.5265396141693, 10, 0, true, "20", ""},
        Case{"F_D_0_fails", Quantity::F, 1, 3, 0, 0, false, "", ""},
        Case{"C_H_0_fails_though_geometry_says_90", Quantity::C, 0, 5, 0, 0, false, "", ""},
        Case{"C_from_H_and_V", Quantity::C, 0, 1, 1, 0, true, "45", ""},
        Case{"C_asin_above_1_fails", Quantity::C, 1, 6, 5, 0, false, "", ""},
        Case{"C_from_D_and_V", Quantity::C, 1, 5, 10, 0, true, "30", ""},
        Case{"C_from_D_and_H", Quantity::C, 2, 5, 10, 0, true, "60", ""},
        Case{"C_from_K_above_90_is_negative", Quantity::C, 3, 120, 0, 0, true, "-30", ""},
        Case{"K_from_D_and_V_uses_B_over_A", Quantity::K, 1, 10, 5, 0, true, "60", ""},
        Case{"K_from_D_and_V_asin_outside", Quantity::K, 1, 5, 10, 0, false, "", ""},
        Case{"K_from_D_and_H", Quantity::K, 2, 5, 10, 0, true, "30", ""},
        Case{"X_from_D_10_F_20", Quantity::X, 0, 10, 20, 0, true, "3.53", ""},
        Case{"X_from_D_and_Mf", Quantity::X, 1, 10, 0.5, 0, true, "5", ""},
        Case{"Y_K_0_equals_X", Quantity::Y, 0, 10, 20, 0, true, "3.53", ""},
        Case{"Y_K_45_is_longer", Quantity::Y, 0, 10, 20, 45, true, "7.28", ""},
        Case{"Fc_feet", Quantity::Fc, 0, 10, 10000, 0, true, "100", "1076.39"},
        Case{"Fc_metres", Quantity::Fc, 1, 10, 10000, 0, true, "9.29", "100"},
        Case{"Fc_D_0_fails", Quantity::Fc, 0, 0, 10000, 0, false, "", ""},
        Case{"Fc_from_lux", Quantity::Fc, 2, 10.7639104, 0, 0, true, "1", ""},
        Case{"Lux_from_footcandles", Quantity::Fc, 3, 1, 0, 0, true, "10.76", ""},
        Case{"Cd_feet", Quantity::Cd, 0, 10, 100, 0, true, "10000", ""},
        Case{"Cd_metres", Quantity::Cd, 1, 10, 9.290304, 0, true, "10000", ""},
        Case{"mF_from_F", Quantity::mF, 0, 28.07, 0, 0, true, "0.5", ""},
        Case{"mF_D_0_fails", Quantity::mF, 1, 1, 0, 0, false, "", ""}),
    [](const ::testing::TestParamInfo<Case>& p) { return std::string(p.param.name); });

TEST(PhotometricEvaluate, SuccessRemembersInputsAndResult)
{
    const Evaluation e = evaluate(idx(Quantity::H), 0, 5, 3, 77, markers());
    ASSERT_TRUE(e.ok);
    Values expected = markers();
    expected[idx(Quantity::D)] = 5;
    expected[idx(Quantity::V)] = 3;
    expected[idx(Quantity::H)] = 4;
    EXPECT_EQ(e.values, expected) << "the unused input C is not remembered";

    const Evaluation y = evaluate(idx(Quantity::Y), 0, 10, 20, 45, markers());
    ASSERT_TRUE(y.ok);
    EXPECT_EQ(y.values[idx(Quantity::K)], 45);
    EXPECT_EQ(y.values[idx(Quantity::F)], 20);
    EXPECT_EQ(y.values[idx(Quantity::V)], 10);
    EXPECT_DOUBLE_EQ(y.values[idx(Quantity::Y)], y.resultA);
}

TEST(PhotometricEvaluate, LuxAndFootcandleRowsRememberNothing)
{
    for (std::size_t choice : {2u, 3u}) {
        const Evaluation e = evaluate(idx(Quantity::Fc), choice, 10.7639104, 5, 5, markers());
        EXPECT_TRUE(e.ok);
        EXPECT_EQ(e.values, markers()) << "choice " << choice;
    }
    // The candela rows do remember Fc (not lux) as the target.
    const Evaluation fc = evaluate(idx(Quantity::Fc), 0, 10, 10000, 0, markers());
    EXPECT_DOUBLE_EQ(fc.values[idx(Quantity::Fc)], 100);
    EXPECT_DOUBLE_EQ(fc.resultB, 1076.39104);
}

TEST(PhotometricEvaluate, ThrowFromZeroCandelaKeepsCdAndFcButNotD)
{
    const Evaluation e = evaluate(idx(Quantity::D), 6, 0, 50, 0, markers());
    EXPECT_FALSE(e.ok);
    Values expected = markers();
    expected[idx(Quantity::Cd)] = 0;
    expected[idx(Quantity::Fc)] = 50;
    EXPECT_EQ(e.values, expected);

    // A zero Fc is a division by zero: nothing is remembered.
    EXPECT_EQ(evaluate(idx(Quantity::D), 6, 10, 0, 0, markers()).values, markers());
    // So is a quotient that underflows to 0.
    const Evaluation tiny = evaluate(idx(Quantity::D), 6, 1e-300, 1e300, 0, markers());
    EXPECT_FALSE(tiny.ok);
    EXPECT_EQ(tiny.values[idx(Quantity::Cd)], 1e-300);
}

TEST(PhotometricEvaluate, RoundTripsThroughRows)
{
    // F from Mf 0.5 and back.
    const Evaluation f = evaluate(idx(Quantity::F), 0, 0.5, 0, 0, Values{});
    ASSERT_TRUE(f.ok);
    EXPECT_NEAR(f.resultA, 28.0725, 1e-4);
    const Evaluation mf = evaluate(idx(Quantity::mF), 0, f.resultA, 0, 0, f.values);
    EXPECT_NEAR(mf.resultA, 0.5, 1e-12);

    // Cd from D and Fc gives back the candela the Fc came from.
    const Evaluation fc = evaluate(idx(Quantity::Fc), 1, 12, 30000, 0, Values{});
    const Evaluation cd = evaluate(idx(Quantity::Cd), 1, 12, fc.resultA, 0, fc.values);
    EXPECT_NEAR(cd.resultA, 30000, 1e-8);
}

TEST(PhotometricEvaluate, NonFiniteOrUnreadableInputsFail)
{
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(evaluate(idx(Quantity::F), 0, inf, 0, 0, markers()).ok);
    EXPECT_FALSE(evaluate(idx(Quantity::X), 1, std::nan(""), 1, 0, markers()).ok);

    const Calculation empty = PhotoMetricCalculation(idx(Quantity::X), 1, {"2", "", "1"}, markers());
    EXPECT_FALSE(empty.ok);
    EXPECT_EQ(empty.values, markers());
    // A hidden input that does not read does not matter.
    const Calculation hidden = PhotoMetricCalculation(idx(Quantity::X), 1, {"2", "3", "x"}, markers());
    EXPECT_TRUE(hidden.ok);
    EXPECT_EQ(hidden.resultA, "6");
}

TEST(PhotometricTexts, InputsInGeneralFormatResultsWithTwoDecimals)
{
    EXPECT_EQ(inputText(4.358898943540674), "4.35889894354067");
    EXPECT_EQ(inputText(0), "0");
    EXPECT_EQ(inputText(1.5, ","), "1,5");
    EXPECT_EQ(resultText(28.072486935852954), "28.07");
    EXPECT_EQ(resultText(2.5), "2.5");
    EXPECT_EQ(resultText(3.0), "3");
    EXPECT_EQ(resultText(9.290304, ","), "9,29");

    const Calculation r = PhotoMetricCalculation(idx(Quantity::C), 3, {"120", "0", "0"}, Values{});
    EXPECT_TRUE(r.negativeA);
    const Calculation comma = PhotoMetricCalculation(idx(Quantity::X), 1, {"2,5", "2", "0"}, Values{}, ",");
    EXPECT_EQ(comma.resultA, "5");
}
