// Term vectors of the equation of state and their numeric helpers.
//
// The residual part of the reduced Helmholtz energy is
// delta * sum(coefResidual[i] * t_i), the ideal part sum(coefIdeal[j] * I_j).
// Every derivative vector is the exact analytic derivative of its terms.
#pragma once

#include <cstdint>

constexpr int kIdealTerms = 7;
constexpr int kResidualTerms = 29;

// x to the integer power n by repeated multiplication (n > 0) or division (n < 0).
double powi(double x, int32_t n);

// Sum of a[i] * b[i], i = 0..n-1, added in index order from 0.0.
double dot(const double* a, const double* b, int32_t n);

// Ideal-gas terms I0..I6 of Tr and their derivatives with respect to Tr.
void idealTerms(double Tr, double out[kIdealTerms]);
void idealTermsDTr(double Tr, double out[kIdealTerms]);

// Residual terms t0..t28 of (Tr, delta) and their partial derivatives.
void residualTerms(double Tr, double delta, double out[kResidualTerms]);
void residualTermsDDelta(double Tr, double delta, double out[kResidualTerms]);
void residualTermsDDelta2(double Tr, double delta, double out[kResidualTerms]);
void residualTermsDTr(double Tr, double delta, double out[kResidualTerms]);

// Second delta-derivative of delta^n * E, divided by E.
double powExpDDelta2(double delta, int n);
