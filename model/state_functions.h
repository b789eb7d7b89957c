// State functions of temperature (F) and specific volume (ft3/lbm).
#pragma once

#include "model/model_state.h"

double calcZofTV(double T, double v);     // compressibility factor
double calcDPDVofTV(double T, double v);  // (dP/dv) at constant T, psia per ft3/lbm
double calcAofTV(double T, double v);     // Helmholtz energy, Btu/lbm
double calcGofTV(double T, double v);     // Gibbs energy, Btu/lbm
double calcSofTV(double T, double v);     // entropy, Btu/(lbm R)
double calcHofTV(double T, double v);     // enthalpy, Btu/lbm

// The pressure relation, psia: Z R (T + 459.67) / v / 144, evaluated left to
// right, from a compressibility Z already computed at (T, v) (so that R is
// read only after the call that may initialise the model has returned).
inline double pressureFromZ(double T, double v, double Z) {
    return Z * g_modelState.R * (T + 459.67) / v / 144;
}
