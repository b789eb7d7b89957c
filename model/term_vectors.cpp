// Term vectors of the equation of state.
//
// Every formula is evaluated left to right as written beside it. Integer
// powers go through powi, a denominator k * Tr^q is one division by k and
// then q divisions by Tr, and the series factors of the exponential terms
// are the finite sums below, never their closed forms.
#include "model/term_vectors.h"

#include <cmath>

#include "model/evaluation_counts.h"
#include "model/fluid_data.h"

double powi(double x, int32_t n) {
    double r = 1.0;
    while (n > 0) {
        r = r * x;
        n = n - 1;
    }
    while (n < 0) {
        r = r / x;
        n = n + 1;
    }
    return r;
}

double dot(const double* a, const double* b, int32_t n) {
    double s = 0.0;
    for (int32_t i = 0; i < n; ++i) s = s + a[i] * b[i];
    return s;
}

void idealTerms(double Tr, double out[kIdealTerms]) {
    double lnTr = std::log(Tr);
    out[0] = powi(Tr, 0);  // 1
    out[1] = powi(Tr, 1);  // Tr
    out[2] = powi(Tr, 2);  // Tr^2
    out[3] = powi(Tr, 3);  // Tr^3
    out[4] = 1.0 / Tr;
    out[5] = lnTr;
    out[6] = Tr * lnTr;
}

void idealTermsDTr(double Tr, double out[kIdealTerms]) {
    double lnTr = std::log(Tr);
    out[0] = 0 * powi(Tr, -1);  // 0
    out[1] = 1 * powi(Tr, 0);   // 1
    out[2] = 2 * powi(Tr, 1);   // 2 Tr
    out[3] = 3 * powi(Tr, 2);   // 3 Tr^2
    out[4] = -1.0 / Tr / Tr;
    out[5] = 1.0 / Tr;
    out[6] = lnTr + 1;
}

// Second delta-derivative of delta^n * E over E:
// n (n-1) delta^(n-2) - 2 gamma (2n+1) delta^n + 4 gamma^2 delta^(n+2),
// evaluated in the factored order below.
double powExpDDelta2(double delta, int n) {
    const double gamma = g_fluidData.gamma;
    return ((n - 1) * powi(delta, n - 2) - 2 * gamma * powi(delta, n)) * n
           - 2 * gamma * ((n + 1) * powi(delta, n) - 2 * gamma * powi(delta, n + 2));
}

