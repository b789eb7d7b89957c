#include "host/table_build.h"

#include <gtest/gtest.h>

#include <cmath>

#include "host/fluid_bounds.h"
#include "tests/host/fake_fluid.h"

namespace {

TEST(FluidBounds, FoundThroughTheClampsOfTheFunctions) {
    const FluidBounds b = fluidBoundsOf(fake::evaluator(), 0);
    EXPECT_EQ(b.Tt, fake::Tt);
    EXPECT_EQ(b.Tc, fake::Tc);
    EXPECT_EQ(b.Pt, fake::Pt);
    EXPECT_EQ(b.Pc, fake::Pc);
    EXPECT_EQ(b.Tmin, fake::Tmin);
    EXPECT_EQ(b.Tmax, fake::Tmax);
    // The bisections end inside each bound, within a billionth of the
    // value they started from: Pc, Pt, Hf(Tc) = 200 or Sf(Tc) = 0.4.
    auto expectJustInside = [](double found, double bound, double start, double direction) {
        EXPECT_LE((found - bound) * direction, 0.0) << bound;
        EXPECT_LE(std::fabs(found - bound), start * 1e-9) << bound;
    };
    expectJustInside(b.Pmax, fake::Pmax, fake::Pc, +1);
    expectJustInside(b.Pmin, fake::Pmin, fake::Pt, -1);
    expectJustInside(b.Hmax, fake::Hmax, 200, +1);
    expectJustInside(b.Hmin, fake::Hmin, 200, -1);
    expectJustInside(b.Smax, fake::Smax, 0.4, +1);
    expectJustInside(b.Smin, fake::Smin, 0.4, -1);
}

TEST(SaturationTable, RowsByTemperatureAndByPressure) {
    const CellEvaluator f = fake::evaluator();
    PropertyTable byT, byP;
    std::string error;
    ASSERT_TRUE(saturationTableByTemperature(f, {0, 100}, 0, byT, error)) << error;
    ASSERT_EQ(byT.rows.size(), 2u);
    const std::vector<double> expected = {100,
                                          fake::psat(100),
                                          0.01 + 100 * 1e-5,
                                          10 - 100 * 0.01,
                                          100,
                                          150,
                                          50,
                                          0.2,
                                          0.5 - 200 * 0.0002};
    EXPECT_EQ(byT.rows[1], expected);
    EXPECT_EQ(byT.columns[1].symbol, "Psat");
    EXPECT_EQ(byT.columns[6].symbol, "Hfg");

    // By pressure the first two columns are P and Tsat, the rest the same.
    ASSERT_TRUE(saturationTableByPressure(f, {fake::psat(100)}, 0, byP, error)) << error;
    EXPECT_EQ(byP.columns[0].symbol, "P");
    EXPECT_EQ(byP.columns[1].symbol, "Tsat");
    EXPECT_EQ(byP.rows[0][0], fake::psat(100));
    EXPECT_EQ(byP.rows[0][1], fake::tsat(fake::psat(100)));
    EXPECT_EQ(std::vector<double>(byP.rows[0].begin() + 2, byP.rows[0].end()),
              std::vector<double>(expected.begin() + 2, expected.end()));
}

TEST(SaturationTable, RefusesStatesOffTheSaturationLine) {
    const CellEvaluator f = fake::evaluator();
    PropertyTable t;
    std::string error;
    EXPECT_TRUE(saturationTableByTemperature(f, {fake::Tt, fake::Tc}, 0, t, error)) << error;
    EXPECT_FALSE(saturationTableByTemperature(f, {0, 301}, 0, t, error));
    EXPECT_NE(error.find("critical point 300 °F"), std::string::npos) << error;
    EXPECT_FALSE(saturationTableByTemperature(f, {-101}, 1, t, error));
    EXPECT_NE(error.find("triple point -100 °C"), std::string::npos) << error;
    EXPECT_FALSE(saturationTableByPressure(f, {500}, 0, t, error));
    EXPECT_NE(error.find("pressure 500 psia"), std::string::npos) << error;
}

TEST(IsobarTable, PutsTheSaturatedRowsWhereTheTemperaturesPassTsat) {
    const CellEvaluator f = fake::evaluator();
    const double P = 100;
    const double Ts = fake::tsat(P);  // just below 0
    PropertyTable t;
    std::string error;
    ASSERT_TRUE(isobarTable(f, P, {-40, -20, 20, 40}, 0, t, error)) << error;
    ASSERT_EQ(t.rows.size(), 6u);
    EXPECT_EQ(t.notes, (std::vector<std::string>{"liquid", "liquid", "sat. liquid", "sat. vapor", "vapor",
                                                 "vapor"}));
    EXPECT_EQ(t.rows[2], (std::vector<double>{Ts, 0.01 + Ts * 1e-5, (Ts - fake::Tt) * 0.5,
                                              (Ts - fake::Tt) * 0.001, 0.05}));
    EXPECT_EQ(t.rows[3][1], 10 - Ts * 0.01);
    EXPECT_EQ(t.rows[4], (std::vector<double>{20, 480 / P, 20 + P * 0.01, 0.02 - P * 1e-4, 1 - P * 1e-4}));

    // Falling temperatures meet the vapour first.
    ASSERT_TRUE(isobarTable(f, P, {40, -40}, 0, t, error)) << error;
    EXPECT_EQ(t.notes, (std::vector<std::string>{"vapor", "sat. vapor", "sat. liquid", "liquid"}));

    // A row exactly at Tsat is replaced by the two saturated rows.
    ASSERT_TRUE(isobarTable(f, P, {-40, Ts, 40}, 0, t, error)) << error;
    EXPECT_EQ(t.notes, (std::vector<std::string>{"liquid", "sat. liquid", "sat. vapor", "vapor"}));
    ASSERT_TRUE(isobarTable(f, P, {Ts, 40}, 0, t, error)) << error;
    EXPECT_EQ(t.notes, (std::vector<std::string>{"sat. liquid", "sat. vapor", "vapor"}));
}

TEST(IsobarTable, AboveTheCriticalPressureThereIsNoJump) {
    PropertyTable t;
    std::string error;
    ASSERT_TRUE(isobarTable(fake::evaluator(), 1000, {200, 300, 400}, 0, t, error)) << error;
    EXPECT_EQ(t.notes, (std::vector<std::string>{"liquid", "supercritical", "supercritical"}));
}

TEST(IsobarTable, RefusesStatesOutsideTheModel) {
    PropertyTable t;
    std::string error;
    EXPECT_FALSE(isobarTable(fake::evaluator(), 2500, {0}, 0, t, error));
    EXPECT_NE(error.find("pressure 2500 psia is outside"), std::string::npos) << error;
    EXPECT_FALSE(isobarTable(fake::evaluator(), 100, {0, 1600}, 0, t, error));
    EXPECT_NE(error.find("temperature 1600 °F is outside"), std::string::npos) << error;
}

}  // namespace
