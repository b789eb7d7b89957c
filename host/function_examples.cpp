#include "host/function_examples.h"

#include <cstdio>

namespace {

// Saturated states at 25 °C or 1 bar; single-phase states at 100 °C and
// 1 bar or 0.5 m³/kg, both vapour; H and S near those of that vapour.
bool exampleValueOf(const std::string& name, double& value) {
    if (name == "Ts") value = 25;
    else if (name == "Ps") value = 1;
    else if (name == "T") value = 100;
    else if (name == "P") value = 1;
    else if (name == "V") value = 0.5;
    else if (name == "H") value = 300;
    else if (name == "S") value = 1.15;
    else if (name == "units") value = kExampleUnits;
    else return false;
    return true;
}

}  // namespace

bool exampleArgumentsOf(const RegisteredFunction& function, std::vector<double>& arguments) {
    arguments.clear();
    for (const std::string& name : function.argumentNames) {
        double value;
        if (!exampleValueOf(name, value)) return false;
        arguments.push_back(value);
    }
    return true;
}

std::string exampleFormulaOf(const RegisteredFunction& function, const std::vector<double>& arguments) {
    std::string formula = function.name + "(";
    for (size_t i = 0; i < arguments.size(); ++i) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.15g", arguments[i]);
        formula += (i ? ", " : "") + std::string(buffer);
    }
    return formula + ")";
}
