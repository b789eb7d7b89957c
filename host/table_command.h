// `quorvex table saturation|isobar ...`: property tables on standard output.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "host/cell_evaluator.h"

// Exit status: 0 written; 2 for a usage error or a bad range, with a
// one-line reason on `err`.
int runTableCommand(const std::vector<std::string>& args, const CellEvaluator& evaluate, std::ostream& out,
                    std::ostream& err);

extern const char* const kTableUsage;
