#include "converter/Converter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

using namespace tvx::converter;

DisplaySettings settings(int precision, int digits, ResultFormat format = ResultFormat::Normal)
{
    return {precision, digits, format};
}

std::string result(Category category, int from, int to, std::string entry,
                   const DisplaySettings& display = {}, std::string_view separator = ".")
{
    return resultText(category, {from, to, std::move(entry)}, display, separator);
}

struct ResultCase {
    Category category;
    int from;
    int to;
    const char* entry;
    const char* text;
};

// Defaults P 15, D 3, Normal.
TEST(ConverterTest, ResultsInNormalFormat)
{
    const ResultCase cases[] = {
        // Grams -> Ounces uses the short factor 0.03527; Milligrams -> Ounces the long one.
        {Category::Mass, 2, 4, "100", "3.527"},
        {Category::Mass, 0, 4, "100000", "3.52739619"},
        {Category::Mass, 3, 2, "1", "1000"},
        {Category::Mass, 0, 3, "1", "1E-006"},
        {Category::Area, 3, 2, "1", "1000000"},
        {Category::Area, 8, 2, "1", "4046.87261"},
        // Entries that divide: Minute -> Day / 1440, Day -> Leap year / 366,
        // Inches -> Feet / 12, Foot/minute -> Inch/second / 5, Day -> Week / 7.
        {Category::Time, 4, 6, "1", "0.000694444444444444"},
        {Category::Time, 6, 10, "1", "0.00273224043715847"},
        {Category::Length, 5, 6, "18", "1.5"},
        {Category::Speed, 4, 5, "1", "0.2"},
        {Category::Time, 6, 7, "1", "0.142857142857143"},
        {Category::Time, 13, 12, "1", "10"},
        {Category::Speed, 5, 5, "1", "1"},
        {Category::Speed, 3, 5, "1", "17.60000004"},
        {Category::Speed, 7, 0, "1", "1193.256"},
        {Category::Volume, 0, 2, "250", "250"},
        {Category::Light, 3, 4, "1", "10000"},
        {Category::Light, 4, 3, "1", "0.0001"},
        {Category::Light, 6, 4, "1", "31415.9265"},
        {Category::Light, 0, 1, "1", "4"},
        {Category::Temperature, 0, 1, "100", "212"},
        {Category::Temperature, 1, 0, "-40", "-40"},
        {Category::Temperature, 2, 0, "0", "-273.15"},
        {Category::Temperature, 2, 1, "0", "-459.67"},
        {Category::Temperature, 1, 2, "32", "273.15"},
        {Category::Temperature, 0, 2, "-273.15", "0"},
    };
    for (const ResultCase& c : cases)
        EXPECT_EQ(result(c.category, c.from, c.to, c.entry), c.text)
            << categoryLabel(c.category) << " " << c.from << " -> " << c.to << " of " << c.entry;
}

struct FormatCase {
    DisplaySettings display;
    Category category;
    int from;
    int to;
    const char* entry;
    const char* text;
};

TEST(ConverterTest, FormatsWithPrecisionAndDigits)
{
    const FormatCase cases[] = {
        {settings(15, 3, ResultFormat::Exponent), Category::Mass, 3, 2, "1", "1.00000000000000E+003"},
        {settings(15, 3, ResultFormat::Fixed), Category::Mass, 3, 2, "1", "1000.000"},
        {settings(1, 3), Category::Mass, 5, 3, "1", "0.5"},
        {settings(1, 0, ResultFormat::Exponent), Category::Mass, 3, 2, "1", "1E+3"},
        {settings(4, 2, ResultFormat::Fixed), Category::Mass, 2, 4, "100", "3.53"},
        {settings(15, 0, ResultFormat::Fixed), Category::Mass, 2, 4, "100", "4"},
        // Fixed with more integer digits than P falls back to the exponent form.
        {settings(15, 3, ResultFormat::Fixed), Category::Length, 9, 0, "1", "9.46052840000000E+024"},
        {settings(3, 1, ResultFormat::Fixed), Category::Mass, 3, 2, "1.2345", "1.23E+3"},
        // Normal and Exponent count at most 4 exponent digits; Fixed takes all 10 decimals.
        {settings(15, 10), Category::Mass, 0, 3, "1", "1E-0006"},
        {settings(2, 10, ResultFormat::Exponent), Category::Mass, 0, 3, "1", "1.0E-0006"},
        {settings(15, 10, ResultFormat::Fixed), Category::Mass, 2, 4, "1", "0.0352700000"},
        {settings(15, 0), Category::Length, 8, 0, "1000", "1.609344E15"},
    };
    for (const FormatCase& c : cases)
        EXPECT_EQ(result(c.category, c.from, c.to, c.entry, c.display), c.text)
            << "P " << c.display.precision << " D " << c.display.digits << " format "
            << storedResultFormat(c.display.format) << " entry " << c.entry;
}

