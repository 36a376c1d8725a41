#include "common/NumberText.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iomanip>
#include <limits>
#include <optional>
#include <random>
#include <string>

namespace {

using tvx::FloatFormat;

constexpr FloatFormat G = FloatFormat::General;
constexpr FloatFormat X = FloatFormat::Exponent;
constexpr FloatFormat F = FloatFormat::Fixed;

const char* formatName(FloatFormat f)
{
    switch (f) {
    case FloatFormat::General: return "General";
    case FloatFormat::Exponent: return "Exponent";
    case FloatFormat::Fixed: return "Fixed";
    }
    return "?";
}

struct FloatCase {
    double value;
    FloatFormat format;
    int precision;
    int digits;
    const char* text;
};

void checkFloatCases(std::initializer_list<FloatCase> cases, std::string_view separator = ".")
{
    for (const FloatCase& c : cases) {
        SCOPED_TRACE(testing::Message() << std::setprecision(17) << c.value << " "
                                        << formatName(c.format) << " " << c.precision << "/"
                                        << c.digits);
        EXPECT_EQ(tvx::formatFloat(c.value, c.format, c.precision, c.digits, separator), c.text);
    }
}

TEST(NumberTextFloat, GeneralVectors)
{
    checkFloatCases({
        {1000, G, 15, 0, "1000"},
        {1e-6, G, 15, 3, "1E-006"},
        {1.0 / 1440, G, 15, 0, "0.000694444444444444"},
        {1.0 / 366, G, 15, 0, "0.00273224043715847"},
        {0.45359237, G, 1, 0, "0.5"},
        {1.5e-6, G, 15, 0, "1.5E-6"},
        {1e20, G, 15, 0, "1E20"},
        {1e20, G, 15, 3, "1E020"},
        {-1.5e-6, G, 15, 3, "-1.5E-006"},
        {0.1 + 0.2, G, 15, 0, "0.3"},
        {0.0, G, 15, 0, "0"},
        {-0.0, G, 15, 0, "0"},
        {1.0 / 3, G, 15, 0, "0.333333333333333"},
        {1e15, G, 15, 0, "1E15"},
        {999999999999999, G, 15, 0, "999999999999999"},
        {999999999999999.5, G, 15, 0, "1E15"},
        {1234567890.123456789, G, 15, 0, "1234567890.12346"},
        {1234567890123456.123, G, 15, 0, "1.23456789012346E15"},
        {0.00001, G, 15, 0, "0.00001"},
        {0.0000442615029219009, G, 15, 0, "0.0000442615029219009"},
        {0.000001, G, 15, 0, "1E-6"},
        {0.4808050425873725, G, 15, 0, "0.480805042587373"},
    });
}

TEST(NumberTextFloat, ExponentVectors)
{
    checkFloatCases({
        {1000, X, 15, 3, "1.00000000000000E+003"},
        {0, X, 15, 3, "0.00000000000000E+000"},
        {-0.001, X, 15, 3, "-1.00000000000000E-003"},
        {12345, X, 3, 0, "1.23E+4"},
        {1000, X, 1, 3, "1E+003"},
        {-0.0, X, 3, 1, "0.00E+0"},
        {9.96, X, 2, 0, "1.0E+1"},
    });
}

TEST(NumberTextFloat, FixedVectors)
{
    checkFloatCases({
        {40, F, 18, 2, "40.00"},
        {4.92, F, 15, 2, "4.92"},
        {17200, F, 15, 2, "17200.00"},
        {1000, F, 15, 3, "1000.000"},
        {123.456, F, 3, 1, "123.0"},
        {1.2345, F, 3, 1, "1.2"},
        {1234.5, F, 3, 1, "1.23E+3"},
        {999.96, F, 3, 1, "1.00E+3"},
        {0.125, F, 15, 2, "0.13"},
        {2.675, F, 15, 2, "2.67"},
        {1.005, F, 15, 2, "1.00"},
        {0.005, F, 15, 2, "0.01"},
        {-0.005, F, 15, 2, "-0.01"},
        {-0.001, F, 15, 2, "0.00"},
        {0.5, F, 15, 0, "1"},
        {2.5, F, 15, 0, "3"},
        {-2.5, F, 15, 0, "-3"},
        {0.25, F, 15, 1, "0.3"},
        {0.35, F, 15, 1, "0.3"},
        {0.45, F, 15, 1, "0.5"},
        {1e20, F, 15, 2, "1.00000000000000E+20"},
        {123456789012345.678, F, 15, 2, "123456789012346.00"},
        {12.345, F, 15, 2, "12.35"},
        {0.0004, F, 15, 3, "0.000"},
        {0.0625, F, 15, 4, "0.0625"},
        {99.5, F, 15, 0, "100"},
    });
}

// Ties are decided on the 18-digit decimal string, not on the exact binary value
// and not by round-half-even: 0.1 is 0.100000000000000006 and shows that noise
// only at 17 and 18 digits.
TEST(NumberTextFloat, RoundsOnEighteenDigitString)
{
    checkFloatCases({
        {0.1, G, 16, 0, "0.1"},
        {0.1, G, 17, 0, "0.10000000000000001"},
        {0.1, G, 18, 0, "0.100000000000000006"},
        {1.0 / 3, G, 18, 0, "0.333333333333333315"},
    });
}

TEST(NumberTextFloat, ClampsPrecisionAndDigits)
{
    checkFloatCases({
        {2.5, G, 0, 0, "3"},        // P below 1 counts as 1
        {-7.25, G, -3, 0, "-7"},
        {1.0 / 3, G, 40, 0, "0.333333333333333315"}, // P above 18 counts as 18
        {1e20, G, 15, 9, "1E0020"}, // at most 4 exponent digits
        {1e-6, G, 15, -2, "1E-6"},
        {1000, X, 2, 7, "1.0E+0003"},
        {1.5, F, 15, -1, "2"},
        {0.5, F, 18, 30, "0.500000000000000000"}, // at most 18 decimals
        {12345, F, 3, 9, "1.23E+0004"},
    });
}

// Windows pass the locale's decimal separator in; it replaces "." and nothing else.
TEST(NumberTextFloat, UsesGivenDecimalSeparator)
{
    checkFloatCases(
        {
            {1.5, F, 15, 2, "1,50"},
            {1.5e-6, G, 15, 0, "1,5E-6"},
            {0.25, G, 15, 0, "0,25"},
            {1000, G, 15, 0, "1000"},
            {1000, X, 3, 2, "1,00E+03"},
            {1234.5, F, 3, 1, "1,23E+3"},
        },
        ",");
    EXPECT_EQ(tvx::formatFixed(-1234.5, 15, 1, "\xC2\xB7"), "-1234\xC2\xB7"
                                                              "5");
    EXPECT_EQ(tvx::formatFixed(1.5, 15, 1, ""), "1.5"); // no separator is not an option
}

TEST(NumberTextFloat, InfinityAndNanTexts)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (FloatFormat f : {G, X, F}) {
        SCOPED_TRACE(formatName(f));
        EXPECT_EQ(tvx::formatFloat(inf, f, 15, 2), "INF");
        EXPECT_EQ(tvx::formatFloat(-inf, f, 15, 2), "-INF");
        EXPECT_EQ(tvx::formatFloat(nan, f, 15, 2), "NAN");
        EXPECT_EQ(tvx::formatFloat(-nan, f, 15, 2), "NAN");
    }
    EXPECT_EQ(tvx::formatMask(inf, "0.00"), "INF");
    EXPECT_EQ(tvx::formatMask(-inf, "0.00;(0.00)"), "-INF");
    EXPECT_EQ(tvx::formatMask(nan, "0.000E+00"), "NAN");
}

