// The sheet scenario timed as one recalculation of all its cells.
#include "bench_common.h"
#include "bench_sheet.h"

void registerSheetBenchmark() {
    benchmark::RegisterBenchmark("sheet/10000_cells", [](benchmark::State& st) {
        static const std::vector<SheetCell> sheet = propertySheet();
        for (auto _ : st) benchmark::DoNotOptimize(recalculate(sheet));
        st.counters["ns_per_call"] = benchmark::Counter(
            static_cast<double>(sheet.size()),
            benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    })->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(1);
}
