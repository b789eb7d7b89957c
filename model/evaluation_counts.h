// Counts of the work done by the equation of state, for benchmarks and
// harnesses. Built in only with -DQUORVEX_COUNT_EVALUATIONS; otherwise every
// counting statement compiles to nothing and the product carries no counter.
//
// Two kinds of figures:
//  - the residual term vectors actually computed, per kind;
//  - the evaluations the fixed algorithm asks for, counted where they are
//    asked for: a model pressure (the plain evaluation costs the vectors t and
//    t'), a pressure slope (t, t', t''), and the state functions. These do not
//    change when an evaluation is made cheaper, so they compare builds.
#pragma once

#include <cstdint>

struct EvaluationCounts {
    uint64_t residualTerms;         // t vectors computed
    uint64_t residualTermsDDelta;   // t' vectors computed
    uint64_t residualTermsDDelta2;  // t'' vectors computed
    uint64_t residualTermsDTr;      // tTr vectors computed
    uint64_t pressures;             // model pressures asked for by the solvers
    uint64_t slopes;                // pressure slopes asked for by the solvers
    uint64_t plainVectors;          // residual vectors the plain evaluation of
                                    // every request above and of every state
                                    // function call would compute
    uint64_t pressuresByBounds;     // pressure comparisons settled by the
    uint64_t slopesByBounds;        // certified bounds, without vectors
};

#ifdef QUORVEX_COUNT_EVALUATIONS
// Visible outside the loaded add-in, so that a harness that loads the
// library as Excel does can read the counts of its calls.
#if defined(__GNUC__) && !defined(_WIN32)
__attribute__((visibility("default")))
#endif
extern EvaluationCounts g_evaluationCounts;
#define QV_COUNT(field, n) (g_evaluationCounts.field += (n))
#else
#define QV_COUNT(field, n) ((void)0)
#endif
