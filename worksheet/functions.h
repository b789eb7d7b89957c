// The nineteen worksheet functions, exported under these names. Each takes
// its state arguments as doubles in the user's units, then the unit-system
// code, and returns the address of g_result holding one number.
#pragma once

#include <cstdint>

#include "worksheet/platform.h"
#include "worksheet/xloper.h"

extern "C" {

// Functions of temperature and volume.
QV_EXPORT XLOPER* QV_STDCALL PofTV(double T, double V, int32_t units);
QV_EXPORT XLOPER* QV_STDCALL HofTV(double T, double V, int32_t units);
QV_EXPORT XLOPER* QV_STDCALL SofTV(double T, double V, int32_t units);
QV_EXPORT XLOPER* QV_STDCALL ZofTV(double T, double V, int32_t units);

// Saturation line.
QV_EXPORT XLOPER* QV_STDCALL Psat(double Ts, int32_t units);
QV_EXPORT XLOPER* QV_STDCALL Tsat(double Ps, int32_t units);
QV_EXPORT XLOPER* QV_STDCALL Vf(double Ts, int32_t units);
QV_EXPORT XLOPER* QV_STDCALL Vg(double Ts, int32_t units);
QV_EXPORT XLOPER* QV_STDCALL Hf(double Ts, int32_t units);
QV_EXPORT XLOPER* QV_STDCALL Hg(double Ts, int32_t units);
QV_EXPORT XLOPER* QV_STDCALL Sf(double Ts, int32_t units);
QV_EXPORT XLOPER* QV_STDCALL Sg(double Ts, int32_t units);

// Functions of temperature and pressure.
QV_EXPORT XLOPER* QV_STDCALL VofTP(double T, double P, int32_t units);
QV_EXPORT XLOPER* QV_STDCALL HofTP(double T, double P, int32_t units);
QV_EXPORT XLOPER* QV_STDCALL SofTP(double T, double P, int32_t units);
QV_EXPORT XLOPER* QV_STDCALL ZofTP(double T, double P, int32_t units);

// Functions of pressure with enthalpy or entropy.
QV_EXPORT XLOPER* QV_STDCALL TofPH(double P, double H, int32_t units);
QV_EXPORT XLOPER* QV_STDCALL TofPS(double P, double S, int32_t units);
QV_EXPORT XLOPER* QV_STDCALL HofPS(double P, double S, int32_t units);

}  // extern "C"
