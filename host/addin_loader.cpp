#include "host/addin_loader.h"

#include <cctype>
#include <cmath>
#include <cstdint>

#include "host/dynamic_library.h"
#include "host/excel_state.h"
#include "worksheet/xloper.h"

namespace {

using OpenCallback = int(QV_STDCALL*)(void);
using CloseCallback = int(QV_STDCALL*)(void);
using NumberInteger = XLOPER*(QV_STDCALL*)(double, int32_t);
using NumberNumberInteger = XLOPER*(QV_STDCALL*)(double, double, int32_t);

// Positions of the values of xlfRegister.
enum RegisterPosition {
    kProcedure = 2,
    kTypeText = 3,
    kFunctionText = 4,
    kArgumentText = 5,
    kCategory = 7,
    kFunctionHelp = 10,
    kFirstArgumentHelp = 11,
};

bool isCallableTypeText(const std::string& typeText) {
    return typeText == "RBJ" || typeText == "RBBJ";
}

std::string registrationValue(int registration, int position) {
    const char* value = qvExcelRegistrationValue(registration, position);
    return value != nullptr ? value : "";
}

std::vector<std::string> namesOf(const std::string& argumentText) {
    std::vector<std::string> names;
    if (argumentText.empty()) {
        return names;
    }
    std::size_t start = 0;
    for (;;) {
        std::size_t comma = argumentText.find(',', start);
        names.push_back(argumentText.substr(start, comma - start));
        if (comma == std::string::npos) {
            return names;
        }
        start = comma + 1;
    }
}

RegisteredFunction functionOfRegistration(int registration) {
    RegisteredFunction function = {};
    function.procedure = registrationValue(registration, kProcedure);
    function.typeText = registrationValue(registration, kTypeText);
    function.name = registrationValue(registration, kFunctionText);
    function.argumentText = registrationValue(registration, kArgumentText);
    function.category = registrationValue(registration, kCategory);
    function.functionHelp = registrationValue(registration, kFunctionHelp);
    function.argumentNames = namesOf(function.argumentText);
    int values = qvExcelRegistrationValueCount(registration);
    for (int position = kFirstArgumentHelp; position <= values; ++position) {
        function.argumentHelps.push_back(registrationValue(registration, position));
    }
    return function;
}

bool sameNameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

bool fail(CellValue& value, const char* errorText, std::string& reason, std::string why) {
    value = {false, 0, errorText};
    reason = std::move(why);
    return false;
}

const char* errorTextOf(uint16_t err) {
    switch (err) {
    case 0: return "#NULL!";
    case 7: return "#DIV/0!";
    case 15: return "#VALUE!";
    case 23: return "#REF!";
    case 29: return "#NAME?";
    case 36: return "#NUM!";
    case 42: return "#N/A";
    default: return "#ERROR!";
    }
}

}  // namespace

bool openAddin(const std::string& path, LoadedAddin& addin, std::string& error) {
    addin = {};
    addin.path = absolutePathOf(path);
    qvExcelSetModulePath(addin.path.c_str());
    addin.library = openDynamicLibrary(addin.path, error);
    if (addin.library == nullptr) {
        return false;
    }
    auto open = reinterpret_cast<OpenCallback>(findLibraryExport(addin.library, "xlAutoOpen"));
    if (open == nullptr) {
        error = "it exports no xlAutoOpen";
        closeDynamicLibrary(addin.library);
        addin.library = nullptr;
        return false;
    }
    int first = qvExcelRegistrationCount();
    addin.openResult = open();
    int last = qvExcelRegistrationCount();
    for (int registration = first; registration < last; ++registration) {
        RegisteredFunction function = functionOfRegistration(registration);
        if (!isCallableTypeText(function.typeText)) {
            addin.problems.push_back(function.name + ": cannot call type text " + function.typeText +
                                     " (only RBJ and RBBJ)");
        } else {
            function.procedureAddress = findLibraryExport(addin.library, function.procedure.c_str());
            if (function.procedureAddress == nullptr) {
                addin.problems.push_back(function.name + ": the add-in does not export " +
                                         function.procedure);
            }
        }
        addin.functions.push_back(std::move(function));
    }
    return true;
}

void closeAddin(LoadedAddin& addin) {
    if (addin.library == nullptr) {
        return;
    }
    auto close = reinterpret_cast<CloseCallback>(findLibraryExport(addin.library, "xlAutoClose"));
    if (close != nullptr) {
        close();
    }
    closeDynamicLibrary(addin.library);
    addin.library = nullptr;
}

const RegisteredFunction* findRegisteredFunction(const LoadedAddin& addin, std::string_view name) {
    for (const RegisteredFunction& function : addin.functions) {
        if (sameNameIgnoringCase(function.name, name)) {
            return &function;
        }
    }
    return nullptr;
}

bool callRegisteredFunction(const RegisteredFunction& function, std::span<const double> arguments,
                            CellValue& value, std::string& reason) {
    if (function.procedureAddress == nullptr) {
        return fail(value, "#NAME?", reason, function.name + " cannot be called");
    }
    std::size_t expected = function.typeText.size() - 1;
    if (arguments.size() != expected) {
        return fail(value, "#VALUE!", reason,
                    function.name + " takes " + std::to_string(expected) + " arguments, got " +
                        std::to_string(arguments.size()));
    }
    for (std::size_t i = 0; i < expected; ++i) {
        double x = arguments[i];
        bool isInt32 = std::trunc(x) == x && x >= INT32_MIN && x <= INT32_MAX;
        if (function.typeText[i + 1] == 'J' && !isInt32) {
            return fail(value, "#VALUE!", reason,
                        "argument " + std::to_string(i + 1) + " of " + function.name +
                            " must be a 32-bit integer");
        }
    }
    XLOPER* result = nullptr;
    if (function.typeText == "RBJ") {
        auto call = reinterpret_cast<NumberInteger>(function.procedureAddress);
        result = call(arguments[0], static_cast<int32_t>(arguments[1]));
    } else {
        auto call = reinterpret_cast<NumberNumberInteger>(function.procedureAddress);
        result = call(arguments[0], arguments[1], static_cast<int32_t>(arguments[2]));
    }
    if (result == nullptr) {
        return fail(value, "#VALUE!", reason, function.name + " returned no record");
    }
    if (result->xltype == xltypeNum) {
        value = {true, result->val.num, ""};
        return true;
    }
    if (result->xltype == xltypeErr) {
        value = {false, 0, errorTextOf(result->val.err)};
        reason = function.name + " returned " + value.errorText;
        return true;
    }
    return fail(value, "#VALUE!", reason,
                function.name + " returned a record of type " + std::to_string(result->xltype));
}

bool callFunctionByName(const LoadedAddin& addin, std::string_view name,
                        std::span<const double> arguments, CellValue& value, std::string& reason) {
    const RegisteredFunction* function = findRegisteredFunction(addin, name);
    if (function == nullptr) {
        return fail(value, "#NAME?", reason, "unknown function " + std::string(name));
    }
    return callRegisteredFunction(*function, arguments, value, reason);
}
