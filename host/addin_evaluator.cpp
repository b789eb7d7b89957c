#include "host/addin_evaluator.h"

#include <string>
#include <vector>

CellEvaluator evaluatorOf(const LoadedAddin& addin) {
    return [&addin](std::string_view name, std::span<const double> stateArgs, int32_t units) -> double {
        std::vector<double> arguments(stateArgs.begin(), stateArgs.end());
        arguments.push_back(units);
        CellValue value;
        std::string reason;
        if (!callFunctionByName(addin, name, arguments, value, reason) || !value.isNumber)
            throw CellEvaluationError(std::string(name) + ": " + (reason.empty() ? value.errorText : reason));
        return value.number;
    };
}