namespace {

// The exponential terms t19..t28 carry the series factors sigma1..sigma5,
// finite sums of a * delta^n over odd n. Each factor is described by its
// coefficients a (formed from gamma by repeated multiplication) and powers n.
struct SeriesFactor {
    int count;
    double a[5];
    int n[5];
};

struct SeriesFactors {
    SeriesFactor s[5];
};

SeriesFactors seriesFactors() {
    const double g = g_fluidData.gamma;
    return SeriesFactors{{
        // sigma1 = (1/2) d + (g/4) d^3 + (g^2/12) d^5 + (g^3/48) d^7 + (g^4/240) d^9
        {5, {1.0 / 2, g / 4, g * g / 12, g * g * g / 48, g * g * g * g / 240}, {1, 3, 5, 7, 9}},
        // sigma2 = (1/4) d^3 + (g/12) d^5 + (g^2/48) d^7 + (g^3/240) d^9
        {4, {1.0 / 4, g / 12, g * g / 48, g * g * g / 240}, {3, 5, 7, 9}},
        // sigma3 = (1/6) d^5 + (g/24) d^7 + (g^2/120) d^9
        {3, {1.0 / 6, g / 24, g * g / 120}, {5, 7, 9}},
        // sigma4 = (1/8) d^7 + (g/40) d^9
        {2, {1.0 / 8, g / 40}, {7, 9}},
        // sigma5 = (1/10) d^9
        {1, {1.0 / 10}, {9}},
    }};
}

// Terms 19..28: the series factor (0-based index into sigma1..sigma5) and
// the power q of Tr that divides it.
constexpr int kExpFactor[10] = {0, 0, 1, 1, 2, 2, 3, 3, 4, 4};
constexpr int kExpPowerTr[10] = {2, 3, 2, 4, 2, 3, 2, 4, 2, 3};

// sum of a * delta^n, added in the order listed, starting from the first term.
double sigma(const SeriesFactor& f, double delta) {
    double sum = f.a[0] * powi(delta, f.n[0]);
    for (int k = 1; k < f.count; ++k) sum = sum + f.a[k] * powi(delta, f.n[k]);
    return sum;
}

// sum of a * (n delta^(n-1) - 2 gamma delta^(n+1)): d/d delta of sigma E, over E.
double sigmaDDelta(const SeriesFactor& f, double delta) {
    const double gamma = g_fluidData.gamma;
    double sum = 0.0;
    for (int k = 0; k < f.count; ++k) {
        int n = f.n[k];
        double term = f.a[k] * (n * powi(delta, n - 1) - 2 * gamma * powi(delta, n + 1));
        sum = k == 0 ? term : sum + term;
    }
    return sum;
}

// sum of a * powExpDDelta2(delta, n): d2/d delta2 of sigma E, over E.
double sigmaDDelta2(const SeriesFactor& f, double delta) {
    double sum = 0.0;
    for (int k = 0; k < f.count; ++k) {
        double term = f.a[k] * powExpDDelta2(delta, f.n[k]);
        sum = k == 0 ? term : sum + term;
    }
    return sum;
}

// x / Tr / ... / Tr, q divisions.
double divideByTr(double x, double Tr, int q) {
    for (int k = 0; k < q; ++k) x = x / Tr;
    return x;
}

// E = exp(-(gamma delta) delta), the density factor of the exponential terms.
double densityFactor(double delta) {
    return std::exp(-(g_fluidData.gamma * delta * delta));
}

}  // namespace

void residualTerms(double Tr, double delta, double out[kResidualTerms]) {
    QV_COUNT(residualTerms, 1);
    out[0] = Tr;
    out[1] = std::sqrt(Tr);
    out[2] = 1;
    out[3] = 1.0 / Tr;
    out[4] = 1.0 / Tr / Tr;
    out[5] = Tr * delta / 2;
    out[6] = delta / 2;
    out[7] = delta / 2 / Tr;
    out[8] = delta / 2 / Tr / Tr;
    out[9] = Tr * powi(delta, 2) / 3;
    out[10] = powi(delta, 2) / 3;
    out[11] = powi(delta, 2) / 3 / Tr;
    out[12] = powi(delta, 3) / 4;
    out[13] = powi(delta, 4) / 5 / Tr;
    out[14] = powi(delta, 4) / 5 / Tr / Tr;
    out[15] = powi(delta, 5) / 6 / Tr;
    out[16] = powi(delta, 6) / 7 / Tr;
    out[17] = powi(delta, 6) / 7 / Tr / Tr;
    out[18] = powi(delta, 7) / 8 / Tr / Tr;

    // t_i = sigma E / Tr^q
    const SeriesFactors sf = seriesFactors();
    const double E = densityFactor(delta);
    for (int k = 0; k < 10; ++k) {
        double s = sigma(sf.s[kExpFactor[k]], delta);
        out[19 + k] = divideByTr(s * E, Tr, kExpPowerTr[k]);
    }
}

