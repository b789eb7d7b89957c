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

FluidBounds fluidBoundsOf(const CellEvaluator& evaluate, int32_t units);
