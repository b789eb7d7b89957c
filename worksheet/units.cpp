// Each converter changes its value only for the codes whose unit of that
// quantity differs from the internal one. Input temperatures are scaled
// first and offset after; output temperatures are offset first and scaled
// after. An output converter divides by the constant that the input
// converter multiplies by, and the other way round.
#include "worksheet/units.h"

#include "worksheet/result.h"

double fromUserT(double x, int32_t units) {
    switch (units) {
    case 1: case 4: case 5: case 6: return x * 1.8 + 32;  // C
    case 3: return x * 1.8 - 459.67;                      // K
    default: return x;                                    // F
    }
}

double fromUserP(double x, int32_t units) {
    switch (units) {
    case 1: case 5: return x * 14.50377377;  // bar
    case 2: return x + 14.696;               // psig
    case 3: return x * 145.0377377;          // MPa
    case 4: return x * 0.1450377377;         // kPa
    case 6: return x * 14.22334331;          // kgf/cm2
    default: return x;                       // psia
    }
}

double fromUserV(double x, int32_t units) {
    switch (units) {
    case 1: case 3: case 4: case 5: case 6: return x * 16.01846353;  // m3/kg
    default: return x;                                               // ft3/lbm
    }
}

double fromUserH(double x, int32_t units) {
    switch (units) {
    case 1: case 3: case 4: return x / 2.326;  // kJ/kg
    case 5: case 6: return x * 1.8;            // kcal/kg
    default: return x;                         // Btu/lbm
    }
}

double fromUserS(double x, int32_t units) {
    switch (units) {
    case 1: case 3: case 4: return x / 4.1868;  // kJ/(kg K)
    default: return x;  // Btu/(lbm R), and kcal/(kg K), which is the same unit
    }
}

XLOPER* toUserT(double x, int32_t units) {
    switch (units) {
    case 1: case 4: case 5: case 6: return numResult((x - 32) / 1.8);
    case 3: return numResult((x + 459.67) / 1.8);
    default: return numResult(x);
    }
}

XLOPER* toUserP(double x, int32_t units) {
    switch (units) {
    case 1: case 5: return numResult(x / 14.50377377);
    case 2: return numResult(x - 14.696);
    case 3: return numResult(x / 145.0377377);
    case 4: return numResult(x / 0.1450377377);
    case 6: return numResult(x / 14.22334331);
    default: return numResult(x);
    }
}

XLOPER* toUserV(double x, int32_t units) {
    switch (units) {
    case 1: case 3: case 4: case 5: case 6: return numResult(x / 16.01846353);
    default: return numResult(x);
    }
}

XLOPER* toUserH(double x, int32_t units) {
    switch (units) {
    case 1: case 3: case 4: return numResult(x * 2.326);
    case 5: case 6: return numResult(x / 1.8);
    default: return numResult(x);
    }
}

XLOPER* toUserS(double x, int32_t units) {
    switch (units) {
    case 1: case 3: case 4: return numResult(x * 4.1868);
    default: return numResult(x);
    }
}
