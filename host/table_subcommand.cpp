// quorvex table: saturation and isobar tables on standard output.
#include "host/output_commands.h"
#include "host/output_session.h"
#include "host/table_command.h"

int runTable(std::vector<std::string> args, CommandStreams& io) {
    return runWithAddin("table", std::move(args), io,
                        [&io](std::vector<std::string>& rest, const LoadedAddin&, const CellEvaluator& evaluate) {
                            return runTableCommand(rest, evaluate, io.out, io.err);
                        });
}
