// Saturation and isobar tables, every number taken from the registered
// worksheet functions of the add-in.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/cell_evaluator.h"
#include "host/unit_labels.h"

struct TableColumn {
    std::string symbol;  // "T", "Psat", ...
    Quantity quantity;   // fixes the unit in the header
};

struct PropertyTable {
    int32_t units = 0;
    std::vector<TableColumn> columns;
    std::vector<std::vector<double>> rows;
    std::string noteHeader;          // a last text column ("phase"); empty for none
    std::vector<std::string> notes;  // one per row when noteHeader is set
};

// The columns of the saturation table by temperature (T, Psat, Vf, Vg, Hf,
// Hg, Hfg, Sf, Sg) and of the isobar table (T, V, H, S, Z).
std::vector<TableColumn> saturationColumnsByTemperature();
std::vector<TableColumn> isobarColumns();

// One saturation row at the saturation temperature Ts: Psat, Vf, Vg, Hf,
// Hg, Hfg = Hg - Hf, Sf, Sg after Ts, as a worksheet row would compute them.
std::vector<double> saturationRowAt(const CellEvaluator& evaluate, double Ts, int32_t units);

// T, Psat, Vf, Vg, Hf, Hg, Hfg, Sf, Sg at each temperature, all of which must
// lie on the saturation line (triple point to critical point).
bool saturationTableByTemperature(const CellEvaluator& evaluate, const std::vector<double>& temperatures,
                                  int32_t units, PropertyTable& table, std::string& error);

// P, Tsat, Vf, Vg, Hf, Hg, Hfg, Sf, Sg at each saturation pressure.
bool saturationTableByPressure(const CellEvaluator& evaluate, const std::vector<double>& pressures,
                               int32_t units, PropertyTable& table, std::string& error);

// T, V, H, S, Z and the phase at one pressure. Where the temperatures pass
// the saturation temperature of that pressure, the saturated liquid and
// vapour rows are put in between, so the table shows the two-phase jump.
bool isobarTable(const CellEvaluator& evaluate, double P, const std::vector<double>& temperatures,
                 int32_t units, PropertyTable& table, std::string& error);
