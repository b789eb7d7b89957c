// quorvex chart: the pressure–enthalpy and temperature–entropy diagrams.
#include "host/chart_command.h"
#include "host/output_commands.h"
#include "host/output_session.h"

int runChart(std::vector<std::string> args, CommandStreams& io) {
    return runWithAddin("chart", std::move(args), io,
                        [&io](std::vector<std::string>& rest, const LoadedAddin&, const CellEvaluator& evaluate) {
                            return runChartCommand(rest, evaluate, io.err);
                        });
}
