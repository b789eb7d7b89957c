#include "bench_common.h"

int main(int argc, char** argv) {
    registerFunctionBenchmarks();
    registerEngineBenchmarks();
    registerSheetBenchmark();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
