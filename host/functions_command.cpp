// quorvex functions: the registered functions as Excel's Insert Function
// dialog shows them: name and arguments, category, help, and each
// argument's help.
#include <ostream>

#include "host/addin_session.h"
#include "host/function_reference.h"
#include "host/subcommands.h"

namespace {

void writeFunction(const RegisteredFunction& function, std::ostream& out) {
    out << function.name << '(' << function.argumentText << ")\n";
    out << "  category: " << function.category << '\n';
    out << "  help: " << function.functionHelp << '\n';
    for (std::size_t i = 0; i < function.argumentNames.size(); ++i) {
        out << "  " << function.argumentNames[i] << ':';
        if (i < function.argumentHelps.size()) {
            out << ' ' << function.argumentHelps[i];
        }
        out << '\n';
    }
}

}  // namespace

int runFunctions(std::vector<std::string> args, CommandStreams& io) {
    std::string path;
    std::string error;
    if (!takeAddinOption(args, path, error)) {
        io.err << "quorvex functions: " << error << '\n';
        return 2;
    }
    // --format md: the Markdown reference (function_reference.h).
    bool markdown = false;
    if (!takeFunctionsFormatOption(args, markdown, error)) {
        io.err << "quorvex functions: " << error << '\n';
        return 2;
    }
    if (!args.empty()) {
        io.err << "quorvex functions: unexpected argument " << args.front() << '\n';
        return 2;
    }
    LoadedAddin addin;
    bool troubled = false;
    if (!openAddinReporting(path, addin, io.err, troubled)) {
        return 1;
    }
    if (markdown) {
        bool written = writeFunctionReference(addin, io.out, error);
        if (!written) {
            io.err << "quorvex functions: " << error << '\n';
        }
        io.out.flush();
        closeAddin(addin);
        return troubled || !written ? 1 : 0;
    }
    for (std::size_t i = 0; i < addin.functions.size(); ++i) {
        if (i > 0) {
            io.out << '\n';
        }
        writeFunction(addin.functions[i], io.out);
    }
    io.out.flush();
    closeAddin(addin);
    return troubled ? 1 : 0;
}
