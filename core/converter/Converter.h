#pragma once

#include "converter/ConverterTables.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The General Converter's arithmetic and result texts, without any window.
namespace tvx::converter {

enum class ResultFormat { Normal, Exponent, Fixed };

inline constexpr int MinPrecision = 1;
inline constexpr int MaxPrecision = 15;
inline constexpr int MinDigits = 0;
inline constexpr int MaxDigits = 10;

// Display settings shared by all categories: P significant digits, D digits
// (decimals in Fixed, minimum exponent digits otherwise) and the format.
struct DisplaySettings {
    int precision = 15;
    int digits = 3;
    ResultFormat format = ResultFormat::Normal;
};

// Bring values read from a possibly damaged setup record into range.
int clampPrecision(int precision);                  // 1..15
int clampDigits(int digits);                        // 0..10
int clampUnitIndex(Category category, int index);   // 0..unitCount - 1
ResultFormat resultFormatFromStored(int stored);     // 0, 1, 2; anything else Normal
int storedResultFormat(ResultFormat format);
DisplaySettings clampSettings(const DisplaySettings& settings);

// value converted from unit `from` to unit `to` of the category (indexes are
// clamped). nullopt for a value that is not finite or a result that overflows;
// never NaN or infinity.
std::optional<double> convert(Category category, int from, int to, double value);

// Celcius 0, Fahrenheit 1, Kelvin 2 (clamped).
std::optional<double> convertTemperature(int from, int to, double value);

// The result text of a value in the given format (P and D clamped).
// decimalSeparator: the user's.
std::string formatResult(double value, const DisplaySettings& settings,
                         std::string_view decimalSeparator = ".");

// One category's From, To and entry text as the window holds them.
struct CategoryInput {
    int from = 0;
    int to = 0;
    std::string entry;
};

// Exchanges From and To (the "Invert Selection" button).
void switchUnits(CategoryInput& input);

// The result box text of one category: empty when the entry is empty, not a
// number (read with decimalSeparator) or the conversion fails.
std::string resultText(Category category, const CategoryInput& input, const DisplaySettings& settings,
                       std::string_view decimalSeparator = ".");

// All eight result texts, indexed by Category. A failing category empties only
// its own result.
using ConverterInputs = std::array<CategoryInput, CategoryCount>;
using ConverterResults = std::array<std::string, CategoryCount>;
ConverterResults conversionCalculation(const ConverterInputs& inputs, const DisplaySettings& settings,
                                       std::string_view decimalSeparator = ".");

} // namespace tvx::converter
