// Comparison of a computed value with a reference printed to a given number
// of significant digits: the value must round to the reference.
#pragma once

#include <cmath>
#include <iomanip>

#include <gtest/gtest.h>

inline ::testing::AssertionResult agreesToDigits(double actual, double reference, int digits) {
    if (reference == 0) {
        if (actual == 0) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << actual << " is not 0";
    }
    double unit = std::pow(10.0, std::floor(std::log10(std::fabs(reference))) - digits + 1);
    // Half a unit in the last printed digit, with room for the rounding of
    // the reference's own decimal representation.
    double allowed = 0.5 * unit * (1 + 1e-6);
    if (std::fabs(actual - reference) <= allowed) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << std::setprecision(17) << actual << " differs from " << reference << " by "
           << std::fabs(actual - reference) << ", more than " << allowed << " (" << digits
           << " significant digits)";
}

// Exact equality of two doubles, NaN equal to NaN.
inline bool sameBits(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || (a == b && std::signbit(a) == std::signbit(b));
}
