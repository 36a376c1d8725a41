#include "table/RecordTable.h"

#include "common/Error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

using namespace tvx;

namespace {

// A small road-case-like table: No, Name (text 10), Weight (0..1000), Flag.
std::vector<Field> smallSchema()
{
    return {
        Field::integer("No"),
        Field::text("Name", 10),
        Field::floating("Weight").withRange(0, 1000),
        Field::boolean("Flag").withLabel("Is Flag"),
    };
}

RecordId add(RecordTable& t, int no, std::string name, Value weight = {})
{
    Record r = t.newRecord();
    r.values[0] = static_cast<std::int32_t>(no);
    r.values[1] = std::move(name);
    r.values[2] = std::move(weight);
    return t.appendRecord(std::move(r));
}

std::vector<int> visibleNos(const RecordTable& t)
{
    std::vector<int> out;
    for (std::size_t row = 0; row < t.recordCount(); ++row) {
        const Value& v = t.valueAt(row, 0);
        out.push_back(isEmpty(v) ? -1 : std::get<std::int32_t>(v));
    }
    return out;
}

int currentNo(const RecordTable& t)
{
    return std::get<std::int32_t>(t.value("No"));
}

int caseInsensitive(std::string_view a, std::string_view b)
{
    std::string x(a), y(b);
    for (auto& c : x) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (auto& c : y) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return x.compare(y);
}

struct Recorder {
    std::vector<TableChange> changes;
    Subscription sub;
    explicit Recorder(RecordTable& t) : sub(t.subscribe([this](const TableChange& c) { changes.push_back(c); })) {}
    std::size_t count(TableChange::Kind kind) const
    {
        return static_cast<std::size_t>(std::count_if(changes.begin(), changes.end(),
                                                      [kind](const TableChange& c) { return c.kind == kind; }));
    }
};

} // namespace

TEST(RecordTableSchema, LooksUpFieldsByNameAndByLabelIgnoringCase)
{
    RecordTable t(smallSchema());
    EXPECT_EQ(t.indexOf("Weight"), 2u);
    EXPECT_FALSE(t.indexOf("weight").has_value());
    EXPECT_EQ(t.indexOfLabel("WEIGHT"), 2u);
    EXPECT_EQ(t.indexOfLabel("is flag"), 3u); // label set: the name no longer matches
    EXPECT_FALSE(t.indexOfLabel("Flag").has_value());
    EXPECT_THROW(t.requireIndex("Nope"), std::invalid_argument);
}

TEST(RecordTableSort, StableInBothDirectionsWithInjectedComparator)
{
    RecordTable t(smallSchema());
    t.setTextCompare(caseInsensitive);
    add(t, 1, "b");
    add(t, 2, "A");
    add(t, 3, "a");
    add(t, 4, "B");
    Record noName = t.newRecord();
    noName.values[0] = 5;
    t.appendRecord(noName);

    t.setSort("Name");
    EXPECT_EQ(visibleNos(t), (std::vector<int>{5, 2, 3, 1, 4})); // empty first, ties in physical order
    t.setSort("Name", SortDirection::Descending);
    EXPECT_EQ(visibleNos(t), (std::vector<int>{1, 4, 2, 3, 5})); // ties still in physical order
    t.setTextCompare({});                                          // byte order: upper case first
    EXPECT_EQ(visibleNos(t), (std::vector<int>{1, 3, 4, 2, 5}));
    t.clearSort();
    EXPECT_EQ(visibleNos(t), (std::vector<int>{1, 2, 3, 4, 5}));
}

TEST(RecordTableSort, NumbersCompareNumericallyAndPostsResort)
{
    RecordTable t(smallSchema());
    add(t, 1, "x", 10.0);
    add(t, 2, "y", 9.0);
    add(t, 3, "z", 1.5);
    t.setSort("Weight");
    EXPECT_EQ(visibleNos(t), (std::vector<int>{3, 2, 1}));

    ASSERT_TRUE(t.moveTo(0));
    t.edit();
    t.setField("Weight", 100.0);
    t.post();
    EXPECT_EQ(visibleNos(t), (std::vector<int>{2, 1, 3}));
    EXPECT_EQ(currentNo(t), 3); // the posted record stays current at its new row
    EXPECT_EQ(t.currentRow(), 2u);

    add(t, 4, "w", 9.5); // appended records go to their sorted place, cursor stays
    EXPECT_EQ(visibleNos(t), (std::vector<int>{2, 4, 1, 3}));
    EXPECT_EQ(currentNo(t), 3);
}

