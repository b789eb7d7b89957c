#include "solvers/volume.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "model/model_state.h"
#include "model/state_functions.h"
#include "solvers/saturation.h"
#include "tests/common/precision.h"

namespace {

// The model state, derived on first use: each test may run in a process of
// its own, before any other model call.
const ModelState& model() {
    ensureModel();
    return g_modelState;
}

const double Tt = -162.67, Tc = 335.588, Pt = 3.35695e-05;
const double vft = 0.0081296, vc = 0.026398;
const double kNaN = std::numeric_limits<double>::quiet_NaN();

double pressure(double T, double v) {
    return pressureFromZ(T, v, calcZofTV(T, v));
}

TEST(SolveV, EarlyReturnsOfTheSaturatedModes) {
    const double tripleIdealGas = (Tt + 459.67) * model().R / Pt / 144;
    struct Case { double T; int mode; double expected; };
    const Case cases[] = {
        {Tt, 1, vft}, {-300, 1, vft}, {Tc, 1, vc}, {900, 1, vc},
        {Tt, 2, tripleIdealGas}, {-300, 2, tripleIdealGas}, {Tc, 2, vc}, {900, 2, vc},
    };
    for (const Case& c : cases) EXPECT_EQ(solveV(c.T, 0, c.mode), c.expected) << c.T << " mode " << c.mode;
}

// Each branch lands on a volume whose model pressure is the target.
TEST(SolveV, EveryBranchSolvesThePressureEquation) {
    struct Case { const char* branch; double T, P; int mode; double target; };
    const Case cases[] = {
        {"saturated liquid", 100, 0, 1, calcPsat(100)},
        {"saturated vapour", 100, 0, 2, calcPsat(100)},
        {"supercritical", 500, 500, 3, 500},
        {"liquid", 100, 1000, 3, 1000},
        {"vapour", 100, 1, 3, 1},
    };
    for (const Case& c : cases) {
        double v = solveV(c.T, c.P, c.mode);
        EXPECT_NEAR(pressure(c.T, v) / c.target, 1.0, 1e-6) << c.branch;
        EXPECT_LT(calcDPDVofTV(c.T, v), 0) << c.branch;
    }
}

TEST(SolveV, PhaseIsChosenByComparingWithTheSaturationPressure) {
    const double p = calcPsat(100);
    EXPECT_TRUE(agreesToDigits(solveV(100, p, 3), 1.86133, 6));  // equal: vapour
    EXPECT_TRUE(agreesToDigits(solveV(100, std::nextafter(p, 1e9), 3), 0.0102484, 6));  // liquid
    EXPECT_TRUE(agreesToDigits(solveV(100, 0, 2), 1.86133, 6));
    EXPECT_TRUE(agreesToDigits(solveV(100, 0, 1), 0.0102484, 6));
}

// Below the triple point the liquid search starts from vft and stops at
// vmin before the model pressure (negative there) reaches the target.
TEST(SolveV, SearchEndingAtItsLimitReturnsThatEnd) {
    double v = solveV(-200, 1, 3);
    EXPECT_NEAR(v / model().vmin, 1.0, 1e-9);
    EXPECT_LT(pressure(-200, v), 0);
}

TEST(SolveV, AnyOtherModeBehavesAsTheStateAtTandP) {
    for (int mode : {0, 4, -1, 1000}) {
        EXPECT_EQ(solveV(100, 1, mode), solveV(100, 1, 3)) << mode;
        EXPECT_EQ(solveV(500, 500, mode), solveV(500, 500, 3)) << mode;
    }
}

TEST(SolveV, CriticalPointTakesTheSupercriticalBranch) {
    double v = solveV(Tc, 271.076, 3);
    EXPECT_TRUE(agreesToDigits(v, 0.0264009, 6));
    EXPECT_NE(v, vc);
}

TEST(SolveV, PressureBeyondTheSmallestVolumeEndsOneStepBelowIt) {
    const double vmin = model().vmin;
    double v = solveV(0, 1e6, 3);
    EXPECT_GT(v, 0.999 * vmin);
    EXPECT_LE(v, vmin);
}

TEST(SolveV, EstimateBeyondTheLargestVolumeIsReturned) {
    ensureModel();  // estVofTP is called only after solveV has initialised the model
    double estimate = estVofTP(1000, 1e-9);
    EXPECT_TRUE(agreesToDigits(estimate, 4.90978e10, 6));
    EXPECT_GT(estimate, model().vmax);
    EXPECT_TRUE(agreesToDigits(pressure(1000, estimate), 1.0095e-9, 5));
    EXPECT_EQ(solveV(1000, 1e-9, 3), estimate);
}

TEST(SolveV, NearCriticalSaturatedVapourStopsWhereTheIsothermTurns) {
    double v = solveV(335, 0, 2);
    EXPECT_TRUE(agreesToDigits(v, 0.0291016, 6));
    EXPECT_TRUE(agreesToDigits(pressure(335, v), 269.483, 6));
    EXPECT_TRUE(agreesToDigits(calcPsat(335), 269.504, 6));
}

TEST(SolveV, NoVolumeAtAPressureOfZeroOrBelowOrNaN) {
    for (double T : {-200.0, 100.0, Tc, 500.0}) {
        for (double P : {0.0, -0.0, -1.0, -1e300, kNaN}) {
            EXPECT_TRUE(std::isnan(solveV(T, P, 3))) << T << " " << P;
            EXPECT_TRUE(std::isnan(solveV(T, P, 7))) << T << " " << P;
        }
    }
    // The saturated modes never read the pressure.
    EXPECT_EQ(solveV(100, kNaN, 1), solveV(100, 0, 1));
    EXPECT_EQ(solveV(100, -1, 2), solveV(100, 0, 2));
}

}  // namespace
