// State functions of temperature and volume, from the Helmholtz energy
//   A = Rj TcR (Tr (alpha_r + ln delta) + sum coefIdeal[j] I_j),
//   alpha_r = delta sum coefResidual[i] t_i,
// with Tr = (T + 459.67) / TcR and delta = vc / v. Each step is evaluated
// in the order written; the order fixes the last bits of the results.
//
// The residual vectors come from state_terms, which forms the values shared
// by several vectors of one state once; a function that needs several
// vectors, or a value that two steps use (the dot product of t, ln Tr,
// ln delta), forms each once. The results are those of the vector functions
// of term_vectors.h combined step by step as written here.
#include "model/state_functions.h"

#include <cmath>

#include "model/evaluation_counts.h"
#include "model/fluid_data.h"
#include "model/model_state.h"
#include "model/state_terms.h"
#include "model/term_vectors.h"

namespace {

double reducedTemperature(double T) { return (T + 459.67) / g_modelState.TcR; }
double reducedDensity(double v) { return g_fluidData.vc / v; }

// The shared values of the residual vectors at (T, v).
struct StateTerms {
    TemperatureTerms tt;
    DensityTerms d;
};

void stateTermsOf(double T, double v, StateTerms& s) {
    temperatureTermsOf(reducedTemperature(T), s.tt);
    densityTermsOf(s.tt, reducedDensity(v), s.d);
}

// idealTerms and idealTermsDTr of Tr, from its logarithm lnTr = log(Tr).
void idealTermsFrom(const TemperatureTerms& tt, double lnTr, double out[kIdealTerms]) {
    const double Tr = tt.Tr;
    out[0] = 1.0;            // powi(Tr, 0)
    out[1] = Tr;             // powi(Tr, 1)
    out[2] = Tr * Tr;        // powi(Tr, 2)
    out[3] = Tr * Tr * Tr;   // powi(Tr, 3)
    out[4] = tt.invTr;       // 1.0 / Tr
    out[5] = lnTr;
    out[6] = Tr * lnTr;
}

void idealTermsDTrFrom(const TemperatureTerms& tt, double lnTr, double out[kIdealTerms]) {
    const double Tr = tt.Tr;
    out[0] = 0 * tt.invTr;   // 0 * powi(Tr, -1)
    out[1] = 1 * 1.0;        // 1 * powi(Tr, 0)
    out[2] = 2 * Tr;         // 2 * powi(Tr, 1)
    out[3] = 3 * (Tr * Tr);  // 3 * powi(Tr, 2)
    out[4] = -1.0 / Tr / Tr;
    out[5] = tt.invTr;       // 1.0 / Tr
    out[6] = lnTr + 1;
}

// Helmholtz energy from dot(coefResidual, t) and the ideal vector.
double helmholtzFrom(const TemperatureTerms& tt, double delta, double lnDelta, double dotT,
                     const double I[kIdealTerms]) {
    double a = dotT * delta;
    double b = (a + lnDelta) * tt.Tr;
    double c = b + dot(coefIdeal(), I, kIdealTerms);
    return (g_fluidData.Rj * g_modelState.TcR) * c;
}

// Entropy from dot(coefResidual, t), the vector tTr and the ideal derivative vector.
double entropyFrom(const TemperatureTerms& tt, double delta, double lnDelta, double dotT,
                   const double tTr[kResidualTerms], const double ID[kIdealTerms]) {
    double x = (dot(coefResidual(), tTr, kResidualTerms) * tt.Tr + dotT) * delta;
    double y = dot(coefIdeal(), ID, kIdealTerms) + lnDelta;
    return -((x + y) * g_fluidData.Rj);
}

// G = A + P v 144 / 778.1692623 with P = Z R (T + 459.67) / v / 144.
double gibbsFrom(double T, double v, double Z, double A) {
    double P = pressureFromZ(T, v, Z);
    return A + P * v * 144 / 778.1692623;
}

}  // namespace

double calcZofTV(double T, double v) {
    ensureModel();
    QV_COUNT(plainVectors, 2);
    StateTerms s;
    stateTermsOf(T, v, s);
    double t[kResidualTerms], tD[kResidualTerms];
    residualTermsOf(s.tt, s.d, t);
    residualTermsDDeltaOf(s.tt, s.d, tD);
    return compressibilityOfTerms(s.d.delta, t, tD);
}

