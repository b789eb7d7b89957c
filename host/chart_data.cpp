#include "host/chart_data.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "host/fluid_bounds.h"
#include "host/table_build.h"
#include "host/unit_labels.h"

namespace {

constexpr int kPointsPerLine = 160;
// HofPS is the slowest road of the add-in (a temperature search in which
// every step solves for a volume); its smooth lines need fewer points.
constexpr int kPointsPerIsentrope = 60;

std::string roundLabel(double x) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6g", x);
    return buffer;
}

// n + 1 values from lo to hi, spaced evenly in the logarithm.
std::vector<double> logSpaced(double lo, double hi, int n) {
    std::vector<double> values;
    const double a = std::log(lo), b = std::log(hi);
    for (int i = 0; i <= n; ++i) values.push_back(i == 0 ? lo : i == n ? hi : std::exp(a + (b - a) * i / n));
    return values;
}

std::vector<double> evenlySpaced(double lo, double hi, int n) {
    std::vector<double> values;
    for (int i = 0; i <= n; ++i) values.push_back(i == n ? hi : lo + (hi - lo) * i / n);
    return values;
}

bool checkWindow(const char* name, double lo, double hi, bool positive, std::string& error) {
    if (!(lo < hi)) {
        error = std::string("--") + name + "min must be below --" + name + "max";
        return false;
    }
    if (positive && !(lo > 0)) {
        error = std::string("--") + name + "min must be above zero on the logarithmic pressure axis";
        return false;
    }
    return true;
}

bool refuseGauge(int32_t units, std::string& error) {
    if (units != 2) return false;
    error = "unit system 2 gives gauge pressures, which a logarithmic pressure scale cannot show; "
            "use --units 0 for psia";
    return true;
}

// The saturation dome as one closed line: the liquid side from the triple
// point up to the critical point, then the vapour side back down, from the
// saturation rows at the temperatures `Ts`. `x` picks the column (Hf and Hg,
// or Sf and Sg) and `yOf` the ordinate.
template <typename Ordinate>
ChartLine domeLine(const CellEvaluator& evaluate, const std::vector<double>& Ts, int32_t units, size_t liquid,
                   size_t vapor, Ordinate yOf) {
    std::vector<std::vector<double>> rows;
    for (double T : Ts) rows.push_back(saturationRowAt(evaluate, T, units));
    ChartLine dome{ChartLineKind::Dome, 0, "saturation", {}, {}};
    for (const auto& row : rows) {
        dome.x.push_back(row[liquid]);
        dome.y.push_back(yOf(row));
    }
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        dome.x.push_back((*row)[vapor]);
        dome.y.push_back(yOf(*row));
    }
    return dome;
}

}  // namespace

std::vector<double> roundValuesBetween(double lo, double hi, int count) {
    std::vector<double> values;
    if (!(hi > lo) || count < 1) return values;
    const double raw = (hi - lo) / count;
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    double step = decade;
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * decade >= raw) { step = m * decade; break; }
    for (double k = std::ceil(lo / step); k * step <= hi; k += 1) values.push_back(k * step == 0 ? 0 : k * step);
    return values;
}

std::vector<double> roundLogValuesBetween(double lo, double hi, int count) {
    std::vector<double> values;
    if (!(lo > 0) || !(hi > lo)) return values;
    const int first = static_cast<int>(std::floor(std::log10(lo)));
    const int last = static_cast<int>(std::ceil(std::log10(hi)));
    const std::vector<std::vector<double>> mantissas = {{1, 2, 5}, {1, 5}, {1}};
    for (const auto& m : mantissas) {
        values.clear();
        for (int e = first; e <= last; ++e)
            for (double k : m) {
                const double x = k * std::pow(10.0, e);
                if (x >= lo && x <= hi) values.push_back(x);
            }
        if (static_cast<int>(values.size()) <= count) return values;
    }
    while (static_cast<int>(values.size()) > count && values.size() > 1) {
        std::vector<double> thinned;
        for (size_t i = 0; i < values.size(); i += 2) thinned.push_back(values[i]);
        values = thinned;
    }
    return values;
}

