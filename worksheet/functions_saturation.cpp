// Worksheet functions of the saturation line.
#include "model/state_functions.h"
#include "solvers/saturation.h"
#include "solvers/volume.h"
#include "worksheet/functions.h"
#include "worksheet/units.h"

XLOPER* QV_STDCALL Psat(double Ts, int32_t units) {
    return toUserP(calcPsat(fromUserT(Ts, units)), units);
}

XLOPER* QV_STDCALL Tsat(double Ps, int32_t units) {
    return toUserT(calcTsat(fromUserP(Ps, units)), units);
}

// The saturated states pass the placeholder pressure 0: modes 1 and 2 take
// the saturation pressure from the temperature.
XLOPER* QV_STDCALL Vf(double Ts, int32_t units) {
    return toUserV(solveV(fromUserT(Ts, units), 0, kSaturatedLiquid), units);
}

XLOPER* QV_STDCALL Vg(double Ts, int32_t units) {
    return toUserV(solveV(fromUserT(Ts, units), 0, kSaturatedVapour), units);
}

XLOPER* QV_STDCALL Hf(double Ts, int32_t units) {
    double t = fromUserT(Ts, units);
    return toUserH(calcHofTV(t, solveV(t, 0, kSaturatedLiquid)), units);
}

XLOPER* QV_STDCALL Hg(double Ts, int32_t units) {
    double t = fromUserT(Ts, units);
    return toUserH(calcHofTV(t, solveV(t, 0, kSaturatedVapour)), units);
}

XLOPER* QV_STDCALL Sf(double Ts, int32_t units) {
    double t = fromUserT(Ts, units);
    return toUserS(calcSofTV(t, solveV(t, 0, kSaturatedLiquid)), units);
}

XLOPER* QV_STDCALL Sg(double Ts, int32_t units) {
    double t = fromUserT(Ts, units);
    return toUserS(calcSofTV(t, solveV(t, 0, kSaturatedVapour)), units);
}
