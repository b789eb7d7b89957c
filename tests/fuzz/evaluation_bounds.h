// The most residual term vectors that one call of each worksheet function
// can cost, counted as the plain evaluation computes them: a model pressure
// costs 2 vectors (t, t'), a pressure slope 3 (t, t', t''), Z 2, A 1, S 2,
// G 3 and H 5.
//
// Every loop of the solvers has a fixed count except the two bracket
// searches of the volume solver, which end only at volume limits. A search
// that multiplies by m starting from v0 and stopping once it passes the
// limit L makes at most K(v0/L, m) = ceil(ln(v0/L) / -ln m) + 1 steps (the
// +1 covers rounding of the repeated products), one model pressure each
// (and one slope each in the saturated-vapour lower search). With
//   vft = 0.0081296, vc = 0.026398, vmin = 0.008089033214744641,
//   vmax = 201103540.31134397, vgTriple = 300419.4939125122
//   (the triple-point ideal-gas volume, the largest value estVg returns;
//   its smallest is vc at and above Tc, 0.026553 just below it):
//
//   saturated liquid and liquid: estimate in [vft, vc]
//     lower, x0.999 to vmin: K(vc/vmin, 0.999) = 1184; upper, /0.99 to vc:
//     K(vc/vft, 0.99) = 119.
//   saturated vapour: estimate in [vc, vgTriple]
//     lower, x0.99 to vc with a slope per step: K(vgTriple/vc, 0.99) = 1618;
//     upper, /0.99 to vmax: K(vmax/(vc/2), 0.99) = 2334.
//   vapour: lower, x0.999 to vc: K(vgTriple/vc, 0.999) = 16241; upper 2334.
//   supercritical: the estimate estVofTP(T, P) can be any double:
//     above vmax, only the lower search runs: at most
//       K(DBL_MAX/vmin, 0.999) = 714244;
//     in [vmin, vmax]: K(vmax/vmin, 0.999) + K(vmax/vmin, 0.99) = 23926 + 2383;
//     in (0, vmin]: only the upper search: K(vmax/DBL_TRUE_MIN, 0.99) = 75975;
//     negative: the upper search runs until the pressure falls to the
//       target, at the latest when the volume overflows to -inf, where the
//       pressure is -0 or NaN: K(DBL_MAX/DBL_TRUE_MIN, 0.99) = 144695;
//     NaN: no search step runs. The estimate is never +inf for a finite
//     pressure above zero: it is Z R (T + 459.67) / (144 P) with the
//     correlation's Z positive only where ln((T + 459.67)/TcR) < 125 and
//     ln(P/Pc) > -205, which keeps it below about 1e90.
//   With the temperature in [Tmin, Tmax] and the pressure in [Pmin, Pmax],
//   as in the temperature searches, the supercritical estimate lies within
//   1% of the ideal-gas volume, below 1.01 vmax: K(1.01 vmax/vmin, 0.999) +
//   K(vmax/vmin, 0.99) = 23936 + 2383.
// The 32-step bisection adds 32 slopes and at most 32 pressures: 160.
#pragma once

#include <cstdint>

namespace evaluation_bounds {

constexpr uint64_t kPressure = 2, kSlope = 3, kBisection = 32 * kSlope + 32 * kPressure;

constexpr uint64_t kLiquid = kPressure * (1184 + 119) + kBisection;
constexpr uint64_t kSaturatedVapour = (kPressure + kSlope) * 1618 + kPressure * 2334 + kBisection;
constexpr uint64_t kVapour = kPressure * (16241 + 2334) + kBisection;
constexpr uint64_t kSupercriticalAny = kPressure * 714244 + kBisection;
constexpr uint64_t kSupercriticalInRange = kPressure * (23936 + 2383) + kBisection;

constexpr uint64_t maxOf(uint64_t a, uint64_t b) { return a > b ? a : b; }

// One volume at (T, P): any input, and inside the temperature searches.
constexpr uint64_t kVolumeAny = maxOf(maxOf(kLiquid, kVapour), kSupercriticalAny);
constexpr uint64_t kVolumeInRange = maxOf(maxOf(kLiquid, kVapour), kSupercriticalInRange);

// Saturation pair: a liquid and a vapour volume.
constexpr uint64_t kPair = kLiquid + kSaturatedVapour;

constexpr uint64_t kTofPS = kPair + 2 * 2 + 32 * (kVolumeInRange + 2);

struct FunctionBound {
    const char* name;
    uint64_t vectors;
};

constexpr FunctionBound kBounds[] = {
    {"Psat", 0},
    {"Tsat", 0},
    {"Vf", kLiquid},
    {"Vg", kSaturatedVapour},
    {"Hf", kLiquid + 5},
    {"Hg", kSaturatedVapour + 5},
    {"Sf", kLiquid + 2},
    {"Sg", kSaturatedVapour + 2},
    {"PofTV", 2},
    {"VofTP", kVolumeAny},
    {"HofTV", 5},
    {"HofTP", kVolumeAny + 5},
    {"SofTV", 2},
    {"SofTP", kVolumeAny + 2},
    {"TofPH", kPair + 2 * 5 + 32 * (kVolumeInRange + 5)},
    {"TofPS", kTofPS},
    // The band test, then calcTofPS and one volume at the temperature it
    // returns, which may be Tmax at a pressure below Pmin.
    {"HofPS", kPair + 2 * 2 + 2 * 5 + kTofPS + kVolumeAny + 5},
    {"ZofTV", 2},
    {"ZofTP", kVolumeAny + 2},
};

}  // namespace evaluation_bounds
