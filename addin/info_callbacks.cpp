// The callbacks that answer Excel without registering anything.
#include "addin/callbacks.h"

namespace {

// Records Excel reads after the callback has returned.
XLOPER g_registerAnswer = {};
XLOPER g_infoAnswer = {};

// Records of the coercion in xlAddInManagerInfo.
XLOPER g_coerceTarget = {};
XLOPER g_coercedItem = {};

// The item Excel asks xlAddInManagerInfo for: 1 is the add-in's name.
constexpr int16_t kInfoName = 1;

XLOPER* valueError(XLOPER* answer) {
    answer->val.err = xlerrValue;
    answer->xltype = xltypeErr;
    return answer;
}

}  // namespace

int QV_STDCALL xlAutoClose(void) {
    return 1;
}

XLOPER* QV_STDCALL xlAutoRegister(XLOPER*) {
    return valueError(&g_registerAnswer);
}

XLOPER* QV_STDCALL xlAddInManagerInfo(XLOPER* item) {
    g_coerceTarget.val.w = static_cast<int16_t>(xltypeInt);
    g_coerceTarget.xltype = xltypeInt;
    // Cleared first, so that a failed coercion never leaves an earlier
    // answer to be read.
    g_coercedItem = {};
    int code = Excel4(xlCoerce, &g_coercedItem, 2, item, &g_coerceTarget);
    if (code != xlretSuccess || g_coercedItem.xltype != xltypeInt || g_coercedItem.val.w != kInfoName) {
        return valueError(&g_infoAnswer);
    }
    // Excel only reads the name, which stays a constant of the process.
    g_infoAnswer.val.str = const_cast<unsigned char*>(g_addinName);
    g_infoAnswer.xltype = xltypeStr;
    return &g_infoAnswer;
}
