// The lines of the pressure–enthalpy and temperature–entropy diagrams, every
// point taken from the registered worksheet functions: the saturation dome
// from the same saturation rows as `quorvex table saturation`, isotherms
// from HofTP, isentropes from HofPS and isobars from SofTP.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/cell_evaluator.h"

enum class ChartLineKind { Dome, Isotherm, Isentrope, Isobar };

struct ChartLine {
    ChartLineKind kind;
    double value;        // the temperature, entropy or pressure of the line; unused for the dome
    std::string label;   // "100", "0.25", ...
    std::vector<double> x, y;  // in the user's units; y of the P–h diagram is the pressure itself
};

struct ChartData {
    std::string title, xTitle, yTitle;
    std::string lineLegend;    // "isotherms (°C)", "isobars (bar)", ...
    std::string secondLegend;  // "isentropes (kJ/(kg·K))" or empty
    bool logY = false;
    double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    double criticalX = 0, criticalY = 0;
    std::vector<ChartLine> lines;
};

// Window limits from the options; absent ones come from the model's bounds.
struct ChartRanges {
    std::optional<double> pmin, pmax, hmin, hmax;  // pressure–enthalpy
    std::optional<double> tmin, tmax, smin, smax;  // temperature–entropy
};

bool phChartData(const CellEvaluator& evaluate, int32_t units, const ChartRanges& ranges, ChartData& chart,
                 std::string& error);
bool tsChartData(const CellEvaluator& evaluate, int32_t units, const ChartRanges& ranges, ChartData& chart,
                 std::string& error);

// Values k * step inside [lo, hi] for a step of 1, 2 or 5 times a power of
// ten that gives about `count` of them.
std::vector<double> roundValuesBetween(double lo, double hi, int count);

// 1, 2 and 5 times the powers of ten inside [lo, hi] (lo > 0), thinned to at
// most about `count` values by dropping first the 2s, then the 5s, then
// every other decade.
std::vector<double> roundLogValuesBetween(double lo, double hi, int count);
