#include "table/TableFile.h"

#include "common/Error.h"
#include "table/RecordTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

using namespace tvx;
using namespace std::string_literals;

namespace {

const std::filesystem::path DataDir = std::filesystem::path(TVX_TEST_DATA_DIR) / "table";

std::string readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<Field> roadCaseSchema()
{
    return {Field::integer("No"),       Field::text("Name", 30),   Field::text("Description", 50),
            Field::floating("Length"),  Field::floating("Width"),  Field::floating("Height"),
            Field::floating("Weight")};
}

// Fixture-like tables: the default and the user catalogue differ in the order
// of their last two columns; pf has a range, WeightLbs is calculated.
std::vector<Field> fixtureSchema(bool offsetFirst)
{
    std::vector<Field> f{Field::text("FixtureName", 50).withLabel("Fixture Name"),
                         Field::floating("Power Factor").withLabel("pf").withRange(0, 1),
                         Field::floating("Weight"), Field::floating("WeightLbs").calculated()};
    Field use = Field::boolean("UseDipSwitch");
    Field offset = Field::boolean("DipSwitchOffset");
    if (offsetFirst) {
        f.push_back(offset);
        f.push_back(use);
    } else {
        f.push_back(use);
        f.push_back(offset);
    }
    return f;
}

void addRow(RecordTable& t, std::vector<Value> values)
{
    Record r = t.newRecord();
    for (std::size_t i = 0; i < values.size(); ++i)
        r.values[i] = std::move(values[i]);
    t.appendRecord(std::move(r));
}

std::string text(const RecordTable& t, std::size_t row, std::string_view field)
{
    const Value& v = t.valueAt(row, t.requireIndex(field));
    return isEmpty(v) ? "<empty>" : std::get<std::string>(v);
}

// Fills the road-case table the fixture file RoadCase.dbu was written from.
void fillRoadCases(RecordTable& t)
{
    addRow(t, {1, "Flight case 1"s, {}, 1200.0, 600.5, 1e20, 1.5e-6});
    addRow(t, {2, "Caf\xC3\xA9 \"deluxe\", 50%"s, "line1\r\nline2"s, {}, {}, {}, 1.0 / 3});
    addRow(t, {-7, "%\""s});
    addRow(t, {});
}

std::string loadError(RecordTable& t, std::string_view bytes)
{
    try {
        loadTableText(t, bytes, TableFileDialect);
    } catch (const Error& e) {
        return e.what();
    }
    return "no error";
}

} // namespace

// ---------------------------------------------------------------- writing

TEST(TableFileWrite, HeaderAndRecordsByteForByte)
{
    RecordTable t(roadCaseSchema());
    EXPECT_EQ(writeTableText(t), "\"No\",\"Name\",\"Description\",\"Length\",\"Width\",\"Height\",\"Weight\",\r\n");

    fillRoadCases(t);
    EXPECT_EQ(writeTableText(t), readBytes(DataDir / "RoadCase.dbu"));
}

TEST(TableFileWrite, ValueEncodings)
{
    RecordTable t({Field::text("T", 50).withLabel("Ti\"tle"), Field::integer("I"), Field::floating("F"),
                   Field::boolean("B")});
    struct Case {
        std::vector<Value> values;
        std::string line;
    };
    const Case cases[] = {
        {{"%\""s, {}, {}, {}}, "\"%%\"\"\",,,,\r\n"}, // six bytes for a percent and a quote
        {{"a\0b"s, -2147483647 - 1, 0.1 + 0.2, true}, "\"a%0b\",\"-2147483648\",\"0.3\",\"True\",\r\n"},
        {{""s, 0, -1.5e-6, false}, "\"\",\"0\",\"-1.5E-6\",\"False\",\r\n"},
        {{{}, {}, 1e15, {}}, ",,\"1E15\",,\r\n"},
        {{{}, {}, 123456789012345.0, {}}, ",,\"123456789012345\",,\r\n"},
        {{{}, {}, 0.00001, {}}, ",,\"0.00001\",,\r\n"},
        {{"\xE2\x82\xAC \xC3\xA9 \xE2\x9C\x93"s, {}, {}, {}}, "\"\x80 \xE9 ?\",,,,\r\n"}, // euro, e-acute, no such character
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        t.clear();
        addRow(t, c.values);
        const std::string out = writeTableText(t);
        EXPECT_EQ(out, "\"Ti\"\"tle\",\"I\",\"F\",\"B\",\r\n" + c.line);
    }
}

