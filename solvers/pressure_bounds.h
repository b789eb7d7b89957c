// Certified bounds on the model pressure and on the sign of its slope along
// one isotherm, for deciding the comparisons of the volume solver without
// the exact evaluation whenever the bound settles them.
//
// The solver's searches and bisection only ever compare: the model pressure
// P(T, v) with a target, and the slope dP/dv with zero. P is formed from
// Z = calcZofTV(T, v) by a chain of roundings that never decreases when Z
// grows, so bounds Zlo <= Z <= Zhi give Pf(Zlo) <= P <= Pf(Zhi) where Pf is
// that same chain. The slope has the sign of -(s + Z) (s the slope sum of
// calcDPDVofTV). Both Z and s + Z are, as functions of delta on the
// isotherm, 1 + a polynomial in delta + E times a polynomial in delta^2,
// with coefficients that depend on Tr alone; this file evaluates that cheap
// form and bounds its distance from the exact evaluation, roundings of both
// included. When the interval leaves the comparison's outcome open, the
// caller evaluates exactly. The derivation is in pressure_bounds.cpp.
//
// Building with -DQUORVEX_EXACT_STEPS removes the bounds: every comparison
// is then made by the exact evaluation.
#pragma once

#include "model/state_terms.h"

// Outcome of a comparison decided by the bounds.
enum class Decided { no, yes, unknown };

// Coefficients of the cheap forms on one isotherm.
struct IsothermBounds {
    bool usable;       // Tr inside the range the derivation covers
    double T;          // temperature, F
    double B[9];       // Z - 1 = sum B[j] delta^j (j = 1..8) + E sum H[m] delta^(2m) (m = 1..6)
    double Babs[9];    // the same sums over absolute values of every contribution
    double H[8];
    double Habs[8];
    double Bs[9];      // s + Z - 1, likewise, with E's polynomial up to delta^14 (m = 1..7)
    double Bsabs[9];
    double Hs[8];
    double Hsabs[8];
};

void isothermBoundsAt(double T, const TemperatureTerms& tt, IsothermBounds& out);

// The cheap forms evaluated at one volume.
struct VolumeBounds {
    bool usable;  // volume inside the range the derivation covers
    double v;
    double Zlo, Zhi;  // Zlo <= calcZofTV(T, v) <= Zhi
    double Plo, Phi;  // bounds of the model pressure Z R (T + 459.67) / v / 144
    Decided slopePositive;  // calcDPDVofTV(T, v) > 0
    Decided slopeNegative;  // calcDPDVofTV(T, v) < 0
};

// Bounds at v. With withSlope false only the pressure bounds are formed.
void volumeBoundsAt(const IsothermBounds& iso, double v, bool withSlope, VolumeBounds& out);

// target > P(T, v), and P(T, v) > target, as far as the bounds tell.
inline Decided targetAbovePressure(const VolumeBounds& b, double target) {
    if (!b.usable) return Decided::unknown;
    if (target > b.Phi) return Decided::yes;
    if (!(target > b.Plo)) return Decided::no;
    return Decided::unknown;
}

inline Decided pressureAboveTarget(const VolumeBounds& b, double target) {
    if (!b.usable) return Decided::unknown;
    if (b.Plo > target) return Decided::yes;
    if (!(b.Phi > target)) return Decided::no;
    return Decided::unknown;
}
