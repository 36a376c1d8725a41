#include "converter/ConverterTables.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace tvx::converter;

// The factor tables typed row by row as printed in the reference tables:
// "| from | to 0 | to 1 | ... |", "÷ c" meaning the entry is divided by c.
// Long rows go on over a second line. The light rows hold lambert and sb at
// 10000 and pi x 10000 lux.

constexpr std::string_view kMassRows = R"(
| 0 | 1 | 0.1 | 0.001 | 0.000001 | 0.0000352739619 | 0.00000220462262 | 9.84206528e-10 | 1e-9 |
    1.10231131e-9 |
| 1 | 10 | 1 | 0.01 | 0.00001 | 0.00035274 | 0.000022046 | 1e-8 | 1e-8 | 1.1e-8 |
| 2 | 1000 | 100 | 1 | 0.001 | 0.03527 | 0.002205 | 9.842065276e-7 | 0.000001 | 0.000001102311311 |
| 3 | 1000000 | 100000 | 1000 | 1 | 35.2739619 | 2.20462262 | 0.000984206528 | 0.001 | 0.00110231131 |
| 4 | 28349.5231 | 2834.95231 | 28.3495231 | 0.0283495231 | 1 | 0.0625 | 0.0000279017857 | 0.0000283495231 |
    0.00003125 |
| 5 | 453592.37 | 45359.237 | 453.59237 | 0.45359237 | 16 | 1 | 0.000446428571 | 0.00045359237 | 0.0005 |
| 6 | 1.01604691e9 | 101604691 | 1016046.91 | 1016.04691 | 35840 | 2240 | 1 | 1.01604691 | 1.12 |
| 7 | 1000000000 | 100000000 | 1000000 | 1000 | 35273.9619 | 2204.62262 | 0.984206528 | 1 | 1.10231131 |
| 8 | 9.0718474e8 | 90718474 | 907184.74 | 907.18474 | 32000 | 2000 | 0.892857143 | 0.90718474 | 1 |
)";

constexpr std::string_view kVolumeRows = R"(
| 0 | 1 | 0.001 | 1 | 0.000001 | 0.0610237441 | 0.0000353146667 | 0.0338140227 | 0.000264172052 |
    0.00211337642 | 0.00105668821 |
| 1 | 1000 | 1 | 1000 | 0.001 | 61.0237441 | 0.0353146667 | 33.8140227 | 0.264172052 | 2.11337642 |
    1.05668821 |
| 2 | 1 | 0.001 | 1 | 0.000001 | 0.0610237441 | 0.0000353146667 | 0.0338140227 | 0.000264172052 |
    0.00211337642 | 0.00105668821 |
| 3 | 1000000 | 1000 | 1000000 | 1 | 61023.7441 | 35.3146667 | 33814.0227 | 264.172052 | 2113.37642 |
    1056.68821 |
| 4 | 16.387064 | 0.016387064 | 16.387064 | 0.000016387064 | 1 | 0.000578703704 | 0.554112554 |
    0.00432900433 | 0.0346320346 | 0.0173160173 |
| 5 | 28316.8466 | 28.3168466 | 28316.8466 | 0.0283168466 | 1728 | 1 | 957.506494 | 7.48051948 | 59.8441558 |
    29.9220779 |
| 6 | 29.5735296 | 0.0295735296 | 29.5735296 | 0.0000295735296 | 1.8046875 | 0.00104437934 | 1 | 0.0078125 |
    0.0625 | 0.03125 |
| 7 | 3785.41178 | 3.78541178 | 3785.41178 | 0.00378541178 | 231 | 0.133680556 | 128 | 1 | 8 | 4 |
| 8 | 473.176473 | 0.473176473 | 473.176473 | 0.000473176473 | 28.875 | 0.0167100694 | 16 | 0.125 | 1 | 0.5 |
| 9 | 946.352946 | 0.946352946 | 946.352946 | 0.000946352946 | 57.75 | 0.0334201389 | 32 | 0.25 | 2 | 1 |
)";

constexpr std::string_view kLengthRows = R"(
| 0 | 1 | 0.000001 | 1e-7 | 1e-9 | 1e-12 | 3.93700787e-8 | 3.2808399e-9 | 1.0936133e-9 | 6.21371192e-13 |
    1.05702341e-25 |
