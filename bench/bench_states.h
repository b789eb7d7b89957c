// Fixed sets of states over the domain of each function, in internal units
// (unit code 0), so that a benchmark cycles through many different states
// instead of repeating one.
#pragma once

#include <vector>

struct BenchState {
    double a;  // first state argument: T, Ts, Ps or P
    double b;  // second state argument: V, P, H or S (unused by one-argument functions)
};

constexpr int kStatesPerSet = 128;

// Temperatures on the saturation line, strictly between Tt and Tc.
const std::vector<BenchState>& saturationTemperatures();
// Saturation pressures, strictly between Pt and Pc.
const std::vector<BenchState>& saturationPressures();
// (T, v) over Tmin..Tmax and vmin..vmax (volumes spread logarithmically).
const std::vector<BenchState>& temperatureVolumeStates();
// (T, P) over Tmin..Tmax and Pmin..Pmax (pressures spread logarithmically).
const std::vector<BenchState>& temperaturePressureStates();
// (P, H) over Pmin..Pmax and Hmin..Hmax.
const std::vector<BenchState>& pressureEnthalpyStates();
// (P, S) over Pmin..Pmax and Smin..Smax.
const std::vector<BenchState>& pressureEntropyStates();

// (T, P) of one branch of the volume solver: T below Tc and P above the
// saturation pressure (liquid), below it (vapour), or T above Tc.
const std::vector<BenchState>& liquidStates();
const std::vector<BenchState>& vapourStates();
const std::vector<BenchState>& supercriticalStates();
