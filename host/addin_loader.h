// Loading an add-in the way Excel does: open the library, let its
// xlAutoOpen register its functions with the stand-in, and call those
// functions through their exported procedures.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

// One function as the add-in registered it.
struct RegisteredFunction {
    std::string procedure;      // exported name
    std::string typeText;       // R, then one B or J per argument
    std::string name;           // the name worksheets use
    std::string argumentText;   // argument names joined by ","
    std::string category;
    std::string functionHelp;
    std::vector<std::string> argumentNames;
    std::vector<std::string> argumentHelps;
    void* procedureAddress;     // null when the function cannot be called
};

struct LoadedAddin {
    void* library;
    std::string path;           // full path, as xlGetName answers it
    int openResult;             // what xlAutoOpen returned
    std::vector<RegisteredFunction> functions;
    // One line for each registration that cannot be called: a procedure
    // the library does not export, or a type text the loader cannot call.
    std::vector<std::string> problems;
};

// Opens the add-in at path and runs its xlAutoOpen. False, with the reason
// in error, when the library cannot be loaded or has no xlAutoOpen.
bool openAddin(const std::string& path, LoadedAddin& addin, std::string& error);

// Runs xlAutoClose and unloads the library, as Excel does when the add-in
// is removed; the add-in releases what its open kept as it is unloaded.
void closeAddin(LoadedAddin& addin);

// The registered function of that name, compared without regard to case
// as Excel does; null when there is none.
const RegisteredFunction* findRegisteredFunction(const LoadedAddin& addin, std::string_view name);

// The value a call leaves in a cell: a number, or an error text.
struct CellValue {
    bool isNumber;
    double number;
    std::string errorText;   // "#VALUE!", "#NAME?", ... when not a number
};

// Calls function with one argument per code of its type text: the value
// as a double for B, as a 32-bit integer for J. False, with the cell's
// error text and a reason, when the call cannot be made: a wrong number of
// arguments or a J argument that is not a 32-bit integer (#VALUE!), or a
// function that cannot be called (#NAME?). A call that returns an error
// record answers true with that error.
bool callRegisteredFunction(const RegisteredFunction& function, std::span<const double> arguments,
                            CellValue& value, std::string& reason);

// Finds name in addin and calls it.
bool callFunctionByName(const LoadedAddin& addin, std::string_view name,
                        std::span<const double> arguments, CellValue& value, std::string& reason);
