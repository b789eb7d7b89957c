// The nineteen worksheet functions, called through their exported entries
// as Excel calls them, with unit code 0.
#include <string>

#include "bench_common.h"
#include "worksheet/functions.h"

namespace {

using Fn1 = XLOPER* (*)(double, int32_t);
using Fn2 = XLOPER* (*)(double, double, int32_t);

void add1(const char* name, Fn1 fn, const std::vector<BenchState>& (*states)()) {
    benchmark::RegisterBenchmark((std::string("fn/") + name).c_str(), [fn, states](benchmark::State& st) {
        runOverStates(st, states(), [fn](const BenchState& s) { return fn(s.a, 0)->val.num; });
    })->Unit(benchmark::kMicrosecond);
}

void add2(const char* name, Fn2 fn, const std::vector<BenchState>& (*states)()) {
    benchmark::RegisterBenchmark((std::string("fn/") + name).c_str(), [fn, states](benchmark::State& st) {
        runOverStates(st, states(), [fn](const BenchState& s) { return fn(s.a, s.b, 0)->val.num; });
    })->Unit(benchmark::kMicrosecond);
}

}  // namespace

void registerFunctionBenchmarks() {
    add2("PofTV", PofTV, temperatureVolumeStates);
    add2("HofTV", HofTV, temperatureVolumeStates);
    add2("SofTV", SofTV, temperatureVolumeStates);
    add2("ZofTV", ZofTV, temperatureVolumeStates);
    add1("Psat", Psat, saturationTemperatures);
    add1("Tsat", Tsat, saturationPressures);
    add1("Vf", Vf, saturationTemperatures);
    add1("Vg", Vg, saturationTemperatures);
    add1("Hf", Hf, saturationTemperatures);
    add1("Hg", Hg, saturationTemperatures);
    add1("Sf", Sf, saturationTemperatures);
    add1("Sg", Sg, saturationTemperatures);
    add2("VofTP", VofTP, temperaturePressureStates);
    add2("HofTP", HofTP, temperaturePressureStates);
    add2("SofTP", SofTP, temperaturePressureStates);
    add2("ZofTP", ZofTP, temperaturePressureStates);
    add2("TofPH", TofPH, pressureEnthalpyStates);
    add2("TofPS", TofPS, pressureEntropyStates);
    add2("HofPS", HofPS, pressureEntropyStates);
}
