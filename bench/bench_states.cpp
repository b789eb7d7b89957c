#include "bench_states.h"

#include <cmath>

#include "model/fluid_data.h"
#include "model/model_state.h"
#include "solvers/saturation.h"

namespace {

// A fixed pseudo-random sequence: the same states in every build and run.
struct Sequence {
    unsigned long long x;
    double next() {
        x = x * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<double>(x >> 11) / 9007199254740992.0;
    }
    double uniform(double lo, double hi) { return lo + (hi - lo) * next(); }
    double logUniform(double lo, double hi) { return std::exp(uniform(std::log(lo), std::log(hi))); }
};

const ModelState& model() {
    calcPsat(77);  // initialises the model
    return g_modelState;
}

template <typename Make>
std::vector<BenchState> makeSet(unsigned long long seed, Make make) {
    Sequence s{seed};
    std::vector<BenchState> states;
    while (static_cast<int>(states.size()) < kStatesPerSet) {
        BenchState st;
        if (make(s, st)) states.push_back(st);
    }
    return states;
}

}  // namespace

const std::vector<BenchState>& saturationTemperatures() {
    static const std::vector<BenchState> set = makeSet(1, [](Sequence& s, BenchState& st) {
        st = {s.uniform(g_fluidData.Tt, g_fluidData.Tc), 0};
        return st.a > g_fluidData.Tt && st.a < g_fluidData.Tc;
    });
    return set;
}

const std::vector<BenchState>& saturationPressures() {
    static const std::vector<BenchState> set = makeSet(2, [](Sequence& s, BenchState& st) {
        st = {s.logUniform(g_fluidData.Pt, g_fluidData.Pc), 0};
        return st.a > g_fluidData.Pt && st.a < g_fluidData.Pc;
    });
    return set;
}

const std::vector<BenchState>& temperatureVolumeStates() {
    static const std::vector<BenchState> set = makeSet(3, [](Sequence& s, BenchState& st) {
        const ModelState& m = model();
        st = {s.uniform(m.Tmin, m.Tmax), s.logUniform(m.vmin, m.vmax)};
        return true;
    });
    return set;
}

const std::vector<BenchState>& temperaturePressureStates() {
    static const std::vector<BenchState> set = makeSet(4, [](Sequence& s, BenchState& st) {
        const ModelState& m = model();
        st = {s.uniform(m.Tmin, m.Tmax), s.logUniform(m.Pmin, m.Pmax)};
        return true;
    });
    return set;
}

const std::vector<BenchState>& pressureEnthalpyStates() {
    static const std::vector<BenchState> set = makeSet(5, [](Sequence& s, BenchState& st) {
        const ModelState& m = model();
        st = {s.logUniform(m.Pmin, m.Pmax), s.uniform(m.Hmin, m.Hmax)};
        return true;
    });
    return set;
}

const std::vector<BenchState>& pressureEntropyStates() {
    static const std::vector<BenchState> set = makeSet(6, [](Sequence& s, BenchState& st) {
        const ModelState& m = model();
        st = {s.logUniform(m.Pmin, m.Pmax), s.uniform(m.Smin, m.Smax)};
        return true;
    });
    return set;
}

const std::vector<BenchState>& liquidStates() {
    static const std::vector<BenchState> set = makeSet(7, [](Sequence& s, BenchState& st) {
        const ModelState& m = model();
        double T = s.uniform(m.Tmin, g_fluidData.Tc);
        st = {T, s.logUniform(g_fluidData.Pt, m.Pmax)};
        return T < g_fluidData.Tc && st.b > calcPsat(T);
    });
    return set;
}

const std::vector<BenchState>& vapourStates() {
    static const std::vector<BenchState> set = makeSet(8, [](Sequence& s, BenchState& st) {
        const ModelState& m = model();
        double T = s.uniform(m.Tmin, g_fluidData.Tc);
        st = {T, s.logUniform(m.Pmin, g_fluidData.Pc)};
        return T < g_fluidData.Tc && !(st.b > calcPsat(T));
    });
    return set;
}

const std::vector<BenchState>& supercriticalStates() {
    static const std::vector<BenchState> set = makeSet(9, [](Sequence& s, BenchState& st) {
        const ModelState& m = model();
        st = {s.uniform(g_fluidData.Tc, m.Tmax), s.logUniform(m.Pmin, m.Pmax)};
        return st.a >= g_fluidData.Tc;
    });
    return set;
}