TEST(NumberTextFloat, ExtremeMagnitudes)
{
    const double maxDouble = std::numeric_limits<double>::max();
    const double minSubnormal = std::numeric_limits<double>::denorm_min();
    checkFloatCases({
        {maxDouble, G, 15, 0, "1.79769313486232E308"},
        {-maxDouble, X, 15, 4, "-1.79769313486232E+0308"},
        {minSubnormal, G, 15, 0, "4.94065645841247E-324"},
        {minSubnormal, F, 15, 18, "0.000000000000000000"},
        {maxDouble, F, 18, 18, "1.79769313486231571E+0308"},
    });
}

// Every format starts from the 18 correctly rounded significant digits of the
// value; formatExponent(v, 18, 2) shows them in the same layout as to_chars.
TEST(NumberTextFloat, EighteenDigitsMatchStandardLibrary)
{
    auto reference = [](double v) {
        char buf[64];
        const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 17);
        std::string s(buf, r.ptr);
        for (char& c : s)
            if (c == 'e')
                c = 'E';
        return s;
    };
    auto check = [&](double v) {
        ASSERT_EQ(tvx::formatExponent(v, 18, 2), reference(v)) << std::setprecision(17) << v;
    };

    std::mt19937_64 rng(7);
    // Any bit pattern from below 1e-5 to beyond 1e18.
    const auto lowBits = std::bit_cast<std::uint64_t>(1e-7);
    const auto highBits = std::bit_cast<std::uint64_t>(1e20);
    std::uniform_int_distribution<std::uint64_t> bitsDist(lowBits, highBits);
    for (int i = 0; i < 100000; ++i)
        check(std::bit_cast<double>(bitsDist(rng)));
    // Short decimals as typed by users, and their neighbours.
    std::uniform_int_distribution<std::int64_t> intDist(1, 99999999);
    std::uniform_int_distribution<int> scaleDist(0, 12);
    for (int i = 0; i < 50000; ++i) {
        const double v = static_cast<double>(intDist(rng)) / std::pow(10.0, scaleDist(rng));
        check(v);
        check(std::nextafter(v, 0.0));
        check(std::nextafter(v, 1e300));
    }
    // Exact ties at the 19th digit: odd / 2^(19+z) in [10^-(z+1), 10^-z) has
    // 19 significant digits ending in 5; so has 1e14 + odd/16.
    for (int z = 0; z <= 5; ++z) {
        const std::uint64_t top = std::uint64_t{1} << (19 + z);
        std::uniform_int_distribution<std::uint64_t> oddDist(top / 20, top / 2 - 1);
        for (int i = 0; i < 2000; ++i)
            check(std::ldexp(static_cast<double>(oddDist(rng) * 2 + 1), -(19 + z)));
    }
    std::uniform_int_distribution<std::uint64_t> sixteenths(0, 4000000000000000ULL);
    for (int i = 0; i < 2000; ++i)
        check(1e14 + static_cast<double>(sixteenths(rng) * 2 + 1) / 16);
    // Powers of ten and their neighbours.
    for (int x = -8; x <= 20; ++x) {
        const double p = std::pow(10.0, x);
        check(p);
        check(std::nextafter(p, 0.0));
        check(std::nextafter(p, 1e300));
    }
}

