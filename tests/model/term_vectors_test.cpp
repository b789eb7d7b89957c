#include "model/term_vectors.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "tests/common/precision.h"

namespace {

TEST(Powi, RepeatedMultiplicationAndDivision) {
    struct Case { double x; int n; double expected; };
    const Case cases[] = {
        {0.0, 0, 1.0},
        {std::numeric_limits<double>::quiet_NaN(), 0, 1.0},  // x is never touched
        {2.0, 10, 1024.0},
        {2.0, -10, 0.0009765625},
        {3.0, 1, 3.0},
        {-1.5, 3, -3.375},
        {0.0, -1, std::numeric_limits<double>::infinity()},
    };
    for (const Case& c : cases) EXPECT_EQ(powi(c.x, c.n), c.expected) << c.x << "^" << c.n;
    const double x = 1.1;
    EXPECT_EQ(powi(x, 2), x * x);
    EXPECT_EQ(powi(x, 3), x * x * x);
    EXPECT_EQ(powi(x, -1), 1.0 / x);
    EXPECT_EQ(powi(x, -2), 1.0 / x / x);
}

TEST(Dot, AddsProductsInIndexOrder) {
    const double a[] = {1e16, 1.0, -1e16};
    const double b[] = {1.0, 1.0, 1.0};
    // ((1e16 + 1) - 1e16) loses the 1 in index order; another order would keep it.
    EXPECT_EQ(dot(a, b, 3), 0.0);
    EXPECT_EQ(dot(a, b, 0), 0.0);
    EXPECT_EQ(dot(a, b, -3), 0.0);
    EXPECT_EQ(dot(a, b, 1), 1e16);
}

// Reference values at Tr = 0.9, delta = 1, ten significant digits.
TEST(ResidualTerms, ReferenceValues) {
    struct Row { int i; double t, tD, tDD, tTr; };
    const Row rows[] = {
        {1, 0.9486832981, 0, 0, 0.5270462767},
        {12, 0.25, 0.75, 1.5, 0},
        {18, 0.1543209877, 1.080246914, 6.481481481, -0.3429355281},
        {19, 0.5594727531, 0.451303259, -0.2961678648, -1.243272785},
        {22, 0.3338481443, 0.9140101649, 1.416278167, -1.48376953},
        {26, 0.1622237432, 1.083155454, 6.043208796, -0.7209944141},
        {28, 0.1123087453, 0.9658552094, 7.250652595, -0.3743624843},
    };
    double t[kResidualTerms], tD[kResidualTerms], tDD[kResidualTerms], tTr[kResidualTerms];
    residualTerms(0.9, 1.0, t);
    residualTermsDDelta(0.9, 1.0, tD);
    residualTermsDDelta2(0.9, 1.0, tDD);
    residualTermsDTr(0.9, 1.0, tTr);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.i);
        EXPECT_TRUE(agreesToDigits(t[r.i], r.t, 10));
        EXPECT_TRUE(agreesToDigits(tD[r.i], r.tD, 10));
        EXPECT_TRUE(agreesToDigits(tDD[r.i], r.tDD, 10));
        EXPECT_TRUE(agreesToDigits(tTr[r.i], r.tTr, 10));
    }
}

TEST(ResidualTerms, SeriesFactorIsTheFiniteSumNotItsClosedForm) {
    // sigma1 at delta = 3 is 4.15572; the closed form would give 4.20804.
    // t19 = sigma1 E / Tr^2, so at Tr = 1 it is sigma1 exp(-0.2 * 9).
    double t[kResidualTerms];
    residualTerms(1.0, 3.0, t);
    EXPECT_TRUE(agreesToDigits(t[19] / std::exp(-(0.2 * 3.0 * 3.0)), 4.15572, 6));
}

