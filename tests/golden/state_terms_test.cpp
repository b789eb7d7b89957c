// The residual vectors computed together (state_terms) must equal those of
// the vector functions element by element, bit for bit, at every (Tr, delta):
// inside the fluid's region, far outside it, and at zeros, negatives, NaN and
// infinities, where the operations' order decides which NaN or infinity comes
// out.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "model/state_terms.h"
#include "model/term_vectors.h"

namespace {

bool sameBits(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
    return std::memcmp(&a, &b, sizeof a) == 0;
}

using Plain = void (*)(double, double, double*);
using Together = void (*)(const TemperatureTerms&, const DensityTerms&, double*);

struct VectorPair {
    const char* name;
    Plain plain;
    Together together;
};

const VectorPair kVectors[] = {
    {"t", residualTerms, residualTermsOf},
    {"t'", residualTermsDDelta, residualTermsDDeltaOf},
    {"t''", residualTermsDDelta2, residualTermsDDelta2Of},
    {"tTr", residualTermsDTr, residualTermsDTrOf},
};

// Returns the number of differing elements, reporting the first few.
int compareAt(double Tr, double delta) {
    TemperatureTerms tt;
    temperatureTermsOf(Tr, tt);
    DensityTerms d;
    densityTermsOf(tt, delta, d);
    int differences = 0;
    for (const VectorPair& v : kVectors) {
        double a[kResidualTerms], b[kResidualTerms];
        v.plain(Tr, delta, a);
        v.together(tt, d, b);
        for (int i = 0; i < kResidualTerms; ++i) {
            if (!sameBits(a[i], b[i]) && ++differences <= 5)
                ADD_FAILURE() << v.name << "[" << i << "] at Tr=" << Tr << " delta=" << delta << ": "
                              << a[i] << " vs " << b[i];
        }
    }
    return differences;
}

TEST(StateTerms, EqualThePlainVectorsOverTheFluidsRegion) {
    std::mt19937_64 rng(20261211);
    std::uniform_real_distribution<double> trs(0.37, 2.6), logDelta(std::log(1e-10), std::log(3.5));
    int differences = 0;
    for (int k = 0; k < 200000; ++k) differences += compareAt(trs(rng), std::exp(logDelta(rng)));
    EXPECT_EQ(differences, 0);
}

TEST(StateTerms, EqualThePlainVectorsFarOutsideIt) {
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> exponent(-320, 300), sign(-1, 1);
    int differences = 0;
    for (int k = 0; k < 50000; ++k) {
        double Tr = std::pow(10.0, exponent(rng) / 4) * (sign(rng) < -0.8 ? -1 : 1);
        double delta = std::pow(10.0, exponent(rng)) * (sign(rng) < -0.8 ? -1 : 1);
        differences += compareAt(Tr, delta);
    }
    EXPECT_EQ(differences, 0);
}

TEST(StateTerms, EqualThePlainVectorsAtZerosAndNonFiniteArguments) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<double> odd = {0.0, -0.0, 1.0, -1.0, 1e-310, -1e-310, 1e300, inf, -inf, nan};
    int differences = 0;
    for (double Tr : odd)
        for (double delta : odd) differences += compareAt(Tr, delta);
    EXPECT_EQ(differences, 0);
}

}  // namespace
