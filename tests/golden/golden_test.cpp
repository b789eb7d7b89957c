// Every formula of the golden files, evaluated through the exported worksheet
// functions, must give the stored result bit for bit (any NaN matches NaN).
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "golden_formula.h"

namespace {

std::string goldenPath(const char* file) { return std::string(QUORVEX_GOLDEN_DIR) + "/" + file; }

bool sameBits(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Checks every line of one file; returns the names of the functions seen.
std::set<std::string> checkFile(const char* file) {
    std::set<std::string> seen;
    std::ifstream in(goldenPath(file));
    EXPECT_TRUE(in.good()) << "cannot open " << goldenPath(file);
    std::string line;
    int number = 0;
    int mismatches = 0;
    while (std::getline(in, line)) {
        ++number;
        std::istringstream fields(line);
        std::string formulaText, hex, decimal;
        std::getline(fields, formulaText, '\t');
        std::getline(fields, hex, '\t');
        std::getline(fields, decimal, '\t');
        golden::Formula f;
        double expected = 0;
        if (!golden::parseFormula(formulaText, f) || !golden::parseResult(hex, expected)) {
            ADD_FAILURE() << file << ":" << number << ": malformed line: " << line;
            continue;
        }
        seen.insert(f.fn->name);
        double got = golden::evaluate(f);
        if (!sameBits(got, expected)) {
            ++mismatches;
            ADD_FAILURE() << file << ":" << number << ": " << formulaText << " gives "
                          << golden::resultText(got) << ", golden " << hex << "\t" << decimal;
        }
    }
    EXPECT_EQ(mismatches, 0) << "results differing from " << file;
    return seen;
}

TEST(Golden, FiniteArgumentsGiveTheStoredBits) {
    std::set<std::string> seen = checkFile("golden.tsv");
    // A truncated or empty file would pass vacuously: every function must be there.
    for (const golden::WorksheetFunction& fn : golden::kFunctions)
        EXPECT_TRUE(seen.count(fn.name)) << fn.name << " missing from golden.tsv";
}

TEST(Golden, NonFiniteArgumentsGiveTheStoredBits) {
    std::set<std::string> seen = checkFile("golden_nonfinite.tsv");
    EXPECT_FALSE(seen.empty()) << "golden_nonfinite.tsv has no formulas";
}

}  // namespace
