// The built quorvex tool, run as a user runs it, against the built add-in.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/host/tool_paths.h"

namespace {

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

std::string contentsOf(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string shellQuoted(const std::string& text) {
    std::string result = "'";
    for (char c : text) {
        result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return result + "'";
}

// Runs the tool with args, feeding it input on standard input.
ToolRun runTool(const std::vector<std::string>& args, const std::string& input = "") {
    // Tests may run side by side: each process has files of its own.
    std::string stem = ::testing::TempDir() + "quorvex_tool_" + std::to_string(getpid());
    std::string in = stem + "_in.txt";
    std::string out = stem + "_out.txt";
    std::string err = stem + "_err.txt";
    std::ofstream(in, std::ios::binary) << input;
    std::string command = shellQuoted(kToolPath);
    for (const std::string& arg : args) {
        command += " " + shellQuoted(arg);
    }
    command += " <" + shellQuoted(in) + " >" + shellQuoted(out) + " 2>" + shellQuoted(err);
    int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, contentsOf(out), contentsOf(err)};
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(ToolTest, EvalUsesTheAddinBuiltBesideIt) {
    ToolRun run = runTool({"eval", "PofTV(100, 0.5, 1)", "=Psat(77,0)", "Tsat(0,2)", "Tsat(14.696,0)"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    std::vector<std::string> lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), 4u) << run.out;
    EXPECT_NEAR(std::stod(lines[0]), 0.194977, 5e-7);
    EXPECT_NEAR(std::stod(lines[1]), 5.85025, 5e-6);
    EXPECT_EQ(lines[2], lines[3]);
    // Round-trip precision: the text reads back as the number computed.
    EXPECT_EQ(lines[1], "5.8502537082403032");
}

TEST(ToolTest, EvalWritesOneLinePerFormulaAndReportsEachError) {
    ToolRun run = runTool({"eval", "--addin", kAddinPath, "Psat(77,0)", "Nope(1,0)", "Psat(77)",
                           "Psat(77,0.5)", "Psat(77,0", "", "psat(77,0)"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(linesOf(run.out), (std::vector<std::string>{"5.8502537082403032", "#NAME?", "#VALUE!",
                                                          "#VALUE!", "#ERROR!", "",
                                                          "5.8502537082403032"}));
    std::vector<std::string> reasons = linesOf(run.err);
    ASSERT_EQ(reasons.size(), 4u) << run.err;
    EXPECT_NE(reasons[0].find("Nope"), std::string::npos);
    EXPECT_NE(reasons[1].find("takes 2 arguments"), std::string::npos);
    EXPECT_NE(reasons[2].find("integer"), std::string::npos);
    EXPECT_NE(reasons[3].find("Psat(77,0"), std::string::npos);
}

TEST(ToolTest, EvalReadsFormulasFromStandardInput) {
    ToolRun run = runTool({"eval"}, "Psat(77,0)\r\n=PSAT( 77 , 0 )\nbad\nZofTP(1e3, 1e-3, 0)\n");
    EXPECT_EQ(run.status, 1);
    std::vector<std::string> lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), 4u) << run.out;
    EXPECT_EQ(lines[0], "5.8502537082403032");
    EXPECT_EQ(lines[1], lines[0]);
    EXPECT_EQ(lines[2], "#ERROR!");
    EXPECT_NEAR(std::stod(lines[3]), 1, 1e-3);
    EXPECT_EQ(linesOf(run.err).size(), 1u) << run.err;
}

TEST(ToolTest, FunctionsListsTheRegisteredFunctionsInTableOrder) {
    ToolRun run = runTool({"functions"});
    EXPECT_EQ(run.status, 0) << run.err;
    std::vector<std::string> lines = linesOf(run.out);
    std::vector<std::string> heads;
    int categories = 0;
    for (const std::string& line : lines) {
        if (!line.empty() && line[0] != ' ') {
            heads.push_back(line);
        }
        categories += line == "  category: Quorvex Equation of State" ? 1 : 0;
    }
    EXPECT_EQ(heads, (std::vector<std::string>{
                         "Psat(Ts,units)", "Tsat(Ps,units)", "Vf(Ts,units)", "Vg(Ts,units)",
                         "Hf(Ts,units)", "Hg(Ts,units)", "Sf(Ts,units)", "Sg(Ts,units)",
                         "PofTV(T,V,units)", "VofTP(T,P,units)", "HofTV(T,V,units)",
                         "HofTP(T,P,units)", "SofTV(T,V,units)", "SofTP(T,P,units)",
                         "TofPH(P,H,units)", "TofPS(P,S,units)", "HofPS(P,S,units)",
                         "ZofTV(T,V,units)", "ZofTP(T,P,units)"}));
    EXPECT_EQ(categories, 19);
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 6),
              (std::vector<std::string>{"Psat(Ts,units)", "  category: Quorvex Equation of State",
                                        "  help: saturation pressure", "  Ts: saturation temperature",
                                        "  units: units (0-7)", ""}));
}

TEST(ToolTest, ReportsAnAddinWithProblems) {
    ToolRun run = runTool({"functions", "--addin=" + std::string(kFixtureAddinPath)});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("returned 0"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("GhostProc"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("RJ"), std::string::npos) << run.err;
    ToolRun eval = runTool({"eval", "--addin", kFixtureAddinPath, "Doubled(1,1)", "Failing(1,0)"});
    EXPECT_EQ(eval.status, 1);
    EXPECT_EQ(linesOf(eval.out), (std::vector<std::string>{"3", "#VALUE!"}));
}

TEST(ToolTest, RefusesMissingAddinsAndBadCommandLines) {
    struct Case {
        std::vector<std::string> args;
        int status;
    };
    const Case cases[] = {
        {{"eval", "--addin", "/nonexistent/libquorvex.so", "Psat(77,0)"}, 1},
        {{"eval", "--addin"}, 2},
        {{"eval", "--verbose", "Psat(77,0)"}, 2},
        {{"functions", "extra"}, 2},
        {{"frobnicate"}, 2},
        {{}, 2},
    };
    for (const Case& c : cases) {
        ToolRun run = runTool(c.args);
        EXPECT_EQ(run.status, c.status) << (c.args.empty() ? "" : c.args[0]);
        EXPECT_EQ(run.out, "");
        EXPECT_FALSE(run.err.empty());
    }
}

TEST(ToolTest, AlertsOfTheAddinGoToStandardError) {
    ToolRun run = runTool({"eval", "--addin", kFixtureAddinPath, "Doubled(1,1)"});
    EXPECT_EQ(linesOf(run.out), (std::vector<std::string>{"3"}));
    std::vector<std::string> lines = linesOf(run.err);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "alert: Fixture open / failed!");
}

TEST(ToolTest, AddinExportsExactlyTheFunctionsAndCallbacks) {
    std::string listing = ::testing::TempDir() + "quorvex_exports_" + std::to_string(getpid()) + ".txt";
    std::string command = "nm -D --defined-only " + shellQuoted(kAddinPath) + " >" + shellQuoted(listing);
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::vector<std::string> names;
    for (const std::string& line : linesOf(contentsOf(listing))) {
        names.push_back(line.substr(line.find_last_of(' ') + 1));
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{
                         "Hf", "Hg", "HofPS", "HofTP", "HofTV", "PofTV", "Psat", "Sf", "Sg",
                         "SofTP", "SofTV", "TofPH", "TofPS", "Tsat", "Vf", "Vg", "VofTP", "ZofTP",
                         "ZofTV", "xlAddInManagerInfo", "xlAutoAdd", "xlAutoClose", "xlAutoOpen",
                         "xlAutoRegister", "xlAutoRemove"}));
}

}  // namespace
