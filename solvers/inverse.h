// Property solvers that start from pressure. Below the critical pressure
// the two-phase band between saturated liquid and vapour is tested first;
// outside it, the temperature is found by 32 bisection steps between Tmin
// and Tmax.
#pragma once

double calcHofTP(double T, double P);  // enthalpy, Btu/lbm, at T (F) and P (psia)
double calcTofPH(double P, double H);  // temperature, F, at P (psia) and H (Btu/lbm)
double calcTofPS(double P, double S);  // temperature, F, at P (psia) and S (Btu/(lbm R))
double calcHofPS(double P, double S);  // enthalpy, Btu/lbm, at P (psia) and S (Btu/(lbm R))
