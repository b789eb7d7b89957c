// The subcommands of the quorvex tool. Each lives in its own file; main
// finds it by name in subcommandList().
#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <vector>

struct CommandStreams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

// Runs a subcommand with the arguments after its name; returns the exit
// status.
using SubcommandRun = int (*)(std::vector<std::string> args, CommandStreams& io);

struct Subcommand {
    const char* name;
    const char* usage;  // the arguments, for the usage text
    SubcommandRun run;
};

std::span<const Subcommand> subcommandList();

int runEval(std::vector<std::string> args, CommandStreams& io);
int runFunctions(std::vector<std::string> args, CommandStreams& io);
