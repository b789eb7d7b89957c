// Certified bounds on Z and on s + Z along an isotherm.
//
// Derivation
// ----------
// Assumptions: IEEE double arithmetic with round-to-nearest, no fused
// multiply-add (-ffp-contract=off), u = 2^-53 the unit roundoff; the C
// library's exp returns exp(x) within 1 ulp (glibc documents less than that
// for x86_64; we allow 8 ulp below).
//
// 1. Inputs shared by both evaluations. The exact evaluation (state_terms,
//    compressibilityOfTerms, slopeSumOfTerms) and the cheap one here start
//    from the same doubles: Tr, sqrt(Tr) as rounded, delta = vc / v, and
//    E = exp(-(gamma delta) delta) as the library returns it (or, below, an
//    approximation of that very number), and the same constants c_i, a, gamma.
//    Let Z* (resp. S*) be the value of the exact evaluation's expression
//    computed in real arithmetic from those doubles.
//
// 2. Rounding of an expression tree. If an expression of +, -, *, / (every
//    divisor an input: Tr, v, an integer) is evaluated in floating point and
//    every path from an input to the result passes through at most k
//    operations, then, expanding the products, the computed value is
//    sum over monomials of m_j (1 + theta_j) with |theta_j| <= gamma_k =
//    k u / (1 - k u); so |computed - exact| <= gamma_k M, where M = sum |m_j| is
//    the expression with every input and constant replaced by its absolute
//    value and every subtraction by an addition. (No underflow or overflow:
//    see 5.)
//
// 3. Depths. In the exact evaluation of Z the deepest path is 51 operations
//    (delta^10: 9 products, then 2 gamma delta^10, the difference, a *, four
//    additions of a series sum, E / Tr^4 times it, the three operations of
//    w_i = (delta t'_i + t_i) delta, c_i w_i, 28 additions of the dot product
//    and the final + 1); in s + Z it is 56 (t''_i adds the products of
//    powExpDDelta2, u_i its five operations, and the last addition of s and
//    Z). The cheap forms below are at most 52 deep (coefficients: at most 4
//    divisions by Tr, 3 products and 24 additions; Horner in delta and in
//    delta^2: 2 operations per coefficient plus the rounding of delta^2 at
//    each step; E times the second polynomial and two additions). Every path
//    is below k = 64.
//
// 4. One M for both. Multiplying out, Z - 1 and s + Z - 1 are sums of
//    monomials c_i * (Tr factor) * (integer or gamma factor) * delta^j (times E
//    for i >= 19). The exact evaluation's M and the cheap form's M are both
//    at most the sum of the absolute values of all those contributions (the
//    cheap form groups them by power of delta and sums them signed, which
//    leaves their absolute sum as its M). So
//        |Z_exact - Z_cheap| <= 2 gamma_64 Mabs,   2 gamma_64 < 1.43e-14,
//    with Mabs = 1 + sum Babs[j] delta^j + E sum Habs[m] delta^(2m), computed
//    here in floating point from positive terms only, so that it is low by
//    at most a relative gamma_64 itself; the bound used is 2e-14 Mabs.
//
// 5. Range. The bounds are used only for 0.25 <= Tr <= 4 and
//    1e-12 <= delta <= 4. There every intermediate of both evaluations is a
//    normal number: powers of delta down to 1e-132 times coefficients of
//    magnitude above 1e-12, E >= exp(-3.2), Tr^-5 <= 1024, nothing near
//    overflow. Outside that range the solver evaluates exactly.
//
// 6. E without exp. For x = -(gamma delta) delta in [-2^-10, 0] the cheap
//    form replaces E by e4 = 1 + x + x^2/2 + x^3/6 + x^4/24 (Horner). Taylor's
//    remainder is below |x|^5/120 < 1e-17, the Horner roundings below 1e-15,
//    and the library's exp is within 8 ulp (< 1e-15) of exp(x): so
//    |E - e4| <= 2e-15, which moves Z by at most 2e-15 times the absolute
//    polynomial multiplying E; that is added to the bound.
//
// 7. From Z to P. Zlo and Zhi are Zc -/+ bound as rounded: the rounding of
//    that subtraction or addition is below 2^-53 (|Zc| + bound) <= 1.2e-16
//    Mabs (|Zc| <= Mabs up to rounding, Mabs >= 1), well inside the margin
//    between 2e-14 and 2 gamma_64 < 1.43e-14 of 4. The exact pressure is
//    ((Z R) (T + 459.67) / v) / 144 with R, T + 459.67 and v positive: it lies
//    within a relative gamma_4 of Z K, K = R (T + 459.67) / (144 v), so
//    P <= K (Z + gamma_4 |Z|) and P >= K (Z - gamma_4 |Z|), both increasing in
//    Z. A target compares with P as target / K compares with those, and
//    target / K is computed as target zScale within gamma_4 (see
//    pressure_bounds.h for the margin).
//
// 8. The slope. calcDPDVofTV = (s + Z) Tr TcR / v / v R / (-144): with Tr,
//    TcR, v, R positive its sign is the opposite of that of the rounded
//    s + Z, as long as no product underflows to zero. The sign is taken as
//    known only when |S_cheap| exceeds the bound by more than 1e-250; then
//    the magnitude of the result stays above 1e-270 in the range of 5.
//
// 9. Low density. For delta <= d0 = kLowDensity the form is cut after
//    delta^2: Zc = 1 + delta (B1 + delta (B2 + H1)), taking E as 1 in the
//    delta^2 term. The real difference from the full form is
//      sum_{j>=3} B_j delta^j + (E - 1) H1 delta^2 + E sum_{m>=2} H_m delta^(2m),
//    and |E - 1| <= gamma delta^2 (1 + 3u) + 8u (1 - e^-x <= x, the roundings
//    of x, the library's exp within 8 ulp of a value at most 1). So it is at
//    most tail delta^3 + 8u Habs_1 delta^2 (kExpRounding = 1e-15 > 8u) with
//      tail = 1.001 (sum_{j>=3} Babs_j d0^(j-3) + 1.001 gamma d0 Habs_1
//                    + 1.001 sum_{m>=2} Habs_m d0^(2m-3)),
//    formed once per isotherm (1.001 covers the roundings of these positive
//    sums). The rounding part is as in 4 with Mabs <= 1 + delta (Babs_1 +
//    delta (Babs_2 + Habs_1)) + tail delta^3. The same holds for s + Z with
//    its own coefficients. An interval of the low-density form that leaves a
//    comparison open is replaced by the full form's before the exact
//    evaluation is made.
//
// 10. Caps. Mabs (with E replaced by its upper bound 1) and the polynomial
//    multiplying E have nonnegative coefficients, so they do not decrease
//    with delta: their values at a delta_cap bound them at every delta <=
//    delta_cap. A solve keeps such a cap, formed 5% above the first delta
//    that needs one and formed anew above any trial delta beyond it; each
//    trial checks its own computed delta against delta_cap.
#include "solvers/pressure_bounds.h"