bool phChartData(const CellEvaluator& evaluate, int32_t units, const ChartRanges& ranges, ChartData& chart,
                 std::string& error) {
    if (refuseGauge(units, error)) return false;
    const FluidBounds b = fluidBoundsOf(evaluate, units);
    chart = ChartData{};
    chart.logY = true;
    chart.xmin = ranges.hmin.value_or(b.Hmin);
    chart.xmax = ranges.hmax.value_or(b.Hmax);
    chart.ymin = ranges.pmin.value_or(b.Pmin);
    chart.ymax = ranges.pmax.value_or(b.Pmax);
    if (!checkWindow("h", chart.xmin, chart.xmax, false, error) ||
        !checkWindow("p", chart.ymin, chart.ymax, true, error))
        return false;
    chart.title = "Pressure–enthalpy diagram";
    chart.xTitle = "Enthalpy H (" + unitLabelOf(Quantity::Enthalpy, units) + ")";
    chart.yTitle = "Pressure P (" + unitLabelOf(Quantity::Pressure, units) + ")";
    chart.lineLegend = "isotherms (" + unitLabelOf(Quantity::Temperature, units) + ")";
    chart.secondLegend = "isentropes (" + unitLabelOf(Quantity::Entropy, units) + ")";

    // The dome at saturation temperatures evenly spaced in log pressure.
    std::vector<double> Ts;
    for (double P : logSpaced(b.Pt, b.Pc, kPointsPerLine)) Ts.push_back(evalCell(evaluate, "Tsat", {P}, units));
    Ts.front() = b.Tt;
    Ts.back() = b.Tc;
    chart.lines.push_back(domeLine(evaluate, Ts, units, 4, 5, [](const std::vector<double>& row) { return row[1]; }));
    chart.criticalX = evalCell(evaluate, "Hf", {b.Tc}, units);
    chart.criticalY = b.Pc;

    const std::vector<double> pressures = logSpaced(chart.ymin, chart.ymax, kPointsPerLine);

    // Isotherms over the temperatures the window shows.
    double tlo = b.Tmax, thi = b.Tmin;
    for (double P : {chart.ymin, chart.ymax})
        for (double H : {chart.xmin, chart.xmax}) {
            const double T = evalCell(evaluate, "TofPH", {P, H}, units);
            tlo = std::min(tlo, T);
            thi = std::max(thi, T);
        }
    for (double T : roundValuesBetween(std::max(tlo, b.Tt), std::min(thi, b.Tmax), 12)) {
        ChartLine line{ChartLineKind::Isotherm, T, roundLabel(T), {}, {}};
        const bool wet = T < b.Tc;
        const double Ps = wet ? evalCell(evaluate, "Psat", {T}, units) : 0;
        bool crossed = !wet;
        for (double P : pressures) {
            if (!crossed && P >= Ps) {
                // Across the dome the isotherm is the horizontal line at Psat.
                line.x.push_back(evalCell(evaluate, "Hg", {T}, units));
                line.y.push_back(Ps);
                line.x.push_back(evalCell(evaluate, "Hf", {T}, units));
                line.y.push_back(Ps);
                crossed = true;
                if (P == Ps) continue;
            }
            line.x.push_back(evalCell(evaluate, "HofTP", {T, P}, units));
            line.y.push_back(P);
        }
        chart.lines.push_back(line);
    }

    // Isentropes over the model's entropies.
    for (double S : roundValuesBetween(b.Smin, b.Smax, 8)) {
        if (S <= b.Smin) continue;
        ChartLine line{ChartLineKind::Isentrope, S, roundLabel(S), {}, {}};
        for (double P : logSpaced(chart.ymin, chart.ymax, kPointsPerIsentrope)) {
            line.x.push_back(evalCell(evaluate, "HofPS", {P, S}, units));
            line.y.push_back(P);
        }
        chart.lines.push_back(line);
    }
    return true;
}

bool tsChartData(const CellEvaluator& evaluate, int32_t units, const ChartRanges& ranges, ChartData& chart,
                 std::string& error) {
    if (refuseGauge(units, error)) return false;
    const FluidBounds b = fluidBoundsOf(evaluate, units);
    chart = ChartData{};
    chart.xmin = ranges.smin.value_or(b.Smin);
    chart.xmax = ranges.smax.value_or(b.Smax);
    chart.ymin = ranges.tmin.value_or(b.Tmin);
    chart.ymax = ranges.tmax.value_or(b.Tmax);
    if (!checkWindow("s", chart.xmin, chart.xmax, false, error) ||
        !checkWindow("t", chart.ymin, chart.ymax, false, error))
        return false;
    chart.title = "Temperature–entropy diagram";
    chart.xTitle = "Entropy S (" + unitLabelOf(Quantity::Entropy, units) + ")";
    chart.yTitle = "Temperature T (" + unitLabelOf(Quantity::Temperature, units) + ")";
    chart.lineLegend = "isobars (" + unitLabelOf(Quantity::Pressure, units) + ")";

    chart.lines.push_back(domeLine(evaluate, evenlySpaced(b.Tt, b.Tc, kPointsPerLine), units, 7, 8,
                                   [](const std::vector<double>& row) { return row[0]; }));
    chart.criticalX = evalCell(evaluate, "Sf", {b.Tc}, units);
    chart.criticalY = b.Tc;

    const std::vector<double> temperatures = evenlySpaced(chart.ymin, chart.ymax, kPointsPerLine);
    for (double P : roundLogValuesBetween(b.Pmin, b.Pmax, 8)) {
        ChartLine line{ChartLineKind::Isobar, P, roundLabel(P), {}, {}};
        const bool wet = P < b.Pc;
        const double Ts = wet ? evalCell(evaluate, "Tsat", {P}, units) : 0;
        bool crossed = !wet || Ts < chart.ymin || Ts > chart.ymax;
        for (double T : temperatures) {
            if (!crossed && T >= Ts) {
                // Across the dome the isobar is the horizontal line at Tsat.
                line.x.push_back(evalCell(evaluate, "Sf", {Ts}, units));
                line.y.push_back(Ts);
                line.x.push_back(evalCell(evaluate, "Sg", {Ts}, units));
                line.y.push_back(Ts);
                crossed = true;
                if (T == Ts) continue;
            }
            line.x.push_back(evalCell(evaluate, "SofTP", {T, P}, units));
            line.y.push_back(T);
        }
        chart.lines.push_back(line);
    }
    return true;
}
