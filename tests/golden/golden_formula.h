// The nineteen worksheet functions by name, and the text form of one golden
// line: Name(a,b,units)<TAB>%a<TAB>%.17g. Shared by the generator of the
// golden files and by the test that checks the build against them.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "worksheet/functions.h"

namespace golden {

using Fn1 = XLOPER* (*)(double, int32_t);
using Fn2 = XLOPER* (*)(double, double, int32_t);

struct WorksheetFunction {
    const char* name;
    Fn1 one;  // set for the functions of one state argument
    Fn2 two;  // set for the functions of two state arguments
};

inline const WorksheetFunction kFunctions[] = {
    {"PofTV", nullptr, PofTV}, {"HofTV", nullptr, HofTV}, {"SofTV", nullptr, SofTV},
    {"ZofTV", nullptr, ZofTV}, {"Psat", Psat, nullptr},   {"Tsat", Tsat, nullptr},
    {"Vf", Vf, nullptr},       {"Vg", Vg, nullptr},       {"Hf", Hf, nullptr},
    {"Hg", Hg, nullptr},       {"Sf", Sf, nullptr},       {"Sg", Sg, nullptr},
    {"VofTP", nullptr, VofTP}, {"HofTP", nullptr, HofTP}, {"SofTP", nullptr, SofTP},
    {"ZofTP", nullptr, ZofTP}, {"TofPH", nullptr, TofPH}, {"TofPS", nullptr, TofPS},
    {"HofPS", nullptr, HofPS},
};

inline const WorksheetFunction* findFunction(const std::string& name) {
    for (const WorksheetFunction& f : kFunctions)
        if (name == f.name) return &f;
    return nullptr;
}

// One formula: a function, its one or two state arguments and the unit code.
struct Formula {
    const WorksheetFunction* fn = nullptr;
    double a = 0;
    double b = 0;
    int32_t units = 0;
};

inline double evaluate(const Formula& f) {
    return f.fn->one ? f.fn->one(f.a, f.units)->val.num : f.fn->two(f.a, f.b, f.units)->val.num;
}

// Shortest text that strtod reads back to the same double; nan and inf are
// written without sign bits or payloads beyond the sign of an infinity.
inline std::string numberText(double x) {
    if (std::isnan(x)) return "nan";
    if (std::isinf(x)) return x > 0 ? "inf" : "-inf";
    char buf[40];
    int digits = 1;
    for (; digits < 17; ++digits) {
        std::snprintf(buf, sizeof buf, "%.*g", digits, x);
        if (std::strtod(buf, nullptr) == x && std::signbit(std::strtod(buf, nullptr)) == std::signbit(x))
            break;
    }
    // Whole numbers up to 17 digits without an exponent: 500, not 5e+02.
    if (x != 0 && std::fabs(x) >= 1) {
        int integerDigits = static_cast<int>(std::floor(std::log10(std::fabs(x)))) + 1;
        if (integerDigits > digits && integerDigits <= 17) digits = integerDigits;
    }
    std::snprintf(buf, sizeof buf, "%.*g", digits, x);
    return buf;
}

inline std::string formulaText(const Formula& f) {
    std::string s = f.fn->name;
    s += "(" + numberText(f.a);
    if (f.fn->two) s += "," + numberText(f.b);
    s += "," + std::to_string(f.units) + ")";
    return s;
}

inline std::string resultText(double r) {
    if (std::isnan(r)) return "nan\tnan";
    char hex[40], dec[40];
    std::snprintf(hex, sizeof hex, "%a", r);
    std::snprintf(dec, sizeof dec, "%.17g", r);
    return std::string(hex) + "\t" + dec;
}

// Reads the first column of a golden line back into a formula; false when
// the text is not of the form Name(a[,b],units) with a known name.
inline bool parseFormula(const std::string& text, Formula& out) {
    size_t open = text.find('(');
    size_t close = text.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open) return false;
    out.fn = findFunction(text.substr(0, open));
    if (!out.fn) return false;
    std::string args = text.substr(open + 1, close - open - 1);
    double values[3];
    int count = 0;
    const char* p = args.c_str();
    while (count < 3) {
        char* end = nullptr;
        values[count++] = std::strtod(p, &end);
        if (end == p) return false;
        p = end;
        if (*p == '\0') break;
        if (*p != ',') return false;
        ++p;
    }
    if (*p != '\0') return false;
    int want = out.fn->two ? 3 : 2;
    if (count != want) return false;
    out.a = values[0];
    out.b = out.fn->two ? values[1] : 0;
    double units = values[want - 1];
    if (units != std::floor(units) || std::fabs(units) > 2147483647.0) return false;
    out.units = static_cast<int32_t>(units);
    return true;
}

// The result column %a read back; "nan" for any NaN.
inline bool parseResult(const std::string& text, double& out) {
    if (text == "nan") {
        out = std::nan("");
        return true;
    }
    char* end = nullptr;
    out = std::strtod(text.c_str(), &end);
    return end != text.c_str() && *end == '\0';
}

}  // namespace golden