TEST(RecordTableFilter, KeepsCurrentRecordWhenVisibleElseMovesToFirst)
{
    RecordTable t(smallSchema());
    for (int i = 1; i <= 6; ++i)
        add(t, i, i % 2 == 0 ? "even" : "odd");
    t.setFilter([](const Record& r) { return std::get<std::string>(r.values[1]) == "even"; });
    EXPECT_EQ(t.recordCount(), 6u); // filter set, filtering still off

    t.moveTo(3); // No 4
    t.setFiltered(true);
    EXPECT_EQ(visibleNos(t), (std::vector<int>{2, 4, 6}));
    EXPECT_EQ(t.totalCount(), 6u);
    EXPECT_EQ(currentNo(t), 4);

    t.setFiltered(false);
    t.moveTo(4); // No 5, filtered out once filtering is on
    t.setFiltered(true);
    EXPECT_EQ(currentNo(t), 2);

    // Records hidden by the filter are still part of the full order.
    std::vector<int> all;
    for (const Record* r : t.recordsInOrder())
        all.push_back(std::get<std::int32_t>(r->values[0]));
    EXPECT_EQ(all, (std::vector<int>{1, 2, 3, 4, 5, 6}));

    // An edit that makes the current record fail the filter moves the cursor on.
    t.moveTo(1); // No 4
    t.edit();
    t.setField("Name", std::string("odd"));
    t.post();
    EXPECT_EQ(visibleNos(t), (std::vector<int>{2, 6}));
    EXPECT_EQ(currentNo(t), 6);
}

TEST(RecordTableCursor, NavigationAndBofEof)
{
    RecordTable t(smallSchema());
    EXPECT_FALSE(t.first());
    EXPECT_TRUE(t.bof());
    EXPECT_TRUE(t.eof());
    EXPECT_FALSE(t.hasCurrent());
    EXPECT_THROW(t.currentRecord(), std::logic_error);

    for (int i = 1; i <= 3; ++i)
        add(t, i, "n");
    EXPECT_EQ(currentNo(t), 1); // the first record added became current

    std::vector<int> seen;
    for (t.first(); !t.eof(); t.next())
        seen.push_back(currentNo(t));
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(currentNo(t), 3);

    seen.clear();
    for (t.last(); !t.bof(); t.prior())
        seen.push_back(currentNo(t));
    EXPECT_EQ(seen, (std::vector<int>{3, 2, 1}));

    EXPECT_FALSE(t.moveTo(3));
    EXPECT_TRUE(t.moveTo(1));
    EXPECT_FALSE(t.bof());
    EXPECT_FALSE(t.eof());
    EXPECT_THROW(t.recordAt(3), std::out_of_range);
}