TEST(TableFileWrite, AllRecordsInCurrentOrderDespiteTheFilter)
{
    RecordTable t(roadCaseSchema());
    for (int no : {3, 1, 2})
        addRow(t, {no});
    t.setSort("No", SortDirection::Descending);
    t.setFilter([](const Record& r) { return std::get<std::int32_t>(r.values[0]) == 1; });
    t.setFiltered(true);
    const std::string out = writeTableText(t);
    EXPECT_NE(out.find("\"3\",,,,,,,\r\n\"2\",,,,,,,\r\n\"1\",,,,,,,\r\n"), std::string::npos);
    EXPECT_EQ(t.recordCount(), 1u);
}

TEST(TableFileWrite, SaveReplacesTheFileOrFailsWithFileError)
{
    const auto dir = std::filesystem::temp_directory_path() / "tvx_table_file_test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    RecordTable t(roadCaseSchema());
    fillRoadCases(t);
    saveTableFile(dir / "cases.dbu", t);
    EXPECT_EQ(readBytes(dir / "cases.dbu"), readBytes(DataDir / "RoadCase.dbu"));
    EXPECT_THROW(saveTableFile(dir / "missing" / "cases.dbu", t), FileError);
    std::filesystem::remove_all(dir);
}

// ---------------------------------------------------------------- round trip and matching

TEST(TableFileRead, RoundTripKeepsEveryValue)
{
    RecordTable written(roadCaseSchema());
    fillRoadCases(written);
    addRow(written, {0, "\"\"\r\r\n\n%%%n,\0,"s, "\""s, -0.0, 1e-300, 1e300, 2.5});

    RecordTable read(roadCaseSchema());
    const LoadResult result = loadTableText(read, writeTableText(written), TableFileDialect);
    EXPECT_EQ(result.recordsAdded, written.totalCount());
    ASSERT_EQ(read.totalCount(), written.totalCount());
    for (std::size_t row = 0; row < read.totalCount(); ++row) {
        for (std::size_t f = 0; f < read.fieldCount(); ++f) {
            SCOPED_TRACE("row " + std::to_string(row) + " field " + std::to_string(f));
            const Value& w = written.valueAt(row, f);
            const Value& r = read.valueAt(row, f);
            if (const double* d = std::get_if<double>(&w)) // 15 significant digits are kept
                EXPECT_NEAR(std::get<double>(r), *d, std::abs(*d) * 1e-15);
            else
                EXPECT_EQ(r, w);
        }
    }
    EXPECT_EQ(text(read, 4, "Name"), "\"\"\r\r\n\n%%%n,\0,"s);
}

TEST(TableFileRead, ForeignFileWithMarkersUnixLinesAndNoTrailingComma)
{
    // Header in another order and case, unquoted values, blank lines, a CR-only
    // line end, a definition section, extra and missing values, and the last
    // column's values at the very end of their lines.
    RecordTable t(roadCaseSchema());
    EXPECT_EQ(loadTableFile(DataDir / "ForeignTool.csv", t, TableFileDialect).recordsAdded, 4u);
    ASSERT_EQ(t.totalCount(), 4u);
    const std::vector<std::vector<Value>> expected = {
        {1, "Truss case"s, {}, {}, {}, {}, 2.5},
        {2, "Cable \"trunk\""s, {}, {}, {}, {}, 10.0},
        {3, "Empty weight"s, {}, {}, {}, {}, {}},
        {{}, "Short"s, {}, {}, {}, {}, 7.0},
    };
    for (std::size_t row = 0; row < expected.size(); ++row)
        EXPECT_EQ(t.recordAt(row).values, expected[row]) << "row " << row;
}

TEST(TableFileRead, LineEndsDoNotMatter)
{
    const std::string lines[] = {"\"No\",\"Name\",", "\"1\",\"a\",", "\"2\",\"b\","};
    for (const char* end : {"\r\n", "\n", "\r", "\r\n\r\n\n", "\0"}) {
        const std::string sep = *end == '\0' ? "\0"s : std::string(end);
        std::string bytes = sep + lines[0] + sep + sep + lines[1] + sep + lines[2];
        RecordTable t(roadCaseSchema());
        loadTableText(t, bytes, TableFileDialect);
        ASSERT_EQ(t.totalCount(), 2u);
        EXPECT_EQ(text(t, 1, "Name"), "b");
    }
}

