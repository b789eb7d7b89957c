// `quorvex chart ph|ts [--units N] -o FILE.svg|FILE.png [limits]`.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "host/cell_evaluator.h"

// Exit status: 0 written; 2 for a usage error, with a reason on `err`.
int runChartCommand(const std::vector<std::string>& args, const CellEvaluator& evaluate, std::ostream& err);

extern const char* const kChartUsage;
