// The engines beneath the worksheet functions: state functions, saturation
// line, the volume solver per branch, and the residual term vectors, whose
// cost is the unit in which the other figures are read.
#include <string>

#include "bench_common.h"
#include "model/fluid_data.h"
#include "model/model_state.h"
#include "model/state_functions.h"
#include "model/term_vectors.h"
#include "solvers/saturation.h"
#include "solvers/volume.h"

namespace {

using StateFn = double (*)(double, double);
using Vector = void (*)(double, double, double*);

void addStateFunction(const char* name, StateFn fn) {
    benchmark::RegisterBenchmark((std::string("engine/") + name).c_str(), [fn](benchmark::State& st) {
        runOverStates(st, temperatureVolumeStates(), [fn](const BenchState& s) { return fn(s.a, s.b); });
    })->Unit(benchmark::kMicrosecond);
}

void addSolveV(const char* branch, int mode, const std::vector<BenchState>& (*states)()) {
    benchmark::RegisterBenchmark((std::string("engine/solveV/") + branch).c_str(),
                                 [mode, states](benchmark::State& st) {
        runOverStates(st, states(), [mode](const BenchState& s) { return solveV(s.a, s.b, mode); });
    })->Unit(benchmark::kMicrosecond);
}

void addVector(const char* name, Vector fn) {
    benchmark::RegisterBenchmark((std::string("vector/") + name).c_str(), [fn](benchmark::State& st) {
        runOverStates(st, temperatureVolumeStates(), [fn](const BenchState& s) {
            double out[kResidualTerms];
            fn((s.a + 459.67) / g_modelState.TcR, g_fluidData.vc / s.b, out);
            return out[28];
        });
    })->Unit(benchmark::kMicrosecond);
}

}  // namespace

void registerEngineBenchmarks() {
    addStateFunction("calcZofTV", calcZofTV);
    addStateFunction("calcDPDVofTV", calcDPDVofTV);
    addStateFunction("calcSofTV", calcSofTV);
    addStateFunction("calcHofTV", calcHofTV);
    benchmark::RegisterBenchmark("engine/calcPsat", [](benchmark::State& st) {
        runOverStates(st, saturationTemperatures(), [](const BenchState& s) { return calcPsat(s.a); });
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("engine/calcTsat", [](benchmark::State& st) {
        runOverStates(st, saturationPressures(), [](const BenchState& s) { return calcTsat(s.a); });
    })->Unit(benchmark::kMicrosecond);
    addSolveV("saturated_liquid", kSaturatedLiquid, saturationTemperatures);
    addSolveV("saturated_vapour", kSaturatedVapour, saturationTemperatures);
    addSolveV("liquid", kStateTP, liquidStates);
    addSolveV("vapour", kStateTP, vapourStates);
    addSolveV("supercritical", kStateTP, supercriticalStates);
    addVector("residualTerms", residualTerms);
    addVector("residualTermsDDelta", residualTermsDDelta);
    addVector("residualTermsDDelta2", residualTermsDDelta2);
    addVector("residualTermsDTr", residualTermsDTr);
}
