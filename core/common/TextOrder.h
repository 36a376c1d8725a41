#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tvx {

// How texts are ordered when a table is sorted: a comparison (<0, 0, >0 like
// strcmp) and, optionally, a sort key whose plain byte order agrees with it.
// Sorting many rows computes each key once instead of comparing texts
// n log n times through the collation.
using TextCompare = std::function<int(std::string_view, std::string_view)>;
using TextSortKey = std::function<std::string(std::string_view)>;

struct TextOrder {
    TextCompare compare; // empty: byte order (code-point order for UTF-8)
    TextSortKey sortKey; // empty: sorts use `compare`
};

// The collation of the user's locale (LC_ALL, LC_COLLATE or LANG), letter
// case significant. A locale that is named but not installed falls back to
// code-point order.
TextOrder systemTextOrder();

} // namespace tvx
