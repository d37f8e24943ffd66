// One flower rebuild as every growing frame performs it, on a full ring:
// resize to the count in force, grow by speed 0.1 × 0.01 × N, and the family
// table reset and extended until nothing more fits. The "allocs" counter is
// the number of heap allocations per rebuild, which must stay 0.
#include "flower/SpiralFamily.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <new>
#include <vector>

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
    const bool spheric = state.range(1) != 0;
    FibPointSet points;
    points.resize(n);
    if (spheric) points.selectSpheric();
    while (points.size() < n) points.grow(0.01 * n);
    std::vector<SpiralFamily> families;
    rebuildFamilies(families, points, spheric);

    const long before = allocations;
    for (auto _ : state) {
        points.resize(n);
        points.grow(0.1 * 0.01 * points.capacity());
        rebuildFamilies(families, points, spheric);
        benchmark::DoNotOptimize(families.data());
    }
    state.counters["allocs"] = benchmark::Counter(
        double(allocations - before), benchmark::Counter::kAvgIterations);
    state.counters["families"] = double(families.size());
    state.SetLabel(spheric ? "sphere" : "disc");
}

BENCHMARK(rebuild)
    ->ArgNames({"N", "sphere"})
    ->ArgsProduct({{4181, 99999}, {1, 0}})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
