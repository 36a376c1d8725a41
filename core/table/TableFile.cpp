#include "table/TableFile.h"

#include "common/AtomicFile.h"
#include "common/Cp1252.h"
#include "common/Error.h"
#include "common/NumberText.h"
#include "table/RecordTable.h"
#include "table/TableMessages.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace tvx {

namespace {

constexpr char Quote = '"';
constexpr char Delimiter = ',';

bool isAscii(std::string_view text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

std::string toUtf8(std::string_view cp1252)
{
    return isAscii(cp1252) ? std::string(cp1252) : cp1252ToUtf8(cp1252);
}

// ---------------------------------------------------------------- writing

enum ByteClass : unsigned char { Plain, Special, High };

constexpr std::array<ByteClass, 256> ByteClasses = [] {
    std::array<ByteClass, 256> t{};
    for (int b = 0x80; b < 0x100; ++b)
        t[static_cast<std::size_t>(b)] = High;
    for (const unsigned char c : {'"', '%', '\0', '\n', '\r'})
        t[c] = Special;
    return t;
}();

// Builds the file text in one buffer. Each record reserves its worst case
// first, so the values are written through a plain pointer.
class TextWriter {
public:
    explicit TextWriter(std::size_t expected) { buf_.resize(std::max<std::size_t>(expected, 256)); }

    char* reserve(std::size_t n)
    {
        if (buf_.size() - pos_ < n)
            buf_.resize(std::max(buf_.size() * 2, pos_ + n));
        return buf_.data() + pos_;
    }
    void commit(char* end) { pos_ = static_cast<std::size_t>(end - buf_.data()); }
    std::string take()
    {
        buf_.resize(pos_);
        return std::move(buf_);
    }

private:
    std::string buf_;
    std::size_t pos_ = 0;
};

inline void prefetch(const void* address)
{
#if defined(__GNUC__)
    __builtin_prefetch(address);
#else
    (void)address;
#endif
}

// Room a value needs at most, its delimiter included.
std::size_t worstCase(const Value& value)
{
    if (const auto* text = std::get_if<std::string>(&value))
        return text->size() * 2 + 3; // every byte escaped, quotes, comma
    return 48;                        // numbers and booleans
}

// True when none of the eight bytes needs attention: no quote, %, NUL, LF,
// CR and nothing above 0x7F.
bool plainWord(std::uint64_t w)
{
    constexpr std::uint64_t ones = 0x0101010101010101ULL;
    constexpr std::uint64_t highs = 0x8080808080808080ULL;
    auto hasByte = [](std::uint64_t x, std::uint64_t v) {
        const std::uint64_t y = x ^ (ones * v);
        return (y - ones) & ~y & highs;
    };
    return ((w & highs) | hasByte(w, '"') | hasByte(w, '%') | hasByte(w, 0) | hasByte(w, '\n')
            | hasByte(w, '\r')) == 0;
}

// Quotes bytes, doubling inner quotes; with `escape` also NUL -> %0,
// LF -> %n, CR -> %c and % -> %% so a value never breaks a line. With
// `stopAtHigh` a byte above 0x7F aborts (returns nullptr): the text is UTF-8
// that needs converting first.
template <bool stopAtHigh>
char* putQuoted(char* p, std::string_view bytes, bool escape)
{
    const char* s = bytes.data();
    const std::size_t n = bytes.size();
    *p++ = Quote;
    std::size_t i = 0;
    while (i < n) {
        for (; i + 8 <= n; i += 8, p += 8) { // runs of plain text, eight bytes at a time
            std::uint64_t w;
            std::memcpy(&w, s + i, 8);
            if (!plainWord(w))
                break;
            std::memcpy(p, &w, 8);
        }
        for (const std::size_t stop = std::min(n, i + 8); i < stop; ++i) {
            const char c = s[i];
            const ByteClass cls = ByteClasses[static_cast<unsigned char>(c)];
            if (cls == Plain || (cls == High && !stopAtHigh)) {
                *p++ = c;
                continue;
            }
            if (cls == High)
                return nullptr;
            switch (c) {
            case '"': *p++ = '"'; *p++ = '"'; break;
            case '%': *p++ = '%'; if (escape) *p++ = '%'; break;
            case '\0': if (escape) { *p++ = '%'; *p++ = '0'; } else { *p++ = c; } break;
            case '\n': if (escape) { *p++ = '%'; *p++ = 'n'; } else { *p++ = c; } break;
            default: if (escape) { *p++ = '%'; *p++ = 'c'; } else { *p++ = c; } break;
            }
        }
    }
    *p++ = Quote;
    return p;
}

// UTF-8 text goes out as Windows-1252; ASCII text (nearly all of it) as is.
char* putText(char* p, std::string_view utf8, bool escape)
{
    if (char* end = putQuoted<true>(p, utf8, escape))
        return end;
    return putQuoted<false>(p, utf8ToCp1252(utf8), escape);
}

char* putValue(char* p, const Value& value)
{
    switch (value.index()) {
    case 1:
        return putText(p, *std::get_if<std::string>(&value), true);
    case 2: {
        *p++ = Quote;
        p = std::to_chars(p, p + 16, *std::get_if<std::int32_t>(&value)).ptr;
        *p++ = Quote;
        return p;
    }
    case 3: {
        const std::string text = formatGeneral(*std::get_if<double>(&value), 15, 0);
        *p++ = Quote;
        const std::size_t n = std::min<std::size_t>(text.size(), 40);
        std::memcpy(p, text.data(), n);
        p += n;
        *p++ = Quote;
        return p;
    }
    case 4: {
        const std::string_view text = *std::get_if<bool>(&value) ? "\"True\"" : "\"False\"";
        std::memcpy(p, text.data(), text.size());
        return p + text.size();
    }
    default: // no value: nothing at all
        return p;
    }
}

// ---------------------------------------------------------------- reading

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n' || c == '\0';
}

// Lines end at CR, LF or NUL; a run of them is one line end, so there are no
// blank lines.
class LineReader {
public:
    explicit LineReader(std::string_view bytes) : bytes_(bytes) {}

