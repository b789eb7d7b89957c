// The function reference in Markdown (`quorvex functions --format md`),
// written from the functions the add-in registered: name, arguments, help
// texts, the unit of each argument and of the result under every unit
// code, and a worked example evaluated through the add-in.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "host/addin_loader.h"

// Takes "--format text|md" (or "--format=...") out of args; markdown tells
// which was asked for, text when none was. False, with a reason, for any
// other format or a missing value.
bool takeFunctionsFormatOption(std::vector<std::string>& args, bool& markdown, std::string& error);

// False, with a reason, when a function has an argument or a help text the
// reference cannot describe, or its example does not give a number.
bool writeFunctionReference(const LoadedAddin& addin, std::ostream& out, std::string& error);
