// Running one benchmark over a set of states: one iteration calls the
// function once for every state of the set, in order. Reports
//   ns_per_call: mean time of one call (seconds in JSON, ns on the console),
//   median_ns:   the median over the states of one call's time, measured once
//                per state after the timed loop.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "bench_states.h"

template <typename Call>
void runOverStates(benchmark::State& state, const std::vector<BenchState>& states, Call call) {
    for (auto _ : state) {
        for (const BenchState& s : states) benchmark::DoNotOptimize(call(s));
    }
    state.counters["ns_per_call"] = benchmark::Counter(
        static_cast<double>(states.size()),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    std::vector<double> each;
    each.reserve(states.size());
    for (const BenchState& s : states) {
        auto t0 = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(call(s));
        auto t1 = std::chrono::steady_clock::now();
        each.push_back(std::chrono::duration<double, std::nano>(t1 - t0).count());
    }
    std::nth_element(each.begin(), each.begin() + each.size() / 2, each.end());
    state.counters["median_ns"] = each[each.size() / 2];
}

void registerFunctionBenchmarks();
void registerEngineBenchmarks();
void registerSheetBenchmark();