double calcDPDVofTV(double T, double v) {
    ensureModel();
    QV_COUNT(plainVectors, 3);
    StateTerms s;
    stateTermsOf(T, v, s);
    double t[kResidualTerms], tD[kResidualTerms], tDD[kResidualTerms];
    residualTermsOf(s.tt, s.d, t);
    residualTermsDDeltaOf(s.tt, s.d, tD);
    residualTermsDDelta2Of(s.tt, s.d, tDD);
    double Z = compressibilityOfTerms(s.d.delta, t, tD);
    double sum = slopeSumOfTerms(s.d.delta, t, tD, tDD);
    // Absolute temperature enters as Tr TcR here, not as T + 459.67.
    return (sum + Z) * s.tt.Tr * g_modelState.TcR / v / v * g_modelState.R / (-144.0);
}

double calcAofTV(double T, double v) {
    ensureModel();
    QV_COUNT(plainVectors, 1);
    StateTerms s;
    stateTermsOf(T, v, s);
    double I[kIdealTerms], t[kResidualTerms];
    idealTermsFrom(s.tt, std::log(s.tt.Tr), I);
    residualTermsOf(s.tt, s.d, t);
    double dotT = dot(coefResidual(), t, kResidualTerms);
    return helmholtzFrom(s.tt, s.d.delta, std::log(s.d.delta), dotT, I);
}

double calcSofTV(double T, double v) {
    ensureModel();
    QV_COUNT(plainVectors, 2);
    StateTerms s;
    stateTermsOf(T, v, s);
    double ID[kIdealTerms], t[kResidualTerms], tTr[kResidualTerms];
    idealTermsDTrFrom(s.tt, std::log(s.tt.Tr), ID);
    residualTermsOf(s.tt, s.d, t);
    residualTermsDTrOf(s.tt, s.d, tTr);
    double dotT = dot(coefResidual(), t, kResidualTerms);
    return entropyFrom(s.tt, s.d.delta, std::log(s.d.delta), dotT, tTr, ID);
}

double calcGofTV(double T, double v) {
    ensureModel();
    QV_COUNT(plainVectors, 3);
    StateTerms s;
    stateTermsOf(T, v, s);
    double I[kIdealTerms], t[kResidualTerms], tD[kResidualTerms];
    idealTermsFrom(s.tt, std::log(s.tt.Tr), I);
    residualTermsOf(s.tt, s.d, t);
    residualTermsDDeltaOf(s.tt, s.d, tD);
    double Z = compressibilityOfTerms(s.d.delta, t, tD);
    double dotT = dot(coefResidual(), t, kResidualTerms);
    double A = helmholtzFrom(s.tt, s.d.delta, std::log(s.d.delta), dotT, I);
    return gibbsFrom(T, v, Z, A);
}

double calcHofTV(double T, double v) {
    ensureModel();
    QV_COUNT(plainVectors, 5);
    StateTerms s;
    stateTermsOf(T, v, s);
    const double lnTr = std::log(s.tt.Tr);
    const double lnDelta = std::log(s.d.delta);
    double I[kIdealTerms], ID[kIdealTerms];
    double t[kResidualTerms], tD[kResidualTerms], tTr[kResidualTerms];
    idealTermsFrom(s.tt, lnTr, I);
    idealTermsDTrFrom(s.tt, lnTr, ID);
    residualTermsOf(s.tt, s.d, t);
    residualTermsDDeltaOf(s.tt, s.d, tD);
    residualTermsDTrOf(s.tt, s.d, tTr);
    double dotT = dot(coefResidual(), t, kResidualTerms);
    double S = entropyFrom(s.tt, s.d.delta, lnDelta, dotT, tTr, ID);
    double Z = compressibilityOfTerms(s.d.delta, t, tD);
    double A = helmholtzFrom(s.tt, s.d.delta, lnDelta, dotT, I);
    double G = gibbsFrom(T, v, Z, A);
    return G + S * (T + 459.67);
}