    bool next(std::string_view& line)
    {
        while (pos_ < bytes_.size() && isLineEnd(bytes_[pos_]))
            ++pos_;
        if (pos_ >= bytes_.size())
            return false;
        const std::size_t start = pos_;
        while (pos_ < bytes_.size() && !isLineEnd(bytes_[pos_]))
            ++pos_;
        line = bytes_.substr(start, pos_ - start);
        return true;
    }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

struct Cell {
    bool hasValue = false;
    std::string_view text; // raw bytes; valid until the next split
};

// Splits one line into values. A quoted value ends at a single quote and the
// byte after that quote is skipped whatever it is; "" inside gives one quote.
// An unquoted value runs to the next comma, or to the end of the line (such a
// last value is kept, so files of other programs keep their last column).
class CellSplitter {
public:
    CellSplitter(std::string_view line, std::string& scratch) : line_(line), scratch_(scratch) {}

    bool next(Cell& cell)
    {
        if (pos_ >= line_.size())
            return false;
        const char c = line_[pos_];
        if (c == Quote)
            return quoted(cell);
        if (c == Delimiter) {
            ++pos_;
            cell = Cell{false, {}};
            return true;
        }
        const std::size_t end = line_.find(Delimiter, pos_);
        if (end == std::string_view::npos) {
            cell = Cell{true, line_.substr(pos_)};
            pos_ = line_.size();
        } else {
            cell = Cell{true, line_.substr(pos_, end - pos_)};
            pos_ = end + 1;
        }
        return true;
    }

private:
    bool quoted(Cell& cell)
    {
        const std::size_t start = ++pos_;
        bool copied = false;
        scratch_.clear();
        for (;;) {
            const std::size_t q = line_.find(Quote, pos_);
            if (q == std::string_view::npos) {
                // The line ended inside the value: keep what came up to the
                // last doubled quote, if anything.
                pos_ = line_.size();
                if (!copied)
                    return false;
                cell = Cell{true, scratch_};
                return true;
            }
            if (q + 1 < line_.size() && line_[q + 1] == Quote) {
                scratch_.append(line_.substr(pos_, q + 1 - pos_));
                copied = true;
                pos_ = q + 2;
                continue;
            }
            std::string_view text;
            if (copied) {
                scratch_.append(line_.substr(pos_, q - pos_));
                text = scratch_;
            } else {
                text = line_.substr(start, q - start);
            }
            pos_ = std::min(q + 2, line_.size());
            cell = Cell{true, text};
            return true;
        }
    }