TEST(TableFileRead, SwappedBooleanColumnsLoadIntoTheRightFields)
{
    RecordTable defaults(fixtureSchema(true));
    RecordTable user(fixtureSchema(false));
    addRow(defaults, {"Spot"s, 0.9, 10.0, {}, true, false}); // DipSwitchOffset, UseDipSwitch
    addRow(user, {"Wash"s, 0.5, 20.0, {}, true, false});     // UseDipSwitch, DipSwitchOffset

    const std::string defaultsFile = writeTableText(defaults);
    const std::string userFile = writeTableText(user);
    loadTableText(user, defaultsFile, TableFileDialect);
    loadTableText(defaults, userFile, TableFileDialect);
    for (RecordTable* t : {&defaults, &user}) {
        ASSERT_EQ(t->totalCount(), 2u);
        const std::size_t use = t->requireIndex("UseDipSwitch");
        const std::size_t offset = t->requireIndex("DipSwitchOffset");
        for (std::size_t row = 0; row < 2; ++row) {
            const bool spot = text(*t, row, "FixtureName") == "Spot";
            EXPECT_EQ(std::get<bool>(t->valueAt(row, use)), !spot);
            EXPECT_EQ(std::get<bool>(t->valueAt(row, offset)), spot);
        }
    }
}

TEST(TableFileRead, CalculatedColumnsAreFilledOnlyByTheTableFileDialect)
{
    const std::string file = "\"Fixture Name\",\"WeightLbs\",\r\n\"Spot\",\"22\",\r\n";
    RecordTable tableFile(fixtureSchema(true));
    RecordTable exported(fixtureSchema(true));
    loadTableText(tableFile, file, TableFileDialect);
    loadTableText(exported, file, ExportDialect);
    EXPECT_EQ(std::get<double>(tableFile.valueAt(0, 3)), 22.0);
    EXPECT_TRUE(isEmpty(exported.valueAt(0, 3)));

    // A table with a calculator always ends up with its own derived values.
    RecordTable calculated(fixtureSchema(true));
    calculated.setCalculator([](Record& r) { r.values[3] = 1.0; });
    loadTableText(calculated, file, TableFileDialect);
    EXPECT_EQ(std::get<double>(calculated.valueAt(0, 3)), 1.0);
}

