// The solver with its certified bounds against the exact step-by-step path
// (the core built with QUORVEX_EXACT_STEPS, run as a separate program): the
// same random calls must give the same bits. The sample size comes from
// QUORVEX_DIFFERENTIAL_CALLS (default 4000; run with 100000 or more after a
// change of the bounds), the seed from QUORVEX_DIFFERENTIAL_SEED.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "golden_formula.h"
#include "random_calls.h"

namespace {

long envOr(const char* name, long fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::atol(text) : fallback;
}

TEST(CertifiedBounds, SameResultsAsTheExactPath) {
    const long calls = envOr("QUORVEX_DIFFERENTIAL_CALLS", 4000);
    const long seed = envOr("QUORVEX_DIFFERENTIAL_SEED", 20261211);
    std::string command = std::string(QUORVEX_EXACT_PATH_DUMP) + " " + std::to_string(calls) + " " +
                          std::to_string(seed);
    FILE* exact = popen(command.c_str(), "r");
    ASSERT_NE(exact, nullptr) << command;
    golden::RandomCalls sample(static_cast<uint64_t>(seed));
    long differences = 0, read = 0;
    char line[128];
    for (long k = 0; k < calls; ++k) {
        golden::Formula f = sample.next();
        std::string mine = golden::resultText(golden::evaluate(f));
        if (!std::fgets(line, sizeof line, exact)) break;
        ++read;
        line[std::strcspn(line, "\n")] = '\0';
        if (mine != line && ++differences <= 20)
            ADD_FAILURE() << "call " << k << ": " << golden::formulaText(f) << " gives " << mine
                          << ", exact path " << line;
    }
    EXPECT_EQ(pclose(exact), 0) << command;
    EXPECT_EQ(read, calls) << "the exact path printed fewer results";
    EXPECT_EQ(differences, 0);
}

}  // namespace
