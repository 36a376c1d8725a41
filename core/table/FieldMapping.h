#pragma once

#include "table/Value.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace tvx {

class RecordTable;

// Copies records between two tables whose fields are matched by name (their
// order may differ). A target field without a source of the same name, or of
// an incompatible type, stays empty; an int32 source fills a float target.
class FieldMapping {
public:
    FieldMapping(const RecordTable& from, const RecordTable& to);
    Record apply(const Record& source) const; // the copy has id 0

private:
    struct Source {
        std::size_t index;
        bool intToFloat;
    };
    std::vector<std::optional<Source>> sources_;
};

Record remapRecord(const RecordTable& from, const Record& record, const RecordTable& to);

} // namespace tvx
