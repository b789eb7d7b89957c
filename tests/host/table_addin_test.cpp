// Tables and bounds through the built add-in.
#include <gtest/gtest.h>

#include <cmath>

#include "host/fluid_bounds.h"
#include "host/table_build.h"
#include "tests/host/loaded_addin.h"

namespace {

// Agreement to the six significant digits a reference value is given with.
void expectSixDigits(double actual, double expected) {
    EXPECT_LE(std::fabs(actual - expected), 0.5e-5 * std::fabs(expected) * 1.0000001) << actual << " vs " << expected;
}

TEST(TableThroughAddin, BoundsFoundThroughTheFunctionsAreTheModels) {
    const FluidBounds b = fluidBoundsOf(addinEvaluator(), 0);
    // The model's bounds in internal units.
    EXPECT_EQ(b.Tmin, -162.67);
    EXPECT_EQ(b.Tmax, 1528.475);
    EXPECT_EQ(b.Tt, -162.67);
    struct Case {
        double found, bound;
    };
    const Case cases[] = {{b.Pmax, 1518.0256}, {b.Pmin, 3.35695e-07}, {b.Hmax, 521.145620941376},
                          {b.Smax, 0.6941345182882688}};
    for (const Case& c : cases) EXPECT_NEAR(c.found, c.bound, 1e-6 * c.bound) << c.bound;
    EXPECT_NEAR(b.Hmin, 0, 1e-6);
    EXPECT_NEAR(b.Smin, 0, 1e-9);
    // Triple and critical point in bar and °C.
    const FluidBounds m = fluidBoundsOf(addinEvaluator(), 1);
    EXPECT_NEAR(m.Tt, -108.15, 1e-9);
    EXPECT_NEAR(m.Tc, (b.Tc - 32) / 1.8, 1e-9);
    EXPECT_GT(m.Pc, m.Pt);
}

TEST(TableThroughAddin, SaturationRowsCarryTheReferenceValues) {
    PropertyTable byT, byP;
    std::string error;
    ASSERT_TRUE(saturationTableByTemperature(addinEvaluator(), {25}, 1, byT, error)) << error;
    expectSixDigits(byT.rows[0][1], 0.403361);  // Psat(25, 1), bar
    ASSERT_TRUE(saturationTableByTemperature(addinEvaluator(), {77}, 0, byT, error)) << error;
    expectSixDigits(byT.rows[0][1], 5.85025);  // Psat(77, 0), psia
    ASSERT_TRUE(saturationTableByPressure(addinEvaluator(), {1}, 1, byP, error)) << error;
    expectSixDigits(byP.rows[0][1], 48.7801);  // Tsat(1, 1), °C
    ASSERT_TRUE(saturationTableByPressure(addinEvaluator(), {0}, 2, byP, error)) << error;
    expectSixDigits(byP.rows[0][1], 120.487);  // Tsat(0, 2), °F

    // Every row: liquid denser and lower in enthalpy and entropy than vapour.
    ASSERT_TRUE(saturationTableByTemperature(addinEvaluator(), {-100, 0, 100, 160}, 1, byT, error)) << error;
    for (const auto& row : byT.rows) {
        EXPECT_LT(row[2], row[3]);
        EXPECT_EQ(row[6], row[5] - row[4]);
        EXPECT_GT(row[6], 0);
        EXPECT_LT(row[7], row[8]);
    }
}

TEST(TableThroughAddin, SaturationLineEndsComeFromTheAddin) {
    PropertyTable t;
    std::string error;
    // The triple point typed as the table prints it is accepted; a tenth
    // of a degree beyond the critical point is not.
    EXPECT_TRUE(saturationTableByTemperature(addinEvaluator(), {-108.15, 168.66}, 1, t, error)) << error;
    EXPECT_FALSE(saturationTableByTemperature(addinEvaluator(), {168.76}, 1, t, error));
    EXPECT_NE(error.find("critical point 168.66 °C"), std::string::npos) << error;
}

TEST(TableThroughAddin, IsobarShowsTheTwoPhaseJump) {
    PropertyTable t;
    std::string error;
    ASSERT_TRUE(isobarTable(addinEvaluator(), 1, {20, 40, 60, 80}, 1, t, error)) << error;
    ASSERT_EQ(t.rows.size(), 6u);
    EXPECT_EQ(t.notes, (std::vector<std::string>{"liquid", "liquid", "sat. liquid", "sat. vapor", "vapor", "vapor"}));
    const auto& liquid = t.rows[2];
    const auto& vapor = t.rows[3];
    expectSixDigits(liquid[0], 48.7801);
    EXPECT_EQ(liquid[0], vapor[0]);
    EXPECT_GT(vapor[1] / liquid[1], 100);  // the volume jumps
    // Below Tsat the states are liquid, above it vapour, at this pressure.
    EXPECT_LT(t.rows[1][1], liquid[1]);
    EXPECT_LT(t.rows[1][2], liquid[2]);
    EXPECT_GT(t.rows[4][1], vapor[1]);
    EXPECT_GT(t.rows[4][2], vapor[2]);
    EXPECT_LT(t.rows[0][4], 0.05);  // a liquid is far from an ideal gas
    EXPECT_GT(t.rows[5][4], 0.9);
}

}  // namespace
