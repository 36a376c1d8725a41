// Writing and reading a fixture catalogue of 100 000 records.
#include "table/RecordTable.h"
#include "table/TableFile.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

using tvx::Field;
using tvx::Record;
using tvx::RecordTable;

constexpr int RecordCount = 100'000;

std::vector<Field> fixtureFields()
{
    return {
        Field::text("FixtureName", 50).withLabel("Fixture Name"),
        Field::text("Manufacturer", 50),
        Field::text("Description", 50),
        Field::text("FixtureType", 50),
        Field::text("DMXMode", 20).withLabel("DMX Mode"),
        Field::integer("Number  of DMX channel").withLabel("No. DMX ch."),
        Field::floating("BeamMin").withLabel("Beam Min"),
        Field::floating("BeamMax").withLabel("Beam Max"),
        Field::floating("CandelaMin").withLabel("Candela Min"),
        Field::floating("CandelaMax").withLabel("Candela Max"),
        Field::floating("Lumens"),
        Field::floating("mF").withLabel("mF Min").calculated(),
        Field::floating("ColorTemp"),
        Field::text("LampType", 50),
        Field::floating("Watts"),
        Field::floating("Power Factor").withLabel("pf").withRange(0, 1),
        Field::floating("Weight"),
        Field::floating("Lenght").withLabel("Length"),
        Field::floating("Width"),
        Field::floating("Height"),
        Field::text("Gobo Size", 50),
        Field::text("Dichroic Gel Size", 50).withLabel("Gel Size"),
        Field::floating("WeightLbs").calculated(),
        Field::floating("mFMax").withLabel("mF Max").calculated(),
        Field::floating("LumensMin"),
        Field::boolean("UseDipSwitch"),
        Field::boolean("DipSwitchOffset"),
    };
}

double number(const tvx::Value& v)
{
    const double* d = std::get_if<double>(&v);
    return d ? *d : 0.0;
}

std::unique_ptr<RecordTable> makeTable()
{
    auto table = std::make_unique<RecordTable>(fixtureFields(), "TableFixture");
    table->setSort("FixtureName");
    table->setCalculator([](Record& r) {
        constexpr double degToRad = 0.017453292519943295769;
        r.values[11] = 2 * std::tan(number(r.values[6]) / 2 * degToRad);
        r.values[22] = number(r.values[16]) * 2.20462262;
        r.values[23] = 2 * std::tan(number(r.values[7]) / 2 * degToRad);
    });
    return table;
}

std::unique_ptr<RecordTable> makeFilledTable()
{
    static const char* makers[] = {"Robe", "Clay Paky", "Martin", "ETC", "High End Systems",
                                   "Ayrton", "Chauvet Professional", "GLP", "Elation", "Vari-Lite"};
    static const char* types[] = {"Moving Head Spot", "Moving Head Wash", "Profile", "Fresnel", "PAR", "LED Batten"};
    static const char* lamps[] = {"LED", "MSR 1200", "HPL 750", "Discharge 575W", "Halogen"};
    std::mt19937 rng(42);
    auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    auto decimals = [&pick](int whole) { return pick(whole) + pick(4) * 0.25; };

    auto table = makeTable();
    tvx::BulkUpdate bulk(*table);
    for (int i = 0; i < RecordCount; ++i) {
        Record r = table->newRecord();
        r.values[0] = std::string(makers[pick(10)]) + " Spot " + std::to_string(100 + i % 9000) + " Mk" + std::to_string(i % 4 + 1);
        r.values[1] = std::string(makers[pick(10)]);
        r.values[2] = std::string("Moving head, 14 colours, ") + std::to_string(pick(3) + 1) + " gobo wheels";
        r.values[3] = std::string(types[pick(6)]);
        r.values[4] = std::string(pick(2) ? "16 bit" : "Mode ") + std::to_string(pick(5));
        r.values[5] = static_cast<std::int32_t>(1 + pick(40));
        r.values[6] = 2.5 + decimals(15);
        r.values[7] = 20.0 + decimals(40);
        r.values[8] = 1000.0 + pick(90000);
        r.values[9] = 100.0 + pick(9000) + 0.5;
        r.values[10] = 500.0 + pick(40000);
        r.values[12] = pick(2) ? 3200.0 : 5600.0 + pick(100) * 10;
        r.values[13] = std::string(lamps[pick(5)]);
        r.values[14] = 50.0 + pick(1500);
        r.values[15] = 0.9 + pick(10) / 100.0;
        r.values[16] = 5.0 + pick(500) / 10.0;
        r.values[17] = 200.0 + pick(600);
        r.values[18] = 200.0 + pick(400);
        r.values[19] = 300.0 + pick(500) + 0.5;
        r.values[20] = std::string(pick(2) ? "M" : "E") + " (" + std::to_string(20 + pick(50)) + " mm)";
        r.values[21] = std::string("165 x 165 mm");
        r.values[24] = 400.0 + pick(20000);
        r.values[25] = pick(4) == 0;
        r.values[26] = pick(8) == 0;
        table->appendRecord(std::move(r));
    }
    return table;
}

void BM_WriteTable(benchmark::State& state)
{
    const auto table = makeFilledTable();
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string text = tvx::writeTableText(*table);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes));
    state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_WriteTable)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_ReadTable(benchmark::State& state)
{
    const std::string text = tvx::writeTableText(*makeFilledTable());
    for (auto _ : state) {
        auto table = makeTable(); // sorted by name, with the calculator, as the catalogue has it
        const auto result = tvx::loadTableText(*table, text, tvx::TableFileDialect);
        if (result.recordsAdded != RecordCount)
            state.SkipWithError("records lost");
        benchmark::DoNotOptimize(table.get());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ReadTable)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
