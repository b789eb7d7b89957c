#include "solvers/inverse.h"

#include "model/fluid_data.h"
#include "model/model_state.h"
#include "model/state_functions.h"
#include "solvers/saturation.h"
#include "solvers/volume.h"

namespace {

// Saturated liquid and vapour at a pressure below Pc.
struct SaturationPair {
    double Ts;
    double vf;
    double vg;
};

SaturationPair saturationPairAt(double P) {
    SaturationPair s;
    s.Ts = calcTsat(P);
    s.vf = solveV(s.Ts, 0, kSaturatedLiquid);
    s.vg = solveV(s.Ts, 0, kSaturatedVapour);
    return s;
}

double entropyOfTP(double T, double P) { return calcSofTV(T, solveV(T, P, kStateTP)); }

}  // namespace

double calcHofTP(double T, double P) {
    double v = solveV(T, P, kStateTP);
    return calcHofTV(T, v);
}

double calcTofPH(double P, double H) {
    ensureModel();
    const ModelState& m = g_modelState;
    if (P > m.Pmax) return m.Tmin;
    if (H < m.Hmin) return m.Tmin;
    if (P < m.Pmin) return m.Tmax;
    if (H > m.Hmax) return m.Tmax;
    if (P < g_fluidData.Pc) {
        const SaturationPair s = saturationPairAt(P);
        double hf = calcHofTV(s.Ts, s.vf);
        double hg = calcHofTV(s.Ts, s.vg);
        if (hf <= H && H <= hg) return s.Ts;
    }
    double lo = m.Tmin;
    double hi = m.Tmax;
    double mid = lo;
    for (int step = 0; step < 32; ++step) {
        mid = (lo + hi) * 0.5;
        double h = calcHofTP(mid, P);
        if (H > h)
            lo = mid;
        else
            hi = mid;
    }
    return mid;
}

double calcTofPS(double P, double S) {
    ensureModel();
    const ModelState& m = g_modelState;
    if (P > m.Pmax) return m.Tmin;
    if (S < m.Smin) return m.Tmin;
    if (P < m.Pmin) return m.Tmax;
    if (S > m.Smax) return m.Tmax;
    if (P < g_fluidData.Pc) {
        const SaturationPair s = saturationPairAt(P);
        double sf = calcSofTV(s.Ts, s.vf);
        double sg = calcSofTV(s.Ts, s.vg);
        if (sf <= S && S <= sg) return s.Ts;
    }
    double lo = m.Tmin;
    double hi = m.Tmax;
    double mid = lo;
    for (int step = 0; step < 32; ++step) {
        mid = (lo + hi) * 0.5;
        double s = entropyOfTP(mid, P);
        if (S > s)
            lo = mid;
        else
            hi = mid;
    }
    return mid;
}

double calcHofPS(double P, double S) {
    ensureModel();
    if (P < g_fluidData.Pc) {
        const SaturationPair s = saturationPairAt(P);
        double sf = calcSofTV(s.Ts, s.vf);
        double sg = calcSofTV(s.Ts, s.vg);
        if (S >= sf && S <= sg) {
            // Lever rule with the vapour quality (S - sf) / (sg - sf).
            double hf = calcHofTV(s.Ts, s.vf);
            double hg = calcHofTV(s.Ts, s.vg);
            return (hg - hf) * ((S - sf) / (sg - sf)) + hf;
        }
    }
    return calcHofTP(calcTofPS(P, S), P);
}
