#include "host/function_reference.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/host/loaded_addin.h"

namespace {

TEST(FunctionReference, FormatOption) {
    struct Case {
        std::vector<std::string> args;
        bool ok, markdown;
        std::vector<std::string> rest;
    };
    const Case cases[] = {
        {{}, true, false, {}},
        {{"--format", "md"}, true, true, {}},
        {{"--format=md", "x"}, true, true, {"x"}},
        {{"--format", "text"}, true, false, {}},
        {{"--format", "html"}, false, false, {}},
        {{"--format"}, false, false, {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        bool markdown = !c.markdown;
        std::string error;
        EXPECT_EQ(takeFunctionsFormatOption(args, markdown, error), c.ok) << error;
        if (!c.ok) continue;
        EXPECT_EQ(markdown, c.markdown);
        EXPECT_EQ(args, c.rest);
    }
}

TEST(FunctionReference, EveryFunctionWithUnitsAndAWorkedExample) {
    std::ostringstream out;
    std::string error;
    ASSERT_TRUE(writeFunctionReference(loadedAddin(), out, error)) << error;
    const std::string md = out.str();
    size_t headings = 0;
    for (size_t at = md.find("\n## "); at != std::string::npos; at = md.find("\n## ", at + 1)) ++headings;
    EXPECT_EQ(headings, 19u);
    // Reference values of the functions, at the six digits printed.
    for (const char* line : {"Example: `=Psat(25, 1)` gives 0.403361 bar.",
                             "Example: `=Tsat(1, 1)` gives 48.7801 °C.",
                             "Example: `=PofTV(100, 0.5, 1)` gives 0.194977 bar.",
                             "Example: `=ZofTV(100, 0.5, 1)` gives 0.993075.",
                             "`HofPS(P,S,units)`: enthalpy.",
                             "| S | entropy | entropy |",
                             "| units | units (0-7) | unit-system code, an integer |",
                             "| 7 and every other code | psia | Btu/(lbm·°R) | °F |",
                             "| 2 | °F | psig |",
                             "| 6 | °C | kgf/cm² | m³/kg | kcal/kg | kcal/(kg·K) |",
                             "Category in Excel's Insert Function dialog: \"Quorvex Equation of State\""})
        EXPECT_NE(md.find(line), std::string::npos) << line;
}

TEST(FunctionReference, RefusesAFunctionItCannotDescribe) {
    LoadedAddin addin = loadedAddin();
    addin.functions.resize(1);
    addin.functions[0].functionHelp = "saturation";
    std::ostringstream out;
    std::string error;
    EXPECT_FALSE(writeFunctionReference(addin, out, error));
    EXPECT_NE(error.find("Psat: no quantity in the help text"), std::string::npos) << error;
    addin.functions[0].functionHelp = "saturation pressure";
    addin.functions[0].argumentNames[0] = "X";
    EXPECT_FALSE(writeFunctionReference(addin, out, error));
    EXPECT_NE(error.find("no quantity for the argument X"), std::string::npos) << error;
}

}  // namespace