// ---------------------------------------------------------------------------

struct MaskCase {
    double value;
    const char* mask;
    const char* text;
};

TEST(NumberTextMask, Vectors)
{
    const MaskCase cases[] = {
        {0.5, "Total: #.# Kg", "Total: .5 Kg"},
        {0, "Total: #.# Kg", "Total:  Kg"},
        {-0.5, "Total: #.# Kg", "-Total: .5 Kg"},
        {0, "0.# A", "0 A"},
        {110.231131, "0.##' Lbs'", "110.23 Lbs"},
        {0, "#.##' lm'", " lm"},
        {12.345, "#.##' lm'", "12.35 lm"},
        {2.675, "0.##", "2.67"},
        {0.125, "0.##", "0.13"},
        {5, "0.##", "5"},
        {4.5, "#", "5"},
        {0.4, "#", ""},
        {0, "#", ""},
        {0.05, "#.##", ".05"},
        {1234567.891, "#,##0", "1,234,568"},
        {1234, "0.00", "1234.00"},
        {-1234, "0.00", "-1234.00"},
        {0.5, "0.00", "0.50"},
        {0, "0.00", "0.00"},
        {1234, "#.##", "1234"},
        {-1234, "#.##", "-1234"},
        {0.5, "#.##", ".5"},
        {0, "#.##", ""},
        {1234, "#,##0.00;(#,##0.00)", "1,234.00"},
        {-1234, "#,##0.00;(#,##0.00)", "(1,234.00)"},
        {0, "#,##0.00;;Zero", "Zero"},
        {1234, "0.000E+00", "1.234E+03"},
        {0.5, "0.000E+00", "5.000E-01"},
    };
    for (const MaskCase& c : cases) {
        SCOPED_TRACE(testing::Message() << std::setprecision(17) << c.value << " mask \""
                                        << c.mask << "\"");
        EXPECT_EQ(tvx::formatMask(c.value, c.mask), c.text);
    }
}