    std::string_view line_;
    std::string& scratch_;
    std::size_t pos_ = 0;
};

enum class Marker { None, Other, TableDefStart, TableDefEnd };

Marker markerOf(std::string_view text)
{
    if (text.size() < 4 || text[0] != '@')
        return Marker::None;
    if (text == "@@TABLEDEF START@@")
        return Marker::TableDefStart;
    if (text == "@@TABLEDEF END@@")
        return Marker::TableDefEnd;
    if (text == "@@FILE VERSION@@" || text == "@@INDEXDEF START@@" || text == "@@INDEXDEF END@@")
        return Marker::Other;
    return Marker::None;
}

// %% -> %, %0 -> NUL, %c -> CR, %n -> LF; % before any other byte gives that
// byte; a % at the very end stays.
void unescape(std::string_view raw, std::string& out)
{
    out.clear();
    out.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c != '%' || i + 1 >= raw.size()) {
            out += c;
            continue;
        }
        const char d = raw[++i];
        switch (d) {
        case '0': out += '\0'; break;
        case 'c': out += '\r'; break;
        case 'n': out += '\n'; break;
        default: out += d; break; // "%%" and unknown escapes
        }
    }
}

struct Column {
    std::size_t field = 0;
    FieldType type = FieldType::Text;
    bool used = false;
};

std::vector<Column> matchHeader(const RecordTable& table, CellSplitter& cells, const Cell& firstCell,
                                bool haveFirst, const TableDialect& dialect)
{
    std::vector<Column> columns;
    Cell cell = firstCell;
    for (bool any = haveFirst; any; any = cells.next(cell)) {
        Column column;
        if (cell.hasValue) {
            if (const auto index = table.indexOfLabel(toUtf8(cell.text))) {
                const Field& f = table.field(*index);
                if (!f.isCalculated() || dialect.fillCalculatedOnRead)
                    column = Column{*index, f.type, true};
            }
        }
        columns.push_back(column);
    }
    return columns;
}

class RecordReader {
public:
    explicit RecordReader(const RecordTable& table) : table_(table) {}

    void store(Record& record, const Column& column, const Cell& cell)
    {
        if (!cell.hasValue)
            return;
        Value& target = record.values[column.field];
        const std::string_view text = cell.text;
        switch (column.type) {
        case FieldType::Text:
            if (text.find('%') != std::string_view::npos) {
                unescape(text, unescaped_);
                target = toUtf8(unescaped_);
            } else {
                target = toUtf8(text);
            }
            break;
        case FieldType::Int:
            if (!text.empty()) {
                const auto n = parseInt(text);
                if (!n)
                    throw Error(tablemsg::invalidInteger(toUtf8(text), label(column)));
                target = *n;
            }
            break;
        case FieldType::Float:
            if (!text.empty()) {
                const auto d = parseFloat(text);
                if (!d)
                    throw Error(tablemsg::invalidFloat(toUtf8(text), label(column)));
                target = *d;
            }
            break;
        case FieldType::Bool:
            target = (text == "True");
            break;
        }
    }

private:
    const std::string& label(const Column& column) const
    {
        return table_.field(column.field).displayLabel();
    }

