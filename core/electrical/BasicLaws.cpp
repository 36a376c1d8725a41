#include "electrical/BasicLaws.h"

#include "common/NumberText.h"

#include <cmath>
#include <optional>

namespace tvx::electrical {

namespace {

using Op = BasicLawOperation;

// Superscript two, in UTF-8.
#define TVX_SQUARED "\xC2\xB2"

// clang-format off
constexpr std::array<BasicLawFormula, BasicLawFormulaCount> Formulas{{
    // group, row, operation, suffix,
    //   inputs and result, captions and operator, hints, unit,
    //   report pieces, zero divisor is an error
    {"Voltage", 1, Op::Product, " Volts",
     "Voltage_amps1", "Voltage_Ohms1", "Voltage_Result1", "Amps", "Ohms", "*", "Amps", "Ohms", "Volt",
     "(", " Amps * ", " Omhs) = "},
    {"Voltage", 2, Op::Quotient, " Volts",
     "Voltage_Watts2", "Voltage_Amps2", "Voltage_Result2", "Watts", "Amps", "/", "Watts", "Amps", "Volt",
     "(", " Watts / ", " Amps) = "},
    {"Voltage", 3, Op::RootOfProduct, " Volts",
     "Voltage_Watts3", "Voltage_Ohms3", "Voltage_Result3", "SQRT( Watts", "ohms)", "*", "Watts", "Ohms", "Volt",
     "(SQRT(", " Watts * ", " Ohms)) = "},
    {"Amperage", 1, Op::Quotient, " Amps",
     "Amperage_Volts1", "Amperage_Ohms1", "Amperage_Result1", "Volts", "Ohms", "/", "Volts", "Ohms", "Amps",
     "(", " Volts / ", " Omhs) = "},
    {"Amperage", 2, Op::Quotient, " Amps",
     "Amperage_Watts2", "Amperage_Volts2", "Amperage_Result2", "Watts", "Volts", "/", "Watts", "Volts", "Amps",
     "(", " Watts / ", " Volts) = "},
    {"Amperage", 3, Op::RootOfQuotient, " Amps",
     "Amperage_watts3", "Amperage_Ohms3", "Amperage_Result3", "SQRT(watts", "Ohms)", "/", "Watts", "Ohms", "Amps",
     "(SQRT(", " Watts / ", " Ohms)) = ", true},
    {"Wattage", 1, Op::SquareTimes, " Watts",
     "Wattage_amps1", "Wattage_Ohms1", "Wattage_result1", "Sqr(Amps)", "Ohms", "*", "Amps", "Ohms", "Watts",
     "(", " Amps" TVX_SQUARED " * ", " Ohms) = "},
    {"Wattage", 2, Op::Product, " Watts",
     "Wattage_Volts2", "Wattage_amps2", "Wattage_result2", "Volts", "Amps", "*", "Volts", "Amps", "Watts",
     "(", " Volts * ", " Amps) = "},
    {"Wattage", 3, Op::SquareOver, " Watts",
     "Wattage_volts3", "Wattage_Ohms3", "Wattage_result3", "Sqr(Volts)", "Ohms", "/", "Volts", "Ohms", "Watts",
     "(", " Volts" TVX_SQUARED " / ", " Ohms) = "},
    {"Resistance", 1, Op::Quotient, " Ohms",
     "Resistance_Volt1", "Resistance_Amps1", "Resistance_Result1", "Volts", "Amps", "/", "Volt", "Amps", "Ohms",
     "(", " Volts / ", " Amps) = "},
    {"Resistance", 2, Op::OverSquare, " Ohms",
     "Resistance_Watts2", "Resistance_Amps2", "Resistance_Result2", "Watts", "Sqr(Amps)", "/", "Watts", "Amps", "Ohms",
     "(", " Watts / ", " Amps" TVX_SQUARED ") = "},
    {"Resistance", 3, Op::SquareOver, " Ohms",
     "Resistance_Volt3", "Resistance_Watts3", "Resistance_Result3", "Sqr(Volt)", "Watts", "/", "Volt", "Watts", "Ohms",
     "(", " Volts" TVX_SQUARED " / ", " Watts) = "},
}};
// clang-format on

#undef TVX_SQUARED

// Wattage 1, 3, 2; Amperage 3, 2, 1; Voltage 1, 2, 3; Resistance 1, 3, 2.
constexpr std::array<std::size_t, BasicLawFormulaCount> DisplayOrder{6, 8, 7, 5, 4, 3, 0, 1, 2, 9, 11, 10};

// The value, or nullopt on an arithmetic fault.
std::optional<double> evaluate(BasicLawOperation operation, double a, double b)
{
    const auto divide = [](double n, double d) -> std::optional<double> {
        if (d == 0.0)
            return std::nullopt;
        return n / d;
    };
    const auto root = [](std::optional<double> v) -> std::optional<double> {
        if (!v || *v < 0.0)
            return std::nullopt;
        return std::sqrt(*v);
    };

    std::optional<double> value;
    switch (operation) {
    case Op::Product: value = a * b; break;
    case Op::Quotient: value = divide(a, b); break;
    case Op::RootOfProduct: value = root(a * b); break;
    case Op::RootOfQuotient: value = root(divide(a, b)); break;
    case Op::SquareTimes: value = a * a * b; break;
    case Op::SquareOver: value = divide(a * a, b); break;
    case Op::OverSquare: value = divide(a, b * b); break;
    }
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

} // namespace

const std::array<BasicLawFormula, BasicLawFormulaCount>& basicLawFormulas()
{
    return Formulas;
}

const std::array<std::size_t, BasicLawFormulaCount>& basicLawDisplayOrder()
{
    return DisplayOrder;
}

std::string basicLawResult(const BasicLawFormula& formula, std::string_view first, std::string_view second,
                           std::string_view decimalSeparator)
{
    const std::optional<double> a = parseFloat(first, decimalSeparator);
    const std::optional<double> b = parseFloat(second, decimalSeparator);
    if (!a || !b)
        return {};
    if (formula.zeroDivisorIsError && *b == 0.0)
        return "Error";
    const std::optional<double> value = evaluate(formula.operation, *a, *b);
    if (!value)
        return {};
    std::string text = formatFixed(*value, 18, 2, decimalSeparator);
    text += formula.suffix;
    return text;
}

BasicLawResults ElectricalBasicLawCalculation(const BasicLawInputs& inputs, std::string_view decimalSeparator)
{
    BasicLawResults results;
    for (std::size_t f = 0; f < BasicLawFormulaCount; ++f)
        results[f] = basicLawResult(Formulas[f], inputs[2 * f], inputs[2 * f + 1], decimalSeparator);
    return results;
}

std::vector<std::string> basicLawReportLines(const BasicLawInputs& inputs, const BasicLawResults& results)
{
    std::vector<std::string> lines;
    int number = 0;
    for (const std::size_t f : DisplayOrder) {
        const std::string& first = inputs[2 * f];
        const std::string& second = inputs[2 * f + 1];
        if (first.empty() || second.empty())
            continue;
        const BasicLawFormula& formula = Formulas[f];
        std::string line = std::to_string(++number);
        line += ": ";
        line += formula.reportBefore;
        line += first;
        line += formula.reportBetween;
        line += second;
        line += formula.reportAfter;
        line += results[f];
        lines.push_back(std::move(line));
        lines.emplace_back();
    }
    return lines;
}

} // namespace tvx::electrical
