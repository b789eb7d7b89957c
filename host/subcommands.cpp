#include "host/subcommands.h"

#include "host/output_commands.h"

namespace {

const Subcommand kSubcommands[] = {
    {"eval", "[--addin PATH] [FORMULA ...]", runEval},
    {"functions", "[--addin PATH] [--format text|md]", runFunctions},
    // Tables, charts and the demonstration workbook (output_commands.h).
    {"table", "saturation|isobar --from X1 --to X2 --step DX [--units N] [--format csv|md|text] ...", runTable},
#if QUORVEX_WITH_CHARTS
    {"chart", "ph|ts [--units N] -o FILE.svg|FILE.png [--pmin P --pmax P --hmin H --hmax H | --tmin ...]",
     runChart},
#endif
#if QUORVEX_WITH_WORKBOOK
    {"workbook", "[--addin PATH] -o FILE.xlsx", runWorkbook},
#endif
};

}  // namespace

std::span<const Subcommand> subcommandList() {
    return kSubcommands;
}
