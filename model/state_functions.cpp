// State functions of temperature and volume, from the Helmholtz energy
//   A = Rj TcR (Tr (alpha_r + ln delta) + sum coefIdeal[j] I_j),
//   alpha_r = delta sum coefResidual[i] t_i,
// with Tr = (T + 459.67) / TcR and delta = vc / v. Each step is evaluated
// in the order written; the order fixes the last bits of the results.
#include "model/state_functions.h"

#include <cmath>

#include "model/evaluation_counts.h"
#include "model/fluid_data.h"
#include "model/model_state.h"
#include "model/term_vectors.h"

namespace {

double reducedTemperature(double T) { return (T + 459.67) / g_modelState.TcR; }
double reducedDensity(double v) { return g_fluidData.vc / v; }

// Z = 1 + delta d(alpha_r)/d(delta) from the terms and their delta-derivatives.
double compressibilityFromTerms(double delta, const double t[kResidualTerms],
                                const double tD[kResidualTerms]) {
    double w[kResidualTerms];
    for (int i = 0; i < kResidualTerms; ++i) w[i] = (delta * tD[i] + t[i]) * delta;
    return dot(coefResidual(), w, kResidualTerms) + 1.0;
}

}  // namespace

double calcZofTV(double T, double v) {
    ensureModel();
    QV_COUNT(plainVectors, 2);
    double Tr = reducedTemperature(T);
    double delta = reducedDensity(v);
    double t[kResidualTerms], tD[kResidualTerms];
    residualTerms(Tr, delta, t);
    residualTermsDDelta(Tr, delta, tD);
    return compressibilityFromTerms(delta, t, tD);
}

double calcDPDVofTV(double T, double v) {
    ensureModel();
    QV_COUNT(plainVectors, 3);
    double Tr = reducedTemperature(T);
    double delta = reducedDensity(v);
    double t[kResidualTerms], tD[kResidualTerms], tDD[kResidualTerms];
    residualTerms(Tr, delta, t);
    residualTermsDDelta(Tr, delta, tD);
    residualTermsDDelta2(Tr, delta, tDD);
    double Z = compressibilityFromTerms(delta, t, tD);
    double u[kResidualTerms];
    for (int i = 0; i < kResidualTerms; ++i)
        u[i] = ((delta * tDD[i] + 3 * tD[i]) * delta + t[i]) * delta;
    double s = dot(coefResidual(), u, kResidualTerms);
    // Absolute temperature enters as Tr TcR here, not as T + 459.67.
    return (s + Z) * Tr * g_modelState.TcR / v / v * g_modelState.R / (-144.0);
}

double calcAofTV(double T, double v) {
    ensureModel();
    QV_COUNT(plainVectors, 1);
    double Tr = reducedTemperature(T);
    double delta = reducedDensity(v);
    double I[kIdealTerms], t[kResidualTerms];
    idealTerms(Tr, I);
    residualTerms(Tr, delta, t);
    double a = dot(coefResidual(), t, kResidualTerms) * delta;
    double b = (a + std::log(delta)) * Tr;
    double c = b + dot(coefIdeal(), I, kIdealTerms);
    return (g_fluidData.Rj * g_modelState.TcR) * c;
}

double calcSofTV(double T, double v) {
    ensureModel();
    QV_COUNT(plainVectors, 2);
    double Tr = reducedTemperature(T);
    double delta = reducedDensity(v);
    double ID[kIdealTerms], t[kResidualTerms], tTr[kResidualTerms];
    idealTermsDTr(Tr, ID);
    residualTerms(Tr, delta, t);
    residualTermsDTr(Tr, delta, tTr);
    double x = (dot(coefResidual(), tTr, kResidualTerms) * Tr
                + dot(coefResidual(), t, kResidualTerms)) * delta;
    double y = dot(coefIdeal(), ID, kIdealTerms) + std::log(delta);
    return -((x + y) * g_fluidData.Rj);
}

double calcGofTV(double T, double v) {
    double Z = calcZofTV(T, v);
    double P = Z * g_modelState.R * (T + 459.67) / v / 144;
    double A = calcAofTV(T, v);
    return A + P * v * 144 / 778.1692623;
}

double calcHofTV(double T, double v) {
    double S = calcSofTV(T, v);
    double G = calcGofTV(T, v);
    return G + S * (T + 459.67);
}
