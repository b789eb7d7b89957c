#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "addin/callbacks.h"
#include "host/excel_state.h"
#include "tests/addin/counting_heap.h"
#include "tests/addin/fixture_tables.h"

namespace {

const char kModulePath[] = "/opt/addins/libquorvex.so";
const char kBuildFailed[] = "Error: can't build function params!";
const char kRegisterFailed[] = "Error: Failed to register the XLL!";

std::vector<std::string> registrationValues(int registration) {
    std::vector<std::string> values;
    for (int p = 1; p <= qvExcelRegistrationValueCount(registration); ++p) {
        values.emplace_back(qvExcelRegistrationValue(registration, p));
    }
    return values;
}

std::vector<std::string> registeredNames() {
    std::vector<std::string> names;
    for (int r = 0; r < qvExcelRegistrationCount(); ++r) {
        names.emplace_back(qvExcelRegistrationValue(r, 4));
    }
    return names;
}

const std::vector<std::string> kShippedNames = {
    "Psat", "Tsat", "Vf", "Vg", "Hf", "Hg", "Sf", "Sg", "PofTV", "VofTP",
    "HofTV", "HofTP", "SofTV", "SofTP", "TofPH", "TofPS", "HofPS", "ZofTV", "ZofTP"};

class OpenCallbackTest : public ::testing::Test {
protected:
    void SetUp() override {
        qvExcelSetModulePath(kModulePath);
        qvExcelReset();
        releaseRegistrationStrings(g_registrationStrings);
        g_registrationStrings = nullptr;
        resetCountingHeap();
    }

    void TearDown() override {
        // Every name the open asked for was given back, and nothing but the
        // list it keeps is left on the heap.
        EXPECT_EQ(qvExcelNamesOutstanding(), 0);
        EXPECT_EQ(qvExcelForeignFrees(), 0);
        releaseRegistrationStrings(g_registrationStrings);
        g_registrationStrings = nullptr;
        EXPECT_EQ(allocationsOutstanding(), 0);
    }
};

TEST_F(OpenCallbackTest, RegistersTheNineteenFunctionsInTableOrder) {
    EXPECT_EQ(xlAutoOpen(), 1);
    ASSERT_NE(g_registrationStrings, nullptr);
    EXPECT_EQ(slotCountOf(g_registrationStrings), 145);
    EXPECT_EQ(registeredNames(), kShippedNames);
    EXPECT_EQ(qvExcelRegisterCalls(), 19);
    EXPECT_EQ(qvExcelNamesHandedOut(), 1);
    EXPECT_EQ(qvExcelAlertCount(), 0);
    EXPECT_EQ(registrationValues(0),
              (std::vector<std::string>{kModulePath, "Psat", "RBJ", "Psat", "Ts,units", "1",
                                        "Quorvex Equation of State", "", "", "saturation pressure",
                                        "saturation temperature", "units (0-7)"}));
    EXPECT_EQ(registrationValues(8),
              (std::vector<std::string>{kModulePath, "PofTV", "RBBJ", "PofTV", "T,V,units", "1",
                                        "Quorvex Equation of State", "", "", "pressure",
                                        "temperature", "specific volume", "units (0-7)"}));
    for (int r = 0; r < 19; ++r) {
        EXPECT_EQ(qvExcelRegistrationValueCount(r), r < 8 ? 12 : 13);
    }
}

TEST_F(OpenCallbackTest, SecondOpenRegistersEverythingAgainAndKeepsOneList) {
    EXPECT_EQ(xlAutoOpen(), 1);
    int afterFirst = allocationsOutstanding();
    EXPECT_EQ(xlAutoOpen(), 1);
    EXPECT_EQ(allocationsOutstanding(), afterFirst);
    std::vector<std::string> twice = kShippedNames;
    twice.insert(twice.end(), kShippedNames.begin(), kShippedNames.end());
    EXPECT_EQ(registeredNames(), twice);
    EXPECT_EQ(registrationValues(19), registrationValues(0));
    EXPECT_EQ(qvExcelNamesHandedOut(), 2);
}

TEST_F(OpenCallbackTest, FailedSecondRegistrationKeepsPsatAndStops) {
    qvExcelFailRegisterCall(2);
    EXPECT_EQ(xlAutoOpen(), 0);
    EXPECT_EQ(registeredNames(), (std::vector<std::string>{"Psat"}));
    EXPECT_EQ(qvExcelRegisterCalls(), 2);
    ASSERT_EQ(qvExcelAlertCount(), 1);
    EXPECT_STREQ(qvExcelAlertText(0), kRegisterFailed);
    EXPECT_EQ(qvExcelAlertType(0), 2);
    EXPECT_EQ(qvExcelNamesHandedOut(), 1);
}

TEST_F(OpenCallbackTest, EmptyTableFetchesAndGivesBackTheName) {
    FixtureTable table = tableOfFunctions({});
    EXPECT_EQ(registerFunctionsFrom(rowsOf(table), ArgumentHelpRule::keepAll), 1);
    EXPECT_EQ(qvExcelRegisterCalls(), 0);
    EXPECT_EQ(qvExcelNamesHandedOut(), 1);
    EXPECT_EQ(qvExcelAlertCount(), 0);
}

TEST_F(OpenCallbackTest, UnbuildableTableAlertsWithoutAskingForTheName) {
    FixtureTable table = tableOfFunctions({1, 31});
    EXPECT_EQ(registerFunctionsFrom(rowsOf(table), ArgumentHelpRule::keepAll), 0);
    EXPECT_EQ(g_registrationStrings, nullptr);
    ASSERT_EQ(qvExcelAlertCount(), 1);
    EXPECT_STREQ(qvExcelAlertText(0), kBuildFailed);
    EXPECT_EQ(qvExcelAlertType(0), 2);
    EXPECT_EQ(qvExcelNamesHandedOut(), 0);
    EXPECT_EQ(qvExcelRegisterCalls(), 0);
}

// The stand-in refuses a registration whose help count does not fit its
// arguments, so these pass only with the values in the right places.
TEST_F(OpenCallbackTest, ManyArgumentsRegisterUnderBothRules) {
    struct Case {
        ArgumentHelpRule rule;
        int values;
        const char* lastHelp;
    };
    const Case cases[] = {
        {ArgumentHelpRule::capAtTwenty, 30, "help 20, etc."},
        {ArgumentHelpRule::keepAll, 40, "help 30"},
    };
    for (const Case& c : cases) {
        qvExcelReset();
        FixtureTable table = tableOfFunctions({30, 0});
        EXPECT_EQ(registerFunctionsFrom(rowsOf(table), c.rule), 1) << qvExcelLastRejection();
        ASSERT_EQ(qvExcelRegistrationCount(), 2);
        EXPECT_EQ(qvExcelRegistrationValueCount(0), c.values);
        EXPECT_STREQ(qvExcelRegistrationValue(0, 3), "RBBBBBBBBBBBBBBBBBBBBBBBBBBBBBJ");
        EXPECT_STREQ(qvExcelRegistrationValue(0, 11), "help 1");
        EXPECT_STREQ(qvExcelRegistrationValue(0, c.values), c.lastHelp);
        EXPECT_EQ(qvExcelRegistrationValueCount(1), 10);
        EXPECT_STREQ(qvExcelRegistrationValue(1, 3), "R");
        EXPECT_STREQ(qvExcelRegistrationValue(1, 5), "");
    }
}

// Whichever allocation of the open fails, the open ends with the alert,
// registers nothing more, gives the name back and leaks nothing.
TEST_F(OpenCallbackTest, EveryFailedAllocationEndsTheOpenCleanly) {
    FixtureTable table = tableOfFunctions({2, 3});
    const FunctionTableEntry* rows = rowsOf(table);
    resetCountingHeap();
    ASSERT_EQ(registerFunctionsFrom(rows, ArgumentHelpRule::keepAll), 1);
    int needed = allocationsMade();
    releaseRegistrationStrings(g_registrationStrings);
    g_registrationStrings = nullptr;
    for (int k = 1; k <= needed; ++k) {
        SCOPED_TRACE("allocation " + std::to_string(k) + " fails");
        qvExcelReset();
        resetCountingHeap(k);
        EXPECT_EQ(registerFunctionsFrom(rows, ArgumentHelpRule::keepAll), 0);
        ASSERT_EQ(qvExcelAlertCount(), 1);
        EXPECT_STREQ(qvExcelAlertText(0), kBuildFailed);
        EXPECT_LT(qvExcelRegistrationCount(), 2);
        EXPECT_EQ(qvExcelNamesOutstanding(), 0);
        releaseRegistrationStrings(g_registrationStrings);
        g_registrationStrings = nullptr;
        EXPECT_EQ(allocationsOutstanding(), 0);
    }
    // The first allocations build the list; a failure after them happens
    // once the name was fetched and must still have given it back.
    EXPECT_GT(qvExcelNamesHandedOut(), 0);
}

}  // namespace

