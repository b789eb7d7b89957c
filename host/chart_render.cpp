#include "host/chart_render.h"

#include <plplot/plstream.h>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Colour map 0: white page, black frame, then the line colours.
enum Colour { kBackground = 0, kFrame = 1, kDome = 2, kFirstFamily = 3, kSecondFamily = 4, kGrid = 5, kCritical = 6 };

void setColours(plstream& pls) {
    const PLINT r[] = {255, 0, 0, 200, 0, 215, 220};
    const PLINT g[] = {255, 0, 0, 60, 120, 215, 0};
    const PLINT b[] = {255, 0, 0, 40, 200, 215, 0};
    pls.scmap0(r, g, b, 7);
}

PLINT colourOf(ChartLineKind kind) {
    switch (kind) {
    case ChartLineKind::Dome: return kDome;
    case ChartLineKind::Isentrope: return kSecondFamily;
    default: return kFirstFamily;
    }
}

// The line in plot coordinates (log10 of the ordinate on a log axis), split
// at points that have no place there.
void drawLine(plstream& pls, const ChartData& chart, const ChartLine& line) {
    std::vector<PLFLT> xs, ys;
    auto flush = [&]() {
        if (xs.size() > 1) pls.line(static_cast<PLINT>(xs.size()), xs.data(), ys.data());
        xs.clear();
        ys.clear();
    };
    for (size_t i = 0; i < line.x.size(); ++i) {
        const double y = chart.logY ? (line.y[i] > 0 ? std::log10(line.y[i]) : NAN) : line.y[i];
        if (!std::isfinite(line.x[i]) || !std::isfinite(y)) {
            flush();
            continue;
        }
        xs.push_back(line.x[i]);
        ys.push_back(y);
    }
    flush();
}

// The value of the line written beside one of its points inside the window:
// isotherms at their low-pressure end, isentropes at their high-pressure
// end, isobars where they cross one of three temperatures in turn, so that
// the labels of neighbouring isobars do not overlap.
void labelLine(plstream& pls, const ChartData& chart, const ChartLine& line, int index, double ylo, double yhi) {
    const double xspan = chart.xmax - chart.xmin, yspan = yhi - ylo;
    const double isobarLevel = ylo + (0.42 + 0.12 * (index % 3)) * yspan;
    long chosen = -1;
    for (size_t i = 0; i < line.x.size(); ++i) {
        const double y = chart.logY ? std::log10(line.y[i]) : line.y[i];
        const bool inside = line.x[i] > chart.xmin + 0.02 * xspan && line.x[i] < chart.xmax - 0.04 * xspan &&
                            y > ylo + 0.03 * yspan && y < yhi - 0.03 * yspan;
        if (!inside) continue;
        if (line.kind == ChartLineKind::Isobar && chosen >= 0 &&
            std::fabs(y - isobarLevel) >= std::fabs(line.y[chosen] - isobarLevel))
            continue;
        chosen = static_cast<long>(i);
        if (line.kind == ChartLineKind::Isotherm) break;
    }
    if (chosen < 0) return;
    const double y = chart.logY ? std::log10(line.y[chosen]) : line.y[chosen];
    pls.ptex(line.x[chosen], y, 1.0, 0.0, 0.0, line.label.c_str());
}

