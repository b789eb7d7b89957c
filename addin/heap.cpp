#include "addin/heap.h"

#include <cstdlib>

void* allocateZeroed(std::size_t size) {
    return std::calloc(1, size == 0 ? 1 : size);
}

void releaseMemory(void* memory) {
    std::free(memory);
}
