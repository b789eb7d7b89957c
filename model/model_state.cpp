#include "model/model_state.h"

#include "model/fluid_data.h"
#include "model/state_functions.h"

ModelState g_modelState = {};

namespace {

// Derived constants. R is set first: the bounds below call state functions,
// which would otherwise start the initialisation again.
void deriveConstants() {
    const FluidData& f = g_fluidData;
    g_modelState.R = 1545.349 / f.MW;
    g_modelState.TcR = f.Tc + 459.67;
    g_fluidData.Rj = g_modelState.R / 778.1692623;
    g_fluidData.Zc = f.Pc * 144 * f.vc / g_modelState.R / g_modelState.TcR;
}

// Model pressure at (T, v).
double pressureOfTV(double T, double v) {
    double Z = calcZofTV(T, v);
    return pressureFromZ(T, v, Z);
}

// Property bounds used to clamp the solvers' searches and answers.
void deriveBounds() {
    const FluidData& f = g_fluidData;
    ModelState& m = g_modelState;
    m.Tmin = f.Tt;
    m.vmin = f.vft;
    m.Pmax = f.Pc * 5.6;
    m.Tmax = m.TcR * 2.5 - 459.67;
    m.Pmin = f.Pt / 100;
    m.vmax = (m.Tmax + 459.67) * m.R / m.Pmin / 144;
    // Shrink vmin by factors 0.999 until the pressure at Tt reaches Pmax.
    // No step limit: the loop ends at the first volume whose pressure is not
    // below Pmax, and a NaN pressure ends it as well.
    while (m.Pmax > pressureOfTV(f.Tt, m.vmin)) {
        m.vmin = m.vmin * 0.999;
    }
    m.Hmin = calcHofTV(f.Tt, f.vft);
    m.Hmax = calcHofTV(m.Tmax, m.vmax);
    m.Smin = calcSofTV(f.Tt, f.vft);
    m.Smax = calcSofTV(m.Tmax, m.vmax);
}

}  // namespace

void initModel() {
    deriveConstants();
    deriveBounds();
}
