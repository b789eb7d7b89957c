// Worksheet functions of temperature and volume.
#include "model/model_state.h"
#include "model/state_functions.h"
#include "worksheet/functions.h"
#include "worksheet/result.h"
#include "worksheet/units.h"

XLOPER* QV_STDCALL PofTV(double T, double V, int32_t units) {
    double t = fromUserT(T, units);
    double v = fromUserV(V, units);
    double Z = calcZofTV(t, v);
    // R is read only now: the first model call of the process sets it.
    double P = pressureFromZ(t, v, Z);
    return toUserP(P, units);
}

XLOPER* QV_STDCALL HofTV(double T, double V, int32_t units) {
    return toUserH(calcHofTV(fromUserT(T, units), fromUserV(V, units)), units);
}

XLOPER* QV_STDCALL SofTV(double T, double V, int32_t units) {
    return toUserS(calcSofTV(fromUserT(T, units), fromUserV(V, units)), units);
}

XLOPER* QV_STDCALL ZofTV(double T, double V, int32_t units) {
    return numResult(calcZofTV(fromUserT(T, units), fromUserV(V, units)));
}
