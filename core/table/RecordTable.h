#pragma once

#include "common/TextOrder.h"
#include "table/Field.h"
#include "table/FieldMapping.h"
#include "table/TableChange.h"
#include "table/Value.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tvx {

enum class SortDirection { Ascending, Descending };
enum class TableState { Browse, Edit, Insert };

// Text comparison of the sort index (TextCompare, TextSortKey): see
// common/TextOrder.h. The default is byte order, which for UTF-8 is
// code-point order.
using RecordFilter = std::function<bool(const Record&)>;
// Fills the calculated fields of a record from its stored fields.
using RecordCalculator = std::function<void(Record&)>;

// An in-memory table of typed records: a fixed schema, records in insertion
// (physical) order, an optional sort index and filter giving the visible rows,
// a current record with edit/post/cancel, and change notifications.
//
// Ordering: with a sort index the rows are ordered by the sort field, stably
// (equal keys keep their physical order); an empty value counts as lower than
// any value, so it comes first ascending and last descending. Without a sort
// index the rows are in physical order.
//
// Moving the cursor, sorting, filtering or appending through append()/insert()
// while a record is being edited posts it first, as leaving a record does.
class RecordTable {
public:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    explicit RecordTable(std::vector<Field> fields, std::string tableName = {});
    RecordTable(const RecordTable&) = delete;
    RecordTable& operator=(const RecordTable&) = delete;
    ~RecordTable();

    // --- schema
    const std::string& name() const { return name_; }
    std::size_t fieldCount() const { return fields_.size(); }
    const std::vector<Field>& fields() const { return fields_; }
    const Field& field(std::size_t index) const { return fields_.at(index); }
    // Exact field name.
    std::optional<std::size_t> indexOf(std::string_view fieldName) const;
    // Like indexOf, but an unknown name is a programming error (std::invalid_argument).
    std::size_t requireIndex(std::string_view fieldName) const;
    // First field whose display label equals the text, ASCII letter case ignored.
    std::optional<std::size_t> indexOfLabel(std::string_view label) const;

    // --- records
    std::size_t recordCount() const; // visible rows
    std::size_t totalCount() const { return records_.size(); }
    const Record& recordAt(std::size_t row) const; // visible row; std::out_of_range
    const Value& valueAt(std::size_t row, std::size_t field) const;
    // All records in physical order, filter ignored.
    const std::vector<Record>& physicalRecords() const { return records_; }
    // All records in the current order, filter ignored (what a file receives).
    std::vector<const Record*> recordsInOrder() const;
    std::optional<std::size_t> rowOf(RecordId id) const;
    // A record with one empty value per field, for appendRecord().
    Record newRecord() const;

    // --- current record
    bool hasCurrent() const { return currentRow() != npos; }
    std::size_t currentRow() const; // npos when there are no visible rows
    RecordId currentId() const;     // 0 when none
    // The edit buffer while editing, else the current stored record.
    // std::logic_error when there is no current record.
    const Record& currentRecord() const;
    const Value& value(std::size_t field) const { return currentRecord().values.at(field); }
    const Value& value(std::string_view fieldName) const { return value(requireIndex(fieldName)); }

    // Navigation returns whether the cursor is on a record afterwards / moved.
    bool first();
    bool last();
    bool next();
    bool prior();
    bool moveTo(std::size_t row);
    bool moveToId(RecordId id);
    bool bof() const; // after first(), or prior() on the first row, or no rows
    bool eof() const; // after last(), or next() on the last row, or no rows

    // --- editing
    TableState state() const { return state_; }
    void edit();   // edit the current record; on an empty view, append()
    void append(); // new record that goes to the physical end when posted
    void insert(); // new record that goes physically before the current one
    // Sets a value in the edit buffer: text is cut to its maximum length, an
    // int32 is accepted for a float field, a float outside its field's range
    // throws tvx::Error with the range message. Outside Edit/Insert, or with a
    // value of the wrong type, std::logic_error / std::invalid_argument.
    void setField(std::size_t field, Value value);
    void setField(std::string_view fieldName, Value value) { setField(requireIndex(fieldName), std::move(value)); }
    // Computes the calculated fields, stores the buffer and makes it current.
    void post();
    void cancel();
    void deleteCurrent(); // while inserting: cancels the insert
    void clear();
    // Fast path for loaders and merges: validates like setField, computes the
    // calculated fields and stores the record at the physical end without
    // touching the current record or the edit buffer. Returns the new id.
    RecordId appendRecord(Record record);

