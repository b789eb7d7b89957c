#include "host/table_build.h"

#include <cmath>
#include <cstdio>

#include "host/fluid_bounds.h"

namespace {

std::string valueWithUnit(double x, Quantity quantity, int32_t units) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.6g ", x);
    return buffer + unitLabelOf(quantity, units);
}

// Bounds compared with a margin of a billionth of the span, so that a bound
// typed as printed (-108.15 for the triple point in °C) is accepted.
bool insideSpan(double x, double lo, double hi) {
    const double margin = (hi - lo) * 1e-9;
    return x >= lo - margin && x <= hi + margin;
}

bool checkOnSaturationLine(const std::vector<double>& values, double lo, double hi, Quantity quantity,
                           int32_t units, std::string& error) {
    for (double x : values) {
        if (!insideSpan(x, lo, hi)) {
            error = quantityNameOf(quantity) + " " + valueWithUnit(x, quantity, units) +
                    " is off the saturation line, which runs from the triple point " +
                    valueWithUnit(lo, quantity, units) + " to the critical point " +
                    valueWithUnit(hi, quantity, units);
            return false;
        }
    }
    return true;
}

std::vector<TableColumn> saturationColumns(const char* first, Quantity firstQuantity, const char* second,
                                           Quantity secondQuantity) {
    return {{first, firstQuantity},         {second, secondQuantity},    {"Vf", Quantity::Volume},
            {"Vg", Quantity::Volume},       {"Hf", Quantity::Enthalpy},  {"Hg", Quantity::Enthalpy},
            {"Hfg", Quantity::Enthalpy},    {"Sf", Quantity::Entropy},   {"Sg", Quantity::Entropy}};
}

}  // namespace

std::vector<TableColumn> saturationColumnsByTemperature() {
    return saturationColumns("T", Quantity::Temperature, "Psat", Quantity::Pressure);
}

std::vector<TableColumn> isobarColumns() {
    return {{"T", Quantity::Temperature}, {"V", Quantity::Volume}, {"H", Quantity::Enthalpy},
            {"S", Quantity::Entropy},     {"Z", Quantity::Compressibility}};
}

std::vector<double> saturationRowAt(const CellEvaluator& evaluate, double Ts, int32_t units) {
    const double hf = evalCell(evaluate, "Hf", {Ts}, units);
    const double hg = evalCell(evaluate, "Hg", {Ts}, units);
    return {Ts,
            evalCell(evaluate, "Psat", {Ts}, units),
            evalCell(evaluate, "Vf", {Ts}, units),
            evalCell(evaluate, "Vg", {Ts}, units),
            hf,
            hg,
            hg - hf,
            evalCell(evaluate, "Sf", {Ts}, units),
            evalCell(evaluate, "Sg", {Ts}, units)};
}

bool saturationTableByTemperature(const CellEvaluator& evaluate, const std::vector<double>& temperatures,
                                  int32_t units, PropertyTable& table, std::string& error) {
    const double Tt = evalCell(evaluate, "Tsat", {-1e300}, units);
    const double Tc = evalCell(evaluate, "Tsat", {1e300}, units);
    if (!checkOnSaturationLine(temperatures, Tt, Tc, Quantity::Temperature, units, error)) return false;
    table = PropertyTable{};
    table.units = units;
    table.columns = saturationColumnsByTemperature();
    for (double T : temperatures) table.rows.push_back(saturationRowAt(evaluate, T, units));
    return true;
}

bool saturationTableByPressure(const CellEvaluator& evaluate, const std::vector<double>& pressures,
                               int32_t units, PropertyTable& table, std::string& error) {
    const double Pt = evalCell(evaluate, "Psat", {-1e300}, units);
    const double Pc = evalCell(evaluate, "Psat", {1e300}, units);
    if (!checkOnSaturationLine(pressures, Pt, Pc, Quantity::Pressure, units, error)) return false;
    table = PropertyTable{};
    table.units = units;
    table.columns = saturationColumns("P", Quantity::Pressure, "Tsat", Quantity::Temperature);
    for (double P : pressures) {
        std::vector<double> row = saturationRowAt(evaluate, evalCell(evaluate, "Tsat", {P}, units), units);
        row[1] = row[0];  // Tsat
        row[0] = P;
        table.rows.push_back(row);
    }
    return true;
}

