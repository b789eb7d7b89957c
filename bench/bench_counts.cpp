// Mean evaluations per call of every worksheet function and engine, over the
// same state sets as the timing benchmarks, from the counting build of the
// core. One line per function, tab-separated:
//   name  pressures  slopes  plain_vectors  t  t'  t''  tTr  pressures_by_bounds  slopes_by_bounds
// pressures and slopes are the comparisons the solvers make; plain_vectors
// is what the plain evaluation of all of them would compute; t .. tTr are
// the residual vectors this build actually computed; the last two count the
// comparisons that the certified bounds settled without vectors.
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench_sheet.h"
#include "bench_states.h"
#include "model/evaluation_counts.h"
#include "solvers/volume.h"
#include "worksheet/functions.h"

namespace {

void report(const char* name, size_t calls, const std::function<void()>& run) {
    g_evaluationCounts = {};
    run();
    const EvaluationCounts& c = g_evaluationCounts;
    double n = static_cast<double>(calls);
    std::printf("%s\t%.1f\t%.1f\t%.1f\t%.1f\t%.1f\t%.1f\t%.1f\t%.1f\t%.1f\n", name, c.pressures / n,
                c.slopes / n, c.plainVectors / n, c.residualTerms / n, c.residualTermsDDelta / n,
                c.residualTermsDDelta2 / n, c.residualTermsDTr / n, c.pressuresByBounds / n,
                c.slopesByBounds / n);
}

using Fn1 = XLOPER* (*)(double, int32_t);
using Fn2 = XLOPER* (*)(double, double, int32_t);

void one(const char* name, Fn1 fn, const std::vector<BenchState>& states) {
    report((std::string("fn/") + name).c_str(), states.size(), [&] {
        for (const BenchState& s : states) fn(s.a, 0);
    });
}

void two(const char* name, Fn2 fn, const std::vector<BenchState>& states) {
    report((std::string("fn/") + name).c_str(), states.size(), [&] {
        for (const BenchState& s : states) fn(s.a, s.b, 0);
    });
}

void solve(const char* branch, int mode, const std::vector<BenchState>& states) {
    report((std::string("engine/solveV/") + branch).c_str(), states.size(), [&] {
        for (const BenchState& s : states) solveV(s.a, s.b, mode);
    });
}

}  // namespace

int main() {
    Psat(77, 0);  // initialise the model before counting
    std::printf("name\tpressures\tslopes\tplain_vectors\tt\tt'\tt''\ttTr\tpressures_by_bounds\tslopes_by_bounds\n");
    two("PofTV", PofTV, temperatureVolumeStates());
    two("HofTV", HofTV, temperatureVolumeStates());
    two("SofTV", SofTV, temperatureVolumeStates());
    two("ZofTV", ZofTV, temperatureVolumeStates());
    one("Psat", Psat, saturationTemperatures());
    one("Tsat", Tsat, saturationPressures());
    one("Vf", Vf, saturationTemperatures());
    one("Vg", Vg, saturationTemperatures());
    one("Hf", Hf, saturationTemperatures());
    one("Hg", Hg, saturationTemperatures());
    one("Sf", Sf, saturationTemperatures());
    one("Sg", Sg, saturationTemperatures());
    two("VofTP", VofTP, temperaturePressureStates());
    two("HofTP", HofTP, temperaturePressureStates());
    two("SofTP", SofTP, temperaturePressureStates());
    two("ZofTP", ZofTP, temperaturePressureStates());
    two("TofPH", TofPH, pressureEnthalpyStates());
    two("TofPS", TofPS, pressureEntropyStates());
    two("HofPS", HofPS, pressureEntropyStates());
    solve("saturated_liquid", kSaturatedLiquid, saturationTemperatures());
    solve("saturated_vapour", kSaturatedVapour, saturationTemperatures());
    solve("liquid", kStateTP, liquidStates());
    solve("vapour", kStateTP, vapourStates());
    solve("supercritical", kStateTP, supercriticalStates());
    static const std::vector<SheetCell> sheet = propertySheet();
    report("sheet/10000_cells", sheet.size(), [&] { recalculate(sheet); });
    return 0;
}
