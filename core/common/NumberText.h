#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The one place where a number becomes text and text becomes a number.
// Files always use "." as decimal separator; windows pass the separator of the
// user's locale in.
namespace tvx {

enum class FloatFormat { General, Exponent, Fixed };

// precision: significant digits (1..18); digits: decimals for Fixed, minimum
// exponent digits (0..4) for General and Exponent.
std::string formatFloat(double value, FloatFormat format, int precision, int digits,
                        std::string_view decimalSeparator = ".");

inline std::string formatGeneral(double value, int precision = 15, int digits = 0,
                                 std::string_view decimalSeparator = ".")
{
    return formatFloat(value, FloatFormat::General, precision, digits, decimalSeparator);
}
inline std::string formatExponent(double value, int precision, int digits,
                                  std::string_view decimalSeparator = ".")
{
    return formatFloat(value, FloatFormat::Exponent, precision, digits, decimalSeparator);
}
inline std::string formatFixed(double value, int precision, int digits,
                               std::string_view decimalSeparator = ".")
{
    return formatFloat(value, FloatFormat::Fixed, precision, digits, decimalSeparator);
}

// Display masks such as "#.##' lm'", "0.#", "Total: #.# Kg", "#,##0.00;(#,##0.00)".
std::string formatMask(double value, std::string_view mask,
                       std::string_view decimalSeparator = ".",
                       std::string_view thousandSeparator = ",");

// Round half to even (120.5 -> 120, 121.5 -> 122).
double bankersRound(double value);

// Locale-free parsing with the program's validity rules. nullopt = invalid.
std::optional<std::int32_t> parseInt(std::string_view text);
std::optional<double> parseFloat(std::string_view text, std::string_view decimalSeparator = ".");

} // namespace tvx
