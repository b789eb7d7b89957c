// The fluid's constant data set and the unit constants of the model.
//
// Internal units everywhere in the model and the solvers: temperature in
// degrees F (absolute temperature in degrees R = F + 459.67), pressure in
// psia, specific volume in ft3/lbm, energy in Btu/lbm, entropy in
// Btu/(lbm R).
#pragma once

// One record of 50 doubles, in this order. Zc and Rj are recomputed on
// first use (initModel) and come out equal to the stored values.
struct FluidData {
    double Tc;           // critical temperature, F
    double Pc;           // critical pressure, psia
    double vc;           // critical specific volume, ft3/lbm
    double Zc;           // critical compressibility factor
    double Tt;           // triple-point (lowest saturation) temperature, F
    double Pt;           // saturation pressure at Tt, psia
    double vft;          // saturated-liquid volume at Tt, ft3/lbm
    double MW;           // molar mass, lbm/lbmol
    double Rj;           // gas constant in heat units, Btu/(lbm R)
    double gamma;        // constant of the density factor exp(-gamma delta^2)
    double coef[36];     // 7 ideal-gas coefficients, then 29 residual ones
    double psatCoef[4];  // vapour-pressure coefficients a0..a3
};

static_assert(sizeof(FluidData) == 50 * sizeof(double), "FluidData is 50 doubles");

extern FluidData g_fluidData;

// coefIdeal is g_coef[0..6], coefResidual is g_coef[7..35].
extern double* const g_coef;
extern double* const g_psatCoef;

inline double* coefIdeal() { return g_coef; }
inline double* coefResidual() { return g_coef + 7; }
