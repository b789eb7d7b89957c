// Each element below is written exactly as its counterpart in
// term_vectors.cpp, with powi(delta, n) read from the table p (powi forms
// delta^n by the same multiplications from 1.0) and divisions by Tr that
// continue another element's quotient written as that continuation:
// x / Tr / Tr / Tr is (x / Tr / Tr) / Tr.
#include "model/state_terms.h"

#include <cmath>

#include "model/evaluation_counts.h"
#include "model/fluid_data.h"

namespace {

SeriesCoefficients makeSeriesCoefficients() {
    SeriesCoefficients c = {};
    const double g = g_fluidData.gamma;
    c.gamma = g;
    c.twoGamma = 2 * g;
    // sigma1 = (1/2) d + (g/4) d^3 + (g^2/12) d^5 + (g^3/48) d^7 + (g^4/240) d^9
    c.a[0][0] = 1.0 / 2;
    c.a[0][1] = g / 4;
    c.a[0][2] = g * g / 12;
    c.a[0][3] = g * g * g / 48;
    c.a[0][4] = g * g * g * g / 240;
    // sigma2 = (1/4) d^3 + (g/12) d^5 + (g^2/48) d^7 + (g^3/240) d^9
    c.a[1][0] = 1.0 / 4;
    c.a[1][1] = g / 12;
    c.a[1][2] = g * g / 48;
    c.a[1][3] = g * g * g / 240;
    // sigma3 = (1/6) d^5 + (g/24) d^7 + (g^2/120) d^9
    c.a[2][0] = 1.0 / 6;
    c.a[2][1] = g / 24;
    c.a[2][2] = g * g / 120;
    // sigma4 = (1/8) d^7 + (g/40) d^9
    c.a[3][0] = 1.0 / 8;
    c.a[3][1] = g / 40;
    // sigma5 = (1/10) d^9
    c.a[4][0] = 1.0 / 10;
    return c;
}

// Elements 19..28 of a derivative vector: E / Tr^q times the sum over the
// terms a delta^n of each series factor of a times the value given for n
// (perPower[0..4] for n = 1, 3, 5, 7, 9), added in the order of the terms.
void exponentialDerivativeTerms(const DensityTerms& d, const double perPower[5], double out[kResidualTerms]) {
    const SeriesCoefficients& sc = seriesCoefficients();
    const double* a0 = sc.a[0];
    const double* a1 = sc.a[1];
    const double* a2 = sc.a[2];
    const double* a3 = sc.a[3];
    const double* a4 = sc.a[4];
    const double* x = perPower;
    const double s1 = a0[0] * x[0] + a0[1] * x[1] + a0[2] * x[2] + a0[3] * x[3] + a0[4] * x[4];
    const double s2 = a1[0] * x[1] + a1[1] * x[2] + a1[2] * x[3] + a1[3] * x[4];
    const double s3 = a2[0] * x[2] + a2[1] * x[3] + a2[2] * x[4];
    const double s4 = a3[0] * x[3] + a3[1] * x[4];
    const double s5 = a4[0] * x[4];
    out[19] = d.e2 * s1;
    out[20] = d.e3 * s1;
    out[21] = d.e2 * s2;
    out[22] = d.e4 * s2;
    out[23] = d.e2 * s3;
    out[24] = d.e3 * s3;
    out[25] = d.e2 * s4;
    out[26] = d.e4 * s4;
    out[27] = d.e2 * s5;
    out[28] = d.e3 * s5;
}

}  // namespace

const SeriesCoefficients& seriesCoefficients() {
    static const SeriesCoefficients c = makeSeriesCoefficients();
    return c;
}

void temperatureTermsOf(double Tr, TemperatureTerms& out) {
    out.Tr = Tr;
    out.sqrtTr = std::sqrt(Tr);
    out.invTr = 1.0 / Tr;
    out.invTr2 = 1.0 / Tr / Tr;
    out.halfTr = Tr / 2;
    out.halfOverTr = 1.0 / 2 / Tr;
    out.halfOverTr2 = 1.0 / 2 / Tr / Tr;
    out.twoTr = 2 * Tr;
    out.twoTrOverThree = 2 * Tr / 3;
    out.twoThirdsOverTr = 2.0 / 3 / Tr;
}

