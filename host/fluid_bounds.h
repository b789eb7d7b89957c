// The ends of the saturation line and the model's property bounds, in the
// user's units of one unit-system code, found only through the registered
// worksheet functions: the saturation functions clamp at the triple and
// critical points, and the inverse temperature functions answer exactly the
// lowest or highest temperature for a state outside the model's bounds.
#pragma once

#include <cstdint>

#include "host/cell_evaluator.h"

struct FluidBounds {
    double Tt, Tc;      // triple-point and critical temperature
    double Pt, Pc;      // triple-point and critical pressure
    double Tmin, Tmax;  // temperature bounds
    double Pmin, Pmax;  // pressure bounds
    double Hmin, Hmax;  // enthalpy bounds
    double Smin, Smax;  // entropy bounds
};

// All the bounds; the pressure, enthalpy and entropy bounds by bisection
// (a few hundred calls).
FluidBounds fluidBoundsOf(const CellEvaluator& evaluate, int32_t units);

// Only Tt, Tc, Pt, Pc, Tmin and Tmax, in six calls; the other fields are 0.
FluidBounds saturationAndTemperatureBoundsOf(const CellEvaluator& evaluate, int32_t units);

// Whether the pressure lies within the model's bounds, by the answer of the
// inverse temperature function at that pressure (two calls). `b` needs only
// the fields that saturationAndTemperatureBoundsOf fills.
bool pressureInsideModel(const CellEvaluator& evaluate, double P, const FluidBounds& b, int32_t units);