TEST(RecordTableEdit, AppendInsertCancelDelete)
{
    RecordTable t(smallSchema());
    t.append();
    t.setField("No", 1);
    t.post();
    t.append();
    t.setField("No", 3);
    t.post();
    EXPECT_EQ(currentNo(t), 3);

    t.insert(); // physically before No 3
    EXPECT_EQ(t.state(), TableState::Insert);
    t.setField("No", 2);
    t.post();
    EXPECT_EQ(visibleNos(t), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(currentNo(t), 2);

    t.edit();
    t.setField("No", 20);
    EXPECT_EQ(currentNo(t), 20); // reads go to the edit buffer while editing
    t.cancel();
    EXPECT_EQ(currentNo(t), 2);
    t.append();
    t.setField("No", 99);
    t.cancel();
    EXPECT_EQ(visibleNos(t), (std::vector<int>{1, 2, 3}));

    t.deleteCurrent(); // the following record becomes current
    EXPECT_EQ(visibleNos(t), (std::vector<int>{1, 3}));
    EXPECT_EQ(currentNo(t), 3);
    t.deleteCurrent(); // deleting the last row moves back
    EXPECT_EQ(currentNo(t), 1);

    t.insert();
    t.deleteCurrent(); // while inserting: only cancels
    EXPECT_EQ(t.state(), TableState::Browse);
    EXPECT_EQ(t.totalCount(), 1u);

    t.edit();
    t.setField("No", 7);
    t.next(); // leaving the record posts it
    EXPECT_EQ(t.state(), TableState::Browse);
    EXPECT_EQ(visibleNos(t), (std::vector<int>{7}));

    t.clear();
    EXPECT_EQ(t.totalCount(), 0u);
    EXPECT_FALSE(t.hasCurrent());
    t.edit(); // nothing to edit: starts a new record
    EXPECT_EQ(t.state(), TableState::Insert);
}

TEST(RecordTableEdit, ValuesAreCheckedAndCut)
{
    RecordTable t(smallSchema());
    EXPECT_THROW(t.setField("No", 1), std::logic_error); // not editing
    t.append();
    t.setField("Name", std::string("\xC3\xA9t\xC3\xA9 abcdefghij")); // "été abcdefghij": 14 characters
    EXPECT_EQ(std::get<std::string>(t.value("Name")), "\xC3\xA9t\xC3\xA9 abcdef");
    t.setField("Weight", 5); // int32 accepted for a float
    EXPECT_EQ(std::get<double>(t.value("Weight")), 5.0);
    EXPECT_THROW(t.setField("No", std::string("1")), std::invalid_argument);
    EXPECT_THROW(t.setField("Flag", 1), std::invalid_argument);
    t.setField("Weight", Value{}); // clearing is always allowed
    EXPECT_TRUE(isEmpty(t.value("Weight")));
}

TEST(RecordTableEdit, FloatOutsideRangeIsRefusedWithTheExactMessage)
{
    RecordTable t({Field::floating("Power Factor").withLabel("pf").withRange(0, 1),
                   Field::floating("Watts").withRange(-1e6, 2.5e7)});
    struct Case {
        std::size_t field;
        double value;
        const char* message;
    };
    const Case cases[] = {
        {0, 1.5, "1.5 is not a valid value for field 'pf'. The allowed range is 0 to 1"},
        {0, -0.25, "-0.25 is not a valid value for field 'pf'. The allowed range is 0 to 1"},
        {1, 3e7, "3e+07 is not a valid value for field 'Watts'. The allowed range is -1e+06 to 2.5e+07"},
        {1, -1234567.0, "-1.23457e+06 is not a valid value for field 'Watts'. The allowed range is -1e+06 to 2.5e+07"},
    };
    t.append();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        try {
            t.setField(c.field, c.value);
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
    t.setField(std::size_t{0}, 1.0); // the bounds themselves are allowed
    t.setField(std::size_t{0}, 0.0);
    t.cancel();

    Record r = t.newRecord();
    r.values[0] = 2.0;
    EXPECT_THROW(t.appendRecord(r), Error);
    EXPECT_EQ(t.totalCount(), 0u);
}

TEST(RecordTableCalculated, CalculatorRunsOnPostAppendAndRecalculateAll)
{
    RecordTable t({Field::floating("Weight"), Field::floating("WeightLbs").calculated()});
    double factor = 2.0;
    t.setCalculator([&factor](Record& r) {
        const double w = isEmpty(r.values[0]) ? 0.0 : std::get<double>(r.values[0]);
        r.values[1] = w * factor;
    });
    Record r = t.newRecord();
    r.values[0] = 10.0;
    t.appendRecord(r);
    EXPECT_EQ(std::get<double>(t.valueAt(0, 1)), 20.0);

    t.append(); // an empty source counts as 0
    t.post();
    EXPECT_EQ(std::get<double>(t.value("WeightLbs")), 0.0);

    t.first();
    t.edit();
    t.setField("Weight", 3.0);
    EXPECT_EQ(std::get<double>(t.value("WeightLbs")), 20.0); // the buffer is calculated on post
    t.post();
    EXPECT_EQ(std::get<double>(t.value("WeightLbs")), 6.0);

    factor = 3.0;
    t.recalculateAll();
    EXPECT_EQ(std::get<double>(t.valueAt(0, 1)), 9.0);
    EXPECT_EQ(std::get<double>(t.valueAt(1, 1)), 0.0);
}

TEST(RecordTableNotify, PerRecordChangesAndOneResetForABulkUpdate)
{
    RecordTable t(smallSchema());
    Recorder rec(t);

    const RecordId first = add(t, 1, "a");
    ASSERT_EQ(rec.changes.size(), 2u);
    EXPECT_EQ(rec.changes[0].kind, TableChange::Kind::RecordPosted);
    EXPECT_EQ(rec.changes[0].id, first);
    EXPECT_TRUE(rec.changes[0].wasInsert);
    EXPECT_EQ(rec.changes[1].kind, TableChange::Kind::CurrentChanged); // the table was empty

    rec.changes.clear();
    t.edit();
    t.setField("Name", std::string("b"));
    t.post();
    ASSERT_EQ(rec.changes.size(), 1u);
    EXPECT_EQ(rec.changes[0].kind, TableChange::Kind::RecordPosted);
    EXPECT_FALSE(rec.changes[0].wasInsert);

    rec.changes.clear();
    {
        BulkUpdate guard(t);
        for (int i = 2; i <= 100; ++i)
            add(t, i, "x");
        {
            BulkUpdate nested(t);
            t.setSort("No", SortDirection::Descending);
        }
        EXPECT_TRUE(rec.changes.empty());
    }
    ASSERT_EQ(rec.changes.size(), 1u);
    EXPECT_EQ(rec.changes[0].kind, TableChange::Kind::Reset);
    EXPECT_EQ(currentNo(t), 1); // the current record survived the bulk update
    EXPECT_EQ(visibleNos(t).front(), 100);

    rec.changes.clear();
    t.deleteCurrent();
    ASSERT_GE(rec.changes.size(), 1u);
    EXPECT_EQ(rec.changes[0].kind, TableChange::Kind::RecordDeleted);
    EXPECT_EQ(rec.changes[0].id, first);

    rec.changes.clear();
    t.first();
    t.next();
    EXPECT_EQ(rec.count(TableChange::Kind::CurrentChanged), 2u);

    rec.sub.reset();
    t.clear();
    EXPECT_EQ(rec.changes.size(), 2u); // nothing after unsubscribing
}

TEST(RecordTableNotify, ListenersMayUnsubscribeWhileCalledAndTokensMayOutliveTheTable)
{
    Subscription outliving;
    {
        RecordTable t(smallSchema());
        int calls = 0;
        Subscription self;
        self = t.subscribe([&](const TableChange&) {
            ++calls;
            self.reset();
        });
        outliving = t.subscribe([](const TableChange&) {});
        add(t, 1, "a");
        add(t, 2, "b");
        EXPECT_EQ(calls, 1);
        EXPECT_TRUE(outliving.active());
    }
    EXPECT_FALSE(outliving.active());
    outliving.reset(); // no crash once the table is gone
}

TEST(RecordTableCopy, RemapMatchesFieldsByName)
{
    RecordTable a({Field::text("Name", 20), Field::boolean("UseDipSwitch"), Field::boolean("DipSwitchOffset"),
                   Field::integer("Count")});
    RecordTable b({Field::text("Name", 20), Field::boolean("DipSwitchOffset"), Field::boolean("UseDipSwitch"),
                   Field::floating("Count"), Field::text("Extra", 5)});
    Record r = a.newRecord();
    r.values = {std::string("Spot"), true, false, std::int32_t{4}};
    const RecordId id = a.appendRecord(r);

    const Record copy = remapRecord(a, a.recordAt(0), b);
    EXPECT_EQ(copy.id, 0u);
    b.appendRecord(copy);
    EXPECT_EQ(std::get<std::string>(b.valueAt(0, 0)), "Spot");
    EXPECT_EQ(std::get<bool>(b.valueAt(0, 1)), false);
    EXPECT_EQ(std::get<bool>(b.valueAt(0, 2)), true);
    EXPECT_EQ(std::get<double>(b.valueAt(0, 3)), 4.0);
    EXPECT_TRUE(isEmpty(b.valueAt(0, 4)));
    EXPECT_NE(a.recordAt(0).id, 0u);
    EXPECT_EQ(a.recordAt(0).id, id);
}

// Single posts, inserts and deletes place rows incrementally; whatever the
// sequence, the rows must equal a fresh stable sort of the filtered records.
TEST(RecordTableSort, IncrementalUpdatesMatchAFullRebuild)
{
    std::mt19937 rng(12345);
    RecordTable t(smallSchema());
    t.setSort("Name");
    t.setFilter([](const Record& r) { return isEmpty(r.values[0]) || std::get<std::int32_t>(r.values[0]) % 3 != 0; });
    t.setFiltered(true);
    int counter = 0;
    auto randomName = [&rng]() -> Value {
        const int n = static_cast<int>(rng() % 6);
        return n == 0 ? Value{} : Value{std::string(1, static_cast<char>('a' + n))};
    };
    for (int step = 0; step < 600; ++step) {
        switch (rng() % 6) {
        case 0: add(t, ++counter, "", {}); break;
        case 1:
            t.append();
            t.setField("No", ++counter);
            t.setField("Name", randomName());
            t.post();
            break;
        case 2:
            t.insert();
            t.setField("No", ++counter);
            t.setField("Name", randomName());
            t.post();
            break;
        case 3:
            if (t.hasCurrent()) {
                t.edit();
                t.setField("Name", randomName());
                t.setField("No", ++counter);
                t.post();
            }
            break;
        case 4: t.deleteCurrent(); break;
        case 5:
            if (t.recordCount() > 0)
                t.moveTo(rng() % t.recordCount());
            break;
        }
        // Appended records of the bulk path get names too.
        if (step % 50 == 0) {
            BulkUpdate bulk(t);
            for (int i = 0; i < 5; ++i) {
                Record r = t.newRecord();
                r.values[0] = ++counter;
                r.values[1] = randomName();
                t.appendRecord(r);
            }
        }
        const std::vector<int> incremental = visibleNos(t);
        const RecordId current = t.currentId();
        t.refresh();
        ASSERT_EQ(incremental, visibleNos(t)) << "step " << step;
        if (current != 0) {
            ASSERT_EQ(current, t.currentId()) << "step " << step;
        }
        ASSERT_EQ(t.hasCurrent(), t.recordCount() > 0);
    }
}