void densityTermsOf(const TemperatureTerms& tt, double delta, DensityTerms& out) {
    const double Tr = tt.Tr;
    const SeriesCoefficients& sc = seriesCoefficients();
    const double* a0 = sc.a[0];
    const double* a1 = sc.a[1];
    const double* a2 = sc.a[2];
    const double* a3 = sc.a[3];
    const double* a4 = sc.a[4];
    double* p = out.p;
    out.delta = delta;
    p[0] = 1.0;
    for (int n = 1; n < 12; ++n) p[n] = p[n - 1] * delta;
    out.E = std::exp(-(sc.gamma * delta * delta));
    out.e2 = out.E / Tr / Tr;
    out.e3 = out.e2 / Tr;
    out.e4 = out.e3 / Tr;
    out.sigma[0] = a0[0] * p[1] + a0[1] * p[3] + a0[2] * p[5] + a0[3] * p[7] + a0[4] * p[9];
    out.sigma[1] = a1[0] * p[3] + a1[1] * p[5] + a1[2] * p[7] + a1[3] * p[9];
    out.sigma[2] = a2[0] * p[5] + a2[1] * p[7] + a2[2] * p[9];
    out.sigma[3] = a3[0] * p[7] + a3[1] * p[9];
    out.sigma[4] = a4[0] * p[9];
}

void residualTermsOf(const TemperatureTerms& tt, const DensityTerms& d, double out[kResidualTerms]) {
    QV_COUNT(residualTerms, 1);
    const double Tr = tt.Tr;
    const double delta = d.delta;
    const double* p = d.p;
    out[0] = Tr;
    out[1] = tt.sqrtTr;
    out[2] = 1;
    out[3] = tt.invTr;
    out[4] = tt.invTr2;
    out[5] = Tr * delta / 2;
    out[6] = delta / 2;
    out[7] = out[6] / Tr;
    out[8] = out[7] / Tr;
    out[9] = Tr * p[2] / 3;
    out[10] = p[2] / 3;
    out[11] = out[10] / Tr;
    out[12] = p[3] / 4;
    out[13] = p[4] / 5 / Tr;
    out[14] = out[13] / Tr;
    out[15] = p[5] / 6 / Tr;
    out[16] = p[6] / 7 / Tr;
    out[17] = out[16] / Tr;
    out[18] = p[7] / 8 / Tr / Tr;
    // t_i = sigma E / Tr^q; q = 2, 3 or 2, 4 for each factor.
    const double E = d.E;
    out[19] = d.sigma[0] * E / Tr / Tr;
    out[20] = out[19] / Tr;
    out[21] = d.sigma[1] * E / Tr / Tr;
    out[22] = out[21] / Tr / Tr;
    out[23] = d.sigma[2] * E / Tr / Tr;
    out[24] = out[23] / Tr;
    out[25] = d.sigma[3] * E / Tr / Tr;
    out[26] = out[25] / Tr / Tr;
    out[27] = d.sigma[4] * E / Tr / Tr;
    out[28] = out[27] / Tr;
}

void residualTermsDDeltaOf(const TemperatureTerms& tt, const DensityTerms& d, double out[kResidualTerms]) {
    QV_COUNT(residualTermsDDelta, 1);
    const double Tr = tt.Tr;
    const double delta = d.delta;
    const double* p = d.p;
    for (int i = 0; i <= 4; ++i) out[i] = 0;
    out[5] = tt.halfTr;
    out[6] = 1.0 / 2;
    out[7] = tt.halfOverTr;
    out[8] = tt.halfOverTr2;
    out[9] = tt.twoTr * delta / 3;
    out[10] = 2 * delta / 3;
    out[11] = out[10] / Tr;
    out[12] = 3 * p[2] / 4;
    out[13] = 4 * p[3] / 5 / Tr;
    out[14] = out[13] / Tr;
    out[15] = 5 * p[4] / 6 / Tr;
    out[16] = 6 * p[5] / 7 / Tr;
    out[17] = out[16] / Tr;
    out[18] = 7 * p[6] / 8 / Tr / Tr;
    // Per odd power n: n delta^(n-1) - 2 gamma delta^(n+1).
    const SeriesCoefficients& sc = seriesCoefficients();
    const double g2 = sc.twoGamma;
    const double q1 = 1 * p[0] - g2 * p[2];
    const double q3 = 3 * p[2] - g2 * p[4];
    const double q5 = 5 * p[4] - g2 * p[6];
    const double q7 = 7 * p[6] - g2 * p[8];
    const double q9 = 9 * p[8] - g2 * p[10];
    // t'_i = E / Tr^q * sum a (n delta^(n-1) - 2 gamma delta^(n+1))
    const double perPower[5] = {q1, q3, q5, q7, q9};
    exponentialDerivativeTerms(d, perPower, out);
}

