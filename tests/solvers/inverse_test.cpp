#include "solvers/inverse.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "model/model_state.h"
#include "model/state_functions.h"
#include "solvers/saturation.h"
#include "solvers/volume.h"
#include "tests/common/precision.h"

namespace {

// The model state, derived on first use: each test may run in a process of
// its own, before any other model call.
const ModelState& model() {
    ensureModel();
    return g_modelState;
}

const double Tc = 335.588, Pc = 271.076, vc = 0.026398, Pt = 3.35695e-05;
const double kInf = std::numeric_limits<double>::infinity();

// The saturated liquid and vapour at P and their enthalpies and entropies.
struct Pair {
    double Ts, vf, vg, hf, hg, sf, sg;
};

Pair saturation(double P) {
    double Ts = calcTsat(P);
    double vf = solveV(Ts, 0, 1), vg = solveV(Ts, 0, 2);
    return {Ts, vf, vg, calcHofTV(Ts, vf), calcHofTV(Ts, vg), calcSofTV(Ts, vf), calcSofTV(Ts, vg)};
}

double entropyAt(double T, double P) { return calcSofTV(T, solveV(T, P, 3)); }

TEST(InverseSolvers, RangeTestsInTheirOrder) {
    const ModelState& m = model();
    const double big = m.Pmax * 2, small = m.Pmin / 2;
    struct Case { const char* why; double P, H, S, expected; };
    const Case cases[] = {
        {"pressure above Pmax wins over everything", big, m.Hmax + 1, m.Smax + 1, m.Tmin},
        {"pressure above Pmax with a property below its bound", big, m.Hmin - 1, m.Smin - 1, m.Tmin},
        {"property below its bound", 100, m.Hmin - 1, m.Smin - 1, m.Tmin},
        {"property below its bound before a pressure below Pmin", small, -kInf, -kInf, m.Tmin},
        {"pressure below Pmin", small, 100, 0.2, m.Tmax},
        {"pressure below Pmin with a property above its bound", small, m.Hmax + 1, m.Smax + 1, m.Tmax},
        {"property above its bound", 100, m.Hmax + 1, m.Smax + 1, m.Tmax},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(calcTofPH(c.P, c.H), c.expected) << c.why;
        EXPECT_EQ(calcTofPS(c.P, c.S), c.expected) << c.why;
    }
}

TEST(InverseSolvers, SaturationPairAtAtmosphericPressure) {
    const Pair s = saturation(14.696);
    EXPECT_TRUE(agreesToDigits(s.Ts, 120.487389, 9));
    EXPECT_TRUE(agreesToDigits(s.hf, 75.0594, 6));
    EXPECT_TRUE(agreesToDigits(s.hg, 112.913, 6));
    EXPECT_TRUE(agreesToDigits(s.sf, 0.177902, 6));
    EXPECT_TRUE(agreesToDigits(s.sg, 0.243164, 6));
}

TEST(InverseSolvers, TwoPhaseBandIncludesBothEnds) {
    for (double P : {1.0, 14.696, 150.0}) {
        SCOPED_TRACE(P);
        const Pair s = saturation(P);
        const double hf = s.hf, hg = s.hg, sf = s.sf, sg = s.sg;
        for (double H : {hf, (hf + hg) / 2, hg}) EXPECT_EQ(calcTofPH(P, H), s.Ts);
        for (double S : {sf, (sf + sg) / 2, sg}) EXPECT_EQ(calcTofPS(P, S), s.Ts);
        // Just outside the band the bisection runs instead and ends within
        // its resolution of the band's temperature.
        for (double T : {calcTofPH(P, std::nextafter(hf, -kInf)), calcTofPH(P, std::nextafter(hg, kInf)),
                         calcTofPS(P, std::nextafter(sf, -kInf)), calcTofPS(P, std::nextafter(sg, kInf))}) {
            EXPECT_NE(T, s.Ts);
            EXPECT_NEAR(T, s.Ts, 1e-6);
        }
    }
}

TEST(InverseSolvers, AtTheCriticalPressureNoBandIsTested) {
    // With a band test, vf = vg = vc at Tc and this enthalpy would give Tc exactly.
    double T = calcTofPH(Pc, calcHofTV(Tc, vc));
    EXPECT_NE(T, Tc);
    EXPECT_NEAR(T, Tc, 1.0);
}

TEST(InverseSolvers, CheckValues) {
    EXPECT_TRUE(agreesToDigits(calcTofPH(100, 20), -89.7136, 6));
    EXPECT_TRUE(agreesToDigits(calcTofPH(14.696, 150), 285.973, 6));
}

// Outside the band, each solver inverts its forward routine to the
// resolution of the 32-step temperature bisection.
TEST(InverseSolvers, RoundTripsOnBothSidesOfTheBandAndAboveCritical) {
    struct Case { double P, T; };
    const Case cases[] = {
        {1, -100}, {1, 200}, {14.696, 0}, {14.696, 400}, {100, -50}, {100, 600},
        {250, 300}, {Pc, 200}, {Pc, 500}, {400, 250}, {1000, 1200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "P " << c.P << " T " << c.T);
        const double H = calcHofTP(c.T, c.P);
        EXPECT_NEAR(calcHofTP(calcTofPH(c.P, H), c.P), H, 2e-7);
        EXPECT_NEAR(calcTofPH(c.P, H), c.T, 1e-5);
        const double S = entropyAt(c.T, c.P);
        const double T = calcTofPS(c.P, S);
        EXPECT_NEAR(entropyAt(T, c.P), S, 1e-9);
        EXPECT_NEAR(T, c.T, 1e-5);
        EXPECT_EQ(calcHofPS(c.P, S), calcHofTP(T, c.P));
    }
}

TEST(InverseSolvers, LeverRuleInsideTheBand) {
    for (double P : {1.0, 14.696, 200.0}) {
        SCOPED_TRACE(P);
        const Pair s = saturation(P);
        const double hf = s.hf, hg = s.hg, sf = s.sf, sg = s.sg;
        EXPECT_EQ(calcHofPS(P, sf), hf);
        EXPECT_NEAR(calcHofPS(P, sg), hg, 4 * std::numeric_limits<double>::epsilon() * hg);
        EXPECT_NEAR(calcHofPS(P, sf + (sg - sf) / 2), (hf + hg) / 2, 1e-12 * hg);
    }
}

TEST(InverseSolvers, PressuresAtOrBelowTheTriplePoint) {
    const ModelState& m = model();
    for (double P : {Pt, 1e-5, 1e-8}) {
        SCOPED_TRACE(P);
        // The pair is the triple-point liquid and its ideal-gas vapour.
        const Pair s = saturation(P);
        EXPECT_EQ(s.Ts, -162.67);
        EXPECT_EQ(s.vf, 0.0081296);
        const double hf = s.hf, hg = s.hg, sf = s.sf, sg = s.sg;
        EXPECT_EQ(calcHofPS(P, sf), hf);
        EXPECT_NEAR(calcHofPS(P, (sf + sg) / 2), (hf + hg) / 2, 1e-9);
    }
    const Pair s = saturation(1e-8);
    const double beyond = s.sg + 0.01;
    EXPECT_EQ(calcTofPS(1e-8, beyond), m.Tmax);
    EXPECT_EQ(calcHofPS(1e-8, beyond), calcHofTP(m.Tmax, 1e-8));
}

TEST(InverseSolvers, NoVolumeMeansNoEnthalpyAtPressuresOfZeroOrBelow) {
    const double kNaN = std::numeric_limits<double>::quiet_NaN();
    for (double P : {0.0, -5.0, kNaN}) {
        EXPECT_TRUE(std::isnan(calcHofTP(100, P))) << P;
    }
    // The range tests still come first: a pressure below Pmin gives Tmax
    // before any volume is solved, and the enthalpy there has no volume.
    EXPECT_EQ(calcTofPS(-5, 0.5), model().Tmax);
    EXPECT_EQ(calcTofPH(-5, 100), model().Tmax);
    EXPECT_TRUE(std::isnan(calcHofPS(-5, 0.5)));
}

}  // namespace
