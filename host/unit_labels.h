// Names of the quantities of the worksheet functions and their units under
// each unit-system code, for column headers, axis titles and the function
// reference. Codes 1 to 6 are the metric systems; every other code is US
// customary, like the add-in itself.
#pragma once

#include <cstdint>
#include <string>

enum class Quantity { Temperature, Pressure, Volume, Enthalpy, Entropy, Compressibility };

// "°C", "bar", "m³/kg", ...; "-" for compressibility.
std::string unitLabelOf(Quantity quantity, int32_t units);

// "temperature", "pressure", "specific volume", ...
std::string quantityNameOf(Quantity quantity);

// One line describing the system: "°C, bar, m³/kg, kJ/kg, kJ/(kg·K)".
std::string unitSystemSummaryOf(int32_t units);

// The quantity of a registered argument name ("T", "Ts", "P", "Ps", "V",
// "H", "S"); false for any other name.
bool quantityOfArgumentName(const std::string& name, Quantity& quantity);

// The quantity of a function's result, read from its help text ("saturation
// pressure" -> pressure, "compressibility" -> compressibility); false when
// the text names none.
bool quantityOfFunctionHelp(const std::string& help, Quantity& quantity);