namespace {

// A refused registration at any place in the table: the ones before it
// stay, the alert shows once, the rest are not attempted, the name is
// given back and only the list is left on the heap.
TEST_F(OpenCallbackTest, FailedRegistrationAtEachPlaceKeepsTheOnesBefore) {
    for (int k = 1; k <= 19; ++k) {
        SCOPED_TRACE("registration " + std::to_string(k) + " fails");
        TearDown();
        SetUp();
        qvExcelFailRegisterCall(k);
        EXPECT_EQ(xlAutoOpen(), 0);
        EXPECT_EQ(registeredNames(), std::vector<std::string>(kShippedNames.begin(), kShippedNames.begin() + (k - 1)));
        EXPECT_EQ(qvExcelRegisterCalls(), k);
        ASSERT_EQ(qvExcelAlertCount(), 1);
        EXPECT_STREQ(qvExcelAlertText(0), kRegisterFailed);
        EXPECT_EQ(qvExcelNamesHandedOut(), 1);
    }
}

// Without the library's name no function can be registered: the first
// registration is refused and the open fails, and the record xlGetName never
// filled is not handed to xlFree.
TEST_F(OpenCallbackTest, FailedNameFailsTheOpenWithoutFreeingWhatWasNotHandedOut) {
    qvExcelFailGetName(1);
    EXPECT_EQ(xlAutoOpen(), 0);
    EXPECT_EQ(qvExcelRegistrationCount(), 0);
    EXPECT_EQ(qvExcelRegisterCalls(), 1);
    ASSERT_EQ(qvExcelAlertCount(), 1);
    EXPECT_STREQ(qvExcelAlertText(0), kRegisterFailed);
    EXPECT_EQ(qvExcelNamesHandedOut(), 0);
    EXPECT_EQ(qvExcelForeignFrees(), 0);
}

}  // namespace
