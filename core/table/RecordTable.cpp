#include "table/RecordTable.h"

#include "common/Cp1252.h"
#include "common/Error.h"
#include "table/TableMessages.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace tvx {

namespace {

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoreAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    }
    return true;
}

template <typename T>
int threeWay(const T& a, const T& b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

// NaN sorts below every number, so the order stays a strict weak ordering.
int compareDoubles(double a, double b)
{
    const bool na = std::isnan(a);
    const bool nb = std::isnan(b);
    if (na || nb)
        return na == nb ? 0 : (na ? -1 : 1);
    return threeWay(a, b);
}

const char* typeName(FieldType type)
{
    switch (type) {
    case FieldType::Text: return "text";
    case FieldType::Int: return "integer";
    case FieldType::Float: return "float";
    case FieldType::Bool: return "boolean";
    }
    return "?";
}

} // namespace

RecordTable::RecordTable(std::vector<Field> fields, std::string tableName)
    : name_(std::move(tableName)), fields_(std::move(fields)),
      listeners_(std::make_shared<detail::ListenerList>())
{
    if (fields_.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::invalid_argument("record table: too many fields");
}

RecordTable::~RecordTable() = default;

// ---------------------------------------------------------------- schema

std::optional<std::size_t> RecordTable::indexOf(std::string_view fieldName) const
{
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i].name == fieldName)
            return i;
    }
    return std::nullopt;
}

std::size_t RecordTable::requireIndex(std::string_view fieldName) const
{
    if (const auto index = indexOf(fieldName))
        return *index;
    throw std::invalid_argument("record table " + name_ + ": no field named '" + std::string(fieldName) + "'");
}

std::optional<std::size_t> RecordTable::indexOfLabel(std::string_view label) const
{
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (equalsIgnoreAsciiCase(fields_[i].displayLabel(), label))
            return i;
    }
    return std::nullopt;
}

// ---------------------------------------------------------------- validation

void RecordTable::validate(std::size_t index, Value& value) const
{
    if (isEmpty(value))
        return;
    const Field& f = fields_[index];
    bool ok = false;
    switch (f.type) {
    case FieldType::Text:
        if (auto* text = std::get_if<std::string>(&value)) {
            ok = true;
            // Byte length bounds the character count, so most texts need no scan.
            if (f.maxLength > 0 && text->size() > f.maxLength && utf8Length(*text) > f.maxLength)
                *text = utf8Left(*text, f.maxLength);
        }
        break;
    case FieldType::Int:
        ok = std::holds_alternative<std::int32_t>(value);
        break;
    case FieldType::Float:
        if (const auto* i = std::get_if<std::int32_t>(&value))
            value = static_cast<double>(*i);
        if (const auto* d = std::get_if<double>(&value)) {
            ok = true;
            if (f.range && !(*d >= f.range->min && *d <= f.range->max))
                throw Error(tablemsg::outOfRange(*d, f.displayLabel(), f.range->min, f.range->max));
        }
        break;
    case FieldType::Bool:
        ok = std::holds_alternative<bool>(value);
        break;
    }
    if (!ok)
        throw std::invalid_argument("record table " + name_ + ": field '" + f.name + "' takes a "
                                    + typeName(f.type) + " value");
}

void RecordTable::validateRecord(Record& record) const
{
    if (record.values.size() > fields_.size())
        throw std::invalid_argument("record table " + name_ + ": record has more values than fields");
    record.values.resize(fields_.size());
    for (std::size_t i = 0; i < fields_.size(); ++i)
        validate(i, record.values[i]);
}

void RecordTable::calculate(Record& record) const
{
    if (calculator_) {
        calculator_(record);
        record.values.resize(fields_.size()); // whatever the calculator did
    }
}

Record RecordTable::newRecord() const
{
    Record r;
    r.values.resize(fields_.size());
    return r;
}

Record RecordTable::freshRecord() const
{
    Record r;
    r.values.reserve(fields_.size());
    for (const Field& f : fields_)
        r.values.push_back(f.defaultValue);
    return r;
}

// ---------------------------------------------------------------- rows

