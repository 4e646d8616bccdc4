// Every allocation of a benchmark's process counted, so a run can show what
// a search or a resolution allocates.
#include <atomic>
#include <cstdlib>
#include <new>

#include "bench/bench_support.h"

namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace bench {

long AllocationCount() { return allocations.load(); }

}  // namespace bench