TEST(NumberTextMask, SectionsAndSigns)
{
    const MaskCase cases[] = {
        // -0 is negative for the section choice but never prints a sign.
        {-0.0, "0.00;(0.00)", "(0.00)"},
        {-0.0, "0.00", "0.00"},
        {-0.0, "0.00;(0.00);nil", "nil"},
        // A value that rounds to zero takes the zero section, else no sign.
        {-0.004, "0.00", "0.00"},
        {-0.004, "0.00;;nil", "nil"},
        {0.004, "#.##;;nil", "nil"},
        {-0.004, "#.## x", " x"},
        // Empty or missing sections fall back to the first one.
        {-2, "0.0;;Zero", "-2.0"},
        {0, "0.0;(0.0)", "0.0"},
        {0, "0.0;(0.0);", "0.0"},
        {5, ";(0)", "5"},
        {5, "", "5"},
        {-1.5, "", "-1.5"},
        // ';' inside quotes is text; a fourth section is ignored.
        {1, "0' ;a'", "1 ;a"},
        {0, "0;-0;z;w", "z"},
    };
    for (const MaskCase& c : cases) {
        SCOPED_TRACE(testing::Message() << std::setprecision(17) << c.value << " mask \""
                                        << c.mask << "\"");
        EXPECT_EQ(tvx::formatMask(c.value, c.mask), c.text);
    }
}

TEST(NumberTextMask, PlaceholdersLiteralsAndGrouping)
{
    const MaskCase cases[] = {
        {7, "000", "007"},
        {7, "#00", "07"},
        {1234, "00", "1234"},             // extra digits come out at the first placeholder
        {1234.5, "0-0", "123-5"},          // literal between placeholders
        {5, "0,000", "0,005"},
        {1234567, "#,#", "1,234,567"},
        {999.5, "#,##0", "1,000"},         // rounding carries into a new group
        {-1234567.5, "#,##0.0", "-1,234,567.5"},
        {0.5, ".00", ".50"},
        {12.5, ".0", "12.5"},              // integer digits before the point
        {1.5, "#.0#", "1.5"},
        {1.456, "0.0#", "1.46"},
        {1.4, "0.00#", "1.40"},
        {3, "\"No. \"0", "No. 3"},         // text in double quotes, '.' inside not a point
        {3, "'#'0", "#3"},
        {3, "0 'unclosed", "3 unclosed"},
        {3, "0 V;'", "3 V"},
        {2.5, "0.0 m/s", "2.5 m/s"},
        {2.5, "0 %", "3 %"},               // '%' is plain text, no scaling
        {0.2, "0.0.0", "0.2.0"},           // only the first '.' is the point
    };
    for (const MaskCase& c : cases) {
        SCOPED_TRACE(testing::Message() << std::setprecision(17) << c.value << " mask \""
                                        << c.mask << "\"");
        EXPECT_EQ(tvx::formatMask(c.value, c.mask), c.text);
    }
}

TEST(NumberTextMask, Scientific)
{
    const MaskCase cases[] = {
        {1234, "0.000E+00", "1.234E+03"},
        {0.5, "0.000E+00", "5.000E-01"},
        {0, "0.000E+00", "0.000E+00"},
        {-1234, "0.00E+00", "-1.23E+03"},
        {9.9996, "0.000E+0", "1.000E+1"},  // carry changes the exponent
        {1234, "0.0e-0", "1.2e3"},
        {0.00123, "0.0E-00", "1.2E-03"},
        {1234, "00.00E+00", "12.34E+02"},
        {1234, "#.##E+0", "1.23E+3"},
        {1e300, "0.00E+000", "1.00E+300"},
        {1e-300, "0.00E+0", "1.00E-300"},
        {1234, "0E+", "1234E+"},          // no '0' after E+: text
    };
    for (const MaskCase& c : cases) {
        SCOPED_TRACE(testing::Message() << std::setprecision(17) << c.value << " mask \""
                                        << c.mask << "\"");
        EXPECT_EQ(tvx::formatMask(c.value, c.mask), c.text);
    }
}

