#include "solvers/volume.h"

#include <cmath>
#include <limits>

#include "model/evaluation_counts.h"
#include "model/fluid_data.h"
#include "model/model_state.h"
#include "model/state_functions.h"
#include "model/state_terms.h"
#include "solvers/pressure_bounds.h"
#include "solvers/saturation.h"

namespace {

// The isotherm of one solve: the values of the term vectors that depend on
// the temperature alone, and the coefficients of the certified bounds,
// formed once for all trial volumes.
struct Isotherm {
    double T;
    TemperatureTerms tt;
#ifndef QUORVEX_EXACT_STEPS
    IsothermBounds bounds;
    AbsCap cap;
#endif
};

void isothermAt(double T, Isotherm& iso) {
    iso.T = T;
    temperatureTermsOf((T + 459.67) / g_modelState.TcR, iso.tt);
#ifndef QUORVEX_EXACT_STEPS
    isothermBoundsAt(T, iso.tt, iso.bounds);
    iso.cap.delta = -1;
#endif
}

// One trial volume of a search or of the bisection, and the comparisons
// the solver makes there. Each is settled by the certified bounds where
// they settle it (pressure_bounds.h); otherwise the vectors t and t' and
// Z = calcZofTV(T, v) are formed, once for the pressure and the slope at
// that volume, and the comparison is made on the exact value.
struct Trial {
    const Isotherm* iso;
    double v;
    bool exact;  // t, t' and Z formed
    DensityTerms d;
    double t[kResidualTerms];
    double tD[kResidualTerms];
    double Z;
#ifndef QUORVEX_EXACT_STEPS
    VolumeBounds bounds;
#endif
};

void trialAt(Isotherm& iso, double v, Trial& tr) {
    tr.iso = &iso;
    tr.v = v;
    tr.exact = false;
#ifndef QUORVEX_EXACT_STEPS
    volumeBoundsAt(iso.bounds, &iso.cap, v, tr.bounds);
#endif
}

void formExactly(Trial& tr) {
    if (tr.exact) return;
    const Isotherm& iso = *tr.iso;
    densityTermsOf(iso.tt, g_fluidData.vc / tr.v, tr.d);
    residualTermsOf(iso.tt, tr.d, tr.t);
    residualTermsDDeltaOf(iso.tt, tr.d, tr.tD);
    tr.Z = compressibilityOfTerms(tr.d.delta, tr.t, tr.tD);
    tr.exact = true;
}

// Model pressure, psia.
double exactPressure(Trial& tr) {
    formExactly(tr);
    return pressureFromZ(tr.iso->T, tr.v, tr.Z);
}

// Pressure slope (dP/dv), the value of calcDPDVofTV(T, v), from t, t', Z
// and the vector t''.
double exactSlope(Trial& tr) {
    formExactly(tr);
    const Isotherm& iso = *tr.iso;
    double tDD[kResidualTerms];
    residualTermsDDelta2Of(iso.tt, tr.d, tDD);
    double sum = slopeSumOfTerms(tr.d.delta, tr.t, tr.tD, tDD);
    return (sum + tr.Z) * iso.tt.Tr * g_modelState.TcR / tr.v / tr.v * g_modelState.R / (-144.0);
}

#ifndef QUORVEX_EXACT_STEPS
bool settled(Decided d, bool& answer) {
    if (d == Decided::unknown) return false;
    answer = d == Decided::yes;
    return true;
}
#endif

// target > P(T, v)
bool targetAbovePressureAt(Trial& tr, double target) {
    QV_COUNT(pressures, 1);
    QV_COUNT(plainVectors, 2);
    bool answer;
#ifndef QUORVEX_EXACT_STEPS
    if (settled(targetAbovePressure(tr.bounds, target), answer)) {
        QV_COUNT(pressuresByBounds, 1);
        return answer;
    }
#endif
    answer = target > exactPressure(tr);
    return answer;
}

// P(T, v) > target
bool pressureAboveTargetAt(Trial& tr, double target) {
    QV_COUNT(pressures, 1);
    QV_COUNT(plainVectors, 2);
    bool answer;
#ifndef QUORVEX_EXACT_STEPS
    if (settled(pressureAboveTarget(tr.bounds, target), answer)) {
        QV_COUNT(pressuresByBounds, 1);
        return answer;
    }
#endif
    answer = exactPressure(tr) > target;
    return answer;
}

// dP/dv > 0
bool slopePositiveAt(Trial& tr) {
    QV_COUNT(slopes, 1);
    QV_COUNT(plainVectors, 3);
    bool answer;
#ifndef QUORVEX_EXACT_STEPS
    if (settled(slopePositive(tr.bounds), answer)) {
        QV_COUNT(slopesByBounds, 1);
        return answer;
    }
#endif
    answer = exactSlope(tr) > 0;
    return answer;
}

// dP/dv < 0
bool slopeNegativeAt(Trial& tr) {
    QV_COUNT(slopes, 1);
    QV_COUNT(plainVectors, 3);
    bool answer;
#ifndef QUORVEX_EXACT_STEPS
    if (settled(slopeNegative(tr.bounds), answer)) {
        QV_COUNT(slopesByBounds, 1);
        return answer;
    }
#endif
    answer = exactSlope(tr) < 0;
    return answer;
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
    Isotherm iso;
    isothermAt(T, iso);
    Trial tr;

    // Widen the bracket downwards until the model pressure reaches the
    // target; vLo may end one step below its limit.
    double vLo = b.vStart;
    if (vLo > b.lowerLimit) {
        for (;;) {
            trialAt(iso, vLo, tr);
            if (!targetAbovePressureAt(tr, b.target)) break;
            if (b.lowerStopsOnSlope && !slopeNegativeAt(tr)) break;
            vLo = vLo * b.lowerMultiplier;
            if (!(vLo > b.lowerLimit)) break;
        }
    }

    // Widen it upwards until the model pressure falls to the target.
    double vHi = b.vStart;
    if (b.upperLimit > vHi) {
        for (;;) {
            trialAt(iso, vHi, tr);
            if (!pressureAboveTargetAt(tr, b.target)) break;
            vHi = vHi / 0.99;
            if (!(b.upperLimit > vHi)) break;
        }
    }

    // 32 geometric bisections; a mechanically unstable trial volume (positive
    // slope) counts as too large.
    double v = vLo;
    for (int step = 0; step < 32; ++step) {
        v = std::sqrt(vHi * vLo);
        trialAt(iso, v, tr);
        if (slopePositiveAt(tr))
            vHi = v;
        else if (pressureAboveTargetAt(tr, b.target))
            vLo = v;
        else
            vHi = v;
    }
    return v;
}
