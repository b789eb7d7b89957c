// Draws a chart with PLplot's cairo drivers: an SVG file for a path ending
// in ".svg", a PNG image for one ending in ".png".
#pragma once

#include <string>

#include "host/chart_data.h"

// False with a reason for another ending or a file that cannot be written.
bool renderChart(const ChartData& chart, const std::string& path, std::string& error);
