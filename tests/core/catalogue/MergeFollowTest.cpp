// The merged fixture tables follow single posts and deletes without a full
// rebuild; whatever the sequence, they must show exactly what a rebuild shows.
#include "catalogue/CatalogueSchemas.h"
#include "catalogue/CatalogueSet.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

using namespace tvx;
using namespace tvx::catalogue;
namespace fs = std::filesystem;

namespace {

// What a rebuild gives: copies of the default then the user records, each in
// its table's current order, in a fresh table with the merged table's sort.
// One line per row: enough to tell rows apart and compact in a failure.
std::string text(const Value& v)
{
    if (const auto* s = std::get_if<std::string>(&v))
        return *s;
    if (const auto* d = std::get_if<double>(&v))
        return std::to_string(*d);
    if (const auto* b = std::get_if<bool>(&v))
        return *b ? "T" : "F";
    if (const auto* i = std::get_if<std::int32_t>(&v))
        return std::to_string(*i);
    return "-";
}

std::vector<std::string> lines(const std::vector<std::vector<Value>>& rows)
{
    std::vector<std::string> out;
    for (const auto& row : rows) {
        std::string line;
        for (const Value& v : row)
            line += text(v) + "|";
        out.push_back(line);
    }
    return out;
}

std::vector<std::vector<Value>> rebuilt(const RecordTable& merged, const RecordTable* defaults, const RecordTable& user)
{
    RecordTable reference(merged.fields());
    if (merged.sortField())
        reference.setSort(*merged.sortField(), merged.sortDirection());
    for (const RecordTable* source : {defaults, &user}) {
        if (source == nullptr)
            continue;
        const FieldMapping mapping(*source, reference);
        for (const Record* r : source->recordsInOrder())
            reference.appendRecord(mapping.apply(*r));
    }
    std::vector<std::vector<Value>> rows;
    for (std::size_t i = 0; i < reference.recordCount(); ++i)
        rows.push_back(reference.recordAt(i).values);
    return rows;
}

std::vector<std::vector<Value>> shown(RecordTable& merged)
{
    std::vector<std::vector<Value>> rows;
    for (std::size_t i = 0; i < merged.recordCount(); ++i)
        rows.push_back(merged.recordAt(i).values);
    return rows;
}

} // namespace

TEST(MergeFollow, RandomEditsInsertsAndDeletesMatchARebuild)
{
    const fs::path dir = fs::temp_directory_path() / "tvx-merge-follow";
    fs::remove_all(dir);
    fs::create_directories(dir);
    CatalogueSet set(dir);
    set.openAll();
    // Few distinct names and weights, so ties are everywhere.
    set.TableFixtureMerge2().setSort(fixture::Weight);
    std::mt19937 rng(7);
    const char* names[] = {"Par", "Spot", "Wash", "Beam", "Cyc"};

    for (int step = 0; step < 400; ++step) {
        // Switching the default catalogues takes effect at the next change.
        if (step == 150)
            set.setDefaultExcluded(true);
        if (step == 250)
            set.setDefaultExcluded(false);
        if (step == 300)
            set.TableFixtureUser().setSort(fixture::Description, SortDirection::Descending);
        if (step == 350) {
            set.setCatalogueFilterText(names[0]); // posts to filtered tables
            set.setCatalogueFilterOn(true);
        }
        RecordTable& source = (rng() % 3 == 0) ? set.TableFixture() : set.TableFixtureUser();
        const auto op = rng() % 10;
        if (op < 4 || source.recordCount() == 0) {
            if (op % 2 == 0 || source.recordCount() == 0)
                source.append();
            else {
                source.moveTo(rng() % source.recordCount());
                source.insert();
            }
        } else if (op < 8) {
            source.moveTo(rng() % source.recordCount());
            source.edit();
        } else {
            source.moveTo(rng() % source.recordCount());
            source.deleteCurrent();
            continue;
        }
        source.setField(fixture::FixtureName, std::string(names[rng() % 5]));
        source.setField(fixture::Weight, double(rng() % 3));
        source.setField(fixture::Description, "step " + std::to_string(step));
        source.post();

        const RecordTable* defaults = set.defaultExcluded() ? nullptr : &set.TableFixture();
        for (RecordTable* merged : {&set.TableFixtureMerge(), &set.TableFixtureMerge2()}) {
            const bool filtered = merged->isFiltered();
            merged->setFiltered(false);
            ASSERT_EQ(lines(shown(*merged)), lines(rebuilt(*merged, defaults, set.TableFixtureUser())))
                << "step " << step;
            merged->setFiltered(filtered);
        }
    }
    fs::remove_all(dir);
}
