// Counts every allocation made through the global operator new of the
// benchmark program that links HeapCount.cpp.
#pragma once

#include <benchmark/benchmark.h>

long heapAllocations();

// The allocations since a count taken before the benchmark loop, per iteration.
benchmark::Counter allocationsPerIteration(long before);
