// One flower rebuild as every growing frame performs it, on a full ring:
// resize to the count in force, grow by speed 0.1 × 0.01 × N, and the family
// table reset and extended until nothing more fits. The "allocs" counter is
// the number of heap allocations per rebuild, which must stay 0.
#include "flower/FibSurface.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <new>

namespace {
long allocations = 0;
}

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
// The compiler cannot see that new above is malloc.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

void rebuild(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    FibSurface flower;
    flower.setSpheric(state.range(1) != 0);
    flower.setGrowthSpeed(1);
    for (int i = 0; i <= 100; ++i) flower.setPointCount(n);  // N / 100 births each: full
    flower.setGrowthSpeed(0.1);

    const long before = allocations;
    for (auto _ : state) flower.setPointCount(n);  // exactly one rebuild
    state.counters["allocs"] =
        benchmark::Counter(double(allocations - before), benchmark::Counter::kAvgIterations);
    state.SetLabel(state.range(1) ? "sphere" : "disc");
}

BENCHMARK(rebuild)
    ->ArgNames({"N", "sphere"})
    ->ArgsProduct({{4181, 99999}, {1, 0}})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
