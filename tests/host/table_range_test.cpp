#include "host/table_range.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

std::vector<double> valuesOf(RangeRequest range) {
    std::vector<double> values;
    std::string error;
    EXPECT_TRUE(valuesOfRange(range, values, error)) << error;
    return values;
}

TEST(TableRange, RisingFallingAndSingleRows) {
    EXPECT_EQ(valuesOf({0.0, 20.0, 5.0}), (std::vector<double>{0, 5, 10, 15, 20}));
    EXPECT_EQ(valuesOf({20.0, 0.0, -5.0}), (std::vector<double>{20, 15, 10, 5, 0}));
    EXPECT_EQ(valuesOf({7.0, 7.0, 1.0}), (std::vector<double>{7}));
    EXPECT_EQ(valuesOf({7.0, 7.0, -1.0}), (std::vector<double>{7}));
    // A step that does not divide the span stops before `to`.
    EXPECT_EQ(valuesOf({0.0, 10.0, 4.0}), (std::vector<double>{0, 4, 8}));
}

TEST(TableRange, DecimalStepsGiveTheDecimalValues) {
    // -40 + 3 * 0.1 in binary is -39.700000000000003; the row is -39.7.
    const auto values = valuesOf({-40.0, 40.0, 0.1});
    ASSERT_EQ(values.size(), 801u);
    EXPECT_EQ(values[3], -39.7);
    EXPECT_EQ(values[400], 0.0);
    EXPECT_EQ(values[403], 0.3);
    EXPECT_EQ(values.back(), 40.0);
    const auto fine = valuesOf({1.0, 1.001, 0.00025});
    EXPECT_EQ(fine, (std::vector<double>{1.0, 1.00025, 1.0005, 1.00075, 1.001}));
}

TEST(TableRange, RejectsBadRangesWithAReason) {
    struct Case {
        RangeRequest range;
        const char* reasonContains;
    };
    const Case cases[] = {
        {{std::nullopt, 10.0, 1.0}, "missing --from"},
        {{0.0, std::nullopt, 1.0}, "missing --to"},
        {{0.0, 10.0, std::nullopt}, "missing --step"},
        {{0.0, 10.0, 0.0}, "must not be zero"},
        {{0.0, 10.0, -1.0}, "points away"},
        {{10.0, 0.0, 1.0}, "points away"},
        {{0.0, 100000.0, 1.0}, "100001 rows"},
        {{0.0, 1.0, 1e-300}, "at most 100000"},
        {{0.0, std::numeric_limits<double>::infinity(), 1.0}, "finite"},
        {{std::nan(""), 1.0, 1.0}, "finite"},
    };
    for (const Case& c : cases) {
        std::vector<double> values{1.0};
        std::string error;
        EXPECT_FALSE(valuesOfRange(c.range, values, error)) << c.reasonContains;
        EXPECT_NE(error.find(c.reasonContains), std::string::npos) << error;
        EXPECT_TRUE(values.empty());
    }
}

TEST(TableRange, AcceptsExactlyTheRowLimit) {
    std::vector<double> values;
    std::string error;
    ASSERT_TRUE(valuesOfRange({1.0, 100000.0, 1.0}, values, error)) << error;
    EXPECT_EQ(values.size(), static_cast<size_t>(kMaxTableRows));
    EXPECT_EQ(values.back(), 100000.0);
}

}  // namespace
