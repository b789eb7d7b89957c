// The model's derived constants and bounds, observed from before the first
// model call of the process. This executable holds one test so that nothing
// else touches the model first.
#include <cstring>

#include <gtest/gtest.h>

#include "model/fluid_data.h"
#include "model/model_state.h"
#include "model/state_functions.h"

namespace {

TEST(ModelInitialisation, DerivedOnFirstUseAndUnchangedAfter) {
    const ModelState zero = {};
    ASSERT_EQ(std::memcmp(&g_modelState, &zero, sizeof zero), 0) << "model state must be zero at load";
    const double storedZc = g_fluidData.Zc;
    const double storedRj = g_fluidData.Rj;

    calcZofTV(200, 1);

    const ModelState& m = g_modelState;
    EXPECT_EQ(m.R, 4.889664097404159);
    EXPECT_EQ(m.TcR, 795.258);
    EXPECT_EQ(g_fluidData.Zc, storedZc);
    EXPECT_EQ(g_fluidData.Rj, storedRj);
    EXPECT_EQ(g_fluidData.Zc, 0.2649948982600025);
    EXPECT_EQ(g_fluidData.Rj, 0.006283548238531034);

    EXPECT_EQ(m.Tmin, -162.67);
    EXPECT_EQ(m.Tmax, 1528.475);
    EXPECT_EQ(m.Pmin, 3.35695e-07);
    EXPECT_EQ(m.Pmax, 1518.0256);
    // Five shrinking steps by 0.999, one multiplication at a time.
    EXPECT_EQ(m.vmin, 0.008089033214744641);
    EXPECT_EQ(m.vmin, 0.0081296 * 0.999 * 0.999 * 0.999 * 0.999 * 0.999);
    EXPECT_EQ(m.vmax, 201103540.31134397);
    EXPECT_EQ(m.Hmax, 521.145620941376);
    EXPECT_EQ(m.Smax, 0.6941345182882688);
    EXPECT_LT(std::abs(m.Hmin), 1e-6);
    EXPECT_LT(std::abs(m.Smin), 1e-12);
    EXPECT_EQ(m.Hmin, calcHofTV(-162.67, 0.0081296));
    EXPECT_EQ(m.Smin, calcSofTV(-162.67, 0.0081296));

    const ModelState first = m;
    calcSofTV(700, 3);
    calcDPDVofTV(100, 0.009);
    EXPECT_EQ(std::memcmp(&g_modelState, &first, sizeof first), 0) << "a second call changed the model state";
}

}  // namespace