int RecordTable::compareKeys(std::uint32_t a, std::uint32_t b) const
{
    const Value& va = records_[a].values[*sortField_];
    const Value& vb = records_[b].values[*sortField_];
    if (va.index() != vb.index())
        return threeWay(va.index(), vb.index()); // empty (index 0) first
    switch (va.index()) {
    case 1: {
        const std::string& x = *std::get_if<std::string>(&va);
        const std::string& y = *std::get_if<std::string>(&vb);
        if (textCompare_)
            return textCompare_(x, y);
        return threeWay(std::string_view(x).compare(y), 0);
    }
    case 2: return threeWay(*std::get_if<std::int32_t>(&va), *std::get_if<std::int32_t>(&vb));
    case 3: return compareDoubles(*std::get_if<double>(&va), *std::get_if<double>(&vb));
    case 4: return threeWay(*std::get_if<bool>(&va), *std::get_if<bool>(&vb));
    default: return 0;
    }
}

// The total order of rows: the sort key, then the physical position (which is
// what makes the sort stable and lets single rows be placed by binary search).
bool RecordTable::rowLess(std::uint32_t a, std::uint32_t b) const
{
    if (sortField_) {
        const int c = compareKeys(a, b);
        if (c != 0)
            return sortDirection_ == SortDirection::Ascending ? c < 0 : c > 0;
    }
    return a < b;
}

void RecordTable::sortIndices(std::vector<std::uint32_t>& indices) const
{
    if (!sortField_)
        return;
    const std::size_t f = *sortField_;
    const bool ascending = sortDirection_ == SortDirection::Ascending;
    if (fields_[f].type != FieldType::Text) {
        std::stable_sort(indices.begin(), indices.end(), [&](std::uint32_t a, std::uint32_t b) {
            const int c = compareKeys(a, b);
            return ascending ? c < 0 : c > 0;
        });
        return;
    }
    // Text keys are gathered first: sorting then touches only the keys and
    // their characters, not every record on the way.
    struct Key {
        std::string_view text;
        std::uint32_t index;
        std::uint32_t kind; // Value index: 0 empty, 1 text
    };
    if (textSortKey_) {
        // One collation key per row, then plain byte comparisons.
        struct Keyed {
            std::string key;
            std::uint32_t index;
            std::uint32_t kind;
        };
        std::vector<Keyed> keyed;
        keyed.reserve(indices.size());
        for (const std::uint32_t i : indices) {
            const Value& v = records_[i].values[f];
            const auto* text = std::get_if<std::string>(&v);
            keyed.push_back({text ? textSortKey_(*text) : std::string(), i, static_cast<std::uint32_t>(v.index())});
        }
        std::stable_sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) {
            int c = threeWay(a.kind, b.kind);
            if (c == 0 && a.kind == 1)
                c = threeWay(a.key.compare(b.key), 0);
            return ascending ? c < 0 : c > 0;
        });
        for (std::size_t k = 0; k < keyed.size(); ++k)
            indices[k] = keyed[k].index;
        return;
    }
    std::vector<Key> keys;
    keys.reserve(indices.size());
    for (const std::uint32_t i : indices) {
        const Value& v = records_[i].values[f];
        const auto* text = std::get_if<std::string>(&v);
        keys.push_back({text ? std::string_view(*text) : std::string_view(), i, static_cast<std::uint32_t>(v.index())});
    }
    std::stable_sort(keys.begin(), keys.end(), [&](const Key& a, const Key& b) {
        int c = threeWay(a.kind, b.kind);
        if (c == 0 && a.kind == 1)
            c = textCompare_ ? textCompare_(a.text, b.text) : threeWay(a.text.compare(b.text), 0);
        return ascending ? c < 0 : c > 0;
    });
    for (std::size_t k = 0; k < keys.size(); ++k)
        indices[k] = keys[k].index;
}

void RecordTable::ensureRows() const
{
    if (rowsDirty_)
        rebuildRows();
}

void RecordTable::rebuildRows() const
{
    rows_.clear();
    rows_.reserve(records_.size());
    const bool filtering = filterActive();
    for (std::size_t i = 0; i < records_.size(); ++i) {
        if (!filtering || filter_(records_[i]))
            rows_.push_back(static_cast<std::uint32_t>(i));
    }
    sortIndices(rows_);
    rowsDirty_ = false;
    currentRow_ = rows_.empty() ? npos : 0;
    if (keepId_ != 0) {
        for (std::size_t r = 0; r < rows_.size(); ++r) {
            if (records_[rows_[r]].id == keepId_) {
                currentRow_ = r;
                break;
            }
        }
    }
    keepId_ = 0;
    bof_ = eof_ = rows_.empty();
}

