#include "host/subcommands.h"

namespace {

const Subcommand kSubcommands[] = {
    {"eval", "[--addin PATH] [FORMULA ...]", runEval},
    {"functions", "[--addin PATH]", runFunctions},
};

}  // namespace

std::span<const Subcommand> subcommandList() {
    return kSubcommands;
}
