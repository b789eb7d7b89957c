// Worksheet functions of temperature and pressure.
#include "model/state_functions.h"
#include "solvers/inverse.h"
#include "solvers/volume.h"
#include "worksheet/functions.h"
#include "worksheet/result.h"
#include "worksheet/units.h"

XLOPER* QV_STDCALL VofTP(double T, double P, int32_t units) {
    return toUserV(solveV(fromUserT(T, units), fromUserP(P, units), kStateTP), units);
}

XLOPER* QV_STDCALL HofTP(double T, double P, int32_t units) {
    return toUserH(calcHofTP(fromUserT(T, units), fromUserP(P, units)), units);
}

XLOPER* QV_STDCALL SofTP(double T, double P, int32_t units) {
    double t = fromUserT(T, units);
    double v = solveV(t, fromUserP(P, units), kStateTP);
    return toUserS(calcSofTV(t, v), units);
}

XLOPER* QV_STDCALL ZofTP(double T, double P, int32_t units) {
    double t = fromUserT(T, units);
    double v = solveV(t, fromUserP(P, units), kStateTP);
    return numResult(calcZofTV(t, v));
}
