// A stand-in for the add-in's functions with simple closed forms and the
// same clamping at the triple point, the critical point and the model's
// bounds, so that table and chart code can be checked against values known
// exactly. Units are ignored: every code behaves like code 0.
#pragma once

#include <algorithm>
#include <map>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "host/cell_evaluator.h"

namespace fake {

constexpr double Tt = -100, Tc = 300;    // saturation line
constexpr double Pt = 0.01, Pc = 400;    // Psat(T) = 0.01 + (T - Tt) * (400 - 0.01) / 400
constexpr double Tmin = -100, Tmax = 1500;
constexpr double Pmin = 0.0001, Pmax = 2000;
constexpr double Hmin = 0, Hmax = 600;
constexpr double Smin = 0, Smax = 0.75;

inline double psat(double T) {
    T = std::clamp(T, Tt, Tc);
    return Pt + (T - Tt) * ((Pc - Pt) / (Tc - Tt));
}
inline double tsat(double P) {
    P = std::clamp(P, Pt, Pc);
    return Tt + (P - Pt) * ((Tc - Tt) / (Pc - Pt));
}
inline double inverseT(double P, double x, double lo, double hi) {
    if (P > Pmax || x < lo) return Tmin;
    if (P < Pmin || x > hi) return Tmax;
    return Tmin + (x - lo) / (hi - lo) * (Tmax - Tmin) * 0.999 + 0.5;
}

// Counts calls by name so tests can see which functions a builder used.
struct Recorder {
    std::map<std::string, int> calls;
};

inline CellEvaluator evaluator(Recorder* recorder = nullptr) {
    return [recorder](std::string_view name, std::span<const double> a, int32_t) -> double {
        const std::string n(name);
        if (recorder) ++recorder->calls[n];
        if (n == "Psat") return psat(a[0]);
        if (n == "Tsat") return tsat(a[0]);
        if (n == "Vf") return 0.01 + a[0] * 1e-5;
        if (n == "Vg") return 10 - a[0] * 0.01;
        if (n == "Hf") return (a[0] - Tt) * 0.5;
        if (n == "Hg") return 100 + (a[0] - Tt) * 0.25;
        if (n == "Sf") return (a[0] - Tt) * 0.001;
        if (n == "Sg") return 0.5 - (a[0] - Tt) * 0.0002;
        if (n == "VofTP") return (a[0] + 460) / a[1];
        if (n == "HofTP") return a[0] + a[1] * 0.01;
        if (n == "SofTP") return a[0] * 0.001 - a[1] * 1e-4;
        if (n == "ZofTP") return 1 - a[1] * 1e-4;
        if (n == "ZofTV") return a[1] > 1 ? 0.95 : 0.05;
        if (n == "HofPS") return a[1] * 800 + a[0] * 0.001;
        if (n == "TofPH") return inverseT(a[0], a[1], Hmin, Hmax);
        if (n == "TofPS") return inverseT(a[0], a[1], Smin, Smax);
        throw std::runtime_error("fake fluid has no function " + n);
    };
}

}  // namespace fake