| 1 | 1000000 | 1 | 0.1 | 0.001 | 0.000001 | 0.0393700787 | 0.0032808399 | 0.0010936133 | 6.21371192e-7 |
    1.05702341e-19 |
| 2 | 10000000 | 10 | 1 | 0.01 | 0.00001 | 0.393700787 | 0.032808399 | 0.010936133 | 0.00000621371192 |
    1.05702341e-18 |
| 3 | 1000000000 | 1000 | 100 | 1 | 0.001 | 39.3700787 | 3.2808399 | 1.0936133 | 0.000621371192 |
    1.05702341e-16 |
| 4 | 1e12 | 1000000 | 100000 | 1000 | 1 | 39370.0787 | 3280.8399 | 1093.6133 | 0.621371192 | 1.05702341e-13 |
| 5 | 25400000 | 25.4 | 2.54 | 0.0254 | 0.0000254 | 1 | ÷ 12 | 0.0277777778 | 0.0000157828283 |
    2.68483946e-18 |
| 6 | 304800000 | 304.8 | 30.48 | 0.3048 | 0.0003048 | 12 | 1 | 0.333333333 | 0.000189393939 |
    3.22180736e-17 |
| 7 | 914400000 | 914.4 | 91.44 | 0.9144 | 0.0009144 | 36 | 3 | 1 | 0.000568181818 | 9.66542207e-17 |
| 8 | 1.609344e12 | 1609344 | 160934.4 | 1609.344 | 1.609344 | 63360 | 5280 | 1760 | 1 | 1.70111428e-13 |
| 9 | 9.4605284e24 | 9.4605284e18 | 9.4605284e17 | 9.4605284e15 | 9.4605284e12 | 3.72461748e17 |
    3.1038479e16 | 1.03461597e16 | 5.87849981e12 | 1 |
)";

constexpr std::string_view kAreaRows = R"(
| 0 | 1 | 0.01 | 0.000001 | 1e-12 | 0.0015500031 | 0.0000107639104 | 0.00000119599005 | 3.86102159e-13 |
    2.47104393e-10 | 1e-10 |
| 1 | 100 | 1 | 0.0001 | 1e-10 | 0.15500031 | 0.00107639104 | 0.000119599005 | 3.86102159e-11 |
    2.47104393e-8 | 1e-8 |
| 2 | 1000000 | 10000 | 1 | 0.000001 | 1550.0031 | 10.7639104 | 1.19599005 | 3.86102159e-7 | 0.000247104393 |
    0.0001 |
| 3 | 1e12 | 10000000000 | 1000000 | 1 | 1.5500031e9 | 10763910.4 | 1195990.05 | 0.386102159 | 247.104393 |
    100 |
| 4 | 645.16 | 6.4516 | 0.00064516 | 6.4516e-10 | 1 | 0.00694444444 | 0.000771604938 | 2.49097669e-10 |
    1.5942187e-7 | 6.4516e-8 |
| 5 | 92903.04 | 929.0304 | 0.09290304 | 9.290304e-8 | 144 | 1 | 0.111111111 | 3.58700643e-8 |
    0.0000229567493 | 0.000009290304 |
| 6 | 836127.36 | 8361.2736 | 0.83612736 | 8.3612736e-7 | 1296 | 9 | 1 | 3.22830579e-7 | 0.000206610744 |
    0.000083612736 |
| 7 | 2.58998811e12 | 2.58998811e10 | 2589988.11 | 2.58998811 | 4014489600 | 27878400 | 3097600 | 1 |
    639.99744 | 258.998811 |
| 8 | 4.04687261e9 | 40468726.1 | 4046.87261 | 0.00404687261 | 6272665.09 | 43560.1742 | 4840.01936 |
    0.00156250625 | 1 | 0.404687261 |
| 9 | 10000000000 | 100000000 | 10000 | 0.01 | 15500031 | 107639.104 | 11959.9005 | 0.00386102159 |
    2.47104393 | 1 |
)";

constexpr std::string_view kTimeRows = R"(
| 0 | 1 | 0.001 | 0.000001 | 1e-9 | 1.66666667e-11 | 2.77777778e-13 | 1.15740741e-14 | 1.65343915e-15 |
    3.85802469e-16 | 3.1709792e-17 | 3.16231532e-17 | 3.1709792e-18 | 3.1709792e-19 | 3.1709792e-20 |
