#include "solvers/volume.h"

#include <cmath>
#include <limits>

#include "model/evaluation_counts.h"
#include "model/fluid_data.h"
#include "model/model_state.h"
#include "model/state_functions.h"
#include "solvers/saturation.h"

namespace {

// Model pressure at (T, v), psia, with R read after Z.
double pressureOfTV(double T, double v) {
    QV_COUNT(pressures, 1);
    double Z = calcZofTV(T, v);
    return Z * g_modelState.R * (T + 459.67) / v / 144;
}

// Pressure slope (dP/dv) at (T, v); only its sign is used.
double slopeOfTV(double T, double v) {
    QV_COUNT(slopes, 1);
    return calcDPDVofTV(T, v);
}

// One row of the branch table: where the search starts, what it aims at
// and where its two bracket searches stop.
struct Branch {
    double vStart;
    double target;
    double lowerMultiplier;
    double lowerLimit;
    bool lowerStopsOnSlope;  // saturated vapour: stop where the isotherm turns
    double upperLimit;
};

Branch chooseBranch(double T, double P, int mode) {
    const FluidData& f = g_fluidData;
    const ModelState& m = g_modelState;
    if (mode == kSaturatedLiquid) return {estVf(T), calcPsat(T), 0.999, m.vmin, false, f.vc};
    if (mode == kSaturatedVapour) return {estVg(T), calcPsat(T), 0.99, f.vc, true, m.vmax};
    if (T >= f.Tc) return {estVofTP(T, P), P, 0.999, m.vmin, false, m.vmax};  // supercritical
    if (P > calcPsat(T)) return {estVf(T), P, 0.999, m.vmin, false, f.vc};    // liquid
    return {estVg(T), P, 0.999, f.vc, false, m.vmax};                         // vapour
}

}  // namespace

double estVofTP(double T, double P) {
    const FluidData& f = g_fluidData;
    double c = std::log(P / f.Pc);
    double fr = std::log((T + 459.67) / (f.Tc + 459.67));
    double Z = 0.9973608881 - (2.653480458e-5 * c + 0.0005264649956) * c
               + (0.00022121886 * c + 0.002443748035 - 0.0005267121979 * fr) * fr;
    return Z * g_modelState.R * (T + 459.67) / (P * 144);
}

double solveV(double T, double P, int mode) {
    ensureModel();
    const FluidData& f = g_fluidData;
    if (mode == kSaturatedLiquid) {
        if (T <= f.Tt) return f.vft;
        if (T >= f.Tc) return f.vc;
    } else if (mode == kSaturatedVapour) {
        if (T <= f.Tt) return (f.Tt + 459.67) * g_modelState.R / f.Pt / 144;
        if (T >= f.Tc) return f.vc;
    } else if (!(P > 0)) {
        // A state at a pressure of zero or below, or NaN, has no volume.
        return std::numeric_limits<double>::quiet_NaN();
    }

    const Branch b = chooseBranch(T, P, mode);

    // Widen the bracket downwards until the model pressure reaches the
    // target; vLo may end one step below its limit.
    double vLo = b.vStart;
    if (vLo > b.lowerLimit) {
        for (;;) {
            if (!(b.target > pressureOfTV(T, vLo))) break;
            if (b.lowerStopsOnSlope && !(slopeOfTV(T, vLo) < 0)) break;
            vLo = vLo * b.lowerMultiplier;
            if (!(vLo > b.lowerLimit)) break;
        }
    }

    // Widen it upwards until the model pressure falls to the target.
    double vHi = b.vStart;
    if (b.upperLimit > vHi) {
        for (;;) {
            if (!(pressureOfTV(T, vHi) > b.target)) break;
            vHi = vHi / 0.99;
            if (!(b.upperLimit > vHi)) break;
        }
    }

    // 32 geometric bisections; a mechanically unstable trial volume (positive
    // slope) counts as too large.
    double v = vLo;
    for (int step = 0; step < 32; ++step) {
        v = std::sqrt(vHi * vLo);
        if (slopeOfTV(T, v) > 0)
            vHi = v;
        else if (pressureOfTV(T, v) > b.target)
            vLo = v;
        else
            vHi = v;
    }
    return v;
}