bool isobarTable(const CellEvaluator& evaluate, double P, const std::vector<double>& temperatures,
                 int32_t units, PropertyTable& table, std::string& error) {
    const FluidBounds b = saturationAndTemperatureBoundsOf(evaluate, units);
    if (!std::isfinite(P) || !pressureInsideModel(evaluate, P, b, units)) {
        const FluidBounds all = fluidBoundsOf(evaluate, units);
        error = "pressure " + valueWithUnit(P, Quantity::Pressure, units) + " is outside the model's range, " +
                valueWithUnit(all.Pmin, Quantity::Pressure, units) + " to " +
                valueWithUnit(all.Pmax, Quantity::Pressure, units);
        return false;
    }
    for (double T : temperatures) {
        if (!insideSpan(T, b.Tmin, b.Tmax)) {
            error = "temperature " + valueWithUnit(T, Quantity::Temperature, units) +
                    " is outside the model's range, " + valueWithUnit(b.Tmin, Quantity::Temperature, units) +
                    " to " + valueWithUnit(b.Tmax, Quantity::Temperature, units);
            return false;
        }
    }
    table = PropertyTable{};
    table.units = units;
    table.columns = isobarColumns();
    table.noteHeader = "phase";

    const bool subcritical = P < b.Pc;
    const double Ts = subcritical ? evalCell(evaluate, "Tsat", {P}, units) : 0;
    auto addSaturated = [&](bool vaporFirst) {
        const double vf = evalCell(evaluate, "Vf", {Ts}, units);
        const double vg = evalCell(evaluate, "Vg", {Ts}, units);
        const std::vector<double> liquid = {Ts, vf, evalCell(evaluate, "Hf", {Ts}, units),
                                            evalCell(evaluate, "Sf", {Ts}, units),
                                            evalCell(evaluate, "ZofTV", {Ts, vf}, units)};
        const std::vector<double> vapor = {Ts, vg, evalCell(evaluate, "Hg", {Ts}, units),
                                           evalCell(evaluate, "Sg", {Ts}, units),
                                           evalCell(evaluate, "ZofTV", {Ts, vg}, units)};
        table.rows.push_back(vaporFirst ? vapor : liquid);
        table.notes.push_back(vaporFirst ? "sat. vapor" : "sat. liquid");
        table.rows.push_back(vaporFirst ? liquid : vapor);
        table.notes.push_back(vaporFirst ? "sat. liquid" : "sat. vapor");
    };

    for (size_t i = 0; i < temperatures.size(); ++i) {
        const double T = temperatures[i];
        if (subcritical && i > 0) {
            const double before = temperatures[i - 1];
            const bool rising = before < Ts && Ts <= T;
            const bool falling = before > Ts && Ts >= T;
            if (rising || falling) addSaturated(falling);
        } else if (subcritical && i == 0 && T == Ts) {
            addSaturated(temperatures.size() > 1 && temperatures[1] < Ts);
        }
        if (subcritical && T == Ts) continue;  // the saturated rows stand for it
        table.rows.push_back({T, evalCell(evaluate, "VofTP", {T, P}, units),
                              evalCell(evaluate, "HofTP", {T, P}, units),
                              evalCell(evaluate, "SofTP", {T, P}, units),
                              evalCell(evaluate, "ZofTP", {T, P}, units)});
        const char* phase;
        if (T >= b.Tc)
            phase = P >= b.Pc ? "supercritical" : "vapor";
        else
            phase = P > evalCell(evaluate, "Psat", {T}, units) ? "liquid" : "vapor";
        table.notes.push_back(phase);
    }
    return true;
}