    const RecordTable& table_;
    std::string unescaped_;
};

} // namespace

// ---------------------------------------------------------------- public

std::string writeTableText(const RecordTable& table)
{
    const std::vector<Field>& fields = table.fields();
    const std::vector<const Record*> records = table.recordsInOrder();

    TextWriter out((records.size() + 1) * (fields.size() * 12 + 2));
    std::size_t headerRoom = 2;
    for (const Field& f : fields)
        headerRoom += f.displayLabel().size() * 2 + 3;
    char* p = out.reserve(headerRoom);
    for (const Field& f : fields) {
        p = putText(p, f.displayLabel(), false);
        *p++ = Delimiter;
    }
    *p++ = '\r';
    *p++ = '\n';
    out.commit(p);

    for (std::size_t k = 0; k < records.size(); ++k) {
        // Sorted records lie all over the heap: fetch the next ones early.
        if (k + 8 < records.size())
            prefetch(records[k + 8]);
        if (k + 2 < records.size()) {
            const std::vector<Value>& next = records[k + 2]->values;
            const char* data = reinterpret_cast<const char*>(next.data());
            const std::size_t size = next.size() * sizeof(Value);
            for (std::size_t off = 0; off < size; off += 64)
                prefetch(data + off);
        }
        const Record* record = records[k];
        const std::size_t n = std::min(fields.size(), record->values.size());
        std::size_t room = fields.size() + 2;
        for (std::size_t i = 0; i < n; ++i)
            room += worstCase(record->values[i]);
        p = out.reserve(room);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i < n)
                p = putValue(p, record->values[i]);
            *p++ = Delimiter;
        }
        *p++ = '\r';
        *p++ = '\n';
        out.commit(p);
    }
    return out.take();
}

void saveTableFile(const std::filesystem::path& path, const RecordTable& table)
{
    writeFileAtomic(path, writeTableText(table));
}

LoadResult loadTableText(RecordTable& table, std::string_view bytes, const TableDialect& dialect)
{
    LoadResult result;
    if (bytes.empty())
        return result;

    BulkUpdate bulk(table); // one re-sort and one Reset, even when a bad value stops us
    LineReader lines(bytes);
    RecordReader reader(table);
    std::string scratch;
    std::vector<Column> columns;
    bool haveHeader = false;
    bool inTableDef = false;
    std::string_view line;
    while (lines.next(line)) {
        CellSplitter cells(line, scratch);
        Cell cell;
        bool any = cells.next(cell);
        const Marker marker = any && cell.hasValue ? markerOf(cell.text) : Marker::None;
        if (inTableDef) {
            if (marker == Marker::TableDefEnd)
                inTableDef = false;
            continue;
        }
        if (marker != Marker::None) {
            inTableDef = marker == Marker::TableDefStart;
            continue;
        }
        if (!haveHeader) {
            columns = matchHeader(table, cells, cell, any, dialect);
            haveHeader = true;
            continue;
        }
        Record record = table.newRecord();
        for (std::size_t col = 0; any && col < columns.size(); ++col) {
            if (columns[col].used)
                reader.store(record, columns[col], cell);
            any = cells.next(cell);
        }
        table.appendRecord(std::move(record));
        ++result.recordsAdded;
    }
    return result;
}

LoadResult loadTableFile(const std::filesystem::path& path, RecordTable& table, const TableDialect& dialect)
{
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        throw FileError("Cannot open file \"" + path.string() + "\": " + std::strerror(errno));

    std::string bytes;
    char block[65536];
    for (;;) {
        const std::size_t n = std::fread(block, 1, sizeof block, file.get());
        bytes.append(block, n);
        if (n < sizeof block)
            break;
    }
    if (std::ferror(file.get()))
        throw FileError("Cannot read file \"" + path.string() + "\": " + std::strerror(errno));
    file.reset();
    return loadTableText(table, bytes, dialect);
}

} // namespace tvx
