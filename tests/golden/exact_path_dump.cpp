// Prints the results of the random sample of random_calls.h, one %a per
// line; linked to the core built with QUORVEX_EXACT_STEPS, so that the
// results are those of the exact step-by-step evaluation.
//
// usage: exact_path_dump <calls> <seed>
#include <cstdio>
#include <cstdlib>

#include "golden_formula.h"
#include "random_calls.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: exact_path_dump <calls> <seed>\n");
        return 2;
    }
    long calls = std::atol(argv[1]);
    golden::RandomCalls sample(std::strtoull(argv[2], nullptr, 10));
    for (long k = 0; k < calls; ++k) {
        golden::Formula f = sample.next();
        std::printf("%s\n", golden::resultText(golden::evaluate(f)).c_str());
    }
    return 0;
}
