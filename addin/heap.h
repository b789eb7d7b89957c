// The add-in's heap: every allocation of the registration and of the open
// goes through these two calls, so a failure is seen in one place.
#pragma once

#include <cstddef>

// Returns size bytes of zeroed memory, or null when none can be had.
void* allocateZeroed(std::size_t size);

// Gives back memory from allocateZeroed; null is ignored.
void releaseMemory(void* memory);
