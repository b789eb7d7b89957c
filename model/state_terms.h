// The residual term vectors of one state, computed together.
//
// residualTerms, residualTermsDDelta, residualTermsDDelta2 and
// residualTermsDTr each form E = exp(-(gamma delta) delta), the powers of
// delta, the series factors and the quotients E / Tr^q on their own. When
// several vectors are wanted at the same (Tr, delta), and many states at the
// same Tr, these shared values are formed here once: the values that depend
// on Tr alone once per temperature (TemperatureTerms), those of delta once per
// state (DensityTerms), and each vector from them. Every element is the same
// expression, with the same operands in the same order, as in the vector
// functions of term_vectors.cpp, so the vectors are the same to the last bit;
// only repeated evaluations of one subexpression are shared.
#pragma once

#include "model/term_vectors.h"

// Values of the term vectors that depend on Tr alone.
struct TemperatureTerms {
    double Tr;
    double sqrtTr;           // t1 = sqrt(Tr)
    double invTr;            // t3 = 1.0 / Tr
    double invTr2;           // t4 = 1.0 / Tr / Tr
    double halfTr;           // t'5 = Tr / 2
    double halfOverTr;       // t'7 = 1.0 / 2 / Tr
    double halfOverTr2;      // t'8 = 1.0 / 2 / Tr / Tr
    double twoTr;            // 2 * Tr, the first product of t'9
    double twoTrOverThree;   // t''9 = 2 * Tr / 3
    double twoThirdsOverTr;  // t''11 = 2.0 / 3 / Tr
};

// Constants of the exponential terms, formed from gamma once per process.
struct SeriesCoefficients {
    double gamma;     // constant of the density factor
    double twoGamma;  // 2 * gamma
    double a[5][5];   // coefficients of the series factors sigma1..sigma5
};

const SeriesCoefficients& seriesCoefficients();

// Values of the term vectors that depend on delta (and on Tr through E / Tr^q).
struct DensityTerms {
    double delta;
    double p[12];     // p[n] = powi(delta, n), n = 0..11
    double E;         // exp(-(gamma delta) delta)
    double e2;        // E / Tr / Tr
    double e3;        // E / Tr / Tr / Tr
    double e4;        // E / Tr / Tr / Tr / Tr
    double sigma[5];  // the series factors sigma1..sigma5
};

void temperatureTermsOf(double Tr, TemperatureTerms& out);
void densityTermsOf(const TemperatureTerms& tt, double delta, DensityTerms& out);

// The vectors of residualTerms, residualTermsDDelta, residualTermsDDelta2
// and residualTermsDTr at (tt.Tr, d.delta).
void residualTermsOf(const TemperatureTerms& tt, const DensityTerms& d, double out[kResidualTerms]);
void residualTermsDDeltaOf(const TemperatureTerms& tt, const DensityTerms& d, double out[kResidualTerms]);
void residualTermsDDelta2Of(const TemperatureTerms& tt, const DensityTerms& d, double out[kResidualTerms]);
void residualTermsDTrOf(const TemperatureTerms& tt, const DensityTerms& d, double out[kResidualTerms]);

// Z = dot(coefResidual, w) + 1 with w_i = (delta t'_i + t_i) delta.
double compressibilityOfTerms(double delta, const double t[kResidualTerms], const double tD[kResidualTerms]);

// s = dot(coefResidual, u) with u_i = ((delta t''_i + 3 t'_i) delta + t_i) delta,
// the sum that calcDPDVofTV adds to Z.
double slopeSumOfTerms(double delta, const double t[kResidualTerms], const double tD[kResidualTerms],
                       const double tDD[kResidualTerms]);
