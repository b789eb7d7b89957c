#include "host/unit_labels.h"

std::string unitLabelOf(Quantity quantity, int32_t units) {
    const bool metric = units >= 1 && units <= 6 && units != 2;
    switch (quantity) {
    case Quantity::Temperature:
        if (units == 3) return "K";
        return metric ? "°C" : "°F";
    case Quantity::Pressure:
        switch (units) {
        case 1: case 5: return "bar";
        case 2: return "psig";
        case 3: return "MPa";
        case 4: return "kPa";
        case 6: return "kgf/cm²";
        default: return "psia";
        }
    case Quantity::Volume:
        return metric ? "m³/kg" : "ft³/lbm";
    case Quantity::Enthalpy:
        if (units == 5 || units == 6) return "kcal/kg";
        return metric ? "kJ/kg" : "Btu/lbm";
    case Quantity::Entropy:
        if (units == 5 || units == 6) return "kcal/(kg·K)";
        return metric ? "kJ/(kg·K)" : "Btu/(lbm·°R)";
    case Quantity::Compressibility:
        return "-";
    }
    return "";
}

std::string quantityNameOf(Quantity quantity) {
    switch (quantity) {
    case Quantity::Temperature: return "temperature";
    case Quantity::Pressure: return "pressure";
    case Quantity::Volume: return "specific volume";
    case Quantity::Enthalpy: return "enthalpy";
    case Quantity::Entropy: return "entropy";
    case Quantity::Compressibility: return "compressibility";
    }
    return "";
}

std::string unitSystemSummaryOf(int32_t units) {
    return unitLabelOf(Quantity::Temperature, units) + ", " + unitLabelOf(Quantity::Pressure, units) +
           ", " + unitLabelOf(Quantity::Volume, units) + ", " + unitLabelOf(Quantity::Enthalpy, units) +
           ", " + unitLabelOf(Quantity::Entropy, units);
}

bool quantityOfArgumentName(const std::string& name, Quantity& quantity) {
    if (name == "T" || name == "Ts") quantity = Quantity::Temperature;
    else if (name == "P" || name == "Ps") quantity = Quantity::Pressure;
    else if (name == "V") quantity = Quantity::Volume;
    else if (name == "H") quantity = Quantity::Enthalpy;
    else if (name == "S") quantity = Quantity::Entropy;
    else return false;
    return true;
}

bool quantityOfFunctionHelp(const std::string& help, Quantity& quantity) {
    // The quantity is the last of these words in the text: "specific volume
    // of saturated liquid" is a volume, "saturation pressure" a pressure.
    static const struct { const char* word; Quantity quantity; } words[] = {
        {"temperature", Quantity::Temperature}, {"pressure", Quantity::Pressure},
        {"volume", Quantity::Volume},           {"enthalpy", Quantity::Enthalpy},
        {"entropy", Quantity::Entropy},         {"compressibility", Quantity::Compressibility},
    };
    std::string::size_type best = std::string::npos;
    for (const auto& w : words) {
        auto at = help.find(w.word);
        if (at != std::string::npos && (best == std::string::npos || at > best)) {
            best = at;
            quantity = w.quantity;
        }
    }
    return best != std::string::npos;
}