void residualTermsDDelta(double Tr, double delta, double out[kResidualTerms]) {
    QV_COUNT(residualTermsDDelta, 1);
    for (int i = 0; i <= 4; ++i) out[i] = 0;
    out[5] = Tr / 2;
    out[6] = 1.0 / 2;
    out[7] = 1.0 / 2 / Tr;
    out[8] = 1.0 / 2 / Tr / Tr;
    out[9] = 2 * Tr * delta / 3;
    out[10] = 2 * delta / 3;
    out[11] = 2 * delta / 3 / Tr;
    out[12] = 3 * powi(delta, 2) / 4;
    out[13] = 4 * powi(delta, 3) / 5 / Tr;
    out[14] = 4 * powi(delta, 3) / 5 / Tr / Tr;
    out[15] = 5 * powi(delta, 4) / 6 / Tr;
    out[16] = 6 * powi(delta, 5) / 7 / Tr;
    out[17] = 6 * powi(delta, 5) / 7 / Tr / Tr;
    out[18] = 7 * powi(delta, 6) / 8 / Tr / Tr;

    // t'_i = E / Tr^q * sum a (n delta^(n-1) - 2 gamma delta^(n+1))
    const SeriesFactors sf = seriesFactors();
    const double E = densityFactor(delta);
    for (int k = 0; k < 10; ++k) {
        double sum = sigmaDDelta(sf.s[kExpFactor[k]], delta);
        out[19 + k] = divideByTr(E, Tr, kExpPowerTr[k]) * sum;
    }
}

void residualTermsDDelta2(double Tr, double delta, double out[kResidualTerms]) {
    QV_COUNT(residualTermsDDelta2, 1);
    for (int i = 0; i <= 8; ++i) out[i] = 0;
    out[9] = 2 * Tr / 3;
    out[10] = 2.0 / 3;
    out[11] = 2.0 / 3 / Tr;
    out[12] = 6 * delta / 4;
    out[13] = 12 * powi(delta, 2) / 5 / Tr;
    out[14] = 12 * powi(delta, 2) / 5 / Tr / Tr;
    out[15] = 20 * powi(delta, 3) / 6 / Tr;
    out[16] = 30 * powi(delta, 4) / 7 / Tr;
    out[17] = 30 * powi(delta, 4) / 7 / Tr / Tr;
    out[18] = 42 * powi(delta, 5) / 8 / Tr / Tr;

    // t''_i = E / Tr^q * sum a powExpDDelta2(delta, n)
    const SeriesFactors sf = seriesFactors();
    const double E = densityFactor(delta);
    for (int k = 0; k < 10; ++k) {
        double sum = sigmaDDelta2(sf.s[kExpFactor[k]], delta);
        out[19 + k] = divideByTr(E, Tr, kExpPowerTr[k]) * sum;
    }
}

void residualTermsDTr(double Tr, double delta, double out[kResidualTerms]) {
    QV_COUNT(residualTermsDTr, 1);
    out[0] = 1;
    out[1] = 0.5 / std::sqrt(Tr);
    out[2] = 0;
    out[3] = -1.0 / Tr / Tr;
    out[4] = -2.0 / Tr / Tr / Tr;
    out[5] = delta / 2;
    out[6] = 0;
    out[7] = -delta / 2 / Tr / Tr;
    out[8] = -delta / Tr / Tr / Tr;
    out[9] = powi(delta, 2) / 3;
    out[10] = 0;
    out[11] = -powi(delta, 2) / 3 / Tr / Tr;
    out[12] = 0;
    out[13] = -powi(delta, 4) / 5 / Tr / Tr;
    out[14] = -(2 * powi(delta, 4)) / 5 / Tr / Tr / Tr;
    out[15] = -powi(delta, 5) / 6 / Tr / Tr;
    out[16] = -powi(delta, 6) / 7 / Tr / Tr;
    out[17] = -(2 * powi(delta, 6)) / 7 / Tr / Tr / Tr;
    out[18] = -(2 * powi(delta, 7)) / 8 / Tr / Tr / Tr;

    // tTr_i = -q sigma E / Tr^(q+1)
    const SeriesFactors sf = seriesFactors();
    const double E = densityFactor(delta);
    for (int k = 0; k < 10; ++k) {
        int q = kExpPowerTr[k];
        double s = sigma(sf.s[kExpFactor[k]], delta);
        out[19 + k] = divideByTr(-q * s * E, Tr, q + 1);
    }
}