// Masks print at most 18 digits; from 1E18 on they fall back to General 15/0.
TEST(NumberTextMask, NearOneE18)
{
    const double below = std::nextafter(1e18, 0.0); // 999999999999999872
    EXPECT_EQ(tvx::formatMask(below, "0.00"), "999999999999999872.00");
    EXPECT_EQ(tvx::formatMask(below, "#,##0"), "999,999,999,999,999,872");
    EXPECT_EQ(tvx::formatMask(-below, "0;(0)"), "(999999999999999872)");
    EXPECT_EQ(tvx::formatMask(1e18, "0.00"), "1E18");
    EXPECT_EQ(tvx::formatMask(-1e18, "0.00"), "-1E18");
    EXPECT_EQ(tvx::formatMask(-2.5e19, "#,##0;(#,##0)"), "-2.5E19");
    EXPECT_EQ(tvx::formatMask(2.5e19, "0.0E+00"), "2.5E+19");
    EXPECT_EQ(tvx::formatMask(1.5e18, "0.00", ","), "1,5E18");
}

TEST(NumberTextMask, UsesGivenSeparators)
{
    EXPECT_EQ(tvx::formatMask(1234.5, "#,##0.00' lm'", ",", "."), "1.234,50 lm");
    EXPECT_EQ(tvx::formatMask(1234567.25, "#,##0.0", ".", "'"), "1'234'567.3");
    EXPECT_EQ(tvx::formatMask(1234567, "#,##0", ".", ""), "1234567");
    EXPECT_EQ(tvx::formatMask(0.5, "Total: #.# Kg", ","), "Total: ,5 Kg");
    EXPECT_EQ(tvx::formatMask(1234, "0.000E+00", ","), "1,234E+03");
    EXPECT_EQ(tvx::formatMask(-1.5, "", ","), "-1,5");
}

// Masks come from table schemas typed by users: any text must format without
// crashing, and the digits of a plain "0"-only mask must be the Fixed digits.
TEST(NumberTextMask, ArbitraryMasks)
{
    std::mt19937_64 rng(99);
    const std::string alphabet = "0#.,;'\"Ee+- x%0#0.";
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 14);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-25, 25);
    for (int i = 0; i < 20000; ++i) {
        std::string mask;
        for (int n = length(rng); n > 0; --n)
            mask += alphabet[pick(rng)];
        const double v = mantissa(rng) * std::pow(10.0, exponent(rng));
        SCOPED_TRACE(testing::Message() << std::setprecision(17) << v << " mask \"" << mask
                                        << "\"");
        (void)tvx::formatMask(v, mask);
        (void)tvx::formatMask(-0.0, mask, ",", ".");
    }
    for (int i = 0; i < 2000; ++i) {
        const double v = mantissa(rng) * std::pow(10.0, exponent(rng) % 17);
        SCOPED_TRACE(testing::Message() << std::setprecision(17) << v);
        EXPECT_EQ(tvx::formatMask(v, "0.000"), tvx::formatFixed(v, 18, 3));
    }
}

// ---------------------------------------------------------------------------

TEST(NumberTextRound, HalfToEven)
{
    const struct {
        double value;
        double rounded;
    } cases[] = {
        {120.5, 120},
        {121.5, 122},
        {2.5, 2},
        {-2.5, -2},
        {-3.5, -4},
        {230.94, 231},
        {208 / std::sqrt(3.0), 120},
        {400 / std::sqrt(3.0), 231},
        {480 / std::sqrt(3.0), 277},
        {0.49999999999999994, 0},
        {-0.4, 0},
        {4503599627370495.5, 4503599627370496.0},
        {1e300, 1e300},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::setprecision(17) << c.value);
        EXPECT_EQ(tvx::bankersRound(c.value), c.rounded);
    }
    EXPECT_TRUE(std::isnan(tvx::bankersRound(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_EQ(tvx::bankersRound(-std::numeric_limits<double>::infinity()),
              -std::numeric_limits<double>::infinity());
}

// ---------------------------------------------------------------------------

TEST(NumberTextParse, Integers)
{
    const struct {
        const char* text;
        std::optional<std::int32_t> value;
    } cases[] = {
        {"123", 123},
        {" 123", 123},
        {"   -45", -45},
        {"+5", 5},
        {"007", 7},
        {"-0", 0},
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"123 ", std::nullopt},
        {"1e3", std::nullopt},
        {"5.", std::nullopt},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"-", std::nullopt},
        {"+-5", std::nullopt},
        {"--5", std::nullopt},
        {"- 5", std::nullopt},
        {"\t5", std::nullopt},
        {"0x10", std::nullopt},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "\"" << c.text << "\"");
        EXPECT_EQ(tvx::parseInt(c.text), c.value);
    }
}

