// Records of the interface as tests build them.
#pragma once

#include <cstdint>

#include "worksheet/xloper.h"

inline XLOPER numberRecord(double x) {
    XLOPER record = {};
    record.val.num = x;
    record.xltype = xltypeNum;
    return record;
}

inline XLOPER integerRecord(int16_t w) {
    XLOPER record = {};
    record.val.w = w;
    record.xltype = xltypeInt;
    return record;
}

// counted: a length byte, then the characters.
inline XLOPER stringRecord(unsigned char* counted) {
    XLOPER record = {};
    record.val.str = counted;
    record.xltype = xltypeStr;
    return record;
}
