#include "addin/registration_strings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/addin/counting_heap.h"
#include "tests/addin/fixture_tables.h"

namespace {

using Group = std::vector<std::string>;

const ArgumentHelpRule kBothRules[] = {ArgumentHelpRule::capAtTwenty, ArgumentHelpRule::keepAll};

class RegistrationStringsTest : public ::testing::Test {
protected:
    void SetUp() override { resetCountingHeap(); }
};

TEST_F(RegistrationStringsTest, ShippedTableHasEightyEightRowsEndingInTwoEndRows) {
    int functions = 0;
    int row = 0;
    while (g_functionTable[row].typeCode != 0) {
        ASSERT_EQ(g_functionTable[row].typeCode, 'R') << "row " << row;
        ++functions;
        ++row;
        while (g_functionTable[row].typeCode != 0) {
            ++row;
        }
        ++row;
    }
    EXPECT_EQ(functions, 19);
    EXPECT_EQ(row, 87);
    EXPECT_EQ(g_functionTable[86].typeCode, 0);
}

TEST_F(RegistrationStringsTest, AddinNameIsCountedAndPlain) {
    EXPECT_EQ(g_addinName[0], 25);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(g_addinName + 1)), "Quorvex Equation of State");
    EXPECT_EQ(g_addinName[26], 0);
}

TEST_F(RegistrationStringsTest, ShippedTableGivesTheSameListUnderBothRules) {
    for (ArgumentHelpRule rule : kBothRules) {
        char** list = buildRegistrationStringsFrom(g_functionTable, rule);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(slotCountOf(list), 145);
        std::vector<Group> groups = groupsOf(list);
        ASSERT_EQ(groups.size(), 19u);
        EXPECT_EQ(groups[0], (Group{"Psat", "RBJ", "Ts,units", "saturation pressure",
                                    "saturation temperature", "units (0-7)"}));
        EXPECT_EQ(groups[8], (Group{"PofTV", "RBBJ", "T,V,units", "pressure", "temperature",
                                    "specific volume", "units (0-7)"}));
        const char* names[] = {"Psat", "Tsat", "Vf", "Vg", "Hf", "Hg", "Sf", "Sg", "PofTV", "VofTP",
                               "HofTV", "HofTP", "SofTV", "SofTP", "TofPH", "TofPS", "HofPS", "ZofTV",
                               "ZofTP"};
        for (std::size_t k = 0; k < groups.size(); ++k) {
            EXPECT_EQ(groups[k][0], names[k]);
            EXPECT_EQ(groups[k].size(), k < 8 ? 6u : 7u) << names[k];
            for (const std::string& text : groups[k]) {
                EXPECT_LE(text.size(), 255u);
            }
        }
        releaseRegistrationStrings(list);
        EXPECT_EQ(allocationsOutstanding(), 0);
    }
}

TEST_F(RegistrationStringsTest, BuildRegistrationStringsReadsTheShippedTable) {
    char** list = buildRegistrationStrings();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(slotCountOf(list), 145);
    releaseRegistrationStrings(list);
}

TEST_F(RegistrationStringsTest, FunctionWithoutArgumentsIsAGroupOfFour) {
    FixtureTable table = tableOfFunctions({0});
    char** list = buildRegistrationStringsFrom(rowsOf(table), ArgumentHelpRule::keepAll);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(groupsOf(list), (std::vector<Group>{{"F1", "R", "", "function 1"}}));
    EXPECT_EQ(slotCountOf(list), 6);
    releaseRegistrationStrings(list);
}

TEST_F(RegistrationStringsTest, EmptyTableIsASingleNull) {
    FixtureTable table = tableOfFunctions({});
    char** list = buildRegistrationStringsFrom(rowsOf(table), ArgumentHelpRule::capAtTwenty);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list[0], nullptr);
    EXPECT_EQ(slotCountOf(list), 1);
    releaseRegistrationStrings(list);
    EXPECT_EQ(allocationsOutstanding(), 0);
}

