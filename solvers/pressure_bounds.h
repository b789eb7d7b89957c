// Certified bounds on the model pressure and on the sign of its slope along
// one isotherm, for deciding the comparisons of the volume solver without
// the exact evaluation whenever the bound settles them.
//
// The solver's searches and bisection only ever compare: the model pressure
// P(T, v) with a target, and the slope dP/dv with zero. P is formed from
// Z = calcZofTV(T, v) by four rounded operations, so bounds Zlo <= Z <= Zhi
// settle a comparison of P with a target whenever the target's Z lies
// clear of [Zlo, Zhi] by more than those roundings. The slope has the sign
// of -(s + Z) (s the slope sum of calcDPDVofTV). Both Z and s + Z are, as functions of delta on the
// isotherm, 1 + a polynomial in delta + E times a polynomial in delta^2,
// with coefficients that depend on Tr alone; this file evaluates that cheap
// form and bounds its distance from the exact evaluation, roundings of both
// included. When the interval leaves the comparison's outcome open, the
// caller evaluates exactly. The derivation is in pressure_bounds.cpp.
//
// Building with -DQUORVEX_EXACT_STEPS removes the bounds: every comparison
// is then made by the exact evaluation.
#pragma once

#include <cmath>

#include "model/fluid_data.h"
#include "model/state_terms.h"

// Outcome of a comparison decided by the bounds.
enum class Decided { no, yes, unknown };

// Z (or s + Z) for delta <= kLowDensity: 1 + c1 delta + c2 delta^2, the rest
// bounded by tail delta^3 (see pressure_bounds.cpp, 9).
struct LowDensityForm {
    double c1, c2;  // coefficients
    double a1, a2;  // their sums over absolute values of the contributions
    double tail;
    double h1abs;   // absolute sum of E's first coefficient
};

// Coefficients of the cheap forms on one isotherm.
struct IsothermBounds {
    bool usable;          // Tr inside the range the derivation covers
    double T;             // temperature, F
    double zPerPressure;  // 144 / (R (T + 459.67)), as rounded
    double B[9];          // Z - 1 = sum B[j] delta^j (j = 1..8) + E sum H[m] delta^(2m) (m = 1..6)
    double Babs[9];       // the same sums over absolute values of every contribution
    double H[8];
    double Habs[8];
    double Bs[9];         // s + Z - 1, likewise, with E's polynomial up to delta^14 (m = 1..7)
    double Bsabs[9];
    double Hs[8];
    double Hsabs[8];
    LowDensityForm zLow;  // the same at low density
    LowDensityForm sLow;
};

void isothermBoundsAt(double T, const TemperatureTerms& tt, IsothermBounds& out);

// Absolute sums at delta_cap that bound those at every smaller delta, kept
// by one solve (see pressure_bounds.cpp, 10). delta < 0: none yet.
struct AbsCap {
    double delta;
    double z[2];  // Mabs of Z with E as 1, and the absolute polynomial multiplying E
    double s[2];  // the same for s + Z
};

// The bounds at one volume, formed as the comparisons ask for them.
struct VolumeBounds {
    const IsothermBounds* iso;
    AbsCap* cap;      // the solve's cap, or null
    bool formed;      // E, expError, d2 formed
    double E, expError, d2;
    bool usable;      // volume inside the range the derivation covers
    bool full;        // Zlo, Zhi from the full form (else the low-density one)
    bool slopeKnown;  // slopeSign formed
    int slopeSign;    // sign of s + Z: +1, -1, or 0 when the bounds leave it open
    double v;
    double delta;
    double Zlo, Zhi;  // Zlo <= calcZofTV(T, v) <= Zhi
    double zScale;    // 144 v / (R (T + 459.67)), as rounded: the Z of a pressure
};

// Bound constants, derived in pressure_bounds.cpp.
constexpr double kRelativeBound = 2e-14;  // relative to the absolute sum Mabs, see 4
constexpr double kLowDensity = 1e-2;      // delta up to which the low-density form serves, see 9
constexpr double kExpRounding = 1e-15;    // > 8u, the library's exp near 1, see 9

