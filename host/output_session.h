// Runs one output command against the add-in: takes `--addin`, opens the
// add-in, hands the command an evaluator and turns a failed evaluation into
// exit status 1.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "host/addin_loader.h"
#include "host/cell_evaluator.h"
#include "host/subcommands.h"

using OutputCommandBody =
    std::function<int(std::vector<std::string>& args, const LoadedAddin& addin, const CellEvaluator& evaluate)>;

int runWithAddin(const char* command, std::vector<std::string> args, CommandStreams& io,
                 const OutputCommandBody& body);
