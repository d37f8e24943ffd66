#include "HeapCount.h"

#include <cstdlib>
#include <new>

namespace {
long allocations = 0;
}

long heapAllocations() { return allocations; }

benchmark::Counter allocationsPerIteration(long before) {
    return benchmark::Counter(double(allocations - before), benchmark::Counter::kAvgIterations);
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