struct ManyArgumentsCase {
    int arguments;
    ArgumentHelpRule rule;
    std::size_t helps;
    std::string lastHelp;
};

TEST_F(RegistrationStringsTest, ArgumentHelpsFollowTheRuleOfTheBuild) {
    const ManyArgumentsCase cases[] = {
        {20, ArgumentHelpRule::capAtTwenty, 20, "help 20"},
        {20, ArgumentHelpRule::keepAll, 20, "help 20"},
        {21, ArgumentHelpRule::capAtTwenty, 20, "help 20, etc."},
        {21, ArgumentHelpRule::keepAll, 21, "help 21"},
        {30, ArgumentHelpRule::capAtTwenty, 20, "help 20, etc."},
        {30, ArgumentHelpRule::keepAll, 30, "help 30"},
    };
    for (const ManyArgumentsCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.arguments) + " arguments, rule " + std::to_string(int(c.rule)));
        // A second function after the large one shows the slots were sized.
        FixtureTable table = tableOfFunctions({c.arguments, 1});
        char** list = buildRegistrationStringsFrom(rowsOf(table), c.rule);
        ASSERT_NE(list, nullptr);
        std::vector<Group> groups = groupsOf(list);
        ASSERT_EQ(groups.size(), 2u);
        const Group& big = groups[0];
        ASSERT_EQ(big.size(), 4 + c.helps);
        EXPECT_EQ(big[1].size(), static_cast<std::size_t>(c.arguments) + 1);
        EXPECT_EQ(big[1].back(), 'J');
        EXPECT_EQ(big[1].substr(0, 2), c.arguments > 1 ? "RB" : "RJ");
        EXPECT_EQ(big.back(), c.lastHelp);
        for (std::size_t i = 4; i + 1 < big.size(); ++i) {
            EXPECT_EQ(big[i], "help " + std::to_string(i - 3));
        }
        EXPECT_EQ(groups[1], (Group{"F2", "RJ", "a1", "function 2", "help 1"}));
        int expectedSlots = static_cast<int>(4 + c.helps + 1) + 6 + 1;
        EXPECT_EQ(slotCountOf(list), expectedSlots);
        releaseRegistrationStrings(list);
        EXPECT_EQ(allocationsOutstanding(), 0);
    }
}

TEST_F(RegistrationStringsTest, ThirtyOneArgumentsFailWithNothingKept) {
    for (ArgumentHelpRule rule : kBothRules) {
        // Functions before and after the bad one are built or sized first.
        FixtureTable table = tableOfFunctions({2, 31, 1});
        resetCountingHeap();
        EXPECT_EQ(buildRegistrationStringsFrom(rowsOf(table), rule), nullptr);
        EXPECT_GT(allocationsMade(), 0);
        EXPECT_EQ(allocationsOutstanding(), 0);
    }
}

TEST_F(RegistrationStringsTest, ArgumentTextJoinsNamesWithCommas) {
    FixtureTable table = tableOfFunctions({3});
    char** list = buildRegistrationStringsFrom(rowsOf(table), ArgumentHelpRule::keepAll);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(std::string(list[2]), "a1,a2,a3");
    releaseRegistrationStrings(list);
}

