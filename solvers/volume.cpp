#include "solvers/volume.h"

#include <cmath>
#include <limits>

#include "model/evaluation_counts.h"
#include "model/fluid_data.h"
#include "model/model_state.h"
#include "model/state_terms.h"
#include "solvers/saturation.h"

namespace {

// The isotherm of one solve: the values of the term vectors that depend on
// the temperature alone, formed once for all trial volumes.
struct Isotherm {
    double T;
    TemperatureTerms tt;
};

void isothermAt(double T, Isotherm& iso) {
    iso.T = T;
    temperatureTermsOf((T + 459.67) / g_modelState.TcR, iso.tt);
}

// One trial volume: its vectors t and t' and the compressibility Z, formed
// once and shared by the pressure and the slope at that volume. Z is the
// value of calcZofTV(T, v), built from the same vectors.
struct TrialVolume {
    double v;
    DensityTerms d;
    double t[kResidualTerms];
    double tD[kResidualTerms];
    double Z;
};

void trialVolumeAt(const Isotherm& iso, double v, TrialVolume& tv) {
    tv.v = v;
    densityTermsOf(iso.tt, g_fluidData.vc / v, tv.d);
    residualTermsOf(iso.tt, tv.d, tv.t);
    residualTermsDDeltaOf(iso.tt, tv.d, tv.tD);
    tv.Z = compressibilityOfTerms(tv.d.delta, tv.t, tv.tD);
}

// Model pressure, psia: Z R (T + 459.67) / v / 144.
double pressureOf(const Isotherm& iso, const TrialVolume& tv) {
    QV_COUNT(pressures, 1);
    QV_COUNT(plainVectors, 2);
    return tv.Z * g_modelState.R * (iso.T + 459.67) / tv.v / 144;
}

// Pressure slope (dP/dv), the value of calcDPDVofTV(T, v); only its sign is
// used. Adds the vector t'' to the trial volume's t and t'.
double slopeOf(const Isotherm& iso, const TrialVolume& tv) {
    QV_COUNT(slopes, 1);
    QV_COUNT(plainVectors, 3);
    double tDD[kResidualTerms];
    residualTermsDDelta2Of(iso.tt, tv.d, tDD);
    double sum = slopeSumOfTerms(tv.d.delta, tv.t, tv.tD, tDD);
    return (sum + tv.Z) * iso.tt.Tr * g_modelState.TcR / tv.v / tv.v * g_modelState.R / (-144.0);
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
    TrialVolume tv;

    // Widen the bracket downwards until the model pressure reaches the
    // target; vLo may end one step below its limit.
    double vLo = b.vStart;
    if (vLo > b.lowerLimit) {
        for (;;) {
            trialVolumeAt(iso, vLo, tv);
            if (!(b.target > pressureOf(iso, tv))) break;
            if (b.lowerStopsOnSlope && !(slopeOf(iso, tv) < 0)) break;
            vLo = vLo * b.lowerMultiplier;
            if (!(vLo > b.lowerLimit)) break;
        }
    }

    // Widen it upwards until the model pressure falls to the target.
    double vHi = b.vStart;
    if (b.upperLimit > vHi) {
        for (;;) {
            trialVolumeAt(iso, vHi, tv);
            if (!(pressureOf(iso, tv) > b.target)) break;
            vHi = vHi / 0.99;
            if (!(b.upperLimit > vHi)) break;
        }
    }

    // 32 geometric bisections; a mechanically unstable trial volume (positive
    // slope) counts as too large.
    double v = vLo;
    for (int step = 0; step < 32; ++step) {
        v = std::sqrt(vHi * vLo);
        trialVolumeAt(iso, v, tv);
        if (slopeOf(iso, tv) > 0)
            vHi = v;
        else if (pressureOf(iso, tv) > b.target)
            vLo = v;
        else
            vHi = v;
    }
    return v;
}
