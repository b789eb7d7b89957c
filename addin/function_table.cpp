#include "addin/function_table.h"

namespace {
constexpr FunctionTableEntry kEnd = {0, nullptr, nullptr};
constexpr FunctionTableEntry kTs = {'B', "Ts", "saturation temperature"};
constexpr FunctionTableEntry kPs = {'B', "Ps", "saturation pressure"};
constexpr FunctionTableEntry kT = {'B', "T", "temperature"};
constexpr FunctionTableEntry kP = {'B', "P", "pressure"};
constexpr FunctionTableEntry kV = {'B', "V", "specific volume"};
constexpr FunctionTableEntry kH = {'B', "H", "enthalpy"};
constexpr FunctionTableEntry kS = {'B', "S", "entropy"};
constexpr FunctionTableEntry kUnits = {'J', "units", "units (0-7)"};
}  // namespace

const FunctionTableEntry g_functionTable[88] = {
    {'R', "Psat", "saturation pressure"}, kTs, kUnits, kEnd,
    {'R', "Tsat", "saturation temperature"}, kPs, kUnits, kEnd,
    {'R', "Vf", "specific volume of saturated liquid"}, kTs, kUnits, kEnd,
    {'R', "Vg", "specific volume of saturated vapor"}, kTs, kUnits, kEnd,
    {'R', "Hf", "enthalpy of saturated liquid"}, kTs, kUnits, kEnd,
    {'R', "Hg", "enthalpy of saturated vapor"}, kTs, kUnits, kEnd,
    {'R', "Sf", "entropy of saturated liquid"}, kTs, kUnits, kEnd,
    {'R', "Sg", "entropy of saturated vapor"}, kTs, kUnits, kEnd,
    {'R', "PofTV", "pressure"}, kT, kV, kUnits, kEnd,
    {'R', "VofTP", "specific volume"}, kT, kP, kUnits, kEnd,
    {'R', "HofTV", "enthalpy"}, kT, kV, kUnits, kEnd,
    {'R', "HofTP", "enthalpy"}, kT, kP, kUnits, kEnd,
    {'R', "SofTV", "entropy"}, kT, kV, kUnits, kEnd,
    {'R', "SofTP", "entropy"}, kT, kP, kUnits, kEnd,
    {'R', "TofPH", "temperature"}, kP, kH, kUnits, kEnd,
    {'R', "TofPS", "temperature"}, kP, kS, kUnits, kEnd,
    {'R', "HofPS", "enthalpy"}, kP, kS, kUnits, kEnd,
    {'R', "ZofTV", "compressibility"}, kT, kV, kUnits, kEnd,
    {'R', "ZofTP", "compressibility"}, kT, kP, kUnits, kEnd,
    kEnd,
};

const unsigned char g_addinName[27] = "\x19Quorvex Equation of State";
