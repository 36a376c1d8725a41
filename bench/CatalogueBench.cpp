// Start-up of large catalogues and the rebuild of the merged tables after one
// fixture post.
#include "catalogue/CatalogueSchemas.h"
#include "catalogue/CatalogueSet.h"
#include "table/TableFile.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

namespace fs = std::filesystem;
using namespace tvx;
using namespace tvx::catalogue;

namespace {

void fillFixtures(RecordTable& t, int count, unsigned seed, const char* prefix)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> beam(5, 60), watts(50, 2000), weight(2, 40);
    const char* makers[] = {"Acme Lighting", "Bolt Stage", "Corona", "Delta Beam", "Eclipse"};
    for (int i = 0; i < count; ++i) {
        Record r = t.newRecord();
        r.values[t.requireIndex(fixture::FixtureName)] = std::string(prefix) + std::to_string(rng() % 1000000);
        r.values[t.requireIndex(fixture::Manufacturer)] = std::string(makers[rng() % 5]);
        r.values[t.requireIndex(fixture::Description)] = std::string("Profile spot with zoom optics");
        r.values[t.requireIndex(fixture::FixtureType)] = std::string("Moving Spot");
        r.values[t.requireIndex(fixture::DMXMode)] = std::string("Standard");
        r.values[t.requireIndex(fixture::DmxChannels)] = std::int32_t(rng() % 40 + 1);
        r.values[t.requireIndex(fixture::BeamMin)] = beam(rng);
        r.values[t.requireIndex(fixture::BeamMax)] = beam(rng);
        r.values[t.requireIndex(fixture::CandelaMin)] = 12500.0;
        r.values[t.requireIndex(fixture::Lumens)] = 9800.0;
        r.values[t.requireIndex(fixture::ColorTemp)] = 5600.0;
        r.values[t.requireIndex(fixture::LampType)] = std::string("MSD 575");
        r.values[t.requireIndex(fixture::Watts)] = watts(rng);
        r.values[t.requireIndex(fixture::PowerFactor)] = 0.95;
        r.values[t.requireIndex(fixture::Weight)] = weight(rng);
        r.values[t.requireIndex(fixture::GoboSize)] = std::string("B size");
        r.values[t.requireIndex(fixture::UseDipSwitch)] = false;
        r.values[t.requireIndex(fixture::DipSwitchOffset)] = false;
        t.appendRecord(std::move(r));
    }
}

// A data folder with a 20 000-fixture default and a 5 000-fixture user catalogue.
fs::path makeFolder()
{
    const fs::path dir = fs::temp_directory_path() / "tvx-catalogue-bench";
    if (fs::exists(dir / DefaultFixtureFile))
        return dir;
    fs::create_directories(dir);
    RecordTable defaults(fixtureFields(DipSwitchOrder::OffsetFirst));
    defaults.setCalculator(fixtureCalculator(defaults));
    fillFixtures(defaults, 20000, 1, "Default ");
    saveTableFile(dir / DefaultFixtureFile, defaults);
    RecordTable user(fixtureFields(DipSwitchOrder::UseFirst));
    user.setCalculator(fixtureCalculator(user));
    fillFixtures(user, 5000, 2, "User ");
    saveTableFile(dir / UserFixtureFile, user);
    return dir;
}

void BM_StartUpLoadAndMerge(benchmark::State& state)
{
    const fs::path dir = makeFolder();
    for (auto _ : state) {
        CatalogueSet set(dir);
        benchmark::DoNotOptimize(set.openAll());
        benchmark::DoNotOptimize(set.TableFixtureMerge2().recordCount());
    }
}
BENCHMARK(BM_StartUpLoadAndMerge)->Unit(benchmark::kMillisecond);

void BM_PostRebuildsMergedTables(benchmark::State& state)
{
    const fs::path dir = makeFolder();
    CatalogueSet set(dir);
    set.openAll();
    RecordTable& user = set.TableFixtureUser();
    user.first();
    int n = 0;
    for (auto _ : state) {
        user.edit();
        user.setField(fixture::Description, std::string("edited ") + std::to_string(n++));
        user.post(); // rebuilds TableFixtureMerge and TableFixtureMerge2
    }
    state.counters["merged"] = double(set.TableFixtureMerge2().totalCount());
}
BENCHMARK(BM_PostRebuildsMergedTables)->Unit(benchmark::kMillisecond);

} // namespace
