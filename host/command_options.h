// Options of the form `--name value` of the table, chart and workbook
// commands, read against the list of names a command accepts.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

struct CommandOptions {
    std::map<std::string, std::string> values;  // by name, without the dashes
    std::vector<std::string> positional;        // words that are not options
};

// Splits `args` into options and positional words; "-o" stands for
// "--output". Fails with a reason on an
// option not in `known`, an option given twice or an option without value.
bool readCommandOptions(const std::vector<std::string>& args, const std::vector<std::string>& known,
                        CommandOptions& options, std::string& error);

// The option as a finite number; nothing when it is absent. Fails with a
// reason when it is present but not a number.
bool numberOption(const CommandOptions& options, const std::string& name, std::optional<double>& value,
                  std::string& error);

// The unit-system code of --units: an integer 0 to 7, 0 when absent.
bool unitsOption(const CommandOptions& options, int32_t& units, std::string& error);
