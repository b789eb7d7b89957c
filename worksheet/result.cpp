#include "worksheet/result.h"

XLOPER g_result = {};

XLOPER* numResult(double x) {
    g_result.val.num = x;
    g_result.xltype = xltypeNum;
    return &g_result;
}
