#include "converter/Converter.h"

#include "common/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace tvx::converter {
namespace {

enum Temperature { Celcius = 0, Fahrenheit = 1, Kelvin = 2 };

std::optional<double> finiteOrNothing(long double result)
{
    const double narrowed = static_cast<double>(result);
    if (!std::isfinite(narrowed))
        return std::nullopt;
    return narrowed;
}

FloatFormat floatFormatOf(ResultFormat format)
{
    switch (format) {
    case ResultFormat::Exponent: return FloatFormat::Exponent;
    case ResultFormat::Fixed: return FloatFormat::Fixed;
    case ResultFormat::Normal: break;
    }
    return FloatFormat::General;
}

} // namespace

int clampPrecision(int precision)
{
    return std::clamp(precision, MinPrecision, MaxPrecision);
}

int clampDigits(int digits)
{
    return std::clamp(digits, MinDigits, MaxDigits);
}

int clampUnitIndex(Category category, int index)
{
    return std::clamp(index, 0, unitCount(category) - 1);
}

ResultFormat resultFormatFromStored(int stored)
{
    switch (stored) {
    case 1: return ResultFormat::Exponent;
    case 2: return ResultFormat::Fixed;
    default: return ResultFormat::Normal;
    }
}

int storedResultFormat(ResultFormat format)
{
    switch (format) {
    case ResultFormat::Exponent: return 1;
    case ResultFormat::Fixed: return 2;
    case ResultFormat::Normal: break;
    }
    return 0;
}

DisplaySettings clampSettings(const DisplaySettings& settings)
{
    return {clampPrecision(settings.precision), clampDigits(settings.digits),
            resultFormatFromStored(storedResultFormat(settings.format))};
}

std::optional<double> convertTemperature(int from, int to, double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    from = clampUnitIndex(Category::Temperature, from);
    to = clampUnitIndex(Category::Temperature, to);
    if (from == to)
        return value;

    // Through Celcius, which gives exactly the formula of each pair:
    // F = C x 1.8 + 32, C = (F - 32) / 1.8, K = C + 273.15. Done in double, the
    // precision the entry was read in, so that -273.15 Celcius -> Kelvin
    // cancels to exactly 0.
    double celcius = value;
    if (from == Fahrenheit)
        celcius = (value - 32.0) / 1.8;
    else if (from == Kelvin)
        celcius = value - 273.15;

    switch (to) {
    case Fahrenheit: return finiteOrNothing(celcius * 1.8 + 32.0);
    case Kelvin: return finiteOrNothing(celcius + 273.15);
    default: return finiteOrNothing(celcius);
    }
}

std::optional<double> convert(Category category, int from, int to, double value)
{
    if (category == Category::Temperature)
        return convertTemperature(from, to, value);
    if (!std::isfinite(value))
        return std::nullopt;
    const FactorTable table = factorTable(category);
    if (table.size == 0)
        return std::nullopt;
    const Factor f = table.at(clampUnitIndex(category, from), clampUnitIndex(category, to));
    const long double x = value;
    return finiteOrNothing(f.divide ? x / f.value : x * f.value);
}

std::string formatResult(double value, const DisplaySettings& settings, std::string_view decimalSeparator)
{
    const DisplaySettings s = clampSettings(settings);
    // Normal and Exponent count at most 4 exponent digits; the number module
    // caps D there itself.
    return formatFloat(value, floatFormatOf(s.format), s.precision, s.digits, decimalSeparator);
}

void switchUnits(CategoryInput& input)
{
    std::swap(input.from, input.to);
}

std::string resultText(Category category, const CategoryInput& input, const DisplaySettings& settings,
                       std::string_view decimalSeparator)
{
    const std::optional<double> value = parseFloat(input.entry, decimalSeparator);
    if (!value)
        return {};
    const std::optional<double> result = convert(category, input.from, input.to, *value);
    if (!result)
        return {};
    return formatResult(*result, settings, decimalSeparator);
}

ConverterResults conversionCalculation(const ConverterInputs& inputs, const DisplaySettings& settings,
                                       std::string_view decimalSeparator)
{
    ConverterResults results;
    for (const Category category : AllCategories) {
        const auto i = static_cast<std::size_t>(category);
        results[i] = resultText(category, inputs[i], settings, decimalSeparator);
    }
    return results;
}

} // namespace tvx::converter
