// The one result record that every worksheet function returns.
#pragma once

#include "worksheet/xloper.h"

// Overwritten by every worksheet call; Excel reads it before its next call.
extern XLOPER g_result;

// Stores x as the number of g_result and returns the record's address.
XLOPER* numResult(double x);
