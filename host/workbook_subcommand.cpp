// quorvex workbook -o FILE.xlsx: the demonstration workbook.
#include <ostream>

#include "host/command_options.h"
#include "host/output_commands.h"
#include "host/output_session.h"
#include "host/workbook_write.h"

namespace {

const char kWorkbookUsage[] = "usage: quorvex workbook [--addin PATH] -o FILE.xlsx\n";

}  // namespace

int runWorkbook(std::vector<std::string> args, CommandStreams& io) {
    return runWithAddin("workbook", std::move(args), io,
                        [&io](std::vector<std::string>& rest, const LoadedAddin& addin,
                              const CellEvaluator& evaluate) {
                            CommandOptions options;
                            std::string error;
                            if (!readCommandOptions(rest, {"output"}, options, error) || !options.positional.empty() ||
                                !options.values.count("output")) {
                                io.err << "quorvex workbook: "
                                       << (error.empty() ? "give the file with -o FILE.xlsx" : error) << "\n"
                                       << kWorkbookUsage;
                                return 2;
                            }
                            const std::string path = options.values["output"];
                            if (path.size() < 6 || path.compare(path.size() - 5, 5, ".xlsx") != 0) {
                                io.err << "quorvex workbook: the file must end in .xlsx: " << path << "\n";
                                return 2;
                            }
                            std::vector<WrittenFormula> written;
                            if (!writeDemoWorkbook(path, evaluate, addin.functions, written, error)) {
                                io.err << "quorvex workbook: " << error << "\n";
                                return 1;
                            }
                            return 0;
                        });
}
