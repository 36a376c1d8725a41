#include "converter/ConverterTables.h"

// Every factor is the decimal value as written, held as long double so that a
// product carries no more rounding than the stored double result needs.
// Several pairs are given with fewer digits than their neighbours (Grams ->
// Ounces 0.03527, Centigrams -> Tons, Long 1e-8); they are kept as written on
// purpose, so 100 Grams -> Ounces gives 3.527 and not 3.52739619. The tables
// are direct pairs, not a chain through a base unit.
namespace tvx::converter {
namespace {

constexpr Factor m(long double value)
{
    return {value, false};
}
// entry / divisor
constexpr Factor d(long double divisor)
{
    return {divisor, true};
}

constexpr std::array<std::string_view, 9> kMassUnits{
    "Milligrams", "Centigrams", "Grams", "Kilograms", "Ounces", "Pounds",
    "Tons, Long", "Tons, Metric", "Tons, Short"};
constexpr std::array<std::string_view, 10> kVolumeUnits{
    "Milliliters", "Liters", "Cubic Centimeters", "Cubic Meter", "Cubic Inches",
    "Cubic Feet", "Fluid Ounces", "Gallons", "Liquid Pints", "Liquid Quarts"};
constexpr std::array<std::string_view, 10> kLengthUnits{
    "Nanometers", "Milimeters", "Centimeters", "Meters", "Kilometers",
    "Inches", "Feet", "Yards", "Miles", "LightYear"};
constexpr std::array<std::string_view, 10> kAreaUnits{
    "Square Milimimeters", "Square Centimeters", "Square Meters", "Square Kilometers",
    "Square Inches", "Square Feet", "Square Yards", "Square Miles", "Acres", "Hectares"};
constexpr std::array<std::string_view, 14> kTimeUnits{
    "Nanosecond", "Microsecond", "Millisecond", "Second", "Minute", "Hour", "Day",
    "Week", "Month (30days)", "Year", "Leap year", "Decade", "Century", "Millennium"};
constexpr std::array<std::string_view, 9> kSpeedUnits{
    "Kilometer/hour", "Meter/minute", "Centimeter/second", "Mile/Hour", "Foot/minute",
    "Inch/second", "Knot", "Mach", "C (light)"};
constexpr std::array<std::string_view, 7> kLightUnits{
    "Flame", "Foot-Candle", "Meter-Candle", "lambert", "Lux", "Phot", "sb"};
constexpr std::array<std::string_view, 3> kTemperatureUnits{
    "Celcius", "Fahrenheit", "Kelvin"};

// Acres use 4046.87261 square meters, Mach is 1193.256 km/h, a month 30 days,
// a year 365 days, a leap year 366, and decade, century and millennium are
// 10, 100 and 1000 years of 365 days.

// Mass: row = From, column = To.
constexpr std::array<Factor, 81> kMassFactors{
    /*  0 */ m(1.0L), m(0.1L), m(0.001L), m(0.000001L), m(0.0000352739619L), m(0.00000220462262L),
             m(9.84206528e-10L), m(1e-9L), m(1.10231131e-9L),
    /*  1 */ m(10.0L), m(1.0L), m(0.01L), m(0.00001L), m(0.00035274L), m(0.000022046L), m(1e-8L), m(1e-8L),
             m(1.1e-8L),
    /*  2 */ m(1000.0L), m(100.0L), m(1.0L), m(0.001L), m(0.03527L), m(0.002205L), m(9.842065276e-7L),
             m(0.000001L), m(0.000001102311311L),
    /*  3 */ m(1000000.0L), m(100000.0L), m(1000.0L), m(1.0L), m(35.2739619L), m(2.20462262L),
             m(0.000984206528L), m(0.001L), m(0.00110231131L),
    /*  4 */ m(28349.5231L), m(2834.95231L), m(28.3495231L), m(0.0283495231L), m(1.0L), m(0.0625L),
             m(0.0000279017857L), m(0.0000283495231L), m(0.00003125L),
    /*  5 */ m(453592.37L), m(45359.237L), m(453.59237L), m(0.45359237L), m(16.0L), m(1.0L),
             m(0.000446428571L), m(0.00045359237L), m(0.0005L),
    /*  6 */ m(1.01604691e9L), m(101604691.0L), m(1016046.91L), m(1016.04691L), m(35840.0L), m(2240.0L),
             m(1.0L), m(1.01604691L), m(1.12L),
    /*  7 */ m(1000000000.0L), m(100000000.0L), m(1000000.0L), m(1000.0L), m(35273.9619L), m(2204.62262L),
             m(0.984206528L), m(1.0L), m(1.10231131L),
    /*  8 */ m(9.0718474e8L), m(90718474.0L), m(907184.74L), m(907.18474L), m(32000.0L), m(2000.0L),
             m(0.892857143L), m(0.90718474L), m(1.0L),
};

// Volume: row = From, column = To.
constexpr std::array<Factor, 100> kVolumeFactors{
    /*  0 */ m(1.0L), m(0.001L), m(1.0L), m(0.000001L), m(0.0610237441L), m(0.0000353146667L),
             m(0.0338140227L), m(0.000264172052L), m(0.00211337642L), m(0.00105668821L),
    /*  1 */ m(1000.0L), m(1.0L), m(1000.0L), m(0.001L), m(61.0237441L), m(0.0353146667L), m(33.8140227L),
             m(0.264172052L), m(2.11337642L), m(1.05668821L),
    /*  2 */ m(1.0L), m(0.001L), m(1.0L), m(0.000001L), m(0.0610237441L), m(0.0000353146667L),
             m(0.0338140227L), m(0.000264172052L), m(0.00211337642L), m(0.00105668821L),
    /*  3 */ m(1000000.0L), m(1000.0L), m(1000000.0L), m(1.0L), m(61023.7441L), m(35.3146667L),
             m(33814.0227L), m(264.172052L), m(2113.37642L), m(1056.68821L),
    /*  4 */ m(16.387064L), m(0.016387064L), m(16.387064L), m(0.000016387064L), m(1.0L), m(0.000578703704L),
             m(0.554112554L), m(0.00432900433L), m(0.0346320346L), m(0.0173160173L),
    /*  5 */ m(28316.8466L), m(28.3168466L), m(28316.8466L), m(0.0283168466L), m(1728.0L), m(1.0L),
             m(957.506494L), m(7.48051948L), m(59.8441558L), m(29.9220779L),
    /*  6 */ m(29.5735296L), m(0.0295735296L), m(29.5735296L), m(0.0000295735296L), m(1.8046875L),
             m(0.00104437934L), m(1.0L), m(0.0078125L), m(0.0625L), m(0.03125L),
    /*  7 */ m(3785.41178L), m(3.78541178L), m(3785.41178L), m(0.00378541178L), m(231.0L), m(0.133680556L),
             m(128.0L), m(1.0L), m(8.0L), m(4.0L),
    /*  8 */ m(473.176473L), m(0.473176473L), m(473.176473L), m(0.000473176473L), m(28.875L),
             m(0.0167100694L), m(16.0L), m(0.125L), m(1.0L), m(0.5L),
    /*  9 */ m(946.352946L), m(0.946352946L), m(946.352946L), m(0.000946352946L), m(57.75L), m(0.0334201389L),
             m(32.0L), m(0.25L), m(2.0L), m(1.0L),
};

// Length: row = From, column = To.
constexpr std::array<Factor, 100> kLengthFactors{
    /*  0 */ m(1.0L), m(0.000001L), m(1e-7L), m(1e-9L), m(1e-12L), m(3.93700787e-8L), m(3.2808399e-9L),
             m(1.0936133e-9L), m(6.21371192e-13L), m(1.05702341e-25L),
    /*  1 */ m(1000000.0L), m(1.0L), m(0.1L), m(0.001L), m(0.000001L), m(0.0393700787L), m(0.0032808399L),
             m(0.0010936133L), m(6.21371192e-7L), m(1.05702341e-19L),
    /*  2 */ m(10000000.0L), m(10.0L), m(1.0L), m(0.01L), m(0.00001L), m(0.393700787L), m(0.032808399L),
             m(0.010936133L), m(0.00000621371192L), m(1.05702341e-18L),
    /*  3 */ m(1000000000.0L), m(1000.0L), m(100.0L), m(1.0L), m(0.001L), m(39.3700787L), m(3.2808399L),
             m(1.0936133L), m(0.000621371192L), m(1.05702341e-16L),
    /*  4 */ m(1e12L), m(1000000.0L), m(100000.0L), m(1000.0L), m(1.0L), m(39370.0787L), m(3280.8399L),
             m(1093.6133L), m(0.621371192L), m(1.05702341e-13L),
    /*  5 */ m(25400000.0L), m(25.4L), m(2.54L), m(0.0254L), m(0.0000254L), m(1.0L), d(12.0L),
             m(0.0277777778L), m(0.0000157828283L), m(2.68483946e-18L),
    /*  6 */ m(304800000.0L), m(304.8L), m(30.48L), m(0.3048L), m(0.0003048L), m(12.0L), m(1.0L),
             m(0.333333333L), m(0.000189393939L), m(3.22180736e-17L),
    /*  7 */ m(914400000.0L), m(914.4L), m(91.44L), m(0.9144L), m(0.0009144L), m(36.0L), m(3.0L), m(1.0L),
             m(0.000568181818L), m(9.66542207e-17L),
    /*  8 */ m(1.609344e12L), m(1609344.0L), m(160934.4L), m(1609.344L), m(1.609344L), m(63360.0L),
             m(5280.0L), m(1760.0L), m(1.0L), m(1.70111428e-13L),
    /*  9 */ m(9.4605284e24L), m(9.4605284e18L), m(9.4605284e17L), m(9.4605284e15L), m(9.4605284e12L),
             m(3.72461748e17L), m(3.1038479e16L), m(1.03461597e16L), m(5.87849981e12L), m(1.0L),
};

// Area: row = From, column = To.
constexpr std::array<Factor, 100> kAreaFactors{
    /*  0 */ m(1.0L), m(0.01L), m(0.000001L), m(1e-12L), m(0.0015500031L), m(0.0000107639104L),
             m(0.00000119599005L), m(3.86102159e-13L), m(2.47104393e-10L), m(1e-10L),
    /*  1 */ m(100.0L), m(1.0L), m(0.0001L), m(1e-10L), m(0.15500031L), m(0.00107639104L), m(0.000119599005L),
             m(3.86102159e-11L), m(2.47104393e-8L), m(1e-8L),
    /*  2 */ m(1000000.0L), m(10000.0L), m(1.0L), m(0.000001L), m(1550.0031L), m(10.7639104L), m(1.19599005L),
             m(3.86102159e-7L), m(0.000247104393L), m(0.0001L),
    /*  3 */ m(1e12L), m(10000000000.0L), m(1000000.0L), m(1.0L), m(1.5500031e9L), m(10763910.4L),
             m(1195990.05L), m(0.386102159L), m(247.104393L), m(100.0L),
    /*  4 */ m(645.16L), m(6.4516L), m(0.00064516L), m(6.4516e-10L), m(1.0L), m(0.00694444444L),
             m(0.000771604938L), m(2.49097669e-10L), m(1.5942187e-7L), m(6.4516e-8L),
    /*  5 */ m(92903.04L), m(929.0304L), m(0.09290304L), m(9.290304e-8L), m(144.0L), m(1.0L), m(0.111111111L),
             m(3.58700643e-8L), m(0.0000229567493L), m(0.000009290304L),
    /*  6 */ m(836127.36L), m(8361.2736L), m(0.83612736L), m(8.3612736e-7L), m(1296.0L), m(9.0L), m(1.0L),
             m(3.22830579e-7L), m(0.000206610744L), m(0.000083612736L),
    /*  7 */ m(2.58998811e12L), m(2.58998811e10L), m(2589988.11L), m(2.58998811L), m(4014489600.0L),
             m(27878400.0L), m(3097600.0L), m(1.0L), m(639.99744L), m(258.998811L),
    /*  8 */ m(4.04687261e9L), m(40468726.1L), m(4046.87261L), m(0.00404687261L), m(6272665.09L),
             m(43560.1742L), m(4840.01936L), m(0.00156250625L), m(1.0L), m(0.404687261L),
    /*  9 */ m(10000000000.0L), m(100000000.0L), m(10000.0L), m(0.01L), m(15500031.0L), m(107639.104L),
             m(11959.9005L), m(0.00386102159L), m(2.47104393L), m(1.0L),
};

// Time: row = From, column = To.
constexpr std::array<Factor, 196> kTimeFactors{
    /*  0 */ m(1.0L), m(0.001L), m(0.000001L), m(1e-9L), m(1.66666667e-11L), m(2.77777778e-13L),
             m(1.15740741e-14L), m(1.65343915e-15L), m(3.85802469e-16L), m(3.1709792e-17L),
             m(3.16231532e-17L), m(3.1709792e-18L), m(3.1709792e-19L), m(3.1709792e-20L),
    /*  1 */ m(1000.0L), m(1.0L), m(0.001L), m(0.000001L), m(1.66666667e-8L), m(2.77777778e-10L),
             m(1.15740741e-11L), m(1.65343915e-12L), m(3.85802469e-13L), m(3.1709792e-14L),
             m(3.16231532e-14L), m(3.1709792e-15L), m(3.1709792e-16L), m(3.1709792e-17L),
    /*  2 */ m(1000000.0L), m(1000.0L), m(1.0L), m(0.001L), m(0.0000166666667L), m(2.77777778e-7L),
             m(1.15740741e-8L), m(1.65343915e-9L), m(3.85802469e-10L), m(3.1709792e-11L), m(3.16231532e-11L),
             m(3.1709792e-12L), m(3.1709792e-13L), m(3.1709792e-14L),
    /*  3 */ m(1000000000.0L), m(1000000.0L), m(1000.0L), m(1.0L), m(0.0166666667L), m(0.000277777778L),
             m(0.0000115740741L), m(0.00000165343915L), m(3.85802469e-7L), m(3.1709792e-8L),
             m(3.16231532e-8L), m(3.1709792e-9L), m(3.1709792e-10L), m(3.1709792e-11L),
    /*  4 */ m(6e10L), m(60000000.0L), m(60000.0L), m(60.0L), m(1.0L), m(0.0166666667L), d(1440.0L),
             m(0.0000992063492L), m(0.0000231481481L), m(0.00000190258752L), m(0.00000189738919L),
             m(1.90258752e-7L), m(1.90258752e-8L), m(1.90258752e-9L),
    /*  5 */ m(3.6e12L), m(3600000000.0L), m(3600000.0L), m(3600.0L), m(60.0L), m(1.0L), m(0.0416666667L),
             m(0.00595238095L), m(0.00138888889L), m(0.000114155251L), m(0.000113843352L),
             m(0.0000114155251L), m(0.00000114155251L), m(1.14155251e-7L),
    /*  6 */ m(8.64e13L), m(86400000000.0L), m(86400000.0L), m(86400.0L), m(1440.0L), m(24.0L), m(1.0L),
             d(7.0L), d(30.0L), d(365.0L), d(366.0L), d(3650.0L), d(36500.0L), d(365000.0L),
    /*  7 */ m(6.048e14L), m(6.048e11L), m(604800000.0L), m(604800.0L), m(10080.0L), m(168.0L), m(7.0L),
             m(1.0L), m(0.233333333L), m(0.0191780822L), m(0.0191256831L), m(0.00191780822L),
             m(0.000191780822L), m(0.0000191780822L),
    /*  8 */ m(2.592e15L), m(2.592e12L), m(2592000000.0L), m(2592000.0L), m(43200.0L), m(720.0L), m(30.0L),
             m(4.28571429L), m(1.0L), m(0.0821917808L), m(0.0819672131L), m(0.00821917808L),
             m(0.000821917808L), m(0.0000821917808L),
    /*  9 */ m(3.1536e16L), m(3.1536e13L), m(3.1536e10L), m(31536000.0L), m(525600.0L), m(8760.0L), m(365.0L),
             m(52.1428571L), m(12.1666667L), m(1.0L), m(0.99726776L), m(0.1L), m(0.01L), m(0.001L),
    /* 10 */ m(3.16224e16L), m(3.16224e13L), m(31622400000.0L), m(31622400.0L), m(527040.0L), m(8784.0L),
             m(366.0L), m(52.2857143L), m(12.2L), m(1.00273973L), m(1.0L), m(0.100273973L), m(0.0100273973L),
             m(0.00100273973L),
    /* 11 */ m(3.1536e17L), m(3.1536e14L), m(3.1536e11L), m(315360000.0L), m(5256000.0L), m(87600.0L),
             m(3650.0L), m(521.428571L), m(121.666667L), m(10.0L), m(9.9726776L), m(1.0L), m(0.1L), m(0.01L),
    /* 12 */ m(3.1536e18L), m(3.1536e15L), m(3.1536e12L), m(3153600000.0L), m(52560000.0L), m(876000.0L),
             m(36500.0L), m(5214.28571L), m(1216.66667L), m(100.0L), m(99.726776L), m(10.0L), m(1.0L),
             m(0.1L),
    /* 13 */ m(3.1536e19L), m(3.1536e16L), m(3.1536e13L), m(3.1536e10L), m(525600000.0L), m(8760000.0L),
             m(365000.0L), m(52142.8571L), m(12166.6667L), m(1000.0L), m(997.26776L), m(100.0L), m(10.0L),
             m(1.0L),
};

// Speed: row = From, column = To.
constexpr std::array<Factor, 81> kSpeedFactors{
    /*  0 */ m(1.0L), m(16.6666667L), m(27.7777778L), m(0.621371192L), m(54.6806649L), m(10.93613298L),
             m(0.539956803L), m(0.000838043136L), m(9.26566931e-10L),
    /*  1 */ m(0.06L), m(1.0L), m(1.66666667L), m(0.0372822715L), m(3.2808399L), m(0.6561679788L),
             m(0.0323974082L), m(0.0000502825882L), m(5.55940159e-11L),
    /*  2 */ m(0.036L), m(0.6L), m(1.0L), m(0.0223693629L), m(1.96850394L), m(0.393700788L), m(0.0194384449L),
             m(0.0000301695529L), m(3.33564095e-11L),
    /*  3 */ m(1.609344L), m(26.8224L), m(44.704L), m(1.0L), m(88.0L), m(17.60000004L), m(0.868976242L),
             m(0.00134869969L), m(1.49116493e-9L),
    /*  4 */ m(0.018288L), m(0.3048L), m(0.508L), m(0.0113636364L), m(1.0L), d(5.0L), m(0.00987473002L),
             m(0.0000153261329L), m(1.6945056e-11L),
    /*  5 */ m(0.09144L), m(1.524L), m(2.54L), m(0.0568181818L), m(5.0L), m(1.0L), m(0.0493736501L),
             m(0.0000766306643L), m(8.47252802e-11L),
    /*  6 */ m(1.852L), m(30.8666667L), m(51.4444444L), m(1.15077945L), m(101.268591L), m(20.25371832L),
             m(1.0L), m(0.00155205589L), m(1.71600196e-9L),
    /*  7 */ m(1193.256L), m(19887.6L), m(33146.0L), m(741.454903L), m(65248.0315L), m(13049.60628L),
             m(644.306695L), m(1.0L), m(0.00000110563155L),
    /*  8 */ m(1.07925285e9L), m(1.79875475e10L), m(2.99792458e10L), m(670616629.0L), m(5.90142634e10L),
             m(11802852672.0L), m(582749918.0L), m(904460.442L), m(1.0L),
};

// Light: row = From, column = To. Flame = 4 foot-candles; Meter-Candle and Lux
// are the same unit; lambert and stilb (sb) are luminances, converted for a
// perfectly diffusing surface: 1 lambert gives 1 phot = 10000 lux and 1 sb
// gives pi x 10000 lux.
constexpr std::array<Factor, 49> kLightFactors{
    /*  0 */ m(1.0L), m(4.0L), m(43.0556417L), m(0.00430556417L), m(43.0556417L), m(0.00430556417L),
             m(0.00137050364L),
    /*  1 */ m(0.25L), m(1.0L), m(10.7639104L), m(0.00107639104L), m(10.7639104L), m(0.00107639104L),
             m(0.00034262591L),
    /*  2 */ m(0.02322576L), m(0.09290304L), m(1.0L), m(0.0001L), m(1.0L), m(0.0001L), m(0.0000318309886L),
    /*  3 */ m(232.2576L), m(929.0304L), m(10000.0L), m(1.0L), m(10000.0L), m(1.0L), m(0.318309886L),
    /*  4 */ m(0.02322576L), m(0.09290304L), m(1.0L), m(0.0001L), m(1.0L), m(0.0001L), m(0.0000318309886L),
    /*  5 */ m(232.2576L), m(929.0304L), m(10000.0L), m(1.0L), m(10000.0L), m(1.0L), m(0.318309886L),
    /*  6 */ m(729.65877L), m(2918.63508L), m(31415.9265L), m(3.14159265L), m(31415.9265L), m(3.14159265L),
             m(1.0L),
};

template <std::size_t N>
constexpr bool isSquare(std::size_t units)
{
    return N == units * units;
}
static_assert(isSquare<kMassFactors.size()>(kMassUnits.size()));
static_assert(isSquare<kVolumeFactors.size()>(kVolumeUnits.size()));
static_assert(isSquare<kLengthFactors.size()>(kLengthUnits.size()));
static_assert(isSquare<kAreaFactors.size()>(kAreaUnits.size()));
static_assert(isSquare<kTimeFactors.size()>(kTimeUnits.size()));
static_assert(isSquare<kSpeedFactors.size()>(kSpeedUnits.size()));
static_assert(isSquare<kLightFactors.size()>(kLightUnits.size()));

template <std::size_t U, std::size_t F>
FactorTable tableOf(const std::array<std::string_view, U>&, const std::array<Factor, F>& factors)
{
    return {static_cast<int>(U), std::span<const Factor>(factors)};
}

} // namespace

std::string_view categoryLabel(Category category)
{
    switch (category) {
    case Category::Mass: return "Mass";
    case Category::Volume: return "Volume";
    case Category::Length: return "Length";
    case Category::Area: return "Area";
    case Category::Time: return "Time";
    case Category::Speed: return "Speed";
    case Category::Light: return "Light";
    case Category::Temperature: return "Temperature";
    }
    return {};
}

std::span<const std::string_view> unitNames(Category category)
{
    switch (category) {
    case Category::Mass: return kMassUnits;
    case Category::Volume: return kVolumeUnits;
    case Category::Length: return kLengthUnits;
    case Category::Area: return kAreaUnits;
    case Category::Time: return kTimeUnits;
    case Category::Speed: return kSpeedUnits;
    case Category::Light: return kLightUnits;
    case Category::Temperature: return kTemperatureUnits;
    }
    return {};
}

int unitCount(Category category)
{
    return static_cast<int>(unitNames(category).size());
}

FactorTable factorTable(Category category)
{
    switch (category) {
    case Category::Mass: return tableOf(kMassUnits, kMassFactors);
    case Category::Volume: return tableOf(kVolumeUnits, kVolumeFactors);
    case Category::Length: return tableOf(kLengthUnits, kLengthFactors);
    case Category::Area: return tableOf(kAreaUnits, kAreaFactors);
    case Category::Time: return tableOf(kTimeUnits, kTimeFactors);
    case Category::Speed: return tableOf(kSpeedUnits, kSpeedFactors);
    case Category::Light: return tableOf(kLightUnits, kLightFactors);
    case Category::Temperature: break;
    }
    return {};
}

} // namespace tvx::converter