| 1 | 1000 | 1 | 0.001 | 0.000001 | 1.66666667e-8 | 2.77777778e-10 | 1.15740741e-11 | 1.65343915e-12 |
    3.85802469e-13 | 3.1709792e-14 | 3.16231532e-14 | 3.1709792e-15 | 3.1709792e-16 | 3.1709792e-17 |
| 2 | 1000000 | 1000 | 1 | 0.001 | 0.0000166666667 | 2.77777778e-7 | 1.15740741e-8 | 1.65343915e-9 |
    3.85802469e-10 | 3.1709792e-11 | 3.16231532e-11 | 3.1709792e-12 | 3.1709792e-13 | 3.1709792e-14 |
| 3 | 1000000000 | 1000000 | 1000 | 1 | 0.0166666667 | 0.000277777778 | 0.0000115740741 | 0.00000165343915 |
    3.85802469e-7 | 3.1709792e-8 | 3.16231532e-8 | 3.1709792e-9 | 3.1709792e-10 | 3.1709792e-11 |
| 4 | 6e10 | 60000000 | 60000 | 60 | 1 | 0.0166666667 | ÷ 1440 | 0.0000992063492 | 0.0000231481481 |
    0.00000190258752 | 0.00000189738919 | 1.90258752e-7 | 1.90258752e-8 | 1.90258752e-9 |
| 5 | 3.6e12 | 3600000000 | 3600000 | 3600 | 60 | 1 | 0.0416666667 | 0.00595238095 | 0.00138888889 |
    0.000114155251 | 0.000113843352 | 0.0000114155251 | 0.00000114155251 | 1.14155251e-7 |
| 6 | 8.64e13 | 86400000000 | 86400000 | 86400 | 1440 | 24 | 1 | ÷ 7 | ÷ 30 | ÷ 365 | ÷ 366 | ÷ 3650 |
    ÷ 36500 | ÷ 365000 |
| 7 | 6.048e14 | 6.048e11 | 604800000 | 604800 | 10080 | 168 | 7 | 1 | 0.233333333 | 0.0191780822 |
    0.0191256831 | 0.00191780822 | 0.000191780822 | 0.0000191780822 |
| 8 | 2.592e15 | 2.592e12 | 2592000000 | 2592000 | 43200 | 720 | 30 | 4.28571429 | 1 | 0.0821917808 |
    0.0819672131 | 0.00821917808 | 0.000821917808 | 0.0000821917808 |
| 9 | 3.1536e16 | 3.1536e13 | 3.1536e10 | 31536000 | 525600 | 8760 | 365 | 52.1428571 | 12.1666667 | 1 |
    0.99726776 | 0.1 | 0.01 | 0.001 |
| 10 | 3.16224e16 | 3.16224e13 | 31622400000 | 31622400 | 527040 | 8784 | 366 | 52.2857143 | 12.2 |
    1.00273973 | 1 | 0.100273973 | 0.0100273973 | 0.00100273973 |
| 11 | 3.1536e17 | 3.1536e14 | 3.1536e11 | 315360000 | 5256000 | 87600 | 3650 | 521.428571 | 121.666667 | 10 |
    9.9726776 | 1 | 0.1 | 0.01 |
| 12 | 3.1536e18 | 3.1536e15 | 3.1536e12 | 3153600000 | 52560000 | 876000 | 36500 | 5214.28571 | 1216.66667 |
    100 | 99.726776 | 10 | 1 | 0.1 |
| 13 | 3.1536e19 | 3.1536e16 | 3.1536e13 | 3.1536e10 | 525600000 | 8760000 | 365000 | 52142.8571 |
    12166.6667 | 1000 | 997.26776 | 100 | 10 | 1 |
)";

constexpr std::string_view kSpeedRows = R"(
| 0 | 1 | 16.6666667 | 27.7777778 | 0.621371192 | 54.6806649 | 10.93613298 | 0.539956803 | 0.000838043136 |
    9.26566931e-10 |
| 1 | 0.06 | 1 | 1.66666667 | 0.0372822715 | 3.2808399 | 0.6561679788 | 0.0323974082 | 0.0000502825882 |
    5.55940159e-11 |
| 2 | 0.036 | 0.6 | 1 | 0.0223693629 | 1.96850394 | 0.393700788 | 0.0194384449 | 0.0000301695529 |
    3.33564095e-11 |
