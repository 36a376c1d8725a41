// Feeds arbitrary bytes to the table-file reader. Besides crashes and
// sanitizer reports it checks that whatever was loaded can be written and read
// back: the record count survives, and once written, a text reads back to the
// same text. (The first write may still change: a float given with more than
// 15 digits is written with 15, and calculated fields follow that.)
#include "common/Error.h"
#include "table/RecordTable.h"
#include "table/TableFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

std::vector<tvx::Field> schema()
{
    using tvx::Field;
    return {Field::text("FixtureName", 12).withLabel("Fixture Name"), Field::integer("No"),
            Field::floating("Power Factor").withLabel("pf").withRange(0, 1), Field::floating("Weight"),
            Field::floating("WeightLbs").calculated(), Field::text("Note", 50), Field::boolean("UseDipSwitch"),
            Field::boolean("DipSwitchOffset")};
}

void prepare(tvx::RecordTable& table)
{
    table.setSort("FixtureName");
    table.setCalculator([](tvx::Record& r) {
        const double* w = std::get_if<double>(&r.values[3]);
        r.values[4] = w ? *w * 2.20462262 : 0.0;
    });
    table.setFilter([](const tvx::Record& r) { return std::holds_alternative<bool>(r.values[6]); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const bool exportDialect = size > 0 && (data[0] & 1) != 0;

    tvx::RecordTable table(schema());
    prepare(table);
    table.setFiltered(size > 1 && (data[1] & 1) != 0);
    try {
        tvx::loadTableText(table, bytes, exportDialect ? tvx::ExportDialect : tvx::TableFileDialect);
    } catch (const tvx::Error&) {
    }
    if (table.totalCount() != table.physicalRecords().size())
        std::abort();

    auto reload = [](const std::string& text, std::size_t expectedCount) {
        tvx::RecordTable t(schema());
        prepare(t);
        tvx::loadTableText(t, text, tvx::TableFileDialect); // must not throw
        if (t.totalCount() != expectedCount)
            std::abort();
        return tvx::writeTableText(t);
    };
    const std::string once = reload(tvx::writeTableText(table), table.totalCount());
    if (reload(once, table.totalCount()) != once)
        std::abort();
    return 0;
}