#include <cmath>

#include "model/fluid_data.h"
#include "model/model_state.h"

namespace {

constexpr double kExpBound = 2e-15;       // |E - e4|, see 6
constexpr double kSignMargin = 1e-250;    // see 8
constexpr double kTaylorLimit = 0.0009765625;  // 2^-10

// Exponent q of the divisor Tr^q of the exponential terms 19..28, and the
// series factor (0..4) of each.
constexpr int kPowerTr[10] = {2, 3, 2, 4, 2, 3, 2, 4, 2, 3};
constexpr int kSeries[10] = {0, 0, 1, 1, 2, 2, 3, 3, 4, 4};
// Powers n of the terms a delta^n of each series factor.
constexpr int kSeriesCount[5] = {5, 4, 3, 2, 1};
constexpr int kSeriesPower[5][5] = {{1, 3, 5, 7, 9}, {3, 5, 7, 9}, {5, 7, 9}, {7, 9}, {9}};

void addTo(double* coef, double* abs, int index, double value) {
    coef[index] = coef[index] + value;
    abs[index] = abs[index] + std::fabs(value);
}

void lowDensityFormOf(const double* B, const double* Babs, const double* H, const double* Habs, int topH,
                      LowDensityForm& out);

}  // namespace

void isothermBoundsAt(double T, const TemperatureTerms& tt, IsothermBounds& out) {
    out = {};
    out.T = T;
    out.zPerPressure = 144 / (g_modelState.R * (T + 459.67));
    const double Tr = tt.Tr;
    out.usable = Tr >= 0.25 && Tr <= 4.0;
    if (!out.usable) return;
    const double* c = coefResidual();

    // Polynomial terms: t_i = g_i(Tr) delta^k. Then w_i = (delta t'_i + t_i) delta
    // = (k + 1) g_i delta^(k+1) and u_i = (k + 1)^2 g_i delta^(k+1), so Z gets
    // c_i (k + 1) g_i and s + Z gets c_i (k + 1)(k + 2) g_i at delta^(k+1).
    struct PolyTerm {
        int k;
        double g;
    };
    const PolyTerm poly[19] = {
        {0, Tr},           {0, tt.sqrtTr},       {0, 1.0},           {0, 1.0 / Tr},
        {0, 1.0 / Tr / Tr}, {1, Tr / 2},          {1, 0.5},           {1, 0.5 / Tr},
        {1, 0.5 / Tr / Tr}, {2, Tr / 3},          {2, 1.0 / 3},       {2, 1.0 / 3 / Tr},
        {3, 0.25},          {4, 1.0 / 5 / Tr},    {4, 1.0 / 5 / Tr / Tr}, {5, 1.0 / 6 / Tr},
        {6, 1.0 / 7 / Tr},  {6, 1.0 / 7 / Tr / Tr}, {7, 1.0 / 8 / Tr / Tr},
    };
    for (int i = 0; i < 19; ++i) {
        const int k = poly[i].k;
        const double cg = c[i] * poly[i].g;
        addTo(out.B, out.Babs, k + 1, cg * (k + 1));
        addTo(out.Bs, out.Bsabs, k + 1, cg * ((k + 1) * (k + 2)));
    }

    // Exponential terms: t_i = f sigma E with f = 1 / Tr^q and sigma = sum a delta^n.
    // For each term a delta^n:
    //   w: E f a ((n + 1) delta^(n+1) - 2 gamma delta^(n+3))
    //   w + u: E f a ((n + 1)(n + 2) delta^(n+1) - 2 gamma (2n + 5) delta^(n+3)
    //                 + 4 gamma^2 delta^(n+5))
    // The powers are even: index m holds delta^(2m).
    const SeriesCoefficients& sc = seriesCoefficients();
    const double g2 = sc.twoGamma;
    const double g2sq = g2 * g2;
    for (int e = 0; e < 10; ++e) {
        double f = c[19 + e];
        for (int q = 0; q < kPowerTr[e]; ++q) f = f / Tr;
        const int series = kSeries[e];
        for (int j = 0; j < kSeriesCount[series]; ++j) {
            const int n = kSeriesPower[series][j];
            const double fa = f * sc.a[series][j];
            addTo(out.H, out.Habs, (n + 1) / 2, fa * (n + 1));
            addTo(out.H, out.Habs, (n + 3) / 2, -(fa * g2));
            addTo(out.Hs, out.Hsabs, (n + 1) / 2, fa * ((n + 1) * (n + 2)));
            addTo(out.Hs, out.Hsabs, (n + 3) / 2, -(fa * (g2 * (2 * n + 5))));
            addTo(out.Hs, out.Hsabs, (n + 5) / 2, fa * g2sq);
        }
    }
    lowDensityFormOf(out.B, out.Babs, out.H, out.Habs, 6, out.zLow);
    lowDensityFormOf(out.Bs, out.Bsabs, out.Hs, out.Hsabs, 7, out.sLow);
}

