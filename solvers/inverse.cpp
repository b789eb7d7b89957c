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

namespace {

// The saturation pair with the entropies of its two states.
struct SaturationEntropies {
    SaturationPair pair;
    double sf;
    double sg;
};

SaturationEntropies saturationEntropiesAt(double P) {
    SaturationEntropies e;
    e.pair = saturationPairAt(P);
    e.sf = calcSofTV(e.pair.Ts, e.pair.vf);
    e.sg = calcSofTV(e.pair.Ts, e.pair.vg);
    return e;
}

// calcTofPS, given the saturation pair and its entropies at P when the
// caller has formed them already (null otherwise): they are functions of P
// alone, so those formed by calcHofPS serve here unchanged.
double temperatureOfPS(double P, double S, const SaturationEntropies* known) {
    const ModelState& m = g_modelState;
    if (P > m.Pmax) return m.Tmin;
    if (S < m.Smin) return m.Tmin;
    if (P < m.Pmin) return m.Tmax;
    if (S > m.Smax) return m.Tmax;
    if (P < g_fluidData.Pc) {
        const SaturationEntropies e = known ? *known : saturationEntropiesAt(P);
        if (e.sf <= S && S <= e.sg) return e.pair.Ts;
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

}  // namespace

double calcTofPS(double P, double S) {
    ensureModel();
    return temperatureOfPS(P, S, nullptr);
}

double calcHofPS(double P, double S) {
    ensureModel();
    if (P < g_fluidData.Pc) {
        // Formed once: the temperature search below reuses it.
        const SaturationEntropies e = saturationEntropiesAt(P);
        const SaturationPair& s = e.pair;
        const double sf = e.sf;
        const double sg = e.sg;
        if (S >= sf && S <= sg) {
            // Lever rule with the vapour quality (S - sf) / (sg - sf).
            double hf = calcHofTV(s.Ts, s.vf);
            double hg = calcHofTV(s.Ts, s.vg);
            return (hg - hf) * ((S - sf) / (sg - sf)) + hf;
        }
        return calcHofTP(temperatureOfPS(P, S, &e), P);
    }
    return calcHofTP(temperatureOfPS(P, S, nullptr), P);
}
