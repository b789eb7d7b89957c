// Unit systems of the worksheet functions, selected by the code `units`:
//   1: C, bar, m3/kg, kJ/kg, kJ/(kg K)     2: F, psig, ft3/lbm, Btu/lbm, Btu/(lbm R)
//   3: K, MPa, m3/kg, kJ/kg, kJ/(kg K)     4: C, kPa, m3/kg, kJ/kg, kJ/(kg K)
//   5: C, bar, m3/kg, kcal/kg, kcal/(kg K) 6: C, kgf/cm2, m3/kg, kcal/kg, kcal/(kg K)
//   every other code (0, 7, ...): F, psia, ft3/lbm, Btu/lbm, Btu/(lbm R),
//   the internal units.
#pragma once

#include <cstdint>

#include "worksheet/xloper.h"

// User's unit to internal unit.
double fromUserT(double x, int32_t units);
double fromUserP(double x, int32_t units);
double fromUserV(double x, int32_t units);
double fromUserH(double x, int32_t units);
double fromUserS(double x, int32_t units);

// Internal unit to user's unit, stored in g_result; returns its address.
XLOPER* toUserT(double x, int32_t units);
XLOPER* toUserP(double x, int32_t units);
XLOPER* toUserV(double x, int32_t units);
XLOPER* toUserH(double x, int32_t units);
XLOPER* toUserS(double x, int32_t units);
