#include "WindFarmSimulator.h"

#include <benchmark/benchmark.h>

#include <map>

namespace {

// A farm of n turbines: the 50 seeded ones plus added ones. Every add
// recomputes the farm, so building 5,000 costs seconds; each size is built
// once per process and kept (deliberately never freed) for all runs.
WindFarmSimulator& farmOf(int n)
{
    static std::map<int, WindFarmSimulator*> farms;
    WindFarmSimulator*& sim = farms[n];
    if (!sim) {
        sim = new WindFarmSimulator;
        for (int i = sim->snapshot().turbineCount; i < n; ++i)
            sim->addTurbine(QStringLiteral("BEN-%1").arg(i, 5, 10, QLatin1Char('0')), QStringLiteral("Bench Field"),
                            3000 + 100 * (i % 7), static_cast<TurbineStatus>(i % 4));
    }
    return *sim;
}

// One timer tick: recompute every turbine and emit the snapshot (every
// fifth tick also rolls the chart). Must grow linearly with the farm.
void BM_SimulatorTick(benchmark::State& state)
{
    const int n = int(state.range(0));
    WindFarmSimulator& sim = farmOf(n);
    // A receiver that keeps the snapshot, as the dashboard does.
    WindFarmSnapshot kept;
    QObject::connect(&sim, &WindFarmSimulator::snapshotChanged, &sim, [&kept](WindFarmSnapshot s) { kept = s; });
    for (auto _ : state) {
        sim.advance();
        benchmark::DoNotOptimize(kept.totalEnergy);
    }
    sim.disconnect(&sim);
    state.SetComplexityN(n);
    state.SetItemsProcessed(int64_t(state.iterations()) * n);
}
BENCHMARK(BM_SimulatorTick)->Arg(50)->Arg(500)->Arg(5000)->Complexity(benchmark::oN)->Unit(benchmark::kMicrosecond);

} // namespace
