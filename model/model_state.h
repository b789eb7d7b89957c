// Process-wide constants derived from the data set on first use.
#pragma once

struct ModelState {
    double R;     // gas constant, ft lbf/(lbm R); > 0 marks the model as initialised
    double TcR;   // critical temperature, R
    double Tmin;  // lowest temperature, F
    double Tmax;  // highest temperature, F
    double Pmin;  // lowest pressure, psia
    double Pmax;  // highest pressure, psia
    double vmin;  // smallest specific volume, ft3/lbm
    double vmax;  // largest specific volume, ft3/lbm
    double Hmin;  // lowest enthalpy, Btu/lbm
    double Hmax;  // highest enthalpy, Btu/lbm
    double Smin;  // lowest entropy, Btu/(lbm R)
    double Smax;  // highest entropy, Btu/(lbm R)
};

// All zero until initModel runs; read-only afterwards.
extern ModelState g_modelState;

// Derives R, TcR, Rj and Zc, then the property bounds. Runs once, from the
// first entry routine of the model that finds R not positive.
void initModel();

// The lazy-initialisation test that every entry routine of the model makes
// before anything else.
inline void ensureModel() {
    if (!(g_modelState.R > 0)) initModel();
}
