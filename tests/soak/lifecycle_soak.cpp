// Loads the add-in as Excel does and runs its whole lifecycle again and
// again: load, open, open once more, evaluate a few hundred cells, add,
// remove, close, unload. Every call must answer as on the first cycle, every
// name handed out must be given back, and the heap in use must not grow with
// the number of cycles. Run natively and under valgrind.
//   lifecycle_soak [CYCLES]   (default 100)
#include <malloc.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "host/addin_loader.h"
#include "host/dynamic_library.h"
#include "host/excel_state.h"
#include "worksheet/platform.h"

namespace {

using Callback = int(QV_STDCALL*)(void);

struct Cell {
    const char* name;
    std::vector<double> arguments;
};

// Mostly the cheap functions of (T, V) and the saturation line, with one
// call of each solver-based function: 224 cells a cycle.
std::vector<Cell> cellsOfOneSheet() {
    std::vector<Cell> cells;
    for (int i = 0; i < 40; ++i) {
        double T = -100 + 20 * i, V = 0.05 + 0.5 * i;
        int units = i % 8;
        for (const char* name : {"PofTV", "HofTV", "SofTV", "ZofTV"}) cells.push_back({name, {T, V, double(units)}});
        cells.push_back({"Psat", {T, double(units)}});
    }
    cells.push_back({"Tsat", {14.696, 0}});
    for (const char* name : {"Vf", "Vg", "Hf", "Hg", "Sf", "Sg"}) cells.push_back({name, {77, 0}});
    for (const char* name : {"VofTP", "HofTP", "SofTP", "ZofTP"}) cells.push_back({name, {200, 20, 0}});
    cells.push_back({"TofPH", {20, 130, 0}});
    cells.push_back({"TofPS", {20, 0.26, 0}});
    cells.push_back({"HofPS", {20, 0.26, 0}});
    while (cells.size() < 224) cells.push_back({"ZofTV", {double(cells.size()), 1, 0}});
    return cells;
}

int failures = 0;

void check(bool ok, const std::string& what) {
    if (!ok) {
        ++failures;
        std::fprintf(stderr, "lifecycle_soak: %s\n", what.c_str());
    }
}

int callback(const LoadedAddin& addin, const char* name) {
    auto f = reinterpret_cast<Callback>(findLibraryExport(addin.library, name));
    check(f != nullptr, std::string("no ") + name);
    return f ? f() : 0;
}

// One whole lifecycle; fills results with the number of every cell.
void runCycle(const std::string& path, const std::vector<Cell>& cells, std::vector<double>& results) {
    qvExcelReset();
    LoadedAddin addin;
    std::string error;
    if (!openAddin(path, addin, error)) {
        check(false, "cannot load " + path + ": " + error);
        return;
    }
    check(addin.openResult == 1 && addin.functions.size() == 19 && addin.problems.empty(), "first open");
    check(callback(addin, "xlAutoOpen") == 1, "second open");
    check(qvExcelRegistrationCount() == 38, "two opens register the nineteen functions twice");
    results.clear();
    for (const Cell& cell : cells) {
        CellValue value;
        std::string reason;
        bool called = callFunctionByName(addin, cell.name, cell.arguments, value, reason);
        check(called && value.isNumber, std::string(cell.name) + ": " + reason);
        results.push_back(value.number);
    }
    check(callback(addin, "xlAutoAdd") == 1 && callback(addin, "xlAutoRemove") == 1, "add and remove");
    check(qvExcelAlertCount() == 2, "add and remove alert once each");
    check(qvExcelNamesOutstanding() == 0, "every module name is given back");
    closeAddin(addin);
}

bool sameResults(const std::vector<double>& a, const std::vector<double>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!(a[i] == b[i] || (std::isnan(a[i]) && std::isnan(b[i])))) return false;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const int cycles = argc > 1 ? std::atoi(argv[1]) : 100;
    const std::string path = builtAddinPathIn(executableDirectory());
    const std::vector<Cell> cells = cellsOfOneSheet();
    std::vector<double> first, results;
    std::size_t heapAfterWarmUp = 0;
    const int warmUp = cycles / 2;
    for (int cycle = 1; cycle <= cycles && failures == 0; ++cycle) {
        runCycle(path, cells, cycle == 1 ? first : results);
        if (cycle > 1) check(sameResults(first, results), "cycle " + std::to_string(cycle) + " answers differently");
        if (cycle == warmUp) heapAfterWarmUp = mallinfo2().uordblks;
    }
    const std::size_t heapAtEnd = mallinfo2().uordblks;
    // Under valgrind mallinfo2 reads zero; the leak check there speaks instead.
    const long growth = long(heapAtEnd) - long(heapAfterWarmUp);
    check(growth < 32768, "the heap grew by " + std::to_string(growth) + " bytes over " +
                             std::to_string(cycles - warmUp) + " cycles");
    std::printf("lifecycle_soak: %d cycles of %zu cells, heap growth after warm-up %ld bytes, %s\n", cycles,
                cells.size(), growth, failures ? "FAILED" : "ok");
    return failures ? 1 : 0;
}
