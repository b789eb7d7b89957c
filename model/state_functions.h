// State functions of temperature (F) and specific volume (ft3/lbm).
#pragma once

double calcZofTV(double T, double v);     // compressibility factor
double calcDPDVofTV(double T, double v);  // (dP/dv) at constant T, psia per ft3/lbm
double calcAofTV(double T, double v);     // Helmholtz energy, Btu/lbm
double calcGofTV(double T, double v);     // Gibbs energy, Btu/lbm
double calcSofTV(double T, double v);     // entropy, Btu/(lbm R)
double calcHofTV(double T, double v);     // enthalpy, Btu/lbm
