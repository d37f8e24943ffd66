// One flower rebuild as every growing frame performs it, on a full ring:
// resize to the count in force, grow by speed 0.1 × 0.01 × N, and the family
// table reset and extended until nothing more fits. The "allocs" counter is
// the number of heap allocations per rebuild, which must stay 0.
#include "HeapCount.h"
#include "flower/FibSurface.h"

#include <benchmark/benchmark.h>

namespace {

void rebuild(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    FibSurface flower;
    flower.setSpheric(state.range(1) != 0);
    flower.setGrowthSpeed(1);
    for (int i = 0; i <= 100; ++i) flower.setPointCount(n);  // N / 100 births each: full
    flower.setGrowthSpeed(0.1);

    const long before = heapAllocations();
    for (auto _ : state) flower.setPointCount(n);  // exactly one rebuild
    state.counters["allocs"] = allocationsPerIteration(before);
    state.SetLabel(state.range(1) ? "sphere" : "disc");
}

BENCHMARK(rebuild)
    ->ArgNames({"N", "sphere"})
    ->ArgsProduct({{4181, 99999}, {1, 0}})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
