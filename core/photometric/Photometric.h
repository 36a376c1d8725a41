#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Geometry and light levels of one fixture hung above a subject: throw
// distance, heights, focus angles, beam size, candela, foot-candles and the
// magnification factor. The user picks the quantity to calculate (the target)
// and one combination of known quantities for it (the choice); each pair is
// one formula row, kept here as data.
namespace tvx::photometric {

// The eleven quantities, in the order of the target list and of the
// remembered values.
enum class Quantity : int { H, V, D, F, C, K, X, Y, Fc, Cd, mF, None };
inline constexpr std::size_t QuantityCount = 11;

// The last known value of every quantity, indexed by Quantity.
using Values = std::array<double, QuantityCount>;

// Lux per foot-candle and feet per metre.
inline constexpr double LuxPerFootcandle = 10.7639104;
inline constexpr double FeetPerMetre = 3.280839895;

struct QuantityInfo {
    std::string_view id;      // "H"
    std::string_view caption; // target list item and "Calculate..." menu caption
};
const std::array<QuantityInfo, QuantityCount>& quantities();

// How a row combines its inputs A, B and C. Angles are in degrees.
enum class Operation {
    RootOfDifference,  // sqrt(A^2 - B^2)
    RootOfSum,         // sqrt(A^2 + B^2)
    OverTan,           // A / tan B
    TimesTan,          // A * tan B
    TimesCos,          // A * cos B
    TimesSin,          // A * sin B
    OverCos,           // A / cos B
    OverSin,           // A / sin B
    Quotient,          // A / B
    Product,           // A * B
    RootOfQuotient,    // sqrt(A / B); a quotient of exactly 0 fails
    TwiceAtanHalf,     // 2 * atan(A / 2)
    TwiceAtanOverTwice,// 2 * atan(A / (2 * B))
    Atan,              // atan(A / B)
    Asin,              // asin(A / B)
    RightMinusAsin,    // 90 - asin(A / B)
    RightMinusAsinBA,  // 90 - asin(B / A)
    RightMinus,        // 90 - A
    TimesTwiceTanHalf, // A * 2 * tan(B / 2)
    OvalLength,        // A * (tan(C + B/2) - tan(C - B/2))
    FeetCandela,       // B / A^2                      (D in feet)
    MetreCandela,      // B / (FeetPerMetre * A)^2     (D in metres)
    LuxToFootcandles,  // A / LuxPerFootcandle
    FootcandlesToLux,  // A * LuxPerFootcandle
    CandelaFeet,       // B * A^2
    CandelaMetres,     // B * (FeetPerMetre * A)^2
    TwiceTanHalf,      // 2 * tan(A / 2)
};

struct FormulaInput {
    std::string_view caption; // "D:"
    Quantity quantity;        // shown and remembered; None for the unit conversions
};

struct FormulaRow {
    Quantity target;
    std::string_view knowing; // CBKnowing item
    std::string_view formula; // LabelFormula caption, display text only
    std::size_t inputCount;   // 1..3
    std::array<FormulaInput, 3> inputs;
    Operation operation;
    std::string_view resultCaption;       // "H="
    std::string_view secondResultCaption; // "Lux=" for Fc 0 and Fc 1, else empty
    // False for the lux/foot-candle conversions: they leave every remembered
    // value alone.
    bool remembers = true;

    bool hasSecondResult() const { return !secondResultCaption.empty(); }
};

// Every row, in list order per target.
const std::vector<FormulaRow>& formulaRows();

// Indexes read from a setup file are brought into range: an unknown target
// selects H, an unknown choice the first row of the target.
std::size_t validTarget(long long target);
std::size_t validChoice(std::size_t target, long long choice);

// The rows of one target, and one row (both indexes brought into range).
std::vector<const FormulaRow*> rowsOf(std::size_t target);
const FormulaRow& formulaRow(std::size_t target, std::size_t choice);

// The CBKnowing items of a target, in list order.
std::vector<std::string> knowingItems(std::size_t target);

// A NaN or an infinity read from a damaged setup record becomes 0.
Values validValues(const std::vector<double>& stored);

struct Evaluation {
    bool ok = false;
    double resultA = 0;
    double resultB = 0;     // lux, rows with a second result only
    Values values{};        // the remembered values after the calculation
};

// Evaluates one row. A failure (division by zero, square root of a negative,
// arcsine outside -1..1, a non-finite value) leaves the remembered values as
// they were, except in the throw-from-candela row where a zero quotient keeps
// the entered Cd and Fc.
Evaluation evaluate(std::size_t target, std::size_t choice, double a, double b, double c, const Values& remembered);

// What the window shows after a calculation.
struct Calculation {
    bool ok = false;
    std::string resultA; // empty after a failure
    std::string resultB; // lux of rows Fc 0 and Fc 1, else empty
    bool negativeA = false;
    Values values{};
};

// The window's calculation: reads the input texts (in the user's decimal
// separator; an input the row uses that does not read as a number fails the
// calculation), evaluates and formats the results with two decimals at most.
Calculation PhotoMetricCalculation(std::size_t target, std::size_t choice, const std::array<std::string, 3>& inputs,
                                   const Values& remembered, std::string_view decimalSeparator = ".");

// A remembered value as an input shows it: shortest form, up to 15 digits.
std::string inputText(double value, std::string_view decimalSeparator = ".");
// A result as the result fields show it: two decimals, trailing zeros trimmed.
std::string resultText(double value, std::string_view decimalSeparator = ".");

} // namespace tvx::photometric
