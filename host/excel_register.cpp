// xlfRegister as the stand-in answers it: the values are checked the way
// the add-in must give them, then recorded.
#include <string>
#include <vector>

#include "host/excel_records.h"

namespace {

// Module, procedure, type text, function text, argument text, macro type,
// category, shortcut, help topic, function help; the argument helps follow.
constexpr int kValuesBeforeHelps = 10;
constexpr int kTypeTextPosition = 3;
constexpr int kArgumentTextPosition = 5;

// 32-bit Excel takes at most this many argument helps.
constexpr int kHelpCap = 20;

int refuse(int code, std::string reason) {
    standInState().lastRejection = std::move(reason);
    return code;
}

int argumentNameCount(const std::string& argumentText) {
    if (argumentText.empty()) {
        return 0;
    }
    int names = 1;
    for (char c : argumentText) {
        names += c == ',' ? 1 : 0;
    }
    return names;
}

// The reason a type text is not R followed by one B or J per argument;
// empty when it is.
std::string typeTextProblem(const std::string& typeText, int arguments) {
    if (typeText.empty() || typeText[0] != 'R') {
        return "type text '" + typeText + "' does not start with R";
    }
    for (std::size_t i = 1; i < typeText.size(); ++i) {
        if (typeText[i] != 'B' && typeText[i] != 'J') {
            return "type text '" + typeText + "' has a code other than B or J";
        }
    }
    if (static_cast<int>(typeText.size()) - 1 != arguments) {
        return "type text '" + typeText + "' does not match " + std::to_string(arguments) +
               " argument names";
    }
    return "";
}

}  // namespace

int standInRegister(XLOPER* result, int count, XLOPER** opers) {
    StandInState& state = standInState();
    ++state.registerCalls;
    if (count < kValuesBeforeHelps) {
        return refuse(xlretInvCount, "xlfRegister with " + std::to_string(count) + " values");
    }
    std::vector<std::string> values;
    for (int i = 0; i < count; ++i) {
        const XLOPER* value = opers[i];
        if (value == nullptr || value->xltype != xltypeStr || value->val.str == nullptr) {
            return refuse(xlretInvXloper, "value " + std::to_string(i + 1) + " is not a string");
        }
        values.push_back(textOfCounted(value->val.str));
    }
    int arguments = argumentNameCount(values[kArgumentTextPosition - 1]);
    std::string problem = typeTextProblem(values[kTypeTextPosition - 1], arguments);
    if (!problem.empty()) {
        return refuse(xlretFailed, problem);
    }
    int helps = count - kValuesBeforeHelps;
    if (helps != arguments && !(arguments > kHelpCap && helps == kHelpCap)) {
        return refuse(xlretInvCount, std::to_string(helps) + " argument helps for " +
                                         std::to_string(arguments) + " arguments");
    }
    if (state.registerCalls == state.failRegisterCall) {
        return refuse(xlretFailed, "failure injected");
    }
    state.registrations.push_back(std::move(values));
    if (result != nullptr) {
        result->val.num = static_cast<double>(state.registrations.size());
        result->xltype = xltypeNum;
    }
    return xlretSuccess;
}
