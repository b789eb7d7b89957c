// xlCoerce as the stand-in answers it: numbers, integers, logical values
// and numeric strings to an integer (or a number).
#include <cmath>
#include <cstdlib>
#include <string>

#include "host/excel_records.h"
#include "host/excel_state.h"

namespace {

// The number a record holds, if it holds one.
bool numberOf(const XLOPER& value, double& number) {
    switch (value.xltype) {
    case xltypeNum:
        number = value.val.num;
        return true;
    case xltypeInt:
        number = value.val.w;
        return true;
    case xltypeBool:
        number = value.val.xbool != 0 ? 1 : 0;
        return true;
    case xltypeStr: {
        if (value.val.str == nullptr) {
            return false;
        }
        std::string text = textOfCounted(value.val.str);
        const char* start = text.c_str();
        char* end = nullptr;
        number = std::strtod(start, &end);
        if (end == start) {
            return false;
        }
        while (*end == ' ') {
            ++end;
        }
        return *end == '\0' && std::isfinite(number);
    }
    default:
        return false;
    }
}

}  // namespace

int standInCoerce(XLOPER* result, int count, XLOPER** opers) {
    if (count < 1 || count > 2) {
        return xlretInvCount;
    }
    if (result == nullptr || opers[0] == nullptr) {
        return xlretInvXloper;
    }
    int mode = standInState().coerceMode;
    if (mode == qvCoerceFails) {
        return xlretFailed;
    }
    if (mode == qvCoerceAnswersNumber) {
        result->val.num = 1;
        result->xltype = xltypeNum;
        return xlretSuccess;
    }
    int target = xltypeInt;
    if (count == 2 && opers[1] != nullptr && opers[1]->xltype == xltypeInt) {
        target = opers[1]->val.w;
    }
    double number = 0;
    if (!numberOf(*opers[0], number)) {
        return xlretInvXloper;
    }
    if (target == xltypeNum) {
        result->val.num = number;
        result->xltype = xltypeNum;
        return xlretSuccess;
    }
    if (target != xltypeInt) {
        return xlretInvXloper;
    }
    // Toward zero, as long as the integer fits the 16-bit record.
    double whole = std::trunc(number);
    if (!(whole >= -32768 && whole <= 32767)) {
        return xlretInvXloper;
    }
    result->val.w = static_cast<int16_t>(whole);
    result->xltype = xltypeInt;
    return xlretSuccess;
}