    // Keeps a table in step with another one record at a time (the merged
    // catalogues): stores `record`'s values as the record `id` (a new record
    // when id is 0 or unknown) and places it physically just before the
    // record `beforeId` (0: at the physical end). Validates like
    // appendRecord, keeps the cursor on its record and notifies
    // RecordPosted. Returns the record's id.
    RecordId putRecord(RecordId id, Record record, RecordId beforeId);
    // Removes the record `id` wherever it is; false when there is none.
    bool removeRecord(RecordId id);

    // --- calculated fields
    void setCalculator(RecordCalculator calculator) { calculator_ = std::move(calculator); }
    void recalculateAll();

    // --- sort index
    void setSort(std::size_t field, SortDirection direction = SortDirection::Ascending);
    void setSort(std::string_view fieldName, SortDirection direction = SortDirection::Ascending)
    {
        setSort(requireIndex(fieldName), direction);
    }
    void clearSort();
    std::optional<std::size_t> sortField() const { return sortField_; }
    SortDirection sortDirection() const { return sortDirection_; }
    // Empty function: byte order.
    void setTextCompare(TextCompare compare);
    // The comparison and its sort key (which must agree).
    void setTextOrder(TextOrder order);

    // --- filter: rows are the records passing the predicate while filtered
    void setFilter(RecordFilter filter);
    void setFiltered(bool on);
    bool isFiltered() const { return filtered_; }
    // Re-applies filter and sort (after the filter's own inputs changed).
    void refresh();

    // --- change notifications
    [[nodiscard]] Subscription subscribe(TableListener listener);
    // Between beginBulk and the matching endBulk no notification is sent and
    // the rows are rebuilt once at the end, followed by one Reset.
    void beginBulk();
    void endBulk();
    bool inBulk() const { return bulkDepth_ > 0; }

private:
    void validate(std::size_t field, Value& value) const;
    void validateRecord(Record& record) const;
    Record freshRecord() const;
    void calculate(Record& record) const;
    void autoPost();
    bool filterActive() const { return filtered_ && static_cast<bool>(filter_); }
    bool passes(const Record& record) const { return !filterActive() || filter_(record); }
    int compareKeys(std::uint32_t a, std::uint32_t b) const;
    bool rowLess(std::uint32_t a, std::uint32_t b) const;
    void sortIndices(std::vector<std::uint32_t>& indices) const;
    void ensureRows() const;
    void rebuildRows() const;
    void markDirty();
    std::size_t insertRow(std::uint32_t physical);
    std::size_t findRow(std::uint32_t physical) const;
    std::size_t physicalIndexOf(RecordId id) const;
    void shiftPhysical(std::uint32_t from, bool up);
    void notify(const TableChange& change);
    void notifyCurrentIfChanged(RecordId before);
    void notifyReset();

    std::string name_;
    std::vector<Field> fields_;
    std::vector<Record> records_;
    RecordId nextId_ = 1;

    // Visible rows (physical indices) in the current order. Rebuilt lazily
    // when dirty; then the cursor returns to keepId_ or the first row.
    mutable std::vector<std::uint32_t> rows_;
    mutable bool rowsDirty_ = false;
    mutable std::size_t currentRow_ = npos;
    mutable RecordId keepId_ = 0;
    mutable bool bof_ = true;
    mutable bool eof_ = true;

    std::optional<std::size_t> sortField_;
    SortDirection sortDirection_ = SortDirection::Ascending;
    TextCompare textCompare_;
    TextSortKey textSortKey_;
    RecordFilter filter_;
    bool filtered_ = false;
    RecordCalculator calculator_;

    TableState state_ = TableState::Browse;
    Record buffer_;
    RecordId insertBeforeId_ = 0;

    std::shared_ptr<detail::ListenerList> listeners_;
    int bulkDepth_ = 0;
};

// Scoped bulk update: RecordTable::beginBulk() now, endBulk() on scope exit.
class BulkUpdate {
public:
    explicit BulkUpdate(RecordTable& table) : table_(table) { table_.beginBulk(); }
    ~BulkUpdate() { table_.endBulk(); }
    BulkUpdate(const BulkUpdate&) = delete;
    BulkUpdate& operator=(const BulkUpdate&) = delete;

private:
    RecordTable& table_;
};

} // namespace tvx
