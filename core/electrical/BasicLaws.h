#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Ohm's law and the power law: the twelve arrangements of E = I x R and
// P = E x I, three per quantity, each with its own pair of inputs.
namespace tvx::electrical {

inline constexpr std::size_t BasicLawFormulaCount = 12;
inline constexpr std::size_t BasicLawInputCount = 2 * BasicLawFormulaCount;

// The inputs as typed, in the order they are kept in the setup record:
// formula f reads inputs 2f and 2f + 1.
using BasicLawInputs = std::array<std::string, BasicLawInputCount>;
// One result text per formula, in formula order.
using BasicLawResults = std::array<std::string, BasicLawFormulaCount>;

enum class BasicLawOperation {
    Product,            // a * b
    Quotient,           // a / b
    RootOfProduct,      // sqrt(a * b)
    RootOfQuotient,     // sqrt(a / b)
    SquareTimes,        // a^2 * b
    SquareOver,         // a^2 / b
    OverSquare,         // a / b^2
};

// One formula: where it sits, what it reads, how it computes and how it is
// labelled on screen and in the report.
struct BasicLawFormula {
    std::string_view group;         // "Voltage", "Amperage", "Wattage", "Resistance"
    int row;                        // 1..3 within the group
    BasicLawOperation operation;
    std::string_view suffix;        // appended to the number: " Volts"
    // Control names of the two inputs and of the result field.
    std::string_view firstInput;
    std::string_view secondInput;
    std::string_view resultField;
    // Captions above the two inputs, the operator between them, and the
    // hints naming each input's quantity.
    std::string_view firstCaption;
    std::string_view secondCaption;
    std::string_view operatorText;
    std::string_view firstHint;
    std::string_view secondHint;
    // The unit shown in the empty result field before the first calculation.
    std::string_view resultUnit;
    // Report line: number ": " before first between second after result.
    std::string_view reportBefore;
    std::string_view reportBetween;
    std::string_view reportAfter;
    // A zero second input is reported as "Error" rather than left empty.
    bool zeroDivisorIsError = false;
};

// The twelve formulas in setup-record order: Voltage 1-3, Amperage 1-3,
// Wattage 1-3, Resistance 1-3.
const std::array<BasicLawFormula, BasicLawFormulaCount>& basicLawFormulas();

// Formula indexes in the order the window shows them (groups Wattage,
// Amperage, Voltage, Resistance, each top to bottom); the report lists them
// in the same order.
const std::array<std::size_t, BasicLawFormulaCount>& basicLawDisplayOrder();

// Evaluates one formula. Empty when either input is empty or unreadable, or
// on an arithmetic fault (zero divisor, root of a negative, overflow);
// "Error" for the formula that flags a zero divisor; otherwise the value in
// fixed notation with two decimals and the formula's suffix.
std::string basicLawResult(const BasicLawFormula& formula, std::string_view first, std::string_view second,
                           std::string_view decimalSeparator = ".");

// All twelve results. decimalSeparator: the one the user types and reads.
BasicLawResults ElectricalBasicLawCalculation(const BasicLawInputs& inputs, std::string_view decimalSeparator = ".");

// The report's text block: one numbered line per formula whose two input
// texts are both non-empty, each followed by an empty line. Inputs and
// results are printed as they stand.
std::vector<std::string> basicLawReportLines(const BasicLawInputs& inputs, const BasicLawResults& results);

} // namespace tvx::electrical