namespace {

// sum coef[j] x^j for j = 1..top, by Horner.
double hornerFromFirst(const double* coef, int top, double x) {
    double acc = coef[top];
    for (int j = top - 1; j >= 1; --j) acc = acc * x + coef[j];
    return acc * x;
}

// The low-density form (see 9) from the coefficients of a full form.
void lowDensityFormOf(const double* B, const double* Babs, const double* H, const double* Habs, int topH,
                      LowDensityForm& out) {
    const double d0 = kLowDensity;
    const double gamma = seriesCoefficients().gamma;
    out.c1 = B[1];
    out.c2 = B[2] + H[1];
    out.a1 = Babs[1];
    out.a2 = Babs[2] + Habs[1];
    out.h1abs = Habs[1];
    double tail = 0;
    double power = 1;  // d0^(j-3)
    for (int j = 3; j <= 8; ++j) {
        tail = tail + Babs[j] * power;
        power = power * d0;
    }
    tail = tail + 1.001 * gamma * d0 * Habs[1];
    power = d0;  // d0^(2m-3)
    for (int m = 2; m <= topH; ++m) {
        tail = tail + 1.001 * Habs[m] * power;
        power = power * d0 * d0;
    }
    out.tail = 1.001 * tail;
}

// Zc, s + Z and their bounds from the full forms (see 1 to 6).
struct FullForm {
    double E, expError, d2;
};

FullForm fullFormAt(double delta) {
    FullForm f;
    // E as the exact evaluation forms it, or its Taylor polynomial near 1.
    const double x = -(seriesCoefficients().gamma * delta * delta);
    if (x >= -kTaylorLimit) {
        f.E = 1 + x * (1 + x * (0.5 + x * (1.0 / 6 + x * (1.0 / 24))));
        f.expError = kExpBound;
    } else {
        f.E = std::exp(x);
        f.expError = 0;
    }
    f.d2 = delta * delta;
    return f;
}

// Zc (or Sc) of the full form; its bound from the absolute sums at delta,
// or from those of the cap when delta lies within it (see 10).
void fullBounds(const double* B, const double* Babs, const double* H, const double* Habs, int topH,
                double delta, const FullForm& f, const double* capped, double& center, double& bound) {
    const double p1 = hornerFromFirst(B, 8, delta);
    const double p2 = hornerFromFirst(H, topH, f.d2);
    center = (1.0 + p1) + f.E * p2;
    if (capped) {
        bound = kRelativeBound * capped[0] + f.expError * capped[1];
        return;
    }
    const double m1 = hornerFromFirst(Babs, 8, delta);
    const double m2 = hornerFromFirst(Habs, topH, f.d2);
    bound = kRelativeBound * ((1.0 + m1) + f.E * m2) + f.expError * m2;
}

// The full form's shared values at b.delta, formed once per volume.
FullForm fullFormOf(VolumeBounds& b) {
    if (!b.formed) {
        const FullForm f = fullFormAt(b.delta);
        b.E = f.E;
        b.expError = f.expError;
        b.d2 = f.d2;
        b.formed = true;
    }
    return {b.E, b.expError, b.d2};
}

// The absolute sums of Z and s + Z at a delta 5% above the given one, with
// E taken as 1: they bound those at every smaller delta (see 10).
void refreshCap(const IsothermBounds& iso, double delta, AbsCap& cap) {
    const double d = delta * 1.05;
    const double d2 = d * d;
    const double m1 = hornerFromFirst(iso.Babs, 8, d);
    const double m2 = hornerFromFirst(iso.Habs, 6, d2);
    const double n1 = hornerFromFirst(iso.Bsabs, 8, d);
    const double n2 = hornerFromFirst(iso.Hsabs, 7, d2);
    cap.z[0] = (1.0 + m1) + m2;
    cap.z[1] = m2;
    cap.s[0] = (1.0 + n1) + n2;
    cap.s[1] = n2;
    cap.delta = d;
}

const AbsCap* capFor(VolumeBounds& b) {
    if (!b.cap) return nullptr;
    if (!(b.delta <= b.cap->delta)) refreshCap(*b.iso, b.delta, *b.cap);
    return b.delta <= b.cap->delta ? b.cap : nullptr;
}

}  // namespace

