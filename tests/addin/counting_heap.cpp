#include "tests/addin/counting_heap.h"

#include <cstdlib>

#include "addin/heap.h"

namespace {
int g_made = 0;
int g_released = 0;
int g_failAt = 0;
}  // namespace

void resetCountingHeap(int failAllocation) {
    g_made = 0;
    g_released = 0;
    g_failAt = failAllocation;
}

int allocationsMade() {
    return g_made;
}

int allocationsOutstanding() {
    return g_made - g_released;
}

void* allocateZeroed(std::size_t size) {
    ++g_made;
    if (g_made == g_failAt) {
        --g_made;
        g_failAt = -1;
        return nullptr;
    }
    return std::calloc(1, size == 0 ? 1 : size);
}

void releaseMemory(void* memory) {
    if (memory != nullptr) {
        ++g_released;
        std::free(memory);
    }
}
