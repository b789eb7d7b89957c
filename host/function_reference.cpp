#include "host/function_reference.h"

#include <cstdio>

#include "host/function_examples.h"
#include "host/unit_labels.h"

namespace {

const int kCodes[] = {0, 1, 2, 3, 4, 5, 6, 7};

std::string codeName(int units) {
    if (units == 0) return "0";
    if (units == 7) return "7 and every other code";
    return std::to_string(units);
}

// Headings are linked by their lower-case names, as Markdown renderers
// form the anchors.
std::string lowerCaseOf(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string numberText(double x) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6g", x);
    return buffer;
}

// Quantities of the arguments (the unit code excluded) and of the result.
bool quantitiesOf(const RegisteredFunction& function, std::vector<Quantity>& arguments, Quantity& result,
                  std::string& error) {
    arguments.clear();
    for (const std::string& name : function.argumentNames) {
        if (name == "units") continue;
        Quantity q;
        if (!quantityOfArgumentName(name, q)) {
            error = function.name + ": no quantity for the argument " + name;
            return false;
        }
        arguments.push_back(q);
    }
    if (!quantityOfFunctionHelp(function.functionHelp, result)) {
        error = function.name + ": no quantity in the help text \"" + function.functionHelp + "\"";
        return false;
    }
    return true;
}

bool writeFunction(const RegisteredFunction& function, std::ostream& out, std::string& error) {
    std::vector<Quantity> argumentQuantities;
    Quantity result;
    if (!quantitiesOf(function, argumentQuantities, result, error)) return false;

    out << "## " << function.name << "\n\n";
    out << "`" << function.name << "(" << function.argumentText << ")`: " << function.functionHelp << ".\n\n";
    out << "| Argument | Help | Quantity |\n| :--- | :--- | :--- |\n";
    size_t stateIndex = 0;
    for (size_t i = 0; i < function.argumentNames.size(); ++i) {
        const std::string& name = function.argumentNames[i];
        const std::string help = i < function.argumentHelps.size() ? function.argumentHelps[i] : "";
        const std::string quantity =
            name == "units" ? "unit-system code, an integer" : quantityNameOf(argumentQuantities[stateIndex++]);
        out << "| " << name << " | " << help << " | " << quantity << " |\n";
    }

    out << "\n| units |";
    for (const std::string& name : function.argumentNames)
        if (name != "units") out << " " << name << " |";
    out << " result |\n| :--- |";
    for (size_t i = 0; i <= argumentQuantities.size(); ++i) out << " :--- |";
    out << "\n";
    for (int units : kCodes) {
        out << "| " << codeName(units) << " |";
        for (Quantity q : argumentQuantities) out << " " << unitLabelOf(q, units) << " |";
        out << " " << unitLabelOf(result, units) << " |\n";
    }

    std::vector<double> arguments;
    if (!exampleArgumentsOf(function, arguments)) {
        error = function.name + ": no example for its arguments";
        return false;
    }
    CellValue value;
    std::string reason;
    if (!callRegisteredFunction(function, arguments, value, reason) || !value.isNumber) {
        error = function.name + ": the example does not give a number: " + reason + value.errorText;
        return false;
    }
    const std::string unit = unitLabelOf(result, kExampleUnits);
    out << "\nExample: `=" << exampleFormulaOf(function, arguments) << "` gives " << numberText(value.number)
        << (result == Quantity::Compressibility ? "" : " " + unit) << ".\n\n";
    return true;
}

}  // namespace

bool takeFunctionsFormatOption(std::vector<std::string>& args, bool& markdown, std::string& error) {
    markdown = false;
    std::vector<std::string> rest;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string format;
        if (args[i] == "--format") {
            if (i + 1 >= args.size()) {
                error = "--format needs text or md";
                return false;
            }
            format = args[++i];
        } else if (args[i].rfind("--format=", 0) == 0) {
            format = args[i].substr(9);
        } else {
            rest.push_back(args[i]);
            continue;
        }
        if (format != "md" && format != "text") {
            error = "--format wants text or md, not \"" + format + "\"";
            return false;
        }
        markdown = format == "md";
    }
    args = rest;
    return true;
}

bool writeFunctionReference(const LoadedAddin& addin, std::ostream& out, std::string& error) {
    const std::string category = addin.functions.empty() ? "" : addin.functions.front().category;
    out << "# Worksheet functions\n\n";
    out << "Written by `quorvex functions --format md` from the functions that the add-in registers with "
           "Excel; regenerate it with that command rather than editing it.\n\n";
    out << "Category in Excel's Insert Function dialog: \"" << category << "\". Every function takes its "
           "state arguments in the units of the system chosen by its last argument, `units`, and returns one "
           "number in the same system. The examples use code " << kExampleUnits << ".\n\n";
    out << "| units | temperature | pressure | specific volume | enthalpy | entropy |\n"
           "| :--- | :--- | :--- | :--- | :--- | :--- |\n";
    for (int units : kCodes) {
        out << "| " << codeName(units) << " |";
        for (Quantity q : {Quantity::Temperature, Quantity::Pressure, Quantity::Volume, Quantity::Enthalpy,
                           Quantity::Entropy})
            out << " " << unitLabelOf(q, units) << " |";
        out << "\n";
    }
    out << "\nCompressibility (`ZofTV`, `ZofTP`) has no unit.\n\n";
    out << "Functions:";
    for (size_t i = 0; i < addin.functions.size(); ++i)
        out << (i ? ", " : " ") << "[" << addin.functions[i].name << "](#" << lowerCaseOf(addin.functions[i].name)
            << ")";
    out << ".\n\n";
    for (const RegisteredFunction& function : addin.functions)
        if (!writeFunction(function, out, error)) return false;
    return true;
}
