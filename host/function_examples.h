// One worked example for each registered function, built from its argument
// names: a state in the metric system of code 1 (°C, bar, m³/kg, kJ/kg,
// kJ/(kg·K)) that lies inside the fluid's range for every function.
#pragma once

#include <string>
#include <vector>

#include "host/addin_loader.h"

constexpr int kExampleUnits = 1;

// The argument values in order, the unit code last; false when an argument
// name is not one the add-in's functions use.
bool exampleArgumentsOf(const RegisteredFunction& function, std::vector<double>& arguments);

// "Psat(25, 1)": the formula as a user types it, without "=".
std::string exampleFormulaOf(const RegisteredFunction& function, const std::vector<double>& arguments);
