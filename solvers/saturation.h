// The liquid-vapour saturation line from the triple point (Tt, Pt) to the
// critical point (Tc, Pc), clamped to its ends outside that span.
#pragma once

double calcPsat(double T);  // saturation pressure (psia) at T (F)
double calcTsat(double P);  // saturation temperature (F) at P (psia), by bisection
double estVf(double T);     // starting estimate of the saturated-liquid volume, ft3/lbm
double estVg(double T);     // starting estimate of the saturated-vapour volume, ft3/lbm