void RecordTable::markDirty()
{
    if (!rowsDirty_) {
        keepId_ = currentRow_ != npos ? records_[rows_[currentRow_]].id : 0;
        rowsDirty_ = true;
    }
}

// Places a visible record into clean rows; keeps the cursor on its record.
std::size_t RecordTable::insertRow(std::uint32_t physical)
{
    const auto it = std::lower_bound(rows_.begin(), rows_.end(), physical,
                                     [this](std::uint32_t a, std::uint32_t b) { return rowLess(a, b); });
    const auto pos = static_cast<std::size_t>(it - rows_.begin());
    rows_.insert(it, physical);
    if (currentRow_ != npos && pos <= currentRow_)
        ++currentRow_;
    return pos;
}

std::size_t RecordTable::findRow(std::uint32_t physical) const
{
    if (currentRow_ != npos && rows_[currentRow_] == physical)
        return currentRow_;
    const auto it = std::find(rows_.begin(), rows_.end(), physical);
    return it == rows_.end() ? npos : static_cast<std::size_t>(it - rows_.begin());
}

std::size_t RecordTable::physicalIndexOf(RecordId id) const
{
    for (std::size_t i = 0; i < records_.size(); ++i) {
        if (records_[i].id == id)
            return i;
    }
    return npos;
}

// Renumbers the rows after a record was inserted at / removed from `from`.
void RecordTable::shiftPhysical(std::uint32_t from, bool up)
{
    for (auto& p : rows_) {
        if (up ? p >= from : p > from)
            up ? ++p : --p;
    }
}

std::size_t RecordTable::recordCount() const
{
    ensureRows();
    return rows_.size();
}

const Record& RecordTable::recordAt(std::size_t row) const
{
    ensureRows();
    return records_[rows_.at(row)];
}

const Value& RecordTable::valueAt(std::size_t row, std::size_t field) const
{
    return recordAt(row).values.at(field);
}

std::vector<const Record*> RecordTable::recordsInOrder() const
{
    ensureRows();
    std::vector<std::uint32_t> all;
    const std::vector<std::uint32_t>* order = &rows_;
    if (filterActive()) {
        all.resize(records_.size());
        for (std::size_t i = 0; i < all.size(); ++i)
            all[i] = static_cast<std::uint32_t>(i);
        sortIndices(all);
        order = &all;
    }
    std::vector<const Record*> out;
    out.reserve(order->size());
    for (const std::uint32_t p : *order)
        out.push_back(&records_[p]);
    return out;
}

std::optional<std::size_t> RecordTable::rowOf(RecordId id) const
{
    ensureRows();
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        if (records_[rows_[r]].id == id)
            return r;
    }
    return std::nullopt;
}

// ---------------------------------------------------------------- cursor

std::size_t RecordTable::currentRow() const
{
    ensureRows();
    return currentRow_;
}

RecordId RecordTable::currentId() const
{
    ensureRows();
    return currentRow_ == npos ? 0 : records_[rows_[currentRow_]].id;
}

const Record& RecordTable::currentRecord() const
{
    if (state_ != TableState::Browse)
        return buffer_;
    ensureRows();
    if (currentRow_ == npos)
        throw std::logic_error("record table " + name_ + ": no current record");
    return records_[rows_[currentRow_]];
}

bool RecordTable::bof() const
{
    ensureRows();
    return bof_;
}

bool RecordTable::eof() const
{
    ensureRows();
    return eof_;
}

bool RecordTable::first()
{
    autoPost();
    ensureRows();
    const RecordId before = currentId();
    bof_ = true;
    eof_ = rows_.empty();
    currentRow_ = rows_.empty() ? npos : 0;
    notifyCurrentIfChanged(before);
    return currentRow_ != npos;
}

bool RecordTable::last()
{
    autoPost();
    ensureRows();
    const RecordId before = currentId();
    eof_ = true;
    bof_ = rows_.empty();
    currentRow_ = rows_.empty() ? npos : rows_.size() - 1;
    notifyCurrentIfChanged(before);
    return currentRow_ != npos;
}

