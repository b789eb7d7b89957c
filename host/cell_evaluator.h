// The one road by which the table, chart, workbook and reference commands
// obtain numbers: a call of a registered worksheet function of the loaded
// add-in, by name, with its state arguments in the user's units and the
// unit-system code last. The number returned is what a worksheet cell
// holding that formula would show.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>
#include <string_view>

using CellEvaluator =
    std::function<double(std::string_view name, std::span<const double> stateArgs, int32_t units)>;

inline double evalCell(const CellEvaluator& evaluate, std::string_view name,
                       std::initializer_list<double> stateArgs, int32_t units) {
    return evaluate(name, std::span<const double>(stateArgs.begin(), stateArgs.size()), units);
}
