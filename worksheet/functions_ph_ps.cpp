// Worksheet functions of pressure with enthalpy or entropy.
#include "solvers/inverse.h"
#include "worksheet/functions.h"
#include "worksheet/units.h"

XLOPER* QV_STDCALL TofPH(double P, double H, int32_t units) {
    return toUserT(calcTofPH(fromUserP(P, units), fromUserH(H, units)), units);
}

XLOPER* QV_STDCALL TofPS(double P, double S, int32_t units) {
    return toUserT(calcTofPS(fromUserP(P, units), fromUserS(S, units)), units);
}

XLOPER* QV_STDCALL HofPS(double P, double S, int32_t units) {
    return toUserH(calcHofPS(fromUserP(P, units), fromUserS(S, units)), units);
}
