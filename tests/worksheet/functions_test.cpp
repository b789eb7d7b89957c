#include "worksheet/functions.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "model/state_functions.h"
#include "tests/common/precision.h"
#include "worksheet/result.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

using OneArg = XLOPER* (*)(double, int32_t);
using TwoArgs = XLOPER* (*)(double, double, int32_t);

struct Call {
    const char* name;
    OneArg one;
    TwoArgs two;
    double a, b;
    double operator()(int32_t units) const {
        XLOPER* r = one ? one(a, units) : two(a, b, units);
        EXPECT_EQ(r, &g_result) << name;
        EXPECT_EQ(r->xltype, xltypeNum) << name;
        return r->val.num;
    }
};

// One state for every function, in internal units (code 0).
const Call kCalls[] = {
    {"PofTV", nullptr, PofTV, 200, 1},     {"HofTV", nullptr, HofTV, 200, 1},
    {"SofTV", nullptr, SofTV, 200, 1},     {"ZofTV", nullptr, ZofTV, 200, 1},
    {"Psat", Psat, nullptr, 77, 0},        {"Tsat", Tsat, nullptr, 14.696, 0},
    {"Vf", Vf, nullptr, 77, 0},            {"Vg", Vg, nullptr, 77, 0},
    {"Hf", Hf, nullptr, 77, 0},            {"Hg", Hg, nullptr, 77, 0},
    {"Sf", Sf, nullptr, 77, 0},            {"Sg", Sg, nullptr, 77, 0},
    {"VofTP", nullptr, VofTP, 200, 20},    {"HofTP", nullptr, HofTP, 200, 20},
    {"SofTP", nullptr, SofTP, 200, 20},    {"ZofTP", nullptr, ZofTP, 200, 20},
    {"TofPH", nullptr, TofPH, 20, 130},    {"TofPS", nullptr, TofPS, 20, 0.26},
    {"HofPS", nullptr, HofPS, 20, 0.26},
};

TEST(WorksheetFunctions, CheckValues) {
    EXPECT_TRUE(agreesToDigits(PofTV(100, 0.5, 1)->val.num, 0.194977, 6));
    EXPECT_TRUE(agreesToDigits(ZofTV(100, 0.5, 1)->val.num, 0.993075, 6));
    EXPECT_TRUE(agreesToDigits(ZofTV(200, 1, 0)->val.num, 0.9423411666, 10));
    EXPECT_TRUE(agreesToDigits(Psat(77, 0)->val.num, 5.85025, 6));
    EXPECT_TRUE(agreesToDigits(Psat(25, 1)->val.num, 0.403361, 6));
    EXPECT_TRUE(agreesToDigits(Tsat(1, 1)->val.num, 48.7801, 6));
    double gauge = Tsat(0, 2)->val.num;
    double absolute = Tsat(14.696, 0)->val.num;
    EXPECT_EQ(gauge, absolute);
    EXPECT_TRUE(agreesToDigits(absolute, 120.487, 6));
}

TEST(WorksheetFunctions, ReturnTheOneResultRecordWithTheLatestNumber) {
    XLOPER* first = PofTV(100, 0.5, 1);
    const double p = first->val.num;
    XLOPER* second = ZofTV(100, 0.5, 1);
    EXPECT_EQ(first, second);
    EXPECT_NE(second->val.num, p);
    EXPECT_TRUE(agreesToDigits(first->val.num, 0.993075, 6));
}

TEST(WorksheetFunctions, CodesOutsideOneToSixGiveTheResultsOfCodeZero) {
    for (const Call& c : kCalls) {
        const double base = c(0);
        for (int32_t code : {7, -1, 8, 1000}) EXPECT_TRUE(sameBits(c(code), base)) << c.name << " " << code;
    }
}

TEST(WorksheetFunctions, GaugeCodeChangesPressuresOnly) {
    for (const Call& c : kCalls) {
        const std::string name = c.name;
        const bool pressureResult = name == "PofTV" || name == "Psat";
        const bool firstArgPressure = name == "Tsat" || name == "TofPH" || name == "TofPS" || name == "HofPS";
        const bool secondArgPressure = name == "VofTP" || name == "HofTP" || name == "SofTP" || name == "ZofTP";
        // The gauge argument g reads as the absolute pressure g + 14.696.
        Call gauge = c, absolute = c;
        if (firstArgPressure) absolute.a = gauge.a + 14.696;
        if (secondArgPressure) absolute.b = gauge.b + 14.696;
        const double base = absolute(0);
        const double expected = pressureResult ? base - 14.696 : base;
        EXPECT_TRUE(sameBits(gauge(2), expected)) << c.name;
    }
}

