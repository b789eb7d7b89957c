#include "host/command_options.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>

bool readCommandOptions(const std::vector<std::string>& args, const std::vector<std::string>& known,
                        CommandOptions& options, std::string& error) {
    options = CommandOptions{};
    for (size_t i = 0; i < args.size(); ++i) {
        // "-o FILE" is the usual short form of "--output FILE".
        const std::string word = args[i] == "-o" ? "--output" : args[i];
        if (word.size() < 3 || word.compare(0, 2, "--") != 0) {
            options.positional.push_back(word);
            continue;
        }
        std::string name = word.substr(2), value;
        const auto equals = name.find('=');
        if (equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            error = "option --" + name + " needs a value";
            return false;
        }
        if (std::find(known.begin(), known.end(), name) == known.end()) {
            error = "unknown option --" + name;
            return false;
        }
        if (!options.values.emplace(name, value).second) {
            error = "option --" + name + " given twice";
            return false;
        }
    }
    return true;
}

bool numberOption(const CommandOptions& options, const std::string& name, std::optional<double>& value,
                  std::string& error) {
    value.reset();
    const auto found = options.values.find(name);
    if (found == options.values.end()) return true;
    const char* text = found->second.c_str();
    char* end = nullptr;
    errno = 0;
    const double x = std::strtod(text, &end);
    if (end == text || *end != '\0' || errno == ERANGE || !std::isfinite(x)) {
        error = "--" + name + " wants a number, not \"" + found->second + "\"";
        return false;
    }
    value = x;
    return true;
}

bool unitsOption(const CommandOptions& options, int32_t& units, std::string& error) {
    units = 0;
    const auto found = options.values.find("units");
    if (found == options.values.end()) return true;
    const std::string& text = found->second;
    if (text.size() != 1 || text[0] < '0' || text[0] > '7') {
        error = "--units wants a unit-system code 0 to 7, not \"" + text + "\"";
        return false;
    }
    units = text[0] - '0';
    return true;
}
