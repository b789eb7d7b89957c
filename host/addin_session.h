// What every subcommand does around the add-in: find which one to load,
// open it, and tell the user what it said and what went wrong.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "host/addin_loader.h"

// Takes "--addin PATH" (or "--addin=PATH") out of args into path, which
// otherwise is the add-in built beside the tool. False, with a reason in
// error, when the option has no path.
bool takeAddinOption(std::vector<std::string>& args, std::string& path, std::string& error);

// Opens the add-in at path. Writes to err, one line each, its alerts, the
// registrations that cannot be called and an open that returned 0, and
// sets troubled when there was any of the last two. False, after a line on
// err, when the add-in cannot be loaded at all.
bool openAddinReporting(const std::string& path, LoadedAddin& addin, std::ostream& err,
                        bool& troubled);

// Writes to err the alerts raised since alertsSeen of them were written,
// and moves alertsSeen on.
void reportNewAlerts(int& alertsSeen, std::ostream& err);