// A string of the list longer than a counted string can hold makes the
// table unbuildable instead of wrapping its length byte.
TEST_F(RegistrationStringsTest, TextsLongerThan255CharactersFailTheBuild) {
    struct LongTextCase {
        const char* what;
        std::string name;
        std::string functionHelp;
        std::string argumentHelp;
        ArgumentHelpRule rule;
        bool builds;
    };
    const std::string s249(249, 'h');
    const std::string s255(255, 'h');
    const std::string s256(256, 'h');
    const LongTextCase cases[] = {
        {"function help of 255", "F", s255, "x", ArgumentHelpRule::keepAll, true},
        {"function help of 256", "F", s256, "x", ArgumentHelpRule::keepAll, false},
        {"name of 256", std::string(256, 'N'), "f", "x", ArgumentHelpRule::keepAll, false},
        {"argument help of 256", "F", "f", s256, ArgumentHelpRule::keepAll, false},
        {"argument help of 255", "F", "f", s255, ArgumentHelpRule::capAtTwenty, true},
    };
    for (const LongTextCase& c : cases) {
        SCOPED_TRACE(c.what);
        FunctionTableEntry rows[] = {
            {'R', c.name.c_str(), c.functionHelp.c_str()},
            {'J', "units", c.argumentHelp.c_str()},
            {0, nullptr, nullptr},
            {0, nullptr, nullptr},
        };
        resetCountingHeap();
        char** list = buildRegistrationStringsFrom(rows, c.rule);
        EXPECT_EQ(list != nullptr, c.builds);
        releaseRegistrationStrings(list);
        EXPECT_EQ(allocationsOutstanding(), 0);
    }
    // ", etc." makes the 20th help of a 21-argument function too long under
    // the 32-bit rule only.
    FixtureTable table = tableOfFunctions({21});
    std::string longHelp = s249 + "!";
    table.rows[20].help = longHelp.c_str();
    const FunctionTableEntry* rows = rowsOf(table);
    char** kept = buildRegistrationStringsFrom(rows, ArgumentHelpRule::keepAll);
    ASSERT_NE(kept, nullptr);
    releaseRegistrationStrings(kept);
    EXPECT_EQ(buildRegistrationStringsFrom(rows, ArgumentHelpRule::capAtTwenty), nullptr);
    EXPECT_EQ(allocationsOutstanding(), 0);
}

TEST_F(RegistrationStringsTest, ArgumentTextLongerThan255CharactersFailsTheBuild) {
    // 30 names of 8 characters joined by 29 commas: 269 characters.
    std::vector<std::string> names;
    for (int i = 0; i < 30; ++i) {
        names.push_back(std::string(8, char('a' + i % 26)));
    }
    std::vector<FunctionTableEntry> rows = {{'R', "F", "f"}};
    for (const std::string& name : names) {
        rows.push_back({'B', name.c_str(), "h"});
    }
    rows.push_back({0, nullptr, nullptr});
    rows.push_back({0, nullptr, nullptr});
    EXPECT_EQ(buildRegistrationStringsFrom(rows.data(), ArgumentHelpRule::keepAll), nullptr);
    EXPECT_EQ(allocationsOutstanding(), 0);
}

TEST_F(RegistrationStringsTest, RowWithoutTextOrHelpFailsTheBuild) {
    FunctionTableEntry missingHelp[] = {
        {'R', "F", "f"}, {'B', "x", nullptr}, {0, nullptr, nullptr}, {0, nullptr, nullptr}};
    FunctionTableEntry missingName[] = {
        {'R', nullptr, "f"}, {'B', "x", "h"}, {0, nullptr, nullptr}, {0, nullptr, nullptr}};
    EXPECT_EQ(buildRegistrationStringsFrom(missingHelp, ArgumentHelpRule::keepAll), nullptr);
    EXPECT_EQ(buildRegistrationStringsFrom(missingName, ArgumentHelpRule::keepAll), nullptr);
    EXPECT_EQ(allocationsOutstanding(), 0);
}

TEST_F(RegistrationStringsTest, EveryFailedAllocationGivesNullAndKeepsNothing) {
    FixtureTable table = tableOfFunctions({2, 0, 3});
    const FunctionTableEntry* rows = rowsOf(table);
    resetCountingHeap();
    char** whole = buildRegistrationStringsFrom(rows, ArgumentHelpRule::capAtTwenty);
    ASSERT_NE(whole, nullptr);
    int needed = allocationsMade();
    releaseRegistrationStrings(whole);
    EXPECT_EQ(needed, 1 + 6 + 4 + 7);
    for (int k = 1; k <= needed; ++k) {
        SCOPED_TRACE("allocation " + std::to_string(k) + " fails");
        resetCountingHeap(k);
        EXPECT_EQ(buildRegistrationStringsFrom(rows, ArgumentHelpRule::capAtTwenty), nullptr);
        EXPECT_EQ(allocationsOutstanding(), 0);
    }
}

}  // namespace
