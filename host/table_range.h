// The rows of a table: a first value, a last value and a step, as the user
// gives them on the command line.
#pragma once

#include <optional>
#include <string>
#include <vector>

constexpr long kMaxTableRows = 100000;

struct RangeRequest {
    std::optional<double> from;
    std::optional<double> to;
    std::optional<double> step;
};

// The values from, from + step, from + 2 step, ... up to `to`, which is
// included when the range reaches it to within a millionth of a step. On a
// missing or non-finite bound, a zero step, a step pointing away from `to`
// or more than kMaxTableRows rows, returns false with a one-line reason.
bool valuesOfRange(const RangeRequest& range, std::vector<double>& values, std::string& error);
