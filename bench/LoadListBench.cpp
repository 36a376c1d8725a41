// The long operations of a 5 000-device three-phase load list: the voltage
// change revisit, both balancing commands and a totals refresh.
#include "electrical/LoadBalance.h"
#include "electrical/LoadList.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>

namespace {

using namespace tvx;
using namespace tvx::electrical;

constexpr int DeviceCount = 5'000;

// Devices of 100 W to 5 kW: two thirds phase-neutral, the rest phase-phase,
// one in fifty balanced three-phase, one in a hundred at a foreign voltage.
std::unique_ptr<LoadList> makeList()
{
    auto list = std::make_unique<LoadList>(PowerSystem::ThreePhase, 208);
    std::mt19937 rng(42);
    std::uniform_real_distribution<double> watts(100.0, 5000.0);
    std::uniform_real_distribution<double> pf(0.8, 1.0);
    const char* neutral[] = {"X-N", "Y-N", "Z-N"};
    const char* delta[] = {"X-Y", "Y-Z", "Z-X"};
    for (int i = 0; i < DeviceCount; ++i) {
        Record r = list->table().newRecord();
        r[elecl::ColDeviceName] = "Device " + std::to_string(i);
        r[elecl::ColWatts] = watts(rng);
        r[elecl::ColPowerFactor] = pf(rng);
        if (i % 100 == 99) {
            r[elecl::ColVoltage] = 230.0;
            r[elecl::ColUsedPhase] = std::string("Y-Z");
        } else if (i % 50 == 7) {
            r[elecl::ColVoltage] = 208.0;
            r[elecl::ColUsedPhase] = std::string("X-Y-Z");
        } else if (i % 3 != 0) {
            r[elecl::ColVoltage] = 120.0;
            r[elecl::ColUsedPhase] = std::string(neutral[i % 3]);
        } else {
            r[elecl::ColVoltage] = 208.0;
            r[elecl::ColUsedPhase] = std::string(delta[(i / 3) % 3]);
        }
        list->table().appendRecord(std::move(r));
    }
    return list;
}

void BM_VoltageChangeRevisit(benchmark::State& state)
{
    auto list = makeList();
    bool high = false;
    for (auto _ : state) {
        high = !high;
        benchmark::DoNotOptimize(list->applyVoltage(high ? "400" : "208"));
    }
}
BENCHMARK(BM_VoltageChangeRevisit)->Unit(benchmark::kMillisecond);

void BM_BalanceByCurrent(benchmark::State& state)
{
    auto list = makeList();
    for (auto _ : state) {
        state.PauseTiming();
        list->table().clearSort(); // each run starts from the unsorted list
        state.ResumeTiming();
        balanceByCurrent(*list);
    }
}
BENCHMARK(BM_BalanceByCurrent)->Unit(benchmark::kMillisecond);

void BM_BalanceByDevice(benchmark::State& state)
{
    auto list = makeList();
    list->table().setSort(elecl::ColUsedPhase); // every post moves its record
    for (auto _ : state)
        balanceByDevice(*list);
}
BENCHMARK(BM_BalanceByDevice)->Unit(benchmark::kMillisecond);

void BM_TotalsRefresh(benchmark::State& state)
{
    auto list = makeList();
    for (auto _ : state)
        benchmark::DoNotOptimize(list->footer());
}
BENCHMARK(BM_TotalsRefresh)->Unit(benchmark::kMillisecond);

} // namespace
