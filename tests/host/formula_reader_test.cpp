#include "host/formula_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "host/number_text.h"

namespace {

TEST(FormulaReaderTest, ReadsNamesAndLiterals) {
    struct Case {
        const char* text;
        const char* name;
        std::vector<double> arguments;
    };
    const Case cases[] = {
        {"PofTV(100, 0.5, 1)", "PofTV", {100, 0.5, 1}},
        {"=Psat(77,0)", "Psat", {77, 0}},
        {"  =  psat ( 77 , 0 )  ", "psat", {77, 0}},
        {"\tTsat(14.696,0)\t", "Tsat", {14.696, 0}},
        {"F(-1.5e3, +2E-2, .5, 5., -0)", "F", {-1500, 0.02, 0.5, 5, 0}},
        {"F(1e+2,1E2)", "F", {100, 100}},
        {"f_1.x()", "f_1.x", {}},
        {"_f( )", "_f", {}},
        {"F(2147483647)", "F", {2147483647.0}},
        {"F(1e-400)", "F", {0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Formula formula;
        std::string reason;
        ASSERT_TRUE(readFormula(c.text, formula, reason)) << reason;
        EXPECT_EQ(formula.name, c.name);
        EXPECT_EQ(formula.arguments, c.arguments);
    }
}

TEST(FormulaReaderTest, LiteralsReadAsTheNearestDouble) {
    Formula formula;
    std::string reason;
    ASSERT_TRUE(readFormula("F(0.1, 14.696, 2.2250738585072014e-308)", formula, reason));
    EXPECT_EQ(formula.arguments[0], 0.1);
    EXPECT_EQ(formula.arguments[1], 14.696);
    EXPECT_EQ(formula.arguments[2], std::numeric_limits<double>::min());
}

TEST(FormulaReaderTest, RefusesWhatIsNoFormula) {
    const char* cases[] = {
        "",
        "=",
        "Psat",
        "Psat 77,0",
        "Psat(77,0",
        "Psat(77,,0)",
        "Psat(77,0,)",
        "Psat(,0)",
        "Psat(77 0)",
        "Psat(77,0))",
        "Psat(77,0) x",
        "==Psat(1,0)",
        "1Psat(1,0)",
        "Psat(1e,0)",
        "Psat(.,0)",
        "Psat(- 1,0)",
        "Psat(0x10,0)",
        "Psat(nan,0)",
        "Psat(inf,0)",
        "Psat(1e999,0)",
        "Psat(A1,0)",
        "Psat(\"1\",0)",
    };
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        Formula formula;
        std::string reason;
        EXPECT_FALSE(readFormula(text, formula, reason));
        EXPECT_FALSE(reason.empty());
        EXPECT_EQ(reason.find('\n'), std::string::npos);
    }
}

TEST(FormulaReaderTest, BlankLinesHoldOnlySpacesAndTabs) {
    EXPECT_TRUE(isBlankLine(""));
    EXPECT_TRUE(isBlankLine(" \t "));
    EXPECT_FALSE(isBlankLine(" x "));
}

TEST(NumberTextTest, RoundTripsAndNamesNonFiniteValues) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(textOfNumber(0.1), "0.10000000000000001");
    EXPECT_EQ(textOfNumber(-2), "-2");
    EXPECT_EQ(textOfNumber(1e300), "1.0000000000000001e+300");
    EXPECT_EQ(textOfNumber(std::nan("")), "nan");
    EXPECT_EQ(textOfNumber(-std::nan("")), "nan");
    EXPECT_EQ(textOfNumber(inf), "inf");
    EXPECT_EQ(textOfNumber(-inf), "-inf");
    const double x = 0.19497672615771541;
    EXPECT_EQ(std::strtod(textOfNumber(x).c_str(), nullptr), x);
}

}  // namespace