TEST(ResidualTerms, StructuralZeros) {
    const double states[][2] = {{0.5, 0.1}, {0.9, 1.0}, {2.3, 3.7}};
    for (const auto& s : states) {
        double tD[kResidualTerms], tDD[kResidualTerms], tTr[kResidualTerms], ID[kIdealTerms];
        residualTermsDDelta(s[0], s[1], tD);
        residualTermsDDelta2(s[0], s[1], tDD);
        residualTermsDTr(s[0], s[1], tTr);
        idealTermsDTr(s[0], ID);
        for (int i = 0; i <= 4; ++i) EXPECT_EQ(tD[i], 0.0) << i;
        for (int i = 0; i <= 8; ++i) EXPECT_EQ(tDD[i], 0.0) << i;
        for (int i : {2, 6, 10, 12}) EXPECT_EQ(tTr[i], 0.0) << i;
        EXPECT_EQ(ID[0], 0.0);
    }
}

// Every derivative vector against central differences of the vector it
// derives from, term by term: a wrong power, sign or factor in any one
// term shows up here even where no reference value covers it.
TEST(TermVectors, DerivativesMatchCentralDifferences) {
    const double states[][2] = {{0.6, 0.3}, {0.95, 1.4}, {1.7, 2.6}};
    for (const auto& s : states) {
        const double Tr = s[0], d = s[1];
        const double h = 1e-5;
        double tp[kResidualTerms], tm[kResidualTerms], tD[kResidualTerms];
        double tDp[kResidualTerms], tDm[kResidualTerms], tDD[kResidualTerms];
        double tTp[kResidualTerms], tTm[kResidualTerms], tTr[kResidualTerms];
        residualTerms(Tr, d + h, tp);
        residualTerms(Tr, d - h, tm);
        residualTermsDDelta(Tr, d, tD);
        residualTermsDDelta(Tr, d + h, tDp);
        residualTermsDDelta(Tr, d - h, tDm);
        residualTermsDDelta2(Tr, d, tDD);
        residualTerms(Tr + h, d, tTp);
        residualTerms(Tr - h, d, tTm);
        residualTermsDTr(Tr, d, tTr);
        for (int i = 0; i < kResidualTerms; ++i) {
            SCOPED_TRACE(::testing::Message() << "Tr " << Tr << " delta " << d << " term " << i);
            EXPECT_NEAR(tD[i], (tp[i] - tm[i]) / (2 * h), 1e-7 * (1 + std::fabs(tD[i])));
            EXPECT_NEAR(tDD[i], (tDp[i] - tDm[i]) / (2 * h), 1e-7 * (1 + std::fabs(tDD[i])));
            EXPECT_NEAR(tTr[i], (tTp[i] - tTm[i]) / (2 * h), 1e-7 * (1 + std::fabs(tTr[i])));
        }
        double Ip[kIdealTerms], Im[kIdealTerms], ID[kIdealTerms];
        idealTerms(Tr + h, Ip);
        idealTerms(Tr - h, Im);
        idealTermsDTr(Tr, ID);
        for (int j = 0; j < kIdealTerms; ++j)
            EXPECT_NEAR(ID[j], (Ip[j] - Im[j]) / (2 * h), 1e-7 * (1 + std::fabs(ID[j]))) << j;
    }
}

TEST(TermVectors, SmallDensityFirstExponentialTermApproachesT8) {
    double t[kResidualTerms];
    residualTerms(0.8, 1e-6, t);
    EXPECT_NEAR(t[19] / t[8], 1.0, 1e-9);
}

TEST(PowExpDDelta2, SecondDerivativeOfPowerTimesDensityFactor) {
    // d2/dd2 (d^n exp(-g d^2)) / exp(-g d^2), g = 0.2, against the expanded form.
    const double g = 0.2;
    for (int n : {1, 3, 5, 7, 9}) {
        for (double d : {0.4, 1.0, 2.5}) {
            double expanded = n * (n - 1) * std::pow(d, n - 2) - 2 * g * (2 * n + 1) * std::pow(d, n)
                              + 4 * g * g * std::pow(d, n + 2);
            EXPECT_NEAR(powExpDDelta2(d, n), expanded, 1e-12 * (1 + std::fabs(expanded)))
                << "n " << n << " delta " << d;
        }
    }
}

}  // namespace