void drawLegend(plstream& pls, const ChartData& chart) {
    struct Entry {
        const char* text;
        PLINT colour;
        bool symbol;
    };
    std::vector<Entry> entries = {{"saturation dome", kDome, false}, {chart.lineLegend.c_str(), kFirstFamily, false}};
    if (!chart.secondLegend.empty()) entries.push_back({chart.secondLegend.c_str(), kSecondFamily, false});
    entries.push_back({"critical point", kCritical, true});

    std::vector<PLINT> options, colours, styles, symbolNumbers, none;
    std::vector<PLFLT> widths, symbolScales, zero;
    std::vector<const char*> texts, symbols;
    for (const Entry& e : entries) {
        options.push_back(e.symbol ? PL_LEGEND_SYMBOL : PL_LEGEND_LINE);
        colours.push_back(e.colour);
        texts.push_back(e.text);
        symbols.push_back(e.symbol ? "⬤" : "");
        styles.push_back(1);
        symbolNumbers.push_back(1);
        none.push_back(0);
        widths.push_back(1.5);
        symbolScales.push_back(0.6);
        zero.push_back(0.0);
    }
    const PLINT n = static_cast<PLINT>(entries.size());
    PLFLT width = 0, height = 0;
    // The T–s diagram is empty at the top left, the P–h one at the top right.
    const PLINT side = chart.logY ? PL_POSITION_RIGHT : PL_POSITION_LEFT;
    pls.legend(&width, &height, PL_LEGEND_BACKGROUND | PL_LEGEND_BOUNDING_BOX,
               PL_POSITION_TOP | side | PL_POSITION_INSIDE, 0.02, 0.02, 0.1, kBackground, kFrame, 1,
               0, 0, n, options.data(), 1.0, 0.8, 2.0, 1.0, colours.data(), texts.data(), none.data(),
               none.data(), zero.data(), zero.data(), colours.data(), styles.data(), widths.data(),
               colours.data(), symbolScales.data(), symbolNumbers.data(), symbols.data());
}

}  // namespace

#if defined(__SANITIZE_ADDRESS__)
// Fontconfig keeps its configuration, and libltdl the PLplot driver it
// opened, until the process ends; LeakSanitizer is told that these are
// theirs and not leaks of ours.
extern "C" __attribute__((visibility("default"))) const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\nleak:libltdl.so\n";
}
#endif

bool renderChart(const ChartData& chart, const std::string& path, std::string& error) {
    const char* device = endsWith(path, ".svg") ? "svgcairo" : endsWith(path, ".png") ? "pngcairo" : nullptr;
    if (!device) {
        error = "the chart file must end in .svg or .png: " + path;
        return false;
    }
    // PLplot ends the process when it cannot open its output, so the file is
    // tried first.
    if (std::FILE* probe = std::fopen(path.c_str(), "wb")) {
        std::fclose(probe);
    } else {
        error = "cannot write " + path;
        return false;
    }

    plstream pls;
    pls.sdev(device);
    pls.sfnam(path.c_str());
    pls.spage(0, 0, 1200, 900, 0, 0);
    setColours(pls);
    pls.init();
    pls.adv(0);
    pls.vpor(0.11, 0.95, 0.10, 0.92);
    const double ylo = chart.logY ? std::log10(chart.ymin) : chart.ymin;
    const double yhi = chart.logY ? std::log10(chart.ymax) : chart.ymax;
    pls.wind(chart.xmin, chart.xmax, ylo, yhi);

    pls.col0(kGrid);
    pls.width(0.5);
    pls.box("g", 0, 0, chart.logY ? "g" : "g", 0, 0);
    pls.col0(kFrame);
    pls.width(1.0);
    pls.box("bcnst", 0, 0, chart.logY ? "bcnstlv" : "bcnstv", 0, 0);
    pls.lab(chart.xTitle.c_str(), chart.yTitle.c_str(), chart.title.c_str());

    pls.schr(0, 0.7);
    int index = 0;
    for (const ChartLine& line : chart.lines) {
        pls.col0(colourOf(line.kind));
        pls.width(line.kind == ChartLineKind::Dome ? 2.5 : 1.0);
        drawLine(pls, chart, line);
        if (line.kind != ChartLineKind::Dome) labelLine(pls, chart, line, index++, ylo, yhi);
    }
    pls.schr(0, 1.0);

    pls.col0(kCritical);
    const PLFLT cx = chart.criticalX;
    const PLFLT cy = chart.logY ? std::log10(chart.criticalY) : chart.criticalY;
    pls.schr(0, 0.55);
    pls.string(1, &cx, &cy, "⬤");
    pls.schr(0, 0.8);
    pls.ptex(cx, cy, 1.0, 0.0, -0.15, "critical point");
    pls.schr(0, 1.0);

    drawLegend(pls, chart);
    return true;  // the file is complete when the stream closes
}
