// Specific volume from temperature and pressure.
#pragma once

// Modes of solveV.
constexpr int kSaturatedLiquid = 1;
constexpr int kSaturatedVapour = 2;
constexpr int kStateTP = 3;  // any other value behaves as this one

// Starting estimate of v (ft3/lbm) at T (F) and P (psia) from a
// compressibility correlation; used above the critical temperature.
double estVofTP(double T, double P);

// Volume (ft3/lbm) at which the equation of state gives the wanted pressure
// at T (F): the saturation pressure in modes 1 and 2 (P is not read), P in
// mode 3. A bracket search from an estimate, then 32 geometric bisections.
double solveV(double T, double P, int mode);
