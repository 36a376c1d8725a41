#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace tvx {

// One field value of a record. std::monostate means the field holds no value
// (written as nothing at all in table files). Text is UTF-8.
using Value = std::variant<std::monostate, std::string, std::int32_t, double, bool>;

inline bool isEmpty(const Value& value)
{
    return std::holds_alternative<std::monostate>(value);
}

// Stable identity of a record inside one table; 0 is never used.
using RecordId = std::uint64_t;

// A record: its id (assigned by the table when the record is stored) and one
// value per field, in the table's field order.
struct Record {
    RecordId id = 0;
    std::vector<Value> values;

    const Value& operator[](std::size_t field) const { return values[field]; }
    Value& operator[](std::size_t field) { return values[field]; }
};

} // namespace tvx
