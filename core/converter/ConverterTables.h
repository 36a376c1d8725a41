#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

// The General Converter's data: the eight unit categories, their unit names in
// drop-down order, and one conversion factor per (From, To) pair for every
// category but temperature (which needs an offset and has its own formulas).
namespace tvx::converter {

// In the order the results are recomputed.
enum class Category { Mass, Volume, Length, Area, Time, Speed, Light, Temperature };

inline constexpr int CategoryCount = 8;

inline constexpr std::array<Category, CategoryCount> AllCategories{
    Category::Mass, Category::Volume, Category::Length, Category::Area,
    Category::Time, Category::Speed, Category::Light, Category::Temperature};

// The order in which the setup record keeps the categories (From/To indexes
// and entry values).
inline constexpr std::array<Category, CategoryCount> SetupRecordOrder{
    Category::Mass, Category::Volume, Category::Time, Category::Temperature,
    Category::Length, Category::Area, Category::Speed, Category::Light};

// The group title of a category: "Mass", "Volume", ...
std::string_view categoryLabel(Category category);

// Unit names as the From and To lists show them, index 0 first.
std::span<const std::string_view> unitNames(Category category);
int unitCount(Category category);

// One entry of a factor table: the result is entry * value, or entry / value
// when divide is set (used where the factor would be a repeating decimal,
// e.g. Day -> Leap year is entry / 366).
struct Factor {
    long double value;
    bool divide;
};

// A square table, row = From index, column = To index.
struct FactorTable {
    int size = 0;
    std::span<const Factor> factors;

    Factor at(int from, int to) const
    {
        return factors[static_cast<std::size_t>(from * size + to)];
    }
};

// The factor table of a category; Temperature has none (size 0).
FactorTable factorTable(Category category);

} // namespace tvx::converter