| 3 | 1.609344 | 26.8224 | 44.704 | 1 | 88 | 17.60000004 | 0.868976242 | 0.00134869969 | 1.49116493e-9 |
| 4 | 0.018288 | 0.3048 | 0.508 | 0.0113636364 | 1 | ÷ 5 | 0.00987473002 | 0.0000153261329 | 1.6945056e-11 |
| 5 | 0.09144 | 1.524 | 2.54 | 0.0568181818 | 5 | 1 | 0.0493736501 | 0.0000766306643 | 8.47252802e-11 |
| 6 | 1.852 | 30.8666667 | 51.4444444 | 1.15077945 | 101.268591 | 20.25371832 | 1 | 0.00155205589 |
    1.71600196e-9 |
| 7 | 1193.256 | 19887.6 | 33146 | 741.454903 | 65248.0315 | 13049.60628 | 644.306695 | 1 | 0.00000110563155 |
| 8 | 1.07925285e9 | 1.79875475e10 | 2.99792458e10 | 670616629 | 5.90142634e10 | 11802852672 | 582749918 |
    904460.442 | 1 |
)";

constexpr std::string_view kLightRows = R"(
| 0 | 1 | 4 | 43.0556417 | 0.00430556417 | 43.0556417 | 0.00430556417 | 0.00137050364 |
| 1 | 0.25 | 1 | 10.7639104 | 0.00107639104 | 10.7639104 | 0.00107639104 | 0.00034262591 |
| 2 | 0.02322576 | 0.09290304 | 1 | 0.0001 | 1 | 0.0001 | 0.0000318309886 |
| 3 | 232.2576 | 929.0304 | 10000 | 1 | 10000 | 1 | 0.318309886 |
| 4 | 0.02322576 | 0.09290304 | 1 | 0.0001 | 1 | 0.0001 | 0.0000318309886 |
| 5 | 232.2576 | 929.0304 | 10000 | 1 | 10000 | 1 | 0.318309886 |
| 6 | 729.65877 | 2918.63508 | 31415.9265 | 3.14159265 | 31415.9265 | 3.14159265 | 1 |
)";

struct ExpectedFactor {
    std::string text;
    long double value;
    bool divide;
};

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\n'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\n'))
        s.remove_suffix(1);
    return s;
}

long double parseNumber(std::string_view text)
{
    long double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(ec == std::errc{} && end == text.data() + text.size()) << "bad number in test table: " << text;
    return value;
}