TEST(ConverterTest, UsesTheUsersDecimalSeparator)
{
    EXPECT_EQ(result(Category::Mass, 2, 4, "100,5", {}, ","), "3,544635");
    EXPECT_EQ(result(Category::Temperature, 0, 2, "-0,5", {}, ","), "272,65");
    EXPECT_EQ(result(Category::Mass, 2, 3, "1", settings(15, 2, ResultFormat::Fixed), ","), "0,00");
    // The other separator is not a number in that locale.
    EXPECT_EQ(result(Category::Mass, 2, 4, "100.5", {}, ","), "");
}

TEST(ConverterTest, EmptyOrUnreadableEntryGivesEmptyResult)
{
    for (const char* entry : {"", " ", "abc", "1,5", "INF", "NAN", "1e999", "12kg"}) {
        EXPECT_EQ(result(Category::Mass, 2, 4, entry), "") << entry;
        EXPECT_EQ(result(Category::Temperature, 0, 1, entry), "") << entry;
    }
}

TEST(ConverterTest, SameUnitGivesTheEntryUnchanged)
{
    for (const Category category : AllCategories)
        for (int unit = 0; unit < unitCount(category); ++unit)
            for (const double value : {123.456, 0.1, 1e-300, 1e300})
                EXPECT_EQ(convert(category, unit, unit, value), value)
                    << categoryLabel(category) << " unit " << unit << " value " << value;
}

TEST(ConverterTest, SwitchingTwiceGivesTheFirstResultAgain)
{
    for (const Category category : AllCategories) {
        const int last = unitCount(category) - 1;
        CategoryInput input{1, last, "37.5"};
        const std::string first = resultText(category, input, {});
        ASSERT_FALSE(first.empty());
        switchUnits(input);
        EXPECT_EQ(input.from, last);
        EXPECT_EQ(input.to, 1);
        EXPECT_NE(resultText(category, input, {}), first) << categoryLabel(category);
        switchUnits(input);
        EXPECT_EQ(resultText(category, input, {}), first) << categoryLabel(category);
    }
}

TEST(ConverterTest, FaultsGiveNoValueNeverNanOrInfinity)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double big = std::numeric_limits<double>::max();
    EXPECT_EQ(convert(Category::Mass, 0, 3, inf), std::nullopt);
    EXPECT_EQ(convert(Category::Mass, 0, 0, nan), std::nullopt);
    EXPECT_EQ(convert(Category::Temperature, 0, 0, -inf), std::nullopt);
    EXPECT_EQ(convert(Category::Length, 9, 0, 1e300), std::nullopt);     // overflows
    EXPECT_EQ(convert(Category::Temperature, 0, 1, big), std::nullopt);  // x 1.8 overflows
    EXPECT_EQ(result(Category::Length, 9, 0, "1e300"), "");

    for (const Category category : AllCategories)
        for (int from = 0; from < unitCount(category); ++from)
            for (int to = 0; to < unitCount(category); ++to)
                for (const double value : {big, -big, 0.0, std::numeric_limits<double>::denorm_min()}) {
                    const auto converted = convert(category, from, to, value);
                    if (converted) {
                        EXPECT_TRUE(std::isfinite(*converted))
                            << categoryLabel(category) << " " << from << " -> " << to << " of " << value;
                    }
                }
}

