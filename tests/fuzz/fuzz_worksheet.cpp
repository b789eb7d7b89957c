// Calls the worksheet functions of the loaded add-in, through the exports
// that its registrations name, with arbitrary doubles and unit codes. A
// call must answer a number, and must not cost more residual term vectors
// than the bound derived for its function.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "host/addin_loader.h"
#include "host/dynamic_library.h"
#include "model/evaluation_counts.h"
#include "tests/fuzz/evaluation_bounds.h"

namespace {

LoadedAddin g_addin;
const RegisteredFunction* g_functions[std::size(evaluation_bounds::kBounds)];
EvaluationCounts* g_counts;

// The costliest input seen for each function, printed at exit when
// QUORVEX_FUZZ_REPORT is set, to compare with the bounds.
struct Costliest {
    uint64_t vectors = 0;
    std::string call;
};
Costliest g_costliest[std::size(evaluation_bounds::kBounds)];

void reportCostliest() {
    for (size_t i = 0; i < std::size(g_costliest); ++i)
        std::fprintf(stderr, "costliest %-6s %10llu of %10llu  %s\n", evaluation_bounds::kBounds[i].name,
                     (unsigned long long)g_costliest[i].vectors,
                     (unsigned long long)evaluation_bounds::kBounds[i].vectors, g_costliest[i].call.c_str());
}

[[noreturn]] void fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
    std::abort();
}

// Values where the model changes branch or arithmetic breaks down, picked
// by the input as often as raw bit patterns.
const double kSpecials[] = {
    std::numeric_limits<double>::quiet_NaN(), INFINITY, -INFINITY, 0.0, -0.0,
    DBL_TRUE_MIN, -DBL_TRUE_MIN, DBL_MIN, DBL_MAX, -DBL_MAX, 1e308, -1e308, 1e-300,
    -459.67, -459.66999999999996, -459.67000000000007, -500, -1000,
    -162.67, 335.588, 271.076, 3.35695e-05, 3.35695e-07, 1518.0256, 1528.475, 0.026398,
    0.0081296, 0.008089033214744641, 201103540.31134397, 14.696, 1, 100, 1e6, 1e-9, 1e13,
    2e17, 368, 0.5, 0.2, 130, -14.696,
};

struct Input {
    const uint8_t* data;
    size_t size;
    bool take(void* out, size_t n) {
        if (size < n) return false;
        std::memcpy(out, data, n);
        data += n;
        size -= n;
        return true;
    }
    double number() {
        uint8_t how = 0;
        take(&how, 1);
        if (how & 1) return kSpecials[(how >> 1) % std::size(kSpecials)];
        double x = 0;
        take(&x, sizeof x);
        return x;
    }
    int32_t units() {
        uint8_t how = 0;
        take(&how, 1);
        if (how & 1) return int32_t(how >> 1) % 10 - 1;
        int32_t u = 0;
        take(&u, sizeof u);
        return u;
    }
};

std::string describe(const RegisteredFunction& f, const double* args, size_t n) {
    std::string s = f.name + "(";
    char buf[40];
    for (size_t i = 0; i < n; ++i) {
        std::snprintf(buf, sizeof buf, "%s%a", i ? "," : "", args[i]);
        s += buf;
    }
    return s + ")";
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string path = builtAddinPathIn(executableDirectory());
    std::string error;
    if (!openAddin(path, g_addin, error)) fail("cannot load the add-in", path + ": " + error);
    if (g_addin.openResult != 1) fail("xlAutoOpen failed", path);
    g_counts = static_cast<EvaluationCounts*>(findLibraryExport(g_addin.library, "g_evaluationCounts"));
    if (!g_counts) fail("the add-in does not count evaluations", path);
    for (size_t i = 0; i < std::size(evaluation_bounds::kBounds); ++i) {
        g_functions[i] = findRegisteredFunction(g_addin, evaluation_bounds::kBounds[i].name);
        if (!g_functions[i]) fail("not registered", evaluation_bounds::kBounds[i].name);
    }
    if (std::getenv("QUORVEX_FUZZ_REPORT")) std::atexit(reportCostliest);
    // The first call of the process also derives the model's bounds; the
    // bounds above are for the calls after it.
    const double warmUp[] = {200, 1, 0};
    CellValue value;
    callFunctionByName(g_addin, "PofTV", warmUp, value, error);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    Input in{data + 1, size - 1};
    const size_t which = data[0] % std::size(evaluation_bounds::kBounds);
    const RegisteredFunction& f = *g_functions[which];
    double args[3];
    const size_t n = f.typeText.size() - 1;
    for (size_t i = 0; i + 1 < n; ++i) args[i] = in.number();
    args[n - 1] = in.units();

    *g_counts = EvaluationCounts{};
    CellValue value;
    std::string reason;
    if (!callRegisteredFunction(f, {args, n}, value, reason)) fail("call refused", describe(f, args, n) + ": " + reason);
    if (!value.isNumber) fail("not a number", describe(f, args, n) + " gave " + value.errorText);
    const uint64_t bound = evaluation_bounds::kBounds[which].vectors;
    if (g_counts->plainVectors > bound)
        fail("over its bound", describe(f, args, n) + " cost " + std::to_string(g_counts->plainVectors) +
                                   " vectors, bound " + std::to_string(bound));
    if (g_counts->plainVectors > g_costliest[which].vectors)
        g_costliest[which] = {g_counts->plainVectors, describe(f, args, n)};
    return 0;
}
