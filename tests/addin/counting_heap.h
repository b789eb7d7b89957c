// A heap for the add-in's tests that counts what is taken and given back
// and can refuse the k-th allocation. It replaces addin/heap.cpp.
#pragma once

// Starts counting afresh; the k-th allocation from now on fails (0: none).
void resetCountingHeap(int failAllocation = 0);

int allocationsMade();
int allocationsOutstanding();
