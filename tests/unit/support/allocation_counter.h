#pragma once

namespace orvalen::testing {

// Counts calls of the global operator new while a scope is alive.
class CountAllocations final {
public:
    CountAllocations();
    ~CountAllocations();
    int count() const;
};

}  // namespace orvalen::testing