bool RecordTable::next()
{
    autoPost();
    ensureRows();
    if (currentRow_ == npos || currentRow_ + 1 >= rows_.size()) {
        eof_ = true;
        return false;
    }
    const RecordId before = currentId();
    ++currentRow_;
    bof_ = eof_ = false;
    notifyCurrentIfChanged(before);
    return true;
}

bool RecordTable::prior()
{
    autoPost();
    ensureRows();
    if (currentRow_ == npos || currentRow_ == 0) {
        bof_ = true;
        return false;
    }
    const RecordId before = currentId();
    --currentRow_;
    bof_ = eof_ = false;
    notifyCurrentIfChanged(before);
    return true;
}

bool RecordTable::moveTo(std::size_t row)
{
    autoPost();
    ensureRows();
    if (row >= rows_.size())
        return false;
    const RecordId before = currentId();
    currentRow_ = row;
    bof_ = eof_ = false;
    notifyCurrentIfChanged(before);
    return true;
}

bool RecordTable::moveToId(RecordId id)
{
    const auto row = rowOf(id);
    return row && moveTo(*row);
}

// ---------------------------------------------------------------- editing

void RecordTable::autoPost()
{
    if (state_ != TableState::Browse)
        post();
}

void RecordTable::edit()
{
    if (state_ != TableState::Browse)
        return;
    ensureRows();
    if (currentRow_ == npos) {
        append();
        return;
    }
    buffer_ = records_[rows_[currentRow_]];
    state_ = TableState::Edit;
}

void RecordTable::append()
{
    autoPost();
    buffer_ = freshRecord();
    insertBeforeId_ = 0;
    state_ = TableState::Insert;
}

void RecordTable::insert()
{
    autoPost();
    buffer_ = freshRecord();
    insertBeforeId_ = currentId();
    state_ = TableState::Insert;
}

void RecordTable::setField(std::size_t field, Value value)
{
    if (state_ == TableState::Browse)
        throw std::logic_error("record table " + name_ + ": setField outside edit or insert");
    if (field >= fields_.size())
        throw std::out_of_range("record table " + name_ + ": field index out of range");
    validate(field, value);
    buffer_.values[field] = std::move(value);
}

void RecordTable::post()
{
    if (state_ == TableState::Browse)
        return;
    Record record = buffer_;
    calculate(record);

    const RecordId before = state_ == TableState::Edit ? record.id : currentId();
    const bool wasInsert = state_ == TableState::Insert;
    std::size_t physical = npos;
    if (!wasInsert) {
        physical = physicalIndexOf(record.id);
        if (physical == npos) { // deleted behind our back: nothing to store
            cancel();
            return;
        }
    } else {
        record.id = nextId_++;
        physical = insertBeforeId_ != 0 ? physicalIndexOf(insertBeforeId_) : npos;
        if (physical == npos)
            physical = records_.size();
    }
    const RecordId id = record.id;
    const auto p = static_cast<std::uint32_t>(physical);

    if (rowsDirty_ || inBulk()) {
        markDirty();
        if (wasInsert)
            records_.insert(records_.begin() + static_cast<std::ptrdiff_t>(p), std::move(record));
        else
            records_[p] = std::move(record);
        keepId_ = passes(records_[p]) ? id : keepId_;
    } else {
        std::size_t oldRow = npos;
        if (wasInsert) {
            records_.insert(records_.begin() + static_cast<std::ptrdiff_t>(p), std::move(record));
            shiftPhysical(p, true);
        } else {
            oldRow = findRow(p);
            if (oldRow != npos) {
                rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(oldRow));
                if (currentRow_ == oldRow)
                    currentRow_ = npos; // placed again below
                else if (currentRow_ != npos && currentRow_ > oldRow)
                    --currentRow_;
            }
            records_[p] = std::move(record);
        }
        if (passes(records_[p])) {
            currentRow_ = insertRow(p);
        } else if (!wasInsert && oldRow != npos) {
            // The edited record left the view: its successor becomes current.
            currentRow_ = std::min(oldRow, rows_.size() - 1);
        }
        if (rows_.empty())
            currentRow_ = npos;
        else if (currentRow_ == npos)
            currentRow_ = 0;
        bof_ = eof_ = rows_.empty();
    }
    state_ = TableState::Browse;
    buffer_ = Record{};
    notify({TableChange::Kind::RecordPosted, id, wasInsert});
    notifyCurrentIfChanged(before);
}