void fullZBounds(VolumeBounds& b) {
    const IsothermBounds& iso = *b.iso;
    double center, bound;
    const AbsCap* cap = capFor(b);
    fullBounds(iso.B, iso.Babs, iso.H, iso.Habs, 6, b.delta, fullFormOf(b), cap ? cap->z : nullptr, center,
               bound);
    b.full = true;
    b.Zlo = center - bound;
    b.Zhi = center + bound;
    b.usable = std::isfinite(b.Zlo) && std::isfinite(b.Zhi) && std::isfinite(b.zScale);
}

namespace {

// Sign of s + Z as far as the bounds tell: +1 positive, -1 negative, 0 open.
int slopeSumSign(VolumeBounds& b, bool full) {
    const IsothermBounds& iso = *b.iso;
    double center, bound;
    if (!full) {
        lowDensityBounds(iso.sLow, b.delta, center, bound);
    } else {
        const AbsCap* cap = capFor(b);
        fullBounds(iso.Bs, iso.Bsabs, iso.Hs, iso.Hsabs, 7, b.delta, fullFormOf(b), cap ? cap->s : nullptr,
                   center, bound);
    }
    bound = bound + kSignMargin;
    if (!std::isfinite(center) || !std::isfinite(bound)) return 0;
    if (center - bound > 0) return 1;
    if (center + bound < 0) return -1;
    return 0;
}

void settleSlope(VolumeBounds& b) {
    if (b.slopeKnown) return;
    b.slopeKnown = true;
    b.slopeSign = 0;
    if (!b.usable) return;
    const bool low = b.delta <= kLowDensity;
    if (low) b.slopeSign = slopeSumSign(b, false);
    if (b.slopeSign == 0) b.slopeSign = slopeSumSign(b, true);
}

}  // namespace

Decided slopePositive(VolumeBounds& b) {
    settleSlope(b);
    // s + Z < 0 makes the slope positive.
    return b.slopeSign < 0 ? Decided::yes : b.slopeSign > 0 ? Decided::no : Decided::unknown;
}

Decided slopeNegative(VolumeBounds& b) {
    settleSlope(b);
    return b.slopeSign > 0 ? Decided::yes : b.slopeSign < 0 ? Decided::no : Decided::unknown;
}