// Rows of `size` entries, each led by its row number.
std::vector<std::vector<ExpectedFactor>> parseRows(std::string_view text, int size)
{
    std::vector<std::string_view> cells;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t bar = text.find('|', start);
        if (bar == std::string_view::npos)
            bar = text.size();
        const std::string_view cell = trimmed(text.substr(start, bar - start));
        if (!cell.empty())
            cells.push_back(cell);
        start = bar + 1;
    }
    std::vector<std::vector<ExpectedFactor>> rows;
    const std::string_view divideMark = "÷";
    EXPECT_EQ(cells.size(), static_cast<std::size_t>(size * (size + 1)));
    const auto width = static_cast<std::size_t>(size) + 1;
    for (std::size_t i = 0; i + width <= cells.size(); i += width) {
        EXPECT_EQ(cells[i], std::to_string(rows.size()));
        std::vector<ExpectedFactor> row;
        for (int c = 1; c <= size; ++c) {
            std::string_view cell = cells[i + static_cast<std::size_t>(c)];
            const bool divide = cell.starts_with(divideMark);
            const std::string printed(cell);
            if (divide)
                cell = trimmed(cell.substr(divideMark.size()));
            row.push_back({printed, parseNumber(cell), divide});
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

struct TableCase {
    Category category;
    int size;
    std::string_view rows;
};

const TableCase kTables[] = {
    {Category::Mass, 9, kMassRows},     {Category::Volume, 10, kVolumeRows},
    {Category::Length, 10, kLengthRows}, {Category::Area, 10, kAreaRows},
    {Category::Time, 14, kTimeRows},     {Category::Speed, 9, kSpeedRows},
    {Category::Light, 7, kLightRows},
};

TEST(ConverterTablesTest, UnitNamesInListOrder)
{
    const std::vector<std::pair<Category, std::vector<std::string_view>>> expected = {
        {Category::Mass,
         {"Milligrams", "Centigrams", "Grams", "Kilograms", "Ounces", "Pounds", "Tons, Long", "Tons, Metric",
          "Tons, Short"}},
        {Category::Volume,
         {"Milliliters", "Liters", "Cubic Centimeters", "Cubic Meter", "Cubic Inches", "Cubic Feet",
          "Fluid Ounces", "Gallons", "Liquid Pints", "Liquid Quarts"}},
        {Category::Length,
         {"Nanometers", "Milimeters", "Centimeters", "Meters", "Kilometers", "Inches", "Feet", "Yards", "Miles",
          "LightYear"}},
        {Category::Area,
         {"Square Milimimeters", "Square Centimeters", "Square Meters", "Square Kilometers", "Square Inches",
          "Square Feet", "Square Yards", "Square Miles", "Acres", "Hectares"}},
        {Category::Time,
         {"Nanosecond", "Microsecond", "Millisecond", "Second", "Minute", "Hour", "Day", "Week",
          "Month (30days)", "Year", "Leap year", "Decade", "Century", "Millennium"}},
        {Category::Speed,
         {"Kilometer/hour", "Meter/minute", "Centimeter/second", "Mile/Hour", "Foot/minute", "Inch/second",
          "Knot", "Mach", "C (light)"}},
        {Category::Light, {"Flame", "Foot-Candle", "Meter-Candle", "lambert", "Lux", "Phot", "sb"}},
        {Category::Temperature, {"Celcius", "Fahrenheit", "Kelvin"}},
    };
    for (const auto& [category, names] : expected) {
        SCOPED_TRACE(std::string(categoryLabel(category)));
        const auto actual = unitNames(category);
        ASSERT_EQ(actual.size(), names.size());
        EXPECT_EQ(unitCount(category), static_cast<int>(names.size()));
        for (std::size_t i = 0; i < names.size(); ++i)
            EXPECT_EQ(actual[i], names[i]) << "index " << i;
    }
}

TEST(ConverterTablesTest, EveryFactorAsPrinted)
{
    std::size_t total = 0;
    for (const TableCase& t : kTables) {
        SCOPED_TRACE(std::string(categoryLabel(t.category)));
        const FactorTable table = factorTable(t.category);
        ASSERT_EQ(table.size, t.size);
        ASSERT_EQ(table.factors.size(), static_cast<std::size_t>(t.size * t.size));
        total += table.factors.size();
        const auto rows = parseRows(t.rows, t.size);
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(t.size));
        for (int from = 0; from < t.size; ++from) {
            for (int to = 0; to < t.size; ++to) {
                const ExpectedFactor& e = rows[static_cast<std::size_t>(from)][static_cast<std::size_t>(to)];
                const Factor f = table.at(from, to);
                EXPECT_EQ(f.value, e.value) << "from " << from << " to " << to << ": expected " << e.text;
                EXPECT_EQ(f.divide, e.divide) << "from " << from << " to " << to << ": expected " << e.text;
            }
        }
    }
    EXPECT_EQ(total, 707u);
}

TEST(ConverterTablesTest, TemperatureHasNoFactorTable)
{
    EXPECT_EQ(factorTable(Category::Temperature).size, 0);
    EXPECT_TRUE(factorTable(Category::Temperature).factors.empty());
}

TEST(ConverterTablesTest, LambertAndStilbAsLuminanceOfADiffuseSurface)
{
    const FactorTable light = factorTable(Category::Light);
    constexpr int Lux = 4, Lambert = 3, Phot = 5, Stilb = 6;
    EXPECT_EQ(light.at(Lambert, Lux).value, 10000.0L);
    EXPECT_EQ(light.at(Lux, Lambert).value, 0.0001L);
    EXPECT_EQ(light.at(Lambert, Phot).value, 1.0L);
    EXPECT_EQ(light.at(Stilb, Lux).value, 31415.9265L);

    // Every pair agrees with going through a third unit, so no row or column
    // was left on another scale.
    for (int a = 0; a < light.size; ++a)
        for (int b = 0; b < light.size; ++b)
            for (int c = 0; c < light.size; ++c) {
                const long double direct = light.at(a, c).value;
                const long double chained = light.at(a, b).value * light.at(b, c).value;
                EXPECT_NEAR(static_cast<double>(chained / direct), 1.0, 1e-7)
                    << a << " -> " << b << " -> " << c;
            }
}

} // namespace