void RecordTable::cancel()
{
    state_ = TableState::Browse;
    buffer_ = Record{};
    insertBeforeId_ = 0;
}

void RecordTable::deleteCurrent()
{
    if (state_ == TableState::Insert) {
        cancel();
        return;
    }
    cancel();
    ensureRows();
    if (currentRow_ == npos)
        return;
    const std::size_t row = currentRow_;
    const std::uint32_t p = rows_[row];
    const RecordId id = records_[p].id;
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
    records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(p));
    shiftPhysical(p, false);
    currentRow_ = rows_.empty() ? npos : std::min(row, rows_.size() - 1);
    bof_ = eof_ = rows_.empty();
    notify({TableChange::Kind::RecordDeleted, id, false});
    notifyCurrentIfChanged(id);
}

void RecordTable::clear()
{
    cancel();
    records_.clear();
    rows_.clear();
    rowsDirty_ = false;
    keepId_ = 0;
    currentRow_ = npos;
    bof_ = eof_ = true;
    notifyReset();
}

RecordId RecordTable::appendRecord(Record record)
{
    validateRecord(record);
    calculate(record);
    if (records_.size() >= std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("record table " + name_ + ": too many records");
    record.id = nextId_++;
    const RecordId id = record.id;
    const RecordId before = rowsDirty_ ? 0 : currentId();
    records_.push_back(std::move(record));

    if (rowsDirty_ || inBulk()) {
        markDirty();
        return id;
    }
    const auto p = static_cast<std::uint32_t>(records_.size() - 1);
    if (passes(records_[p])) {
        const std::size_t pos = insertRow(p);
        if (currentRow_ == npos) {
            currentRow_ = pos;
            bof_ = eof_ = false;
        }
    }
    notify({TableChange::Kind::RecordPosted, id, true});
    notifyCurrentIfChanged(before);
    return id;
}

void RecordTable::recalculateAll()
{
    autoPost();
    if (!calculator_)
        return;
    for (Record& r : records_)
        calculate(r);
    markDirty();
    notifyReset();
}

// ---------------------------------------------------------------- sort and filter

void RecordTable::setSort(std::size_t field, SortDirection direction)
{
    if (field >= fields_.size())
        throw std::out_of_range("record table " + name_ + ": sort field out of range");
    autoPost();
    sortField_ = field;
    sortDirection_ = direction;
    markDirty();
    notifyReset();
}

void RecordTable::clearSort()
{
    autoPost();
    sortField_.reset();
    markDirty();
    notifyReset();
}

void RecordTable::setTextCompare(TextCompare compare)
{
    setTextOrder({std::move(compare), {}});
}

void RecordTable::setTextOrder(TextOrder order)
{
    autoPost();
    textCompare_ = std::move(order.compare);
    textSortKey_ = std::move(order.sortKey);
    markDirty();
    notifyReset();
}

void RecordTable::setFilter(RecordFilter filter)
{
    autoPost();
    filter_ = std::move(filter);
    if (filtered_) {
        markDirty();
        notifyReset();
    }
}

void RecordTable::setFiltered(bool on)
{
    autoPost();
    if (filtered_ == on)
        return;
    filtered_ = on;
    markDirty();
    notifyReset();
}

void RecordTable::refresh()
{
    autoPost();
    markDirty();
    notifyReset();
}

// ---------------------------------------------------------------- notifications

Subscription RecordTable::subscribe(TableListener listener)
{
    const std::uint64_t id = listeners_->add(std::move(listener));
    return Subscription(listeners_, id);
}

void RecordTable::beginBulk()
{
    ++bulkDepth_;
}

void RecordTable::endBulk()
{
    if (bulkDepth_ == 0)
        return;
    if (--bulkDepth_ == 0)
        notifyReset();
}

void RecordTable::notify(const TableChange& change)
{
    if (!inBulk())
        listeners_->notify(change);
}

void RecordTable::notifyCurrentIfChanged(RecordId before)
{
    if (inBulk() || listeners_->empty())
        return;
    const RecordId now = currentId();
    if (now != before)
        listeners_->notify({TableChange::Kind::CurrentChanged, now, false});
}

// Subscribers get consistent rows when they look at the table.
void RecordTable::notifyReset()
{
    if (inBulk())
        return;
    ensureRows();
    listeners_->notify({TableChange::Kind::Reset, 0, false});
}

} // namespace tvx
