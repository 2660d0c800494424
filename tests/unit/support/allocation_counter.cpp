#include "support/allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<bool> counting{false};
std::atomic<int> allocations{0};
}  // namespace

void* operator new(std::size_t size) {
    if (counting) ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace orvalen::testing {

CountAllocations::CountAllocations() {
    allocations = 0;
    counting = true;
}
CountAllocations::~CountAllocations() { counting = false; }
int CountAllocations::count() const { return allocations; }

}  // namespace orvalen::testing
