// Chart lines through the built add-in, and the files PLplot draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "host/chart_command.h"
#include "host/chart_data.h"
#include "host/chart_render.h"
#include "host/table_build.h"
#include "tests/host/fake_fluid.h"
#include "tests/host/loaded_addin.h"

namespace {

// The two charts in code 1, computed once: the P–h one takes seconds.
const ChartData& chart(bool ph) {
    static const ChartData charts[2] = {[] {
                                            ChartData c;
                                            std::string error;
                                            EXPECT_TRUE(tsChartData(addinEvaluator(), 1, {}, c, error)) << error;
                                            return c;
                                        }(),
                                        [] {
                                            ChartData c;
                                            std::string error;
                                            EXPECT_TRUE(phChartData(addinEvaluator(), 1, {}, c, error)) << error;
                                            return c;
                                        }()};
    return charts[ph ? 1 : 0];
}

const ChartLine& domeOf(const ChartData& c) {
    return *std::find_if(c.lines.begin(), c.lines.end(),
                         [](const ChartLine& l) { return l.kind == ChartLineKind::Dome; });
}

TEST(ChartLines, TheDomeIsMadeOfSaturationTableRows) {
    const ChartLine& dome = domeOf(chart(false));
    const size_t half = dome.x.size() / 2;
    ASSERT_GT(half, 100u);
    std::vector<double> temperatures(dome.y.begin(), dome.y.begin() + static_cast<long>(half));
    PropertyTable table;
    std::string error;
    ASSERT_TRUE(saturationTableByTemperature(addinEvaluator(), temperatures, 1, table, error)) << error;
    for (size_t i = 0; i < half; ++i) {
        EXPECT_EQ(dome.x[i], table.rows[i][7]) << "Sf at " << temperatures[i];          // liquid side up
        EXPECT_EQ(dome.x[dome.x.size() - 1 - i], table.rows[i][8]) << temperatures[i];  // vapour side down
    }
    // From the triple point to the critical point, which the chart marks.
    EXPECT_NEAR(dome.y.front(), -108.15, 1e-9);
    EXPECT_EQ(*std::max_element(dome.y.begin(), dome.y.end()), chart(false).criticalY);
    EXPECT_EQ(dome.x[half - 1], chart(false).criticalX);
}

TEST(ChartLines, IsothermsAndIsobarsAreIsobarTableValues) {
    int checked = 0;
    for (const ChartLine& line : chart(true).lines) {
        if (line.kind != ChartLineKind::Isotherm) continue;
        for (size_t i = 0; i < line.x.size(); i += 37) {
            // The two points of the dome crossing share their pressure.
            const bool crossing = (i > 0 && line.y[i] == line.y[i - 1]) ||
                                  (i + 1 < line.y.size() && line.y[i] == line.y[i + 1]);
            if (crossing) continue;
            PropertyTable t;
            std::string error;
            ASSERT_TRUE(isobarTable(addinEvaluator(), line.y[i], {line.value}, 1, t, error)) << error;
            ASSERT_EQ(t.rows.size(), 1u);
            EXPECT_EQ(line.x[i], t.rows[0][2]) << line.value << " at " << line.y[i];
            ++checked;
        }
    }
    for (const ChartLine& line : chart(false).lines) {
        if (line.kind != ChartLineKind::Isobar) continue;
        PropertyTable t;
        std::string error;
        ASSERT_TRUE(isobarTable(addinEvaluator(), line.value, {line.y.back()}, 1, t, error)) << error;
        EXPECT_EQ(line.x.back(), t.rows.back()[3]) << line.value;
        ++checked;
    }
    EXPECT_GT(checked, 30);
}

TEST(ChartLines, AxesAndLegendsCarryTheUnits) {
    EXPECT_EQ(chart(true).xTitle, "Enthalpy H (kJ/kg)");
    EXPECT_EQ(chart(true).yTitle, "Pressure P (bar)");
    EXPECT_EQ(chart(true).lineLegend, "isotherms (°C)");
    EXPECT_EQ(chart(true).secondLegend, "isentropes (kJ/(kg·K))");
    EXPECT_TRUE(chart(true).logY);
    EXPECT_EQ(chart(false).xTitle, "Entropy S (kJ/(kg·K))");
    EXPECT_EQ(chart(false).yTitle, "Temperature T (°C)");
    EXPECT_EQ(chart(false).lineLegend, "isobars (bar)");
    // The window is the model's range: 831.375 °C is Tmax in code 1.
    EXPECT_NEAR(chart(false).ymax, 831.375, 1e-9);
    EXPECT_NEAR(chart(true).ymax, 1518.0256 / 14.50377377, 1e-6);
}

TEST(ChartLines, RoundValues) {
    EXPECT_EQ(roundValuesBetween(-108.15, 831.375, 12),
              (std::vector<double>{-100, 0, 100, 200, 300, 400, 500, 600, 700, 800}));
    EXPECT_EQ(roundValuesBetween(0, 1, 4), (std::vector<double>{0, 0.5, 1}));
    EXPECT_EQ(roundLogValuesBetween(0.5, 30, 10), (std::vector<double>{0.5, 1, 2, 5, 10, 20}));
    EXPECT_EQ(roundLogValuesBetween(1e-7, 1e3, 11).size(), 11u);
    EXPECT_EQ(roundLogValuesBetween(1e-7, 1e3, 6), (std::vector<double>{1e-7, 1e-5, 1e-3, 1e-1, 10, 1e3}));
}

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

size_t countOf(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

uint32_t bigEndian32(const std::string& bytes, size_t at) {
    uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i) v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
    return v;
}

TEST(ChartFiles, BothChartsInBothFormats) {
    const auto dir = std::filesystem::temp_directory_path() / ("quorvex-chart-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    for (bool ph : {true, false}) {
        const std::string name = ph ? "ph" : "ts";
        std::string error;
        const auto png = dir / (name + ".png"), svg = dir / (name + ".svg");
        ASSERT_TRUE(renderChart(chart(ph), png.string(), error)) << error;
        ASSERT_TRUE(renderChart(chart(ph), svg.string(), error)) << error;

        const std::string p = fileText(png);
        ASSERT_GT(p.size(), 40000u) << name;
        EXPECT_EQ(p.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
        EXPECT_EQ(p.substr(12, 4), "IHDR");
        EXPECT_EQ(bigEndian32(p, 16), 1200u);
        EXPECT_EQ(bigEndian32(p, 20), 900u);
        EXPECT_EQ(p.substr(p.size() - 8, 4), "IEND");

        const std::string s = fileText(svg);
        EXPECT_EQ(s.rfind("<?xml", 0), 0u) << name;
        EXPECT_NE(s.find("<svg"), std::string::npos);
        EXPECT_NE(s.find("</svg>", s.size() - 16), std::string::npos);
        // Lines, ticks and the glyphs of every label are paths.
        EXPECT_GT(countOf(s, "<path"), 200u) << name;
    }
    std::filesystem::remove_all(dir);
}

TEST(ChartCommand, RefusesWhatItCannotDraw) {
    struct Case {
        std::vector<std::string> args;
        const char* reasonContains;
    };
    const Case cases[] = {
        {{"ph"}, "missing -o"},
        {{"hs", "-o", "x.svg"}, "unknown chart"},
        {{"ph", "-o", "x.pdf"}, "must end in .svg or .png"},
        {{"ph", "-o", "x.svg", "--tmin", "0"}, "not a limit of the ph chart"},
        {{"ts", "-o", "x.svg", "--pmax", "10"}, "not a limit of the ts chart"},
        {{"ph", "-o", "x.svg", "--units", "2"}, "gauge pressures"},
        {{"ph", "-o", "x.svg", "--pmin", "10", "--pmax", "1"}, "--pmin must be below --pmax"},
        {{"ph", "-o", "x.svg", "--pmin", "0"}, "above zero"},
        {{"ts", "-o", "x.svg", "--smin", "abc"}, "wants a number"},
    };
    for (const Case& c : cases) {
        std::ostringstream err;
        EXPECT_EQ(runChartCommand(c.args, fake::evaluator(), err), 2) << c.reasonContains;
        EXPECT_NE(err.str().find(c.reasonContains), std::string::npos) << err.str();
    }
    std::string error;
    EXPECT_FALSE(renderChart(chart(false), "/nonexistent-dir/x.svg", error));
    EXPECT_NE(error.find("cannot write"), std::string::npos) << error;
}

}  // namespace
