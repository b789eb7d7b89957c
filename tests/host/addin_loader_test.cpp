// The loader against the built add-in and a fixture add-in, in this
// process, which provides Excel4 and Excel4v from the stand-in.
#include "host/addin_loader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "host/dynamic_library.h"
#include "host/excel_state.h"
#include "tests/host/tool_paths.h"

namespace {

double numberOf(const LoadedAddin& addin, const char* name, std::vector<double> arguments) {
    CellValue value;
    std::string reason;
    EXPECT_TRUE(callFunctionByName(addin, name, arguments, value, reason)) << reason;
    EXPECT_TRUE(value.isNumber) << name << ": " << value.errorText;
    return value.number;
}

class AddinLoaderTest : public ::testing::Test {
protected:
    void SetUp() override { qvExcelReset(); }
    void TearDown() override { closeAddin(addin); }
    LoadedAddin addin = {};
};

TEST_F(AddinLoaderTest, OpensTheAddinAndCallsItsFunctions) {
    std::string error;
    ASSERT_TRUE(openAddin(kAddinPath, addin, error)) << error;
    EXPECT_EQ(addin.openResult, 1);
    EXPECT_TRUE(addin.problems.empty());
    ASSERT_EQ(addin.functions.size(), 19u);
    EXPECT_EQ(addin.path, absolutePathOf(kAddinPath));
    EXPECT_STREQ(qvExcelRegistrationValue(0, 1), addin.path.c_str());
    EXPECT_EQ(qvExcelNamesHandedOut(), 1);
    EXPECT_EQ(qvExcelNamesOutstanding(), 0);
    EXPECT_EQ(qvExcelAlertCount(), 0);
    for (const RegisteredFunction& function : addin.functions) {
        EXPECT_NE(function.procedureAddress, nullptr) << function.name;
        EXPECT_EQ(function.category, "Quorvex Equation of State");
    }
    EXPECT_NEAR(numberOf(addin, "PofTV", {100, 0.5, 1}), 0.194977, 5e-7);
    EXPECT_NEAR(numberOf(addin, "Psat", {77, 0}), 5.85025, 5e-6);
    double tsatBar = numberOf(addin, "Tsat", {0, 2});
    double tsatPsia = numberOf(addin, "Tsat", {14.696, 0});
    EXPECT_EQ(std::memcmp(&tsatBar, &tsatPsia, sizeof(double)), 0) << tsatBar << " " << tsatPsia;
}

TEST_F(AddinLoaderTest, NamesAreFoundWithoutRegardToCase) {
    std::string error;
    ASSERT_TRUE(openAddin(kAddinPath, addin, error)) << error;
    EXPECT_EQ(numberOf(addin, "psat", {77, 0}), numberOf(addin, "PSAT", {77, 0}));
    EXPECT_EQ(findRegisteredFunction(addin, "Psa"), nullptr);
    EXPECT_EQ(findRegisteredFunction(addin, "ofTV"), nullptr);
}

TEST_F(AddinLoaderTest, CallsThatCannotBeMadeShowTheirError) {
    std::string error;
    ASSERT_TRUE(openAddin(kAddinPath, addin, error)) << error;
    struct Case {
        const char* name;
        std::vector<double> arguments;
        const char* errorText;
    };
    const Case cases[] = {
        {"Nope", {1, 0}, "#NAME?"},
        {"Psat", {77}, "#VALUE!"},
        {"Psat", {77, 0, 0}, "#VALUE!"},
        {"PofTV", {}, "#VALUE!"},
        {"Psat", {77, 0.5}, "#VALUE!"},
        {"Psat", {77, 2147483648.0}, "#VALUE!"},
        {"Psat", {77, std::nan("")}, "#VALUE!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name + std::to_string(c.arguments.size()));
        CellValue value;
        std::string reason;
        EXPECT_FALSE(callFunctionByName(addin, c.name, c.arguments, value, reason));
        EXPECT_FALSE(value.isNumber);
        EXPECT_EQ(value.errorText, c.errorText);
        EXPECT_FALSE(reason.empty());
    }
    // The largest and smallest 32-bit codes are passed through unchanged:
    // every code but 1 to 6 is US customary.
    EXPECT_EQ(numberOf(addin, "Psat", {77, 2147483647.0}), numberOf(addin, "Psat", {77, 0}));
    EXPECT_EQ(numberOf(addin, "Psat", {77, -2147483648.0}), numberOf(addin, "Psat", {77, 0}));
}

TEST_F(AddinLoaderTest, ReportsRegistrationsItCannotCall) {
    std::string error;
    ASSERT_TRUE(openAddin(kFixtureAddinPath, addin, error)) << error;
    EXPECT_EQ(addin.openResult, 0);
    ASSERT_EQ(addin.functions.size(), 4u);
    ASSERT_EQ(addin.problems.size(), 2u);
    EXPECT_NE(addin.problems[0].find("GhostProc"), std::string::npos) << addin.problems[0];
    EXPECT_NE(addin.problems[1].find("RJ"), std::string::npos) << addin.problems[1];
    EXPECT_EQ(numberOf(addin, "Doubled", {1.25, 3}), 5.5);
    CellValue value;
    std::string reason;
    EXPECT_FALSE(callFunctionByName(addin, "Ghost", std::vector<double>{1, 0}, value, reason));
    EXPECT_EQ(value.errorText, "#NAME?");
    EXPECT_FALSE(callFunctionByName(addin, "Odd", std::vector<double>{1}, value, reason));
    EXPECT_EQ(value.errorText, "#NAME?");
    // An error record is what the cell shows.
    EXPECT_TRUE(callFunctionByName(addin, "Failing", std::vector<double>{1, 0}, value, reason));
    EXPECT_FALSE(value.isNumber);
    EXPECT_EQ(value.errorText, "#VALUE!");
}

TEST_F(AddinLoaderTest, ReportsALibraryThatCannotBeLoaded) {
    std::string error;
    EXPECT_FALSE(openAddin("/nonexistent/libnothing.so", addin, error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(addin.library, nullptr);
    // A library that loads but is no add-in.
    EXPECT_FALSE(openAddin("libm.so.6", addin, error));
    EXPECT_NE(error.find("xlAutoOpen"), std::string::npos) << error;
    EXPECT_EQ(addin.library, nullptr);
}

}  // namespace
