// The quorvex tool: the add-in's worksheet functions without Excel. The
// tool plays Excel's part: it loads the add-in, lets it register its
// functions, and calls them as a worksheet would.
#include <iostream>
#include <string>
#include <vector>

#include "host/subcommands.h"

namespace {

void writeUsage(std::ostream& out) {
    out << "usage:\n";
    for (const Subcommand& subcommand : subcommandList()) {
        out << "  quorvex " << subcommand.name << ' ' << subcommand.usage << '\n';
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::string name = argc > 1 ? argv[1] : "";
    if (name == "help" || name == "--help" || name == "-h") {
        writeUsage(std::cout);
        return 0;
    }
    for (const Subcommand& subcommand : subcommandList()) {
        if (name == subcommand.name) {
            CommandStreams io = {std::cin, std::cout, std::cerr};
            return subcommand.run(std::vector<std::string>(argv + 2, argv + argc), io);
        }
    }
    if (!name.empty()) {
        std::cerr << "quorvex: unknown subcommand " << name << '\n';
    }
    writeUsage(std::cerr);
    return 2;
}
