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

#ifndef QUORVEX_EXACT_STEPS
namespace {

// Certified comparison of P with calcPsat(T) for Tt < T < Tc, without the
// three powers and the exponential of calcPsat where a bound settles it.
//
// Assumptions: IEEE double arithmetic, round-to-nearest, u = 2^-53; the C
// library's pow and exp within 1 ulp (2u relative) of the exact value, its
// log within 1 ulp.
//
// calcPsat forms tau and 1 - tau (shared with the cheap form below, which
// forms them the same way), then x = sum a_k tau^y_k / (1 - tau) with
// y = 1, 1.5, 4, 6.5, and returns Pc exp(x). Let x* be that sum in real
// arithmetic from the shared tau and X = sum |a_k| tau^y_k / (1 - tau).
//  - calcPsat's x: each power within 2u, a product and a quotient, three
//    additions: |x - x*| <= 8u X.
//  - the cheap x_c uses tau^1.5 = tau sqrt(tau), tau^4 = (tau^2)^2,
//    tau^6.5 = tau^4 tau^2 sqrt(tau): at most 7 roundings per power, 2 more
//    per term and 3 additions: |x_c - x*| <= gamma_12 X < 12.1u X.
//  So |x - x_c| <= 21u X < 2.4e-15 X; the bound uses 4e-15 X_c (X_c, summed
//  from positive terms, is low by less than 1e-14 relative).
//  - Pc exp(x) as rounded lies within a relative 3.1u of Pc e^x, so with
//    L = ln(P / Pc): P > calcPsat(T) whenever L - x > 4u, and P <= calcPsat(T)
//    whenever L - x < -4u.
//  - L is computed as log(P / Pc): within 2u |L| + 1.01u of ln(P / Pc).
// Hence with D = L_c - x_c and margin m = 4e-15 X_c + 1e-15 (|L_c| + |x_c|)
// + 1e-15, which also covers the roundings of D and m themselves:
// D > m gives P > calcPsat(T), D < -m gives P <= calcPsat(T).
enum class PsatComparison { above, notAbove, unknown };

PsatComparison comparePressureWithPsat(double T, double L) {
    const FluidData& f = g_fluidData;
    if (!(T > f.Tt && T < f.Tc)) return PsatComparison::unknown;
    const double* a = g_psatCoef;
    double tau = 1 - (T + 459.67) / g_modelState.TcR;
    if (!(tau >= 1e-12 && tau < 1)) return PsatComparison::unknown;
    double om = 1 - tau;
    double sq = std::sqrt(tau);
    double t2 = tau * tau;
    double t4 = t2 * t2;
    double terms[4] = {a[0] * tau / om, a[1] * (tau * sq) / om, a[2] * t4 / om, a[3] * (t4 * t2 * sq) / om};
    double x = terms[0] + terms[1] + terms[2] + terms[3];
    double X = std::fabs(terms[0]) + std::fabs(terms[1]) + std::fabs(terms[2]) + std::fabs(terms[3]);
    double D = L - x;
    double margin = 4e-15 * X + 1e-15 * (std::fabs(L) + std::fabs(x)) + 1e-15;
    if (!std::isfinite(D) || !std::isfinite(margin)) return PsatComparison::unknown;
    if (D > margin) return PsatComparison::above;
    if (D < -margin) return PsatComparison::notAbove;
    return PsatComparison::unknown;
}

}  // namespace
#endif

// 32 bisection steps on calcPsat between Tt and Tc, no convergence test;
// the answer is the midpoint of the last step. Each step's comparison
// P > calcPsat(mid) is made by the certified bound above where it settles
// it, and by calcPsat otherwise.
double calcTsat(double P) {
    ensureModel();
    const FluidData& f = g_fluidData;
    if (P <= f.Pt) return f.Tt;
    if (P >= f.Pc) return f.Tc;
#ifndef QUORVEX_EXACT_STEPS
    const double L = std::log(P / f.Pc);
#endif
    double lo = f.Tt;
    double hi = f.Tc;
    double mid = lo;
    for (int step = 0; step < 32; ++step) {
        mid = (hi + lo) * 0.5;
        bool above;
#ifndef QUORVEX_EXACT_STEPS
        PsatComparison c = comparePressureWithPsat(mid, L);
        if (c != PsatComparison::unknown)
            above = c == PsatComparison::above;
        else
#endif
            above = P > calcPsat(mid);
        if (above)
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