// The comparisons of the model pressure P = Z R (T + 459.67) / v / 144 with a
// target are made on Z: the target's compressibility Zt = target zScale is
// within 4 roundings of target 144 v / (R (T + 459.67)), and P within 4
// roundings of Z R (T + 459.67) / (144 v). A relative margin of 2e-15 on
// either side covers both (4 roundings are below 4.5e-16) and the roundings
// of the comparison itself. NaN or infinite targets leave every outcome
// open.
constexpr double kPressureRounding = 2e-15;

// Zlo, Zhi of the full form at b.delta (out of line: the less frequent case).
void fullZBounds(VolumeBounds& b);

// Zc and its bound from a low-density form at delta <= kLowDensity.
inline void lowDensityBounds(const LowDensityForm& f, double delta, double& center, double& bound) {
    const double d3 = delta * delta * delta;
    center = 1.0 + delta * (f.c1 + delta * f.c2);
    const double tail = f.tail * d3;
    const double mabs = 1.0 + delta * (f.a1 + delta * f.a2) + tail;
    bound = kRelativeBound * mabs + tail + kExpRounding * f.h1abs * (delta * delta);
}

// The bounds of Z at v: the low-density form where it applies, else the full form.
inline void volumeBoundsAt(const IsothermBounds& iso, AbsCap* cap, double v, VolumeBounds& out) {
    out.iso = &iso;
    out.cap = cap;
    out.formed = false;
    out.usable = false;
    out.full = false;
    out.slopeKnown = false;
    out.v = v;
    if (!iso.usable) return;
    const double delta = g_fluidData.vc / v;
    out.delta = delta;
    if (!(delta >= 1e-12 && delta <= 4.0)) return;
    out.zScale = iso.zPerPressure * v;
    if (delta <= kLowDensity) {
        double center, bound;
        lowDensityBounds(iso.zLow, delta, center, bound);
        out.Zlo = center - bound;
        out.Zhi = center + bound;
        out.usable = std::isfinite(out.Zlo) && std::isfinite(out.Zhi) && std::isfinite(out.zScale);
    } else {
        fullZBounds(out);
    }
}

// Replaces a low-density interval by the full form's; false when there is
// nothing to refine.
inline bool refineVolumeBounds(VolumeBounds& b) {
    if (!b.usable || b.full) return false;
    fullZBounds(b);
    return b.usable;
}

// +1 when the target's Z lies above [Zlo, Zhi] with the margin, -1 when at
// or below it, 0 when open.
inline int compareTarget(const VolumeBounds& b, double target) {
    const double r = kPressureRounding;
    const double Zt = target * b.zScale;
    if (Zt - r * std::fabs(Zt) > b.Zhi + r * std::fabs(b.Zhi)) return 1;
    if (Zt + r * std::fabs(Zt) <= b.Zlo - r * std::fabs(b.Zlo)) return -1;
    return 0;
}

// target > P(T, v)
inline Decided targetAbovePressure(VolumeBounds& b, double target) {
    if (!b.usable) return Decided::unknown;
    int c = compareTarget(b, target);
    if (c == 0 && refineVolumeBounds(b)) c = compareTarget(b, target);
    return c > 0 ? Decided::yes : c < 0 ? Decided::no : Decided::unknown;
}

// P(T, v) > target: needs Zlo - margin above the target's Z + margin; not
// when Zhi + margin is at or below the target's Z - margin.
inline Decided pressureAboveTarget(VolumeBounds& b, double target) {
    if (!b.usable) return Decided::unknown;
    const double r = kPressureRounding;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const double Zt = target * b.zScale;
        if (b.Zlo - r * std::fabs(b.Zlo) > Zt + r * std::fabs(Zt)) return Decided::yes;
        if (b.Zhi + r * std::fabs(b.Zhi) <= Zt - r * std::fabs(Zt)) return Decided::no;
        if (attempt == 0 && !refineVolumeBounds(b)) break;
    }
    return Decided::unknown;
}

Decided slopePositive(VolumeBounds& b);  // calcDPDVofTV(T, v) > 0
Decided slopeNegative(VolumeBounds& b);  // calcDPDVofTV(T, v) < 0
