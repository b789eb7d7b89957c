// quorvex eval: evaluates worksheet formulas with the add-in's functions,
// one result per line, from the command line or from standard input.
#include <istream>
#include <ostream>

#include "host/addin_session.h"
#include "host/excel_state.h"
#include "host/formula_reader.h"
#include "host/number_text.h"
#include "host/subcommands.h"

namespace {

// What a line shows when it is not a formula at all.
const char kMalformedText[] = "#ERROR!";

// Evaluates one line, writing what its cell shows to out and, when it is
// not a number, a reason to err. False when it is not a number.
bool evaluateLine(const LoadedAddin& addin, std::string line, CommandStreams& io) {
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    if (isBlankLine(line)) {
        io.out << '\n';
        return true;
    }
    Formula formula;
    std::string reason;
    if (!readFormula(line, formula, reason)) {
        io.out << kMalformedText << '\n';
        io.err << "quorvex: " << line << ": " << reason << '\n';
        return false;
    }
    CellValue value;
    callFunctionByName(addin, formula.name, formula.arguments, value, reason);
    if (!value.isNumber) {
        io.out << value.errorText << '\n';
        io.err << "quorvex: " << line << ": " << reason << '\n';
        return false;
    }
    io.out << textOfNumber(value.number) << '\n';
    return true;
}

}  // namespace

int runEval(std::vector<std::string> args, CommandStreams& io) {
    std::string path;
    std::string error;
    if (!takeAddinOption(args, path, error)) {
        io.err << "quorvex eval: " << error << '\n';
        return 2;
    }
    for (const std::string& arg : args) {
        if (arg.rfind("--", 0) == 0) {
            io.err << "quorvex eval: unknown option " << arg << '\n';
            return 2;
        }
    }
    LoadedAddin addin;
    bool troubled = false;
    if (!openAddinReporting(path, addin, io.err, troubled)) {
        return 1;
    }
    int alertsSeen = qvExcelAlertCount();
    bool allNumbers = true;
    if (args.empty()) {
        std::string line;
        while (std::getline(io.in, line)) {
            allNumbers = evaluateLine(addin, line, io) && allNumbers;
            reportNewAlerts(alertsSeen, io.err);
        }
    } else {
        for (const std::string& formula : args) {
            allNumbers = evaluateLine(addin, formula, io) && allNumbers;
            reportNewAlerts(alertsSeen, io.err);
        }
    }
    io.out.flush();
    closeAddin(addin);
    return troubled || !allNumbers ? 1 : 0;
}
