#include "worksheet/units.h"

#include <gtest/gtest.h>

#include "worksheet/result.h"

namespace {

struct Converters {
    double (*from)(double, int32_t);
    XLOPER* (*to)(double, int32_t);
    const char* quantity;
};

const Converters kConverters[] = {
    {fromUserT, toUserT, "temperature"}, {fromUserP, toUserP, "pressure"},
    {fromUserV, toUserV, "volume"},      {fromUserH, toUserH, "enthalpy"},
    {fromUserS, toUserS, "entropy"},
};

double out(XLOPER* (*to)(double, int32_t), double x, int32_t units) { return to(x, units)->val.num; }

TEST(Units, CodesOutsideOneToSixAreUsCustomaryUnchanged) {
    for (const Converters& c : kConverters) {
        for (int32_t code : {0, 7, -1, 8, 1000, INT32_MIN, INT32_MAX}) {
            for (double x : {-459.67, 0.0, 1.0, 123.456}) {
                EXPECT_EQ(c.from(x, code), x) << c.quantity << " code " << code;
                EXPECT_EQ(out(c.to, x, code), x) << c.quantity << " code " << code;
            }
        }
    }
}

// One input and one output of every converted pair, exactly: the constants
// as written, each used directly (no reciprocal, no derived factor), and
// temperatures scaled before the offset going in, after it coming out.
TEST(Units, ConversionsUseTheirOwnConstants) {
    struct Case { const char* what; double actual, expected; };
    const Case cases[] = {
        {"100 C in", fromUserT(100, 1), 212},
        {"0 K in", fromUserT(0, 3), -459.67},
        {"212 F out as C", out(toUserT, 212, 1), 100},
        {"-459.67 F out as K", out(toUserT, -459.67, 3), 0},
        {"C in, scale then offset", fromUserT(37.7, 4), 37.7 * 1.8 + 32},
        {"C out, offset then scale", out(toUserT, 99.9, 5), (99.9 - 32) / 1.8},
        {"K out, offset then scale", out(toUserT, 99.9, 3), (99.9 + 459.67) / 1.8},
        {"bar in", fromUserP(1, 1), 14.50377377},
        {"bar in, code 5", fromUserP(1, 5), 14.50377377},
        {"MPa in", fromUserP(1, 3), 145.0377377},
        {"kPa in", fromUserP(1, 4), 0.1450377377},
        {"kgf/cm2 in", fromUserP(1, 6), 14.22334331},
        {"psig in", fromUserP(0, 2), 14.696},
        {"psig out", out(toUserP, 14.696, 2), 0},
        {"below atmospheric psig out", out(toUserP, 10, 2), 10 - 14.696},
        {"bar out", out(toUserP, 14.50377377, 1), 1},
        {"MPa out", out(toUserP, 145.0377377, 3), 1},
        {"kPa out", out(toUserP, 0.1450377377, 4), 1},
        {"kgf/cm2 out", out(toUserP, 14.22334331, 6), 1},
        {"m3/kg in", fromUserV(0.5, 3), 0.5 * 16.01846353},
        {"m3/kg out", out(toUserV, 16.01846353, 6), 1},
        {"kJ/kg in", fromUserH(2.326, 1), 1},
        {"kJ/kg out", out(toUserH, 1, 4), 2.326},
        {"kcal/kg in", fromUserH(1, 5), 1.8},
        {"kcal/kg out", out(toUserH, 1.8, 6), 1},
        {"kJ/(kg K) in", fromUserS(4.1868, 3), 1},
        {"kJ/(kg K) out", out(toUserS, 1, 1), 4.1868},
    };
    for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected) << c.what;
}

// Which quantities each code converts: a code changes a quantity exactly
// when the value 10 does not pass through unchanged.
TEST(Units, EachCodeConvertsItsOwnQuantities) {
    struct Row { int32_t code; bool T, P, V, H, S; };
    const Row rows[] = {
        {1, true, true, true, true, true},   {2, false, true, false, false, false},
        {3, true, true, true, true, true},   {4, true, true, true, true, true},
        {5, true, true, true, true, false},  {6, true, true, true, true, false},
    };
    for (const Row& r : rows) {
        const bool expected[] = {r.T, r.P, r.V, r.H, r.S};
        for (int q = 0; q < 5; ++q) {
            const Converters& c = kConverters[q];
            EXPECT_EQ(c.from(10, r.code) != 10, expected[q]) << c.quantity << " in, code " << r.code;
            EXPECT_EQ(out(c.to, 10, r.code) != 10, expected[q]) << c.quantity << " out, code " << r.code;
        }
    }
    // Codes 1 and 5 differ only in enthalpy and entropy, 5 and 6 only in
    // pressure, 1 and 4 only in pressure.
    for (int q = 0; q < 5; ++q) {
        const Converters& c = kConverters[q];
        EXPECT_EQ(c.from(10, 1) == c.from(10, 5), q != 3 && q != 4) << c.quantity;
        EXPECT_EQ(c.from(10, 5) == c.from(10, 6), q != 1) << c.quantity;
        EXPECT_EQ(c.from(10, 1) == c.from(10, 4), q != 1) << c.quantity;
    }
}

TEST(Units, OutputConvertersFillTheOneResultRecord) {
    XLOPER* first = toUserT(212, 1);
    EXPECT_EQ(first, &g_result);
    EXPECT_EQ(first->xltype, xltypeNum);
    EXPECT_EQ(first->val.num, 100);
    XLOPER* second = toUserH(1, 1);
    EXPECT_EQ(second, first);
    EXPECT_EQ(first->val.num, 2.326);
    EXPECT_EQ(numResult(-3.5), &g_result);
    EXPECT_EQ(g_result.val.num, -3.5);
}

}  // namespace
