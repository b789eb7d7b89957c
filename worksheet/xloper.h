// The records of Excel's C API that cross between Excel and the add-in,
// written from the documented binary layout: a value union followed by
// the 16-bit type tag. The union is as wide as Excel's largest member
// (an array reference: a pointer and two 16-bit counts), which makes the
// record 24 bytes with the tag at offset 16 on 64-bit targets, and 16
// bytes with the tag at offset 8 on 32-bit Windows.
#pragma once

#include <cstddef>
#include <cstdint>

#include "worksheet/platform.h"

struct XLOPER;

// Array member of the value union; the add-in never builds arrays, but the
// member fixes the width of the union to Excel's.
struct XLArray {
    XLOPER* lparray;
    uint16_t rows;
    uint16_t columns;
};

struct XLOPER {
    union {
        double num;          // xltypeNum
        unsigned char* str;  // xltypeStr: length byte, then the characters
        uint16_t xbool;      // xltypeBool
        uint16_t err;        // xltypeErr
        int16_t w;           // xltypeInt
        XLArray array;       // xltypeMulti
    } val;
    uint16_t xltype;
};

#if defined(_WIN64) || defined(__x86_64__) || defined(__aarch64__)
static_assert(sizeof(XLOPER) == 24, "XLOPER must be 24 bytes on 64-bit targets");
static_assert(offsetof(XLOPER, xltype) == 16, "xltype must sit at offset 16 on 64-bit targets");
#elif defined(_WIN32)
static_assert(sizeof(XLOPER) == 16, "XLOPER must be 16 bytes on 32-bit Windows");
static_assert(offsetof(XLOPER, xltype) == 8, "xltype must sit at offset 8 on 32-bit Windows");
#endif

// Type tags.
constexpr uint16_t xltypeNum = 0x0001;
constexpr uint16_t xltypeStr = 0x0002;
constexpr uint16_t xltypeBool = 0x0004;
constexpr uint16_t xltypeErr = 0x0010;
constexpr uint16_t xltypeMulti = 0x0040;
constexpr uint16_t xltypeMissing = 0x0080;
constexpr uint16_t xltypeNil = 0x0100;
constexpr uint16_t xltypeInt = 0x0800;

// Error values.
constexpr uint16_t xlerrValue = 15;

// Function numbers.
constexpr int xlFree = 0x4000;
constexpr int xlCoerce = 0x4002;
constexpr int xlGetName = 0x4009;
constexpr int xlfRegister = 149;
constexpr int xlcAlert = 0x8076;

// Return codes of Excel4 and Excel4v.
constexpr int xlretSuccess = 0;
constexpr int xlretAbort = 1;
constexpr int xlretInvXlfn = 2;
constexpr int xlretInvCount = 4;
constexpr int xlretInvXloper = 8;
constexpr int xlretFailed = 32;

// Excel's callbacks, imported from XLCALL32.DLL by ordinal on Windows and
// provided by the host program on Linux.
extern "C" int QV_CDECL Excel4(int xlfn, XLOPER* operRes, int count, ...);
extern "C" int QV_STDCALL Excel4v(int xlfn, XLOPER* operRes, int count, XLOPER* opers[]);
