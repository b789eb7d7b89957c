// The subcommands that write tables, charts and the demonstration workbook.
// Each opens the add-in (`--addin PATH`, or the one built beside the tool)
// and computes every number through its registered functions.
#pragma once

#include <string>
#include <vector>

#include "host/subcommands.h"

int runTable(std::vector<std::string> args, CommandStreams& io);
int runChart(std::vector<std::string> args, CommandStreams& io);
int runWorkbook(std::vector<std::string> args, CommandStreams& io);
