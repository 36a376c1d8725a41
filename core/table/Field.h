#pragma once

#include "table/Value.h"

#include <cstddef>
#include <optional>
#include <string>
#include <utility>

namespace tvx {

enum class FieldType { Text, Int, Float, Bool };

// Stored fields hold what the user typed or the file carried; calculated
// fields are filled by the table owner's calculator on every post.
enum class FieldKind { Stored, Calculated };

struct FloatRange {
    double min = 0;
    double max = 0;
};

// One column of a record table. Built with the factories and the with...()
// setters, e.g. Field::floating("Lumens").withFormat("#.##' lm'").withWidth(6).
struct Field {
    std::string name;
    FieldType type = FieldType::Text;
    std::size_t maxLength = 0;     // text only: maximum characters, 0 = no limit
    FieldKind kind = FieldKind::Stored;
    std::string label;             // column title; empty: the name serves
    std::string displayFormat;     // number mask used when the value is shown
    int displayWidth = 0;          // default column width in characters
    std::optional<FloatRange> range; // float only: allowed values
    Value defaultValue;            // value of a record created by append()/insert()

    static Field text(std::string fieldName, std::size_t maxChars)
    {
        Field f;
        f.name = std::move(fieldName);
        f.type = FieldType::Text;
        f.maxLength = maxChars;
        return f;
    }
    static Field integer(std::string fieldName) { return make(std::move(fieldName), FieldType::Int); }
    static Field floating(std::string fieldName) { return make(std::move(fieldName), FieldType::Float); }
    static Field boolean(std::string fieldName) { return make(std::move(fieldName), FieldType::Bool); }

    Field withLabel(std::string text) && { label = std::move(text); return std::move(*this); }
    Field withFormat(std::string mask) && { displayFormat = std::move(mask); return std::move(*this); }
    Field withWidth(int chars) && { displayWidth = chars; return std::move(*this); }
    Field withRange(double min, double max) && { range = FloatRange{min, max}; return std::move(*this); }
    Field withDefault(Value value) && { defaultValue = std::move(value); return std::move(*this); }
    Field calculated() && { kind = FieldKind::Calculated; return std::move(*this); }

    // The text shown as column title and written as file header.
    const std::string& displayLabel() const { return label.empty() ? name : label; }
    bool isCalculated() const { return kind == FieldKind::Calculated; }

private:
    static Field make(std::string fieldName, FieldType fieldType)
    {
        Field f;
        f.name = std::move(fieldName);
        f.type = fieldType;
        return f;
    }
};

} // namespace tvx