TEST(TableFileRead, ValueRulesPerType)
{
    const std::string header = "\"No\",\"Name\",\"Length\",\"Flag\",\r\n";
    RecordTable schemaOwner({Field::integer("No"), Field::text("Name", 12), Field::floating("Length"),
                             Field::boolean("Flag")});
    struct Case {
        std::string line;
        std::vector<Value> values;
    };
    const Case cases[] = {
        {"\"1\",\"a\",\"1.5\",\"True\",", {1, "a"s, 1.5, true}},
        {",,,\"true\",", {{}, {}, {}, false}},
        {",,,\"1\",", {{}, {}, {}, false}},
        {",,,\"\",", {{}, {}, {}, false}},
        {"\"\",\"\",\"\",", {{}, ""s, {}, {}}},            // "" is an empty number, an empty text
        {"\" 42\",\"abcdefghijklmn\",\"1e3\",", {42, "abcdefghijkl"s, 1000.0, {}}}, // text cut to 12
        {"\"1\",\"x\",\"2\",\"False\",\"surplus\",\"9\",", {1, "x"s, 2.0, false}},
        {"\"1\",", {1, {}, {}, {}}},
        {",\"50%% %c%n%0 %x %\",", {{}, "50% \r\n\0 x %"s, {}, {}}}, // unknown escape keeps the byte; lone % stays
        {",\"\xE9\x80\",", {{}, "\xC3\xA9\xE2\x82\xAC"s, {}, {}}},      // Windows-1252 bytes
        {",\"ab\"x,\"cd\",", {{}, "ab"s, {}, false}},    // the byte after a closing quote is skipped: 3rd value empty
        {",\"ab\"\"cd", {{}, "ab\""s, {}, {}}},          // line ends inside a quoted value
        {",\"abcd", {{}, {}, {}, {}}},
        {"\"", {{}, {}, {}, {}}},
        {",\"\"\"", {{}, "\""s, {}, {}}},
        {"7,plain,8.25", {7, "plain"s, 8.25, {}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        RecordTable t(schemaOwner.fields());
        loadTableText(t, header + c.line + "\r\n", TableFileDialect);
        ASSERT_EQ(t.totalCount(), 1u);
        EXPECT_EQ(t.recordAt(0).values, c.values);
    }
}

// ---------------------------------------------------------------- loading into a table

TEST(TableFileRead, AppendsSortsOnceAndKeepsTheCurrentRecord)
{
    RecordTable t(roadCaseSchema());
    addRow(t, {5, "e"s});
    addRow(t, {2, "b"s});
    t.setSort("No");
    t.last(); // No 5
    int resets = 0;
    int others = 0;
    auto sub = t.subscribe([&](const TableChange& c) { (c.kind == TableChange::Kind::Reset ? resets : others)++; });

    const std::string file = "\"No\",\r\n\"4\",\r\n\"1\",\r\n\"3\",\r\n";
    EXPECT_EQ(loadTableText(t, file, TableFileDialect).recordsAdded, 3u);
    EXPECT_EQ(loadTableText(t, file, TableFileDialect).recordsAdded, 3u); // twice: doubled
    EXPECT_EQ(resets, 2);
    EXPECT_EQ(others, 0);
    ASSERT_EQ(t.totalCount(), 8u);
    std::vector<int> nos;
    for (std::size_t row = 0; row < t.recordCount(); ++row)
        nos.push_back(std::get<std::int32_t>(t.valueAt(row, 0)));
    EXPECT_EQ(nos, (std::vector<int>{1, 1, 2, 3, 3, 4, 4, 5}));
    EXPECT_EQ(std::get<std::int32_t>(t.value("No")), 5);

    RecordTable empty(roadCaseSchema());
    loadTableText(empty, file, TableFileDialect);
    EXPECT_EQ(empty.currentRow(), 0u); // nothing was current: the first is
}

TEST(TableFileRead, EmptyAndMissingFiles)
{
    const auto dir = std::filesystem::temp_directory_path() / "tvx_table_file_empty";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "empty.dbu").close();
    RecordTable t(roadCaseSchema());
    addRow(t, {1});
    EXPECT_EQ(loadTableFile(dir / "empty.dbu", t, TableFileDialect).recordsAdded, 0u);
    EXPECT_EQ(t.totalCount(), 1u);
    EXPECT_THROW(loadTableFile(dir / "nope.dbu", t, TableFileDialect), FileError);
    EXPECT_THROW(loadTableFile(dir, t, TableFileDialect), FileError); // a folder is no file
    std::filesystem::remove_all(dir);

    // A header alone, or only markers, loads nothing either.
    EXPECT_EQ(loadTableText(t, "\"No\",\r\n", TableFileDialect).recordsAdded, 0u);
    EXPECT_EQ(loadTableText(t, "@@FILE VERSION@@\r\n@@TABLEDEF START@@\r\n\"No\",\r\n\"1\",\r\n",
                            TableFileDialect).recordsAdded, 0u);
}

TEST(TableFileRead, BadNumbersStopTheLoadWithTheirMessages)
{
    struct Case {
        std::string badLine;
        std::string message;
    };
    const Case cases[] = {
        {"\"x1\",,,,,,,", "'x1' is not a valid integer value for field 'No'"},
        {"\"1.5\",,,,,,,", "'1.5' is not a valid integer value for field 'No'"},
        {"\"99999999999\",,,,,,,", "'99999999999' is not a valid integer value for field 'No'"},
        {"x1,,,,,,,", "'x1' is not a valid integer value for field 'No'"},
        {",,,\"1,5\",,,,", "'1,5' is not a valid floating point value for field 'Length'"},
        {",,,,\"12 m\",,,", "'12 m' is not a valid floating point value for field 'Width'"},
        {",,,,,,\"\xE9\",", "'\xC3\xA9' is not a valid floating point value for field 'Weight'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.badLine);
        RecordTable t(roadCaseSchema());
        t.setSort("No", SortDirection::Descending);
        int resets = 0;
        auto sub = t.subscribe([&](const TableChange& ch) { resets += ch.kind == TableChange::Kind::Reset; });
        const std::string file = "\"No\",\"Name\",\"Description\",\"Length\",\"Width\",\"Height\",\"Weight\",\r\n"
                                 "\"1\",\r\n\"2\",\r\n" + c.badLine + "\r\n\"3\",\r\n";
        EXPECT_EQ(loadError(t, file), c.message);
        ASSERT_EQ(t.totalCount(), 2u); // the lines before stay, sorted and announced
        EXPECT_EQ(std::get<std::int32_t>(t.valueAt(0, 0)), 2);
        EXPECT_EQ(resets, 1);
    }
}

TEST(TableFileRead, FloatOutsideItsRangeStopsTheLoad)
{
    RecordTable t(fixtureSchema(false));
    const std::string file = "\"Fixture Name\",\"pf\",\r\n\"A\",\"0.95\",\r\n\"B\",\"1.5\",\r\n\"C\",\"1\",\r\n";
    EXPECT_EQ(loadError(t, file), "1.5 is not a valid value for field 'pf'. The allowed range is 0 to 1");
    EXPECT_EQ(t.totalCount(), 1u);
}

// ---------------------------------------------------------------- robustness

namespace {

std::vector<Field> robustSchema()
{
    return {Field::integer("No"), Field::text("Name", 8), Field::floating("pf").withRange(0, 1),
            Field::floating("Weight"), Field::floating("Lbs").calculated(), Field::boolean("Flag")};
}

void prepareRobust(RecordTable& t)
{
    t.setSort("Name");
    t.setCalculator([](Record& r) {
        const double* w = std::get_if<double>(&r.values[3]);
        r.values[4] = w ? *w * 2 : 0.0;
    });
}

// Loads whatever the bytes hold; afterwards the table must be consistent, and
// what it writes must read back with the same records. Once written, a text
// reads back to the very same text (the first write may shorten a float given
// with more than 15 digits, and the calculated field follows that).
void loadAnything(std::string_view bytes)
{
    RecordTable t(robustSchema());
    prepareRobust(t);
    try {
        loadTableText(t, bytes, TableFileDialect);
    } catch (const Error&) {
        // bad numbers and ranges are reported, never crash
    }
    ASSERT_EQ(t.recordCount(), t.totalCount());
    auto reload = [&t](const std::string& text) {
        RecordTable again(robustSchema());
        prepareRobust(again);
        loadTableText(again, text, TableFileDialect);
        EXPECT_EQ(again.totalCount(), t.totalCount());
        return writeTableText(again);
    };
    const std::string once = reload(writeTableText(t));
    ASSERT_EQ(reload(once), once);
}

std::string validRobustFile()
{
    RecordTable t(robustSchema());
    const char* names[] = {"a\"b", "%,%", "\r\n", "\xC3\xA9t\xC3\xA9", "", "x%n", "\"\"", "long long name"};
    for (int i = 0; i < 24; ++i) {
        Record r = t.newRecord();
        if (i % 5 != 0)
            r.values[0] = i * 1000 - 7;
        if (i % 7 != 3)
            r.values[1] = std::string(names[i % 8]);
        if (i % 3 == 0)
            r.values[2] = i / 24.0;
        r.values[3] = i % 4 == 0 ? Value{} : Value{1.0 / (i + 1) * (i % 2 ? 1e-7 : 1e12)};
        r.values[5] = i % 2 == 0;
        t.appendRecord(r);
    }
    return writeTableText(t);
}

} // namespace

TEST(TableFileRobustness, TruncatedFiles)
{
    const std::string valid = validRobustFile();
    for (std::size_t n = 0; n <= valid.size(); ++n)
        ASSERT_NO_FATAL_FAILURE(loadAnything(std::string_view(valid).substr(0, n))) << "length " << n;
}

TEST(TableFileRobustness, GarbageAndMutations)
{
    std::mt19937 rng(20240611);
    const std::string alphabet = "\"\",,,%%%\r\n\0aTrue0159.-eE@ \xE9\x80\xFF"s;
    const std::string valid = validRobustFile();
    for (int i = 0; i < 3000; ++i) {
        std::string bytes;
        if (i % 2 == 0) {
            bytes.resize(rng() % 200);
            for (char& c : bytes)
                c = rng() % 4 == 0 ? static_cast<char>(rng()) : alphabet[rng() % alphabet.size()];
            if (i % 4 == 0) // behind a valid header, so the values are parsed too
                bytes = "\"No\",\"Name\",\"pf\",\"Weight\",\"Lbs\",\"Flag\",\r\n" + bytes;
        } else {
            bytes = valid;
            for (int k = 0, flips = 1 + static_cast<int>(rng() % 8); k < flips; ++k)
                bytes[rng() % bytes.size()] = alphabet[rng() % alphabet.size()];
        }
        ASSERT_NO_FATAL_FAILURE(loadAnything(bytes)) << "case " << i;
    }
}

TEST(TableFileRobustness, HugeInputs)
{
    const std::string header = "\"No\",\"Name\",\"Weight\",\r\n";
    const std::string cases[] = {
        header + std::string(1'000'000, 'x'),                // one huge unquoted value
        header + "\"" + std::string(1'000'000, 'y'),         // a quote that never closes
        std::string(1'000'001, '"'),                         // quotes only
        header + std::string(1'000'000, ','),                // a line of empty values
        header + std::string(500'000, '%'),                  // escapes without end
        std::string(1'000'000, '\n') + header,               // line ends only, then a header
        header + [] {                                        // many short lines
            std::string s;
            for (int i = 0; i < 30'000; ++i)
                s += "\"1\",\"\"\"\",\"2.5\",\n";
            return s;
        }(),
    };
    for (const std::string& bytes : cases)
        ASSERT_NO_FATAL_FAILURE(loadAnything(bytes)) << bytes.substr(0, 40);
}
