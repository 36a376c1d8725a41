#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// Table files: comma-separated text in Windows-1252. A header line of quoted
// column titles, then one line per record; every value quoted, an empty value
// written as nothing; every line ends with "," CR LF.
namespace tvx {

class RecordTable;

// The two ways the program reads table files. Writing is the same for both.
struct TableDialect {
    // Fill calculated fields from their columns when reading (their values
    // are recomputed by the table's calculator anyway, when it has one).
    bool fillCalculatedOnRead = true;
};

// Catalogue and list files.
inline constexpr TableDialect TableFileDialect{true};
// CSV exports: on reading only stored fields are filled.
inline constexpr TableDialect ExportDialect{false};

struct LoadResult {
    std::size_t recordsAdded = 0;
};

// The whole file text: header and every record of the table in its current
// order, records hidden by the filter included.
std::string writeTableText(const RecordTable& table);

// Writes through a temporary file; on failure throws FileError and the old
// file stays as it was.
void saveTableFile(const std::filesystem::path& path, const RecordTable& table);

// Appends the records of a table file's text to the table (which is never
// emptied first), then rebuilds the table's order once; the current record
// stays current when it still exists, else the first becomes current.
// A bad number or a float outside its field's range stops the load with
// tvx::Error; the records read before that line stay in the table.
// Never reads outside `bytes`, whatever they hold.
LoadResult loadTableText(RecordTable& table, std::string_view bytes, const TableDialect& dialect);

// loadTableText on the file's bytes; FileError when it cannot be read.
LoadResult loadTableFile(const std::filesystem::path& path, RecordTable& table,
                         const TableDialect& dialect);

} // namespace tvx
