#include "solvers/saturation.h"

#include <cmath>

#include "model/fluid_data.h"
#include "model/model_state.h"

// ln(P / Pc) = (a0 tau + a1 tau^1.5 + a2 tau^4 + a3 tau^6.5) / (1 - tau),
// tau = 1 - Tr. Every term is divided by (1 - tau) on its own, and every
// power, tau^4 included, is the library's general power function.
double calcPsat(double T) {
    ensureModel();
    const FluidData& f = g_fluidData;
    if (T <= f.Tt) return f.Pt;
    if (T >= f.Tc) return f.Pc;
    const double* a = g_psatCoef;
    double tau = 1 - (T + 459.67) / g_modelState.TcR;
    double x = a[0] * tau / (1 - tau)
               + a[1] * std::pow(tau, 1.5) / (1 - tau)
               + a[2] * std::pow(tau, 4.0) / (1 - tau)
               + a[3] * std::pow(tau, 6.5) / (1 - tau);
    return f.Pc * std::exp(x);
}

// 32 bisection steps on calcPsat between Tt and Tc, no convergence test;
// the answer is the midpoint of the last step.
double calcTsat(double P) {
    ensureModel();
    const FluidData& f = g_fluidData;
    if (P <= f.Pt) return f.Tt;
    if (P >= f.Pc) return f.Tc;
    double lo = f.Tt;
    double hi = f.Tc;
    double mid = lo;
    for (int step = 0; step < 32; ++step) {
        mid = (hi + lo) * 0.5;
        double p = calcPsat(mid);
        if (P > p)
            lo = mid;
        else
            hi = mid;
    }
    return mid;
}

// vc (1 - k tau^0.187), with k chosen so that the estimate is vft at Tt.
double estVf(double T) {
    ensureModel();
    const FluidData& f = g_fluidData;
    if (T <= f.Tt) return f.vft;
    if (T >= f.Tc) return f.vc;
    double k = (1 - f.vft / f.vc) / std::pow(1 - (f.Tt + 459.67) / g_modelState.TcR, 0.187);
    double tau = 1 - (T + 459.67) / g_modelState.TcR;
    return f.vc * (1 - k * std::pow(tau, 0.187));
}

// R Zg T / Psat / 144 with an estimated vapour compressibility Zg, which
// is Zc at the critical point and close to 1 near the triple point.
double estVg(double T) {
    ensureModel();
    const FluidData& f = g_fluidData;
    const double R = g_modelState.R;
    if (T <= f.Tt) return (f.Tt + 459.67) * R / f.Pt / 144;
    if (T >= f.Tc) return f.vc;
    double s = std::sqrt(1 - (T + 459.67) / g_modelState.TcR);
    double e = std::exp((0.468319200275 * s - 1.88530998752) * s / (1 - 1.09976061535 * s));
    double Zg = 1 - e * (1 - f.Zc);
    return R * Zg * (T + 459.67) / calcPsat(T) / 144;
}