void residualTermsDDelta2Of(const TemperatureTerms& tt, const DensityTerms& d, double out[kResidualTerms]) {
    QV_COUNT(residualTermsDDelta2, 1);
    const double Tr = tt.Tr;
    const double delta = d.delta;
    const double* p = d.p;
    for (int i = 0; i <= 8; ++i) out[i] = 0;
    out[9] = tt.twoTrOverThree;
    out[10] = 2.0 / 3;
    out[11] = tt.twoThirdsOverTr;
    out[12] = 6 * delta / 4;
    out[13] = 12 * p[2] / 5 / Tr;
    out[14] = out[13] / Tr;
    out[15] = 20 * p[3] / 6 / Tr;
    out[16] = 30 * p[4] / 7 / Tr;
    out[17] = out[16] / Tr;
    out[18] = 42 * p[5] / 8 / Tr / Tr;
    // powExpDDelta2(delta, n) per odd power n:
    // ((n-1) delta^(n-2) - 2 gamma delta^n) n - 2 gamma ((n+1) delta^n - 2 gamma delta^(n+2)),
    // with delta^-1 = powi(delta, -1) = 1.0 / delta.
    const SeriesCoefficients& sc = seriesCoefficients();
    const double g2 = sc.twoGamma;
    const double r1 = (0 * (1.0 / delta) - g2 * p[1]) * 1 - g2 * (2 * p[1] - g2 * p[3]);
    const double r3 = (2 * p[1] - g2 * p[3]) * 3 - g2 * (4 * p[3] - g2 * p[5]);
    const double r5 = (4 * p[3] - g2 * p[5]) * 5 - g2 * (6 * p[5] - g2 * p[7]);
    const double r7 = (6 * p[5] - g2 * p[7]) * 7 - g2 * (8 * p[7] - g2 * p[9]);
    const double r9 = (8 * p[7] - g2 * p[9]) * 9 - g2 * (10 * p[9] - g2 * p[11]);
    // t''_i = E / Tr^q * sum a powExpDDelta2(delta, n)
    const double perPower[5] = {r1, r3, r5, r7, r9};
    exponentialDerivativeTerms(d, perPower, out);
}

void residualTermsDTrOf(const TemperatureTerms& tt, const DensityTerms& d, double out[kResidualTerms]) {
    QV_COUNT(residualTermsDTr, 1);
    const double Tr = tt.Tr;
    const double delta = d.delta;
    const double* p = d.p;
    out[0] = 1;
    out[1] = 0.5 / tt.sqrtTr;
    out[2] = 0;
    out[3] = -1.0 / Tr / Tr;
    out[4] = -2.0 / Tr / Tr / Tr;
    out[5] = delta / 2;
    out[6] = 0;
    out[7] = -delta / 2 / Tr / Tr;
    out[8] = -delta / Tr / Tr / Tr;
    out[9] = p[2] / 3;
    out[10] = 0;
    out[11] = -p[2] / 3 / Tr / Tr;
    out[12] = 0;
    out[13] = -p[4] / 5 / Tr / Tr;
    out[14] = -(2 * p[4]) / 5 / Tr / Tr / Tr;
    out[15] = -p[5] / 6 / Tr / Tr;
    out[16] = -p[6] / 7 / Tr / Tr;
    out[17] = -(2 * p[6]) / 7 / Tr / Tr / Tr;
    out[18] = -(2 * p[7]) / 8 / Tr / Tr / Tr;
    // tTr_i = -q sigma E / Tr^(q+1)
    const double E = d.E;
    out[19] = -2 * d.sigma[0] * E / Tr / Tr / Tr;
    out[20] = -3 * d.sigma[0] * E / Tr / Tr / Tr / Tr;
    out[21] = -2 * d.sigma[1] * E / Tr / Tr / Tr;
    out[22] = -4 * d.sigma[1] * E / Tr / Tr / Tr / Tr / Tr;
    out[23] = -2 * d.sigma[2] * E / Tr / Tr / Tr;
    out[24] = -3 * d.sigma[2] * E / Tr / Tr / Tr / Tr;
    out[25] = -2 * d.sigma[3] * E / Tr / Tr / Tr;
    out[26] = -4 * d.sigma[3] * E / Tr / Tr / Tr / Tr / Tr;
    out[27] = -2 * d.sigma[4] * E / Tr / Tr / Tr;
    out[28] = -3 * d.sigma[4] * E / Tr / Tr / Tr / Tr;
}

double compressibilityOfTerms(double delta, const double t[kResidualTerms], const double tD[kResidualTerms]) {
    double w[kResidualTerms];
    for (int i = 0; i < kResidualTerms; ++i) w[i] = (delta * tD[i] + t[i]) * delta;
    return dot(coefResidual(), w, kResidualTerms) + 1.0;
}

double slopeSumOfTerms(double delta, const double t[kResidualTerms], const double tD[kResidualTerms],
                       const double tDD[kResidualTerms]) {
    double u[kResidualTerms];
    for (int i = 0; i < kResidualTerms; ++i) u[i] = ((delta * tDD[i] + 3 * tD[i]) * delta + t[i]) * delta;
    return dot(coefResidual(), u, kResidualTerms);
}
