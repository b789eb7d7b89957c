#include "host/output_session.h"

#include <ostream>

#include "host/addin_evaluator.h"
#include "host/addin_session.h"

int runWithAddin(const char* command, std::vector<std::string> args, CommandStreams& io,
                 const OutputCommandBody& body) {
    std::string path, error;
    if (!takeAddinOption(args, path, error)) {
        io.err << "quorvex " << command << ": " << error << '\n';
        return 2;
    }
    LoadedAddin addin;
    bool troubled = false;
    if (!openAddinReporting(path, addin, io.err, troubled)) return 1;
    int status;
    try {
        status = body(args, addin, evaluatorOf(addin));
    } catch (const CellEvaluationError& e) {
        io.err << "quorvex " << command << ": " << e.what() << '\n';
        status = 1;
    }
    io.out.flush();
    closeAddin(addin);
    return status == 0 && troubled ? 1 : status;
}