TEST(ConverterTest, DamagedSettingsAreBroughtIntoRange)
{
    EXPECT_EQ(clampPrecision(0), 1);
    EXPECT_EQ(clampPrecision(-7), 1);
    EXPECT_EQ(clampPrecision(16), 15);
    EXPECT_EQ(clampPrecision(9), 9);
    EXPECT_EQ(clampDigits(-1), 0);
    EXPECT_EQ(clampDigits(11), 10);
    EXPECT_EQ(clampDigits(4), 4);
    EXPECT_EQ(resultFormatFromStored(0), ResultFormat::Normal);
    EXPECT_EQ(resultFormatFromStored(1), ResultFormat::Exponent);
    EXPECT_EQ(resultFormatFromStored(2), ResultFormat::Fixed);
    EXPECT_EQ(resultFormatFromStored(3), ResultFormat::Normal);
    EXPECT_EQ(resultFormatFromStored(-1), ResultFormat::Normal);

    // Out-of-range P and D format like the nearest allowed value.
    EXPECT_EQ(formatResult(1.0 / 3.0, settings(99, 3)), formatResult(1.0 / 3.0, settings(15, 3)));
    EXPECT_EQ(formatResult(1.0 / 3.0, settings(0, 3)), "0.3");
    EXPECT_EQ(formatResult(2.5, settings(15, 50, ResultFormat::Fixed)), "2.5000000000");
    EXPECT_EQ(formatResult(2.5, settings(15, -2, ResultFormat::Fixed)), "3");
    EXPECT_EQ(formatResult(2.5, {15, 3, static_cast<ResultFormat>(7)}), "2.5");
}

TEST(ConverterTest, DamagedUnitIndexesAreBroughtIntoRange)
{
    EXPECT_EQ(clampUnitIndex(Category::Light, -1), 0);
    EXPECT_EQ(clampUnitIndex(Category::Light, 7), 6);
    EXPECT_EQ(clampUnitIndex(Category::Time, 13), 13);
    EXPECT_EQ(clampUnitIndex(Category::Temperature, 3), 2);
    // Grams as From, index 99 read as the last unit (Tons, Short).
    EXPECT_EQ(convert(Category::Mass, 2, 99, 1000.0), convert(Category::Mass, 2, 8, 1000.0));
    EXPECT_EQ(convert(Category::Mass, -5, 2, 1.0), convert(Category::Mass, 0, 2, 1.0));
    EXPECT_EQ(convert(Category::Temperature, -1, 42, 100.0), 373.15);
}

TEST(ConverterTest, ConversionCalculationKeepsFailuresToTheirOwnCategory)
{
    ConverterInputs inputs;
    auto at = [&inputs](Category c) -> CategoryInput& { return inputs[static_cast<std::size_t>(c)]; };
    at(Category::Mass) = {3, 2, "1"};
    at(Category::Volume) = {1, 0, "x"};            // unreadable
    at(Category::Length) = {9, 0, "1e300"};        // overflows
    at(Category::Time) = {13, 12, "1"};
    at(Category::Light) = {3, 4, "2"};
    at(Category::Temperature) = {0, 1, "100"};
    // Area and Speed left empty.

    const ConverterResults results = conversionCalculation(inputs, {});
    auto text = [&results](Category c) { return results[static_cast<std::size_t>(c)]; };
    EXPECT_EQ(text(Category::Mass), "1000");
    EXPECT_EQ(text(Category::Volume), "");
    EXPECT_EQ(text(Category::Length), "");
    EXPECT_EQ(text(Category::Area), "");
    EXPECT_EQ(text(Category::Time), "10");
    EXPECT_EQ(text(Category::Speed), "");
    EXPECT_EQ(text(Category::Light), "20000");
    EXPECT_EQ(text(Category::Temperature), "212");
}

} // namespace
