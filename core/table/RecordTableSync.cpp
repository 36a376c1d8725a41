// RecordTable operations that keep one table in step with another record by
// record, without touching the edit buffer.
#include "table/RecordTable.h"

#include <limits>
#include <stdexcept>

namespace tvx {

RecordId RecordTable::putRecord(RecordId id, Record record, RecordId beforeId)
{
    autoPost();
    validateRecord(record);
    calculate(record);
    const bool clean = !rowsDirty_ && !inBulk();
    const RecordId current = clean ? currentId() : 0;

    std::size_t old = id != 0 ? physicalIndexOf(id) : npos;
    const bool isNew = old == npos;
    if (isNew) {
        if (records_.size() >= std::numeric_limits<std::uint32_t>::max())
            throw std::length_error("record table " + name_ + ": too many records");
        id = nextId_++;
    } else {
        if (clean) {
            const std::size_t row = findRow(static_cast<std::uint32_t>(old));
            if (row != npos)
                rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
            shiftPhysical(static_cast<std::uint32_t>(old), false);
        }
        records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(old));
    }
    record.id = id;

    std::size_t at = beforeId != 0 ? physicalIndexOf(beforeId) : npos;
    if (at == npos)
        at = records_.size();
    records_.insert(records_.begin() + static_cast<std::ptrdiff_t>(at), std::move(record));

    if (!clean) {
        markDirty();
    } else {
        const auto p = static_cast<std::uint32_t>(at);
        shiftPhysical(p, true);
        if (passes(records_[p]))
            insertRow(p);
        // The cursor stays on the record it was on (or the first row).
        currentRow_ = rows_.empty() ? npos : 0;
        if (current != 0) {
            for (std::size_t r = 0; r < rows_.size(); ++r) {
                if (records_[rows_[r]].id == current) {
                    currentRow_ = r;
                    break;
                }
            }
        }
        bof_ = eof_ = rows_.empty();
    }
    notify({TableChange::Kind::RecordPosted, id, isNew});
    if (clean)
        notifyCurrentIfChanged(current);
    return id;
}

bool RecordTable::removeRecord(RecordId id)
{
    autoPost();
    const std::size_t p = physicalIndexOf(id);
    if (p == npos)
        return false;
    const bool clean = !rowsDirty_ && !inBulk();
    const RecordId current = clean ? currentId() : 0;
    if (clean) {
        const std::size_t row = findRow(static_cast<std::uint32_t>(p));
        if (row != npos) {
            rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
            if (currentRow_ != npos && row < currentRow_)
                --currentRow_;
            else if (currentRow_ == row)
                currentRow_ = rows_.empty() ? npos : std::min(row, rows_.size() - 1);
        }
        shiftPhysical(static_cast<std::uint32_t>(p), false);
        bof_ = eof_ = rows_.empty();
    } else {
        markDirty();
    }
    records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(p));
    notify({TableChange::Kind::RecordDeleted, id, false});
    if (clean)
        notifyCurrentIfChanged(current);
    return true;
}

} // namespace tvx