TEST(WorksheetFunctions, ZIsUnconvertedInEveryUnitSystem) {
    // 200 F = 93.333.. C = 366.483.. K and 1 ft3/lbm in m3/kg: the same state.
    const double T = (200.0 - 32) / 1.8, V = 1 / 16.01846353;
    const double z = ZofTV(200, 1, 0)->val.num;
    for (int32_t code : {1, 4, 5, 6}) EXPECT_NEAR(ZofTV(T, V, code)->val.num, z, 1e-13) << code;
    EXPECT_NEAR(ZofTV((200 + 459.67) / 1.8, V, 3)->val.num, z, 1e-13);
    const double zp = ZofTP(200, 20, 0)->val.num;
    EXPECT_NEAR(ZofTP(T, 20 / 14.50377377, 1)->val.num, zp, 1e-9);
}

TEST(WorksheetFunctions, SaturatedPropertiesMeetAtAndAboveTheCriticalTemperature) {
    for (double T : {335.588, 336.0, 500.0}) {
        EXPECT_EQ(Vf(T, 0)->val.num, Vg(T, 0)->val.num) << T;
        EXPECT_EQ(Hf(T, 0)->val.num, Hg(T, 0)->val.num) << T;
        EXPECT_EQ(Sf(T, 0)->val.num, Sg(T, 0)->val.num) << T;
    }
    EXPECT_EQ(Vf(300, 1)->val.num, Vg(300, 1)->val.num);
}

TEST(WorksheetFunctions, TsatOfPsatReturnsTheTemperatureOrTheEndOfTheLine) {
    for (int32_t units : {0, 1, 3, 6}) {
        // 100 F, 37.7 C, 310 K lie inside the line; -300 F and 800 F outside.
        const double inside = units == 0 ? 100 : units == 3 ? 310 : 37.7;
        EXPECT_NEAR(Tsat(Psat(inside, units)->val.num, units)->val.num, inside, 1e-6) << units;
    }
    EXPECT_NEAR(Tsat(Psat(-300, 0)->val.num, 0)->val.num, -162.67, 1e-6);
    EXPECT_NEAR(Tsat(Psat(800, 0)->val.num, 0)->val.num, 335.588, 1e-6);
}

TEST(WorksheetFunctions, EnthalpyOfSaturatedEntropyIsTheSaturatedEnthalpy) {
    for (double P : {0.01, 14.696, 150.0, 270.0}) {
        const double Ts = Tsat(P, 0)->val.num;
        const double sf = Sf(Ts, 0)->val.num, hf = Hf(Ts, 0)->val.num;
        const double sg = Sg(Ts, 0)->val.num, hg = Hg(Ts, 0)->val.num;
        EXPECT_EQ(HofPS(P, sf, 0)->val.num, hf) << P;
        EXPECT_NEAR(HofPS(P, sg, 0)->val.num, hg, 1e-12 * std::fabs(hg)) << P;
    }
}

TEST(WorksheetFunctions, StatesWithoutAVolumeGiveNaN) {
    for (double P : {0.0, -1.0, kNaN}) {
        EXPECT_TRUE(std::isnan(VofTP(100, P, 0)->val.num)) << P;
        EXPECT_TRUE(std::isnan(SofTP(100, P, 0)->val.num)) << P;
        EXPECT_TRUE(std::isnan(ZofTP(100, P, 0)->val.num)) << P;
        EXPECT_TRUE(std::isnan(HofTP(500, P, 0)->val.num)) << P;
        EXPECT_EQ(g_result.xltype, xltypeNum);
    }
    // -20 psig is below vacuum.
    EXPECT_TRUE(std::isnan(VofTP(100, -20, 2)->val.num));
    EXPECT_TRUE(std::isnan(HofPS(-5, 0.5, 0)->val.num));
    EXPECT_EQ(TofPS(-5, 0.5, 0)->val.num, 1528.475);
    EXPECT_TRUE(std::isnan(PofTV(100, 0, 0)->val.num) || std::isinf(PofTV(100, 0, 0)->val.num));
}

}  // namespace
