#include "host/addin_session.h"

#include <ostream>

#include "host/dynamic_library.h"
#include "host/excel_state.h"

namespace {

const std::string kAddinOption = "--addin";

// An alert's text on one line: its line breaks become " / ".
std::string oneLine(const std::string& text) {
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            line += " / ";
        } else if (c != '\r') {
            line += c;
        }
    }
    return line;
}

}  // namespace

bool takeAddinOption(std::vector<std::string>& args, std::string& path, std::string& error) {
    path = builtAddinPathIn(executableDirectory());
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string given;
        if (args[i] == kAddinOption) {
            given = i + 1 < args.size() ? args[++i] : "";
        } else if (args[i].rfind(kAddinOption + "=", 0) == 0) {
            given = args[i].substr(kAddinOption.size() + 1);
        } else {
            rest.push_back(args[i]);
            continue;
        }
        if (given.empty()) {
            error = "--addin needs a path";
            return false;
        }
        path = given;
    }
    args = rest;
    return true;
}

void reportNewAlerts(int& alertsSeen, std::ostream& err) {
    for (int count = qvExcelAlertCount(); alertsSeen < count; ++alertsSeen) {
        err << "alert: " << oneLine(qvExcelAlertText(alertsSeen)) << '\n';
    }
}

bool openAddinReporting(const std::string& path, LoadedAddin& addin, std::ostream& err,
                        bool& troubled) {
    int alertsSeen = qvExcelAlertCount();
    std::string error;
    bool opened = openAddin(path, addin, error);
    reportNewAlerts(alertsSeen, err);
    if (!opened) {
        err << "quorvex: cannot load the add-in " << path << ": " << error << '\n';
        troubled = true;
        return false;
    }
    if (addin.openResult != 1) {
        err << "quorvex: xlAutoOpen of " << addin.path << " returned " << addin.openResult << '\n';
        troubled = true;
    }
    for (const std::string& problem : addin.problems) {
        err << "quorvex: " << problem << '\n';
        troubled = true;
    }
    return true;
}
