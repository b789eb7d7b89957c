#include "host/table_range.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

std::string numberText(double x) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", x);
    return buffer;
}

// The number of decimals, up to 9, that writes x exactly enough: 0.1 has
// one, 2.5e-3 four, 40 none.
int decimalsOf(double x) {
    double scale = 1;
    for (int d = 0; d < 9; ++d, scale *= 10) {
        double scaled = std::fabs(x) * scale;
        if (std::fabs(scaled - std::round(scaled)) <= 1e-9 * std::fmax(scaled, 1.0)) return d;
    }
    return 9;
}

}  // namespace

bool valuesOfRange(const RangeRequest& range, std::vector<double>& values, std::string& error) {
    values.clear();
    if (!range.from) { error = "missing --from"; return false; }
    if (!range.to) { error = "missing --to"; return false; }
    if (!range.step) { error = "missing --step"; return false; }
    const double from = *range.from, to = *range.to, step = *range.step;
    if (!std::isfinite(from) || !std::isfinite(to) || !std::isfinite(step)) {
        error = "--from, --to and --step must be finite numbers";
        return false;
    }
    if (step == 0) { error = "--step must not be zero"; return false; }
    if ((to - from) * step < 0) {
        error = "--step " + numberText(step) + " points away from --to: the range runs from " +
                numberText(from) + " to " + numberText(to);
        return false;
    }
    // Intervals counted with a tolerance of a millionth of a step, so that a
    // decimal step that is not exact in binary still reaches the end.
    const double intervals = std::floor((to - from) / step + 1e-6);
    if (!(intervals + 1 <= static_cast<double>(kMaxTableRows))) {
        error = "the range gives " + numberText(intervals + 1) + " rows; at most " +
                std::to_string(kMaxTableRows) + " are allowed";
        return false;
    }
    const long count = static_cast<long>(intervals) + 1;
    values.reserve(static_cast<size_t>(count));
    // Rows are counted in units of the finer of the two decimal places of
    // `from` and `step`, so that -40 by 0.1 gives -39.9, not
    // -39.899999999999999; ranges too fine for that use from + i step.
    const int decimals = std::max(decimalsOf(from), decimalsOf(step));
    const double scale = std::pow(10.0, decimals);
    const double first = std::round(from * scale), stride = std::round(step * scale);
    const bool decimal = decimals < 9 && std::fabs(first) + std::fabs(stride) * static_cast<double>(count) < 1e15;
    for (long i = 0; i < count; ++i) {
        const double index = static_cast<double>(i);
        values.push_back(decimal ? (first + index * stride) / scale : from + index * step);
    }
    // A last row within a millionth of a step of `to` is `to` itself.
    if (std::fabs(values.back() - to) <= std::fabs(step) * 1e-6) values.back() = to;
    return true;
}