struct FloatParseCase {
    const char* text;
    std::optional<double> value;
};

void checkFloatParse(std::initializer_list<FloatParseCase> cases, std::string_view separator)
{
    for (const FloatParseCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "\"" << c.text << "\" separator \"" << separator
                                        << "\"");
        EXPECT_EQ(tvx::parseFloat(c.text, separator), c.value);
    }
}

TEST(NumberTextParse, FloatsWithPoint)
{
    checkFloatParse(
        {
            {" 1.5 ", 1.5},
            {"1e3", 1000},
            {".5", 0.5},
            {"5.", 5},
            {"+5", 5},
            {"-2.5E-3", -0.0025},
            {"1E+2", 100},
            {"0.1", 0.1},
            {"007.50", 7.5},
            {"1.7976931348623157e308", std::numeric_limits<double>::max()},
            {"1,5", std::nullopt},
            {"INF", std::nullopt},
            {"inf", std::nullopt},
            {"NAN", std::nullopt},
            {"0x10", std::nullopt},
            {"- 5", std::nullopt},
            {"\t5", std::nullopt},
            {"5\t", std::nullopt},
            {"", std::nullopt},
            {"  ", std::nullopt},
            {".", std::nullopt},
            {"-.", std::nullopt},
            {"e5", std::nullopt},
            {"1e", std::nullopt},
            {"1e+", std::nullopt},
            {"1.2.3", std::nullopt},
            {"1 5", std::nullopt},
            {"++1", std::nullopt},
            {"1e400", std::nullopt},
            {"-1e400", std::nullopt},
            {"1.8e308", std::nullopt},
            {"123456789e999999999999999999", std::nullopt},
        },
        ".");
}

// Values too small for a double become zero (or a subnormal) and are valid.
TEST(NumberTextParse, UnderflowIsAccepted)
{
    checkFloatParse(
        {
            {"1e-400", 0.0},
            {"0.000000001e-99999999999999", 0.0},
            {"4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
            {"0e999999", 0.0},
        },
        ".");
    const std::optional<double> negative = tvx::parseFloat("-1e-400");
    ASSERT_TRUE(negative.has_value());
    EXPECT_EQ(*negative, 0.0);
    EXPECT_TRUE(std::signbit(*negative));
}

TEST(NumberTextParse, FloatsWithWindowSeparator)
{
    checkFloatParse(
        {
            {"1,5", 1.5},
            {" -1,25e2 ", -125},
            {",5", 0.5},
            {"5,", 5},
            {"1.5", std::nullopt},
            {"1,5,0", std::nullopt},
            {"1.000,5", std::nullopt},
        },
        ",");
    checkFloatParse({{"1\xC2\xB7"
                      "5",
                      1.5},
                     {"1\xC2", std::nullopt},
                     {"1.5", std::nullopt}},
                    "\xC2\xB7");
    checkFloatParse({{"1.5", 1.5}}, ""); // no separator falls back to "."
}

// Anything formatted for a file must read back: General 15/0 to 15 digits,
// General 17/0 exactly; both with "." and with a window's ",".
TEST(NumberTextParse, FormattedValuesReadBack)
{
    std::mt19937_64 rng(20240611);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-30, 30);
    for (int i = 0; i < 20000; ++i) {
        const double v = mantissa(rng) * std::pow(10.0, exponent(rng));
        SCOPED_TRACE(testing::Message() << std::setprecision(17) << v);
        const std::optional<double> exact = tvx::parseFloat(tvx::formatGeneral(v, 17, 0));
        ASSERT_TRUE(exact.has_value());
        ASSERT_EQ(*exact, v);
        const std::optional<double> short15 =
            tvx::parseFloat(tvx::formatGeneral(v, 15, 0, ","), ",");
        ASSERT_TRUE(short15.has_value());
        ASSERT_LE(std::fabs(*short15 - v), std::fabs(v) * 5e-15);
    }
}

} // namespace
