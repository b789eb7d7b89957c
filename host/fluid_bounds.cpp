#include "host/fluid_bounds.h"

#include <cmath>

namespace {

constexpr double kHuge = 1e300;

// The boundary between a value `inside` (where `outside(x)` is false) and a
// value on the far side of it, found first by widening the step away from
// `inside` until `outside` holds, then by bisection to a billionth of
// `inside`: enough for axis limits and range checks, at some 30 to 50 calls.
template <typename Outside>
double boundaryFrom(double inside, double direction, Outside outside) {
    double step = std::fabs(inside) + 1.0;
    double far = inside + direction * step;
    for (int widen = 0; widen < 1100 && !outside(far); ++widen) {
        step *= 2;
        far = inside + direction * step;
    }
    double in = inside;
    const double resolution = std::fabs(inside) * 1e-9;
    while (std::fabs(far - in) > resolution) {
        double mid = in + (far - in) / 2;
        if (mid == in || mid == far) break;
        if (outside(mid))
            far = mid;
        else
            in = mid;
    }
    return in;
}

}  // namespace

FluidBounds saturationAndTemperatureBoundsOf(const CellEvaluator& evaluate, int32_t units) {
    FluidBounds b{};
    b.Tt = evalCell(evaluate, "Tsat", {-kHuge}, units);
    b.Tc = evalCell(evaluate, "Tsat", {kHuge}, units);
    b.Pt = evalCell(evaluate, "Psat", {-kHuge}, units);
    b.Pc = evalCell(evaluate, "Psat", {kHuge}, units);
    b.Tmin = evalCell(evaluate, "TofPH", {b.Pc, -kHuge}, units);
    b.Tmax = evalCell(evaluate, "TofPH", {b.Pc, kHuge}, units);
    return b;
}

bool pressureInsideModel(const CellEvaluator& evaluate, double P, const FluidBounds& b, int32_t units) {
    const double T = evalCell(evaluate, "TofPH", {P, evalCell(evaluate, "Hf", {b.Tc}, units)}, units);
    return T != b.Tmin && T != b.Tmax;
}

FluidBounds fluidBoundsOf(const CellEvaluator& evaluate, int32_t units) {
    FluidBounds b = saturationAndTemperatureBoundsOf(evaluate, units);
    const double Hc = evalCell(evaluate, "Hf", {b.Tc}, units);
    const double Sc = evalCell(evaluate, "Sf", {b.Tc}, units);
    auto TofPH = [&](double P, double H) { return evalCell(evaluate, "TofPH", {P, H}, units); };
    auto TofPS = [&](double P, double S) { return evalCell(evaluate, "TofPS", {P, S}, units); };

    b.Hmax = boundaryFrom(Hc, +1, [&](double H) { return TofPH(b.Pc, H) == b.Tmax; });
    b.Hmin = boundaryFrom(Hc, -1, [&](double H) { return TofPH(b.Pc, H) == b.Tmin; });
    b.Smax = boundaryFrom(Sc, +1, [&](double S) { return TofPS(b.Pc, S) == b.Tmax; });
    b.Smin = boundaryFrom(Sc, -1, [&](double S) { return TofPS(b.Pc, S) == b.Tmin; });
    b.Pmax = boundaryFrom(b.Pc, +1, [&](double P) { return TofPH(P, Hc) == b.Tmin; });
    b.Pmin = boundaryFrom(b.Pt, -1, [&](double P) { return TofPH(P, Hc) == b.Tmax; });
    return b;
}
