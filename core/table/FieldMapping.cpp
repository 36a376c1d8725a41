#include "table/FieldMapping.h"

#include "table/RecordTable.h"

namespace tvx {

FieldMapping::FieldMapping(const RecordTable& from, const RecordTable& to)
{
    sources_.reserve(to.fieldCount());
    for (const Field& target : to.fields()) {
        std::optional<Source> source;
        if (const auto index = from.indexOf(target.name)) {
            const FieldType type = from.field(*index).type;
            if (type == target.type)
                source = Source{*index, false};
            else if (type == FieldType::Int && target.type == FieldType::Float)
                source = Source{*index, true};
        }
        sources_.push_back(source);
    }
}

Record FieldMapping::apply(const Record& source) const
{
    Record out;
    out.values.resize(sources_.size());
    for (std::size_t i = 0; i < sources_.size(); ++i) {
        const auto& s = sources_[i];
        if (!s || s->index >= source.values.size())
            continue;
        const Value& v = source.values[s->index];
        if (s->intToFloat) {
            if (const auto* n = std::get_if<std::int32_t>(&v))
                out.values[i] = static_cast<double>(*n);
        } else {
            out.values[i] = v;
        }
    }
    return out;
}

Record remapRecord(const RecordTable& from, const Record& record, const RecordTable& to)
{
    return FieldMapping(from, to).apply(record);
}

} // namespace tvx
